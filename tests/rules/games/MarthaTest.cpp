// SPDX-License-Identifier: GPL-3.0-or-later
// Martha (game 37): the deal through the real program against an
// independent expectation (Aces up, columns face down and up in turn), the
// uncovered card turning up, single cards only to an empty column, automatic
// play and the win.

#include "support/GameHarness.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

// The shuffle generator written again from its definition: state *
// 134775813 + 1 modulo 2^32; a draw in 1..n is the high 32 bits of
// n * state, plus 1.
struct Generator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

std::string Name(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}

// The Aces go straight up; the 48 other cards lie on the deal pile in pool
// order (the King of Spades on top). Each column takes four draws, the odd
// ones face down (lower case in the dump).
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pack;  // bottom first
  for (int n = 1; n <= 52; ++n)
    if ((n - 1) % 13 != 0) pack.push_back(n);
  std::vector<std::string> columns(12);
  for (size_t i = 0; i < 12; ++i)
    for (int j = 1; j <= 4; ++j) {
      auto it = pack.end() - g.Draw(int(pack.size()));
      std::string name = Name(*it);
      if (j % 2 == 1)
        for (char& ch : name)
          ch = char(std::tolower(static_cast<unsigned char>(ch)));
      columns[i] += " " + name;
      pack.erase(it);
    }
  std::ostringstream out;
  out << "game 37 \"Martha\" number " << number << " score -32 rotation -1 started 0\n";
  const char* aces[] = {"AC", "AD", "AH", "AS"};
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 1 + i << " at 500," << 110 * i - 105
        << " shift 0/0 empty 1 tag 1: " << aces[i - 1] << '\n';
  for (int i = 1; i <= 12; ++i)
    out << "pile " << 5 + i << " at " << 79 * ((i - 1) % 6) + 5 << ',' << 270 * ((i - 1) / 6) + 5
        << " shift 17/0 empty 0 tag 4:" << columns[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class MarthaTest : public ::testing::Test {
 protected:
  MarthaTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message)
            messages.push_back(r.text.toStdString());
          else
            dialogs.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(37, 1);
    host.Board1->WarnEnabled = true;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  void RunTimer(int ticks = 30) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages, dialogs;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(MarthaDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(137));
  EXPECT_TRUE(HelpTopicHtml(137).contains("<h1>Martha</h1>"));
}

TEST(MarthaDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 5150u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "37", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(MarthaTest, DealPutsTheAcesUpInSuitOrderAndAlternatesTheColumns) {
  for (int i = 1; i <= 4; ++i) {
    ASSERT_EQ(F(i)->CardsCount(), 1);
    EXPECT_EQ(F(i)->TopCard->Rank(), 1);
    EXPECT_EQ(F(i)->TopCard->Suit(), i);
  }
  for (int i = 1; i <= 12; ++i) {
    std::vector<TCard*> cards = Cards(Col(i));
    ASSERT_EQ(cards.size(), 4u);
    for (size_t j = 0; j < 4; ++j)
      EXPECT_EQ(cards[j]->Face(), j % 2 == 1) << "column " << i << " card " << j + 1;
  }
  EXPECT_EQ(host.Board1->Score(), -52 + 4 * 5);
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(MarthaTest, UncoveredCardTurnsUpAndRunsMoveWhole) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "kc 9H"}, {Col(2), "qd TS"}, {Col(3), "jh 8C"}, {Col(4), "2c 9D"}});
  Move(Col(1), Col(2));  // Nine of Hearts on Ten of Spades
  EXPECT_EQ(Names(Col(2)), "qd TS 9H");
  EXPECT_EQ(Names(Col(1)), "KC");  // turned up at once
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  Move(Col(3), Col(2));
  EXPECT_EQ(Names(Col(2)), "qd TS 9H 8C");
  EXPECT_EQ(Names(Col(3)), "JH");
  Move(Col(4), Col(2));  // a Nine on an Eight: refused
  EXPECT_EQ(Names(Col(2)), "qd TS 9H 8C");
  EXPECT_EQ(messages.size(), 1u);
  // The run Ten, Nine, Eight goes onto the Jack whole.
  Move(Col(2), Col(3));
  EXPECT_EQ(Names(Col(3)), "JH TS 9H 8C");
  EXPECT_EQ(Names(Col(2)), "QD");
  // King on an Ace of the other colour.
  Arrange(host, {{Col(1), "AD"}, {Col(2), "KS"}});
  Move(Col(2), Col(1));
  EXPECT_EQ(Names(Col(1)), "AD KS");
}

TEST_F(MarthaTest, OnlyTheTopCardGoesToAnEmptyColumnWithoutAsking) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "qd JS TH 9C"}});
  Move(Col(1), Col(5));
  EXPECT_EQ(Names(Col(5)), "9C");
  EXPECT_EQ(Names(Col(1)), "qd JS TH");
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(MarthaTest, DoubleClickAndAutoPlayBuildTheFoundations) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC"},
                 {F(2), "AD"},
                 {F(3), "AH"},
                 {F(4), "AS"},
                 {Col(1), "5S 2C"},
                 {Col(2), "2D"},
                 {Col(3), "kh 2H"},
                 {Col(4), "3C"},
                 {Col(5), "2S"}});
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Col(1));
  EXPECT_EQ(Names(F(1)), "AC 2C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "2D");  // AutoPlay Off: stays
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(2)), "AD 2D");
  EXPECT_EQ(Names(F(3)), "AH 2H");
  EXPECT_EQ(Names(Col(3)), "KH");      // uncovered by the timer's move, turned up
  EXPECT_EQ(Names(F(1)), "AC 2C 3C");  // every foundation shows a Two or better now
}

TEST_F(MarthaTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Col(7), "ks QS"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Move(Col(7), F(4));
  EXPECT_EQ(Names(Col(7)), "KS");
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(7));
  EXPECT_EQ(wins, 0);
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
}
