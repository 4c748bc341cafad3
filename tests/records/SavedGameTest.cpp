// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game's file: what is written reads back the same, and anything
// else (cut short, edited, from another version, not a plain file, too
// large) is refused as a whole.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

#include "records/SavedGame.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

SavedGame Sample() {
  SavedGame g;
  g.Player = QString::fromUtf8("Zoë & Bob");
  g.GameIndex = 32;
  g.Number = 4000000000u;  // clock seeds and typed numbers alike fit 32 bits
  g.Score = -47;
  g.Rotation = 2;
  g.RedealButton = 0;
  g.AutoPlay = 1;
  g.Piles = {
      {1, 10, 5, 71, 96, 0, 0, true, {}},
      {2, 330, 5, 71, 96, 0, 0, false, {{7, false, false, 330, 5}, {52, true, true, 330, 5}}},
      {3, 10, 115, 71, 96, 20, 0, true, {{104, true, true, 10, 115}}}};
  g.ZOrder = {-1, -2, 52, 7, -3, 104};
  g.HistoryIndex = 1;
  g.History = {{true, 0, 0, 1, 0, 0, false, 0},
               {false, 330, 5, 0, 2, 3, false, 104},
               {true, -3, 7, 0, 0, 0, true, 52},
               {true, 0, 0, 2, 0, 0, false, 0}};
  return g;
}

// The body with a fresh check line, as a program would have written it.
QByteArray Resealed(QByteArray text) {
  const qsizetype at = text.lastIndexOf("check ");
  if (at >= 0) text.truncate(at);
  return text + "check " + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex() +
         '\n';
}

QByteArray Replaced(const QByteArray& text, const char* from, const char* to) {
  QByteArray t = text;
  return t.replace(from, to);
}

}  // namespace

TEST(SavedGame, WrittenGameReadsBackTheSame) {
  const SavedGame g = Sample();
  auto back = ParseSavedGame(FormatSavedGame(g));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, g);
  SavedGame empty;  // no piles, no history
  empty.Player = "Default";
  ASSERT_TRUE(ParseSavedGame(FormatSavedGame(empty)));
  EXPECT_EQ(*ParseSavedGame(FormatSavedGame(empty)), empty);
}

TEST(SavedGame, RefusesEveryDamagedOrForeignText) {
  const QByteArray good = FormatSavedGame(Sample());
  const struct {
    const char* what;
    QByteArray text;
  } cases[] = {
      {"empty", ""},
      {"cut in half", good.left(good.size() / 2)},
      {"last newline cut", good.chopped(1)},
      {"check line missing", good.left(good.lastIndexOf("check "))},
      {"one byte changed", Replaced(good, "score -47", "score -48")},
      {"another version", Resealed(Replaced(good, "wenlo-saved-game 1", "wenlo-saved-game 2"))},
      {"game index out of range", Resealed(Replaced(good, "game 32 ", "game 46 "))},
      {"number beyond 32 bits", Resealed(Replaced(good, "4000000000", "4294967296"))},
      {"number with a sign", Resealed(Replaced(good, "4000000000", "+4000000"))},
      {"double blank", Resealed(Replaced(good, "card 7 ", "card  7 "))},
      {"card twice", Resealed(Replaced(good, "card 104 ", "card 52 "))},
      {"order names a stray card", Resealed(Replaced(good, " 7 -3 104", " 7 -3 103"))},
      {"order names a stray pile", Resealed(Replaced(good, " 7 -3 104", " 7 -4 104"))},
      {"order misses a card", Resealed(Replaced(good, " 7 -3 104", " 7 -3"))},
      {"history position past the end", Resealed(Replaced(good, "history 1 4", "history 4 4"))},
      {"fewer moves than counted", Resealed(Replaced(good, "history 1 4", "history 1 5"))},
      {"a line after the history", Resealed(good.left(good.lastIndexOf("check ")) + "move\n")},
      {"no player", Resealed(Replaced(good, "player Zo", "player \nZo"))},
      {"too large", good + QByteArray(kMaxSavedGameBytes, ' ')},
  };
  for (const auto& c : cases) {
    QString why;
    EXPECT_FALSE(ParseSavedGame(c.text, &why)) << c.what;
    EXPECT_FALSE(why.isEmpty()) << c.what;
  }
}

