// SPDX-License-Identifier: GPL-3.0-or-later
// Stacks (game 33): the deal through the real program against an independent
// expectation, play between the stacks, the regathering, the automatic play
// and the win.

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

std::string Name(int n, bool faceUp) {
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  std::string s{kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
  if (!faceUp) s = {char(std::tolower(s[0])), char(std::tolower(s[1]))};
  return s;
}

// All 52 cards go face down to the stock, each the c-th from the top of the
// deal pile (card 52 on top at first); the stacks then take the stock's top
// card four at a time, stack 1 first, and show their top card.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pile;
  for (int n = 1; n <= 52; ++n)
    pile.push_back(n);
  std::vector<int> stock;  // bottom first
  while (!pile.empty()) {
    auto it = pile.end() - g.Draw(int(pile.size()));
    stock.push_back(*it);
    pile.erase(it);
  }
  std::ostringstream out;
  out << "game 33 \"Stacks\" number " << number << " score -52 rotation -1 started 0\n";
  out << "pile 2 at 10,5 shift 2/2 empty 3 tag 0:\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 231 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 13; ++i) {
    out << "pile " << 6 + i << " at " << (i - 1) % 7 * 87 + 10 << ',' << (i - 1) / 7 * 120 + 120
        << " shift 0/0 empty 0 tag 4:";
    for (int k = 0; k < 4; ++k) {
      out << ' ' << Name(stock.back(), k == 3);
      stock.pop_back();
    }
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class StacksTest : public ::testing::Test {
 protected:
  StacksTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(33, 1);
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* S(int i) { return host.Table.Tableau[i]; }
  TDeck* Stock() { return host.Table.Stock(); }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(StacksDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 33u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "33", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(StacksDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(133).contains("<h1>Stacks</h1>"));
}

TEST_F(StacksTest, AfterTheDealTheDealPileIsGoneAndTheTimerRuns) {
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(Stock()->CardsCount(), 0);
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(S(i)->CardsCount(), 4) << i;
    EXPECT_TRUE(S(i)->TopCard->Face()) << i;
    EXPECT_FALSE(S(i)->CardAt(2)->Face()) << i;
  }
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(StacksTest, StacksTakeTheCardOneLowerInSuitAndNothingWhenEmpty) {
  Arrange(host,
          {{S(1), "4c 3d 9d 6H"}, {S(2), "kd 2c 7H"}, {S(3), "QS"}, {S(4), "6S"}, {S(6), "AS"}});
  Move(S(4), S(2));  // wrong suit
  EXPECT_EQ(Names(S(4)), "6S");
  EXPECT_EQ(messages.size(), 1u);

  Move(S(1), S(2));  // Six of hearts on the Seven
  EXPECT_EQ(Names(S(2)), "kd 2c 7H 6H");
  EXPECT_EQ(Names(S(1)), "4c 3d 9d");  // still covered until the timer looks
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());

  Move(S(4), S(5));  // an empty stack takes nothing
  EXPECT_EQ(Names(S(5)), "");
  EXPECT_EQ(messages.size(), 2u);

  Move(S(6), S(3));  // an Ace is not one lower than a Queen
  EXPECT_EQ(Names(S(3)), "QS");
  EXPECT_EQ(messages.size(), 3u);
  Arrange(host, {{S(1), "KS"}, {S(2), "AS"}});
  Move(S(1), S(2));  // a King is one lower than an Ace
  EXPECT_EQ(Names(S(2)), "AS KS");
}

TEST_F(StacksTest, TimerUncoversTopCardsAndPlaysUpWhenAutoPlayIsOn) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{S(1), "4c 3d"}, {S(2), "2c AC"}, {S(3), "kd 3C"}});
  RunTimer();
  EXPECT_EQ(Names(S(1)), "4c 3D");
  EXPECT_EQ(Names(F(1)), "AC");
  RunTimer(3);
  EXPECT_EQ(Names(S(2)), "2C");  // AutoPlay off: uncovered, not played
  EXPECT_EQ(Names(F(1)), "AC");

  host.Table.AutoPlay = 0;
  RunTimer(3);  // unsafe cards go up too, one a tick
  EXPECT_EQ(Names(F(1)), "AC 2C 3C");
  EXPECT_EQ(Names(S(3)), "KD");
  EXPECT_EQ(wins, 0);
}

TEST_F(StacksTest, RegatheringKeepsTheOrderAndCannotBeUndone) {
  Arrange(
      host,
      {{S(1), "ac 2c"}, {S(3), "3c 4c 5c 6C"}, {S(4), "7c"}, {S(7), "8c 9c TC"}, {S(13), "jc QC"}});
  Click(Stock());
  EXPECT_EQ(Names(S(1)), "ac 2c 3c 4C");
  EXPECT_EQ(Names(S(2)), "5c 6C 7c 8C");
  EXPECT_EQ(Names(S(3)), "9c TC jc QC");
  for (int i = 4; i <= 13; ++i)
    EXPECT_EQ(S(i)->CardsCount(), 0) << i;
  EXPECT_EQ(Stock()->CardsCount(), 0);
  EXPECT_FALSE(host.Board1->CanUndo());
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_TRUE(host.Board1->Animate);
  // The card that was face up inside a stack stays face up; the timer
  // leaves it alone and turns only top cards.
  RunTimer();
  EXPECT_EQ(Names(S(1)), "ac 2c 3c 4C");

  // Nothing on the stacks: the click only clears the history.
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"}});
  Click(Stock());
  for (int i = 1; i <= 13; ++i)
    EXPECT_EQ(S(i)->CardsCount(), 0) << i;
}

TEST_F(StacksTest, WonOnceWhenTheLastCardGoesUp) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS"},
                 {S(5), "KS"}});
  RunTimer(2);
  EXPECT_EQ(wins, 0);
  DoubleClick(S(5));
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(host.Board1->Score(), -52 + 52 * host.Board1->CardScore);
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
}
