// SPDX-License-Identifier: GPL-3.0-or-later
// FreeCell through the real program: the dealt table checked card for card
// against an expectation computed here independently, and a whole game won
// by script, counted in the players file.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "support/RunProgram.h"

namespace {

// The deal written from its description: the generator steps
// seed * 134775813 + 1 (mod 2^32); a draw in 1..n is the high half of
// n * seed, plus one; the pack lies in pool order (clubs, diamonds, hearts,
// spades, Ace to King each, the last card on top); card i of 52 goes to
// column (i - 1) mod 8 + 1, taken c-th from the top.
std::vector<QStringList> ExpectedColumns(uint32_t number) {
  uint32_t seed = number;
  auto draw = [&](uint32_t n) {
    seed = seed * 134775813u + 1u;
    return int((uint64_t(n) * seed) >> 32) + 1;
  };
  const char* ranks = "A23456789TJQK";
  const char* suits = "CDHS";
  std::vector<QString> pile;  // bottom .. top
  for (int s = 0; s < 4; ++s)
    for (int r = 0; r < 13; ++r)
      pile.push_back(QString(ranks[r]) + suits[s]);
  std::vector<QStringList> cols(8);
  for (int i = 1; i <= 52; ++i) {
    int c = draw(uint32_t(pile.size()));
    size_t at = pile.size() - size_t(c);
    cols[size_t((i - 1) % 8)] << pile[at];
    pile.erase(pile.begin() + long(at));
  }
  return cols;
}

}  // namespace

TEST(FreeCellEndToEnd, DumpedDealMatchesAnIndependentDeal) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 2u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "32", "--number", QString::number(number), "--dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split('\n');
    ASSERT_TRUE(
        lines[0].startsWith(QStringLiteral("game 32 \"FreeCell\" number %1 score -52").arg(number)))
        << lines[0].toStdString();
    auto cols = ExpectedColumns(number);
    for (int c = 0; c < 8; ++c) {
      // Columns are piles 11..18 (deal and spare piles 1 and 2 are gone,
      // foundations 3..6, free cells 7..10).
      QString prefix = QStringLiteral("pile %1 at %2,115 shift 20/0 empty 0 tag 4:")
                           .arg(11 + c)
                           .arg(78 * (c + 1) - 68);
      int at = lines.indexOf(QRegularExpression("^" + QRegularExpression::escape(prefix) + ".*"));
      ASSERT_GE(at, 0) << prefix.toStdString();
      EXPECT_EQ(lines[at].mid(prefix.size()).trimmed(), cols[size_t(c)].join(' '))
          << "column " << c + 1;
    }
  }
}

TEST(FreeCellEndToEnd, WonByScriptAndCountedForThePlayer) {
  ProgramSandbox box;
  ProgramRun r =
      box.Run({"--script", QStringLiteral(WENLO_TEST_DATA) + "/scripts/freecell-win.script"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.count("won 32 2\n"), 1);
  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray data = f.readAll();
  ASSERT_EQ(data.size(), 4824);  // the one "Default" player
  const int at = 32 * 24;
  auto u16 = [&](int o) { return int(uchar(data[at + o])) | int(uchar(data[at + o + 1])) << 8; };
  auto i32 = [&](int o) {
    return int32_t(uint32_t(uchar(data[at + o])) | uint32_t(uchar(data[at + o + 1])) << 8 |
                   uint32_t(uchar(data[at + o + 2])) << 16 |
                   uint32_t(uchar(data[at + o + 3])) << 24);
  };
  EXPECT_EQ(u16(0), 0);             // lost
  EXPECT_EQ(u16(2), 1);             // won
  EXPECT_EQ(i32(4), -52 + 52 * 5);  // the deal's score
  EXPECT_TRUE(QFile::exists(box.ConfigDir() + "/Tamsel Cards.conf"));
}