// Many random edits of a good file: none may crash the reader, and none
// that changes a byte gets past the check line.
TEST(SavedGame, FuzzedFilesAreRefusedWithoutCrashing) {
  const QByteArray good = FormatSavedGame(Sample());
  std::mt19937 rng(20261207);
  auto pick = [&](qsizetype n) {
    return qsizetype(std::uniform_int_distribution<qsizetype>(0, n - 1)(rng));
  };
  for (int round = 0; round < 3000; ++round) {
    QByteArray t = good;
    for (int edits = 1 + int(pick(3)); edits > 0 && !t.isEmpty(); --edits) {
      const qsizetype at = pick(t.size());
      switch (pick(4)) {
        case 0:
          t[at] = char(t[at] ^ (1 << pick(8)));
          break;
        case 1:
          t.remove(at, 1 + pick(16));
          break;
        case 2:
          t.insert(at, QByteArray(1 + int(pick(8)), char(pick(256))));
          break;
        default:
          t.truncate(at);
          break;
      }
    }
    if (t == good) continue;
    EXPECT_FALSE(ParseSavedGame(t)) << "round " << round;
    ParseSavedGame(Resealed(t));  // past the check: the parser alone must hold
  }
}

TEST(SavedGame, FileIsWrittenWholeAndReadOnlyWhenPlain) {
  QTemporaryDir dir;
  const QString path = SavedGamePath(dir.filePath("players.dat"));
  EXPECT_EQ(path, dir.filePath("savedgame.txt"));
  QString why;
  EXPECT_FALSE(ReadSavedGame(path, &why));
  EXPECT_EQ(why, "no saved game");
  EXPECT_TRUE(RemoveSavedGame(path));  // nothing there is fine

  ASSERT_TRUE(WriteSavedGame(path, Sample(), &why)) << why.toStdString();
  auto back = ReadSavedGame(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, Sample());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"savedgame.txt"});

  // A folder where the file cannot be written keeps nothing and says so.
  EXPECT_FALSE(WriteSavedGame(dir.filePath("missing/savedgame.txt"), Sample(), &why));
  EXPECT_FALSE(why.isEmpty());

  // Only plain files are read: not a folder, not a FIFO, nothing oversized.
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  EXPECT_FALSE(ReadSavedGame(dir.filePath("folder"), &why));
#ifdef Q_OS_UNIX
  const QString fifo = dir.filePath("fifo");
  ASSERT_EQ(mkfifo(qPrintable(fifo), 0600), 0);
  EXPECT_FALSE(ReadSavedGame(fifo, &why));
  EXPECT_EQ(why, "not a regular file");
#endif
#ifdef Q_OS_UNIX
  // Nor is anything but a plain file written over: a link to a FIFO or a
  // device, a dangling link and a folder in the way are refused, and stay
  // what they were (a dangling link's target is not created).
  const QString dangling = dir.filePath("nowhere");
  struct Planted {
    const char* name;
    QString target;  // of the link; empty: a folder
  };
  for (const Planted& p : {Planted{"to-fifo", fifo}, Planted{"to-null", "/dev/null"},
                           Planted{"dangling", dangling}, Planted{"folder", {}}}) {
    const QString at = dir.filePath(p.name);
    if (!p.target.isEmpty()) {
      ASSERT_TRUE(QFile::link(p.target, at));
    }
    why.clear();
    EXPECT_FALSE(WriteSavedGame(at, Sample(), &why)) << p.name;
    EXPECT_FALSE(why.isEmpty()) << p.name;
    const QFileInfo after(at);
    EXPECT_EQ(after.isSymLink(), !p.target.isEmpty()) << p.name;
    EXPECT_EQ(after.isDir(), p.target.isEmpty()) << p.name;
  }
  EXPECT_FALSE(QFileInfo::exists(dangling));
  EXPECT_EQ(QFileInfo(fifo).isFile(), false);
#endif
  QFile big(dir.filePath("big"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.resize(kMaxSavedGameBytes + 1);
  big.close();
  EXPECT_FALSE(ReadSavedGame(big.fileName(), &why));
  EXPECT_EQ(why, "too large");

  EXPECT_TRUE(RemoveSavedGame(path));
  EXPECT_FALSE(QFile::exists(path));
}
