// SPDX-License-Identifier: GPL-3.0-or-later
// King Albert (game 6): the deal through the real program against an
// independent expectation, runs carried over the empty columns, the
// empty-column question, the reserve and foundation piles, automatic play
// and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

std::string Name(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}

// The pack lies on the first foundation, card 52 on top; columns 1..9 take
// 9, 8, ..., 1 cards and the seven reserve piles one each, every card the
// c-th from the top of what is left.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  auto draw = [&] { return deal.Draw(); };
  std::ostringstream out;
  out << "game 6 \"King Albert\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << i << " at " << 78 * i - 73 << ",5 shift 0/0 empty 1 tag 1:\n";
  for (int i = 1; i <= 9; ++i) {
    out << "pile " << 4 + i << " at " << 78 * i - 73 << ",110 shift 18/0 empty 0 tag 4:";
    for (int k = 0; k < 10 - i; ++k)
      out << ' ' << Name(draw());
    out << '\n';
  }
  for (int i = 1; i <= 7; ++i)
    out << "pile " << 13 + i << " at " << 78 * i + 83
        << ",430 shift 0/0 empty 0 tag 1: " << Name(draw()) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class KingAlbertTest : public GameTest {
 protected:
  KingAlbertTest() { host.DealGame(6, 1); }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Res(int i) { return host.Table.Reserve[i]; }
  void RunTimer(int ticks = 60) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
  void Undo(int steps) {
    for (int i = 0; i < steps; ++i)
      host.Board1->UndoStep();
  }
};

// Every pile filled except those named: keeps the free column count exact.
const std::vector<std::pair<int, std::string>> kFillers = {
    {5, "2C"}, {6, "3C"}, {7, "4C"}, {8, "5C"}, {9, "2D"}};

}  // namespace

TEST(KingAlbertDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(106));
  EXPECT_TRUE(HelpTopicHtml(106).contains("<h1>King Albert</h1>"));
}

TEST(KingAlbertDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 31337u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "6", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(KingAlbertTest, DealLeavesNoStockAndTheTimerRunning) {
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_EQ(host.Board1->Score(), -52);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_EQ(Col(1)->CardsCount(), 9);
  EXPECT_EQ(Col(9)->CardsCount(), 1);
  for (int i = 1; i <= 7; ++i)
    EXPECT_EQ(Res(i)->CardsCount(), 1);
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(F(i)->CardsCount(), 0);
}

TEST_F(KingAlbertTest, RunsTravelOverEmptyColumnsOnly) {
  // Columns 3 and 4 are empty (N = 2); the empty reserve piles do not count.
  auto table = [&] {
    std::vector<std::pair<TDeck*, std::string>> t = {
        {Col(1), "KC 9S 8H 7C 6D"}, {Col(2), "TH"}, {Col(5), "9C"}};
    for (auto [i, cards] : kFillers)
      if (i != 5) t.push_back({Col(i), cards});
    return t;
  };
  Arrange(host, table());
  host.Board1->WarnEnabled = true;
  Move(Col(1), Col(2));  // 9S..6D is four cards: one too many
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C 6D");
  EXPECT_EQ(Names(Col(2)), "TH");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(host.Board1->History.empty());

  const TableState before = Snapshot(host);
  Move(Col(1), Col(5));  // 8H 7C 6D onto 9C: three cards
  EXPECT_EQ(Names(Col(5)), "9C 8H 7C 6D");
  EXPECT_EQ(Names(Col(1)), "KC 9S");
  EXPECT_EQ(Names(Col(3)) + Names(Col(4)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // Two parked, the base, one back and the last: five moves, undone singly.
  ASSERT_EQ(host.Board1->History.size(), 5u);
  Undo(5);
  EXPECT_EQ(Snapshot(host), before);

  // With no empty column only a single fitting card moves.
  Arrange(host, {{Col(1), "KC 9S 8H"},
                 {Col(2), "9C"},
                 {Col(3), "JD"},
                 {Col(4), "TD"},
                 {Col(5), "2C"},
                 {Col(6), "3C"},
                 {Col(7), "4C"},
                 {Col(8), "5C"},
                 {Col(9), "2D"}});
  Move(Col(1), Col(4));  // 9S would fit on TD, 8H lies on it
  EXPECT_EQ(Names(Col(4)), "TD");
  EXPECT_EQ(messages.size(), 2u);
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "9C 8H");
}

TEST_F(KingAlbertTest, EmptyColumnQuestionCarriesAtMostNPlusOneCards) {
  // Destination column 3; column 4 is the only other empty column (N = 1);
  // the empty reserve piles do not help.
  std::vector<std::pair<TDeck*, std::string>> table = {{Col(1), "KC 9S 8H 7C 6D 5S"},
                                                       {Col(2), "TH"}};
  for (auto [i, cards] : kFillers)
    table.push_back({Col(i), cards});

  Arrange(host, table);
  dialogAnswer = mrOk;  // "Move column"
  Move(Col(1), Col(3));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(3)), "6D 5S");
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C");
  EXPECT_EQ(Names(Col(4)), "");

  Arrange(host, table);
  dialogAnswer = mrYes;  // "Move single card"
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "5S");

  Arrange(host, table);
  dialogAnswer = mrCancel;
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "");
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C 6D 5S");
  EXPECT_TRUE(host.Board1->History.empty());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(messages.empty());  // a cancelled move warns nobody

  // With no other empty column there is nothing to ask: one card moves.
  table.push_back({Col(4), "QD"});
  Arrange(host, table);
  const size_t asked = dialogs.size();
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "5S");
  EXPECT_EQ(dialogs.size(), asked);
}

TEST_F(KingAlbertTest, ReserveGivesButNeverTakesAndKingsGoOnAces) {
  Arrange(host, {{Col(1), "8S"},
                 {Col(2), "AD"},
                 {Col(4), "2C"},
                 {Res(1), "7H"},
                 {Res(2), "KS"},
                 {Res(3), "QH"},
                 {Res(5), "9D"},
                 {F(1), "AS 2S 3S 4S 5S 6S"}});
  host.Board1->WarnEnabled = false;
  Move(Res(1), Col(1));  // a reserve card onto a column
  EXPECT_EQ(Names(Col(1)), "8S 7H");
  EXPECT_EQ(Names(Res(1)), "");
  Move(Col(1), Res(1));  // not even onto an empty reserve pile
  EXPECT_EQ(Names(Res(1)), "");
  Click(Col(1));
  Move(Res(2), Col(2));  // a King onto an Ace of the other colour
  EXPECT_EQ(Names(Col(2)), "AD KS");
  Move(Res(3), Col(2));  // QH on KS
  EXPECT_EQ(Names(Col(2)), "AD KS QH");
  Move(Res(5), Col(3));  // any card into an empty column
  EXPECT_EQ(Names(Col(3)), "9D");
  Move(Col(4), Res(4));
  EXPECT_EQ(Names(Res(4)), "");
  Click(Col(4));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  // A reserve card goes up by a click and by a double click.
  Arrange(host, {{Res(1), "7S"}, {Res(2), "8S"}, {F(1), "AS 2S 3S 4S 5S 6S"}});
  Move(Res(1), F(1));
  EXPECT_EQ(Names(F(1)), "AS 2S 3S 4S 5S 6S 7S");
  DoubleClick(Res(2));
  EXPECT_EQ(Names(F(1)), "AS 2S 3S 4S 5S 6S 7S 8S");
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 8);
}

TEST_F(KingAlbertTest, FoundationCardsComeBackButNeverTheAce) {
  Arrange(host, {{F(1), "AH 2H"}, {F(2), "AC"}, {Col(1), "3S"}, {Col(2), "2D"}});
  host.Board1->WarnEnabled = false;
  host.Table.AutoPlay = 1;
  EXPECT_EQ(host.Board1->Score(), -52 + 15);
  Move(F(1), Col(1));
  EXPECT_EQ(Names(Col(1)), "3S 2H");
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(host.Board1->Score(), -52 + 10);
  Click(F(1));  // the Ace cannot be picked up
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(F(2), Col(2));
  EXPECT_EQ(Names(F(2)), "AC");
  EXPECT_EQ(Names(Col(2)), "2D");
  // An empty foundation takes nothing from the player, not even an Ace.
  Arrange(host, {{Col(1), "KC AS"}});
  host.Additional_timer.SetEnabled(false);
  Move(Col(1), F(3));
  EXPECT_EQ(Names(F(3)), "");
  Click(Col(1));
  DoubleClick(Col(1));
  EXPECT_EQ(Names(Col(1)), "KC AS");
  host.Additional_timer.Fire();  // the timer starts the foundation
  EXPECT_EQ(Names(F(1)), "AS");
}

TEST_F(KingAlbertTest, TimerPlaysAcesFromColumnsAndReserveAndSafeCardsWhenOn) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "KC AH"}, {Col(2), "QC 2H"}, {Res(1), "AS"}, {Res(2), "2S"}});
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // one Ace from the columns, one from the reserve
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AS");
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "QC 2H");  // AutoPlay Off: Aces only
  EXPECT_EQ(Names(Res(2)), "2S");
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AS 2S");

  // Safe play: no Three goes up while a foundation is empty.
  Arrange(host, {{F(1), "AH 2H"}, {F(2), "AS 2S"}, {Col(1), "3H"}, {Res(1), "3S"}, {Col(2), "2C"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(Col(1)), "3H");
  EXPECT_EQ(Names(Res(1)), "3S");
  EXPECT_EQ(Names(Col(2)), "2C");
}

TEST_F(KingAlbertTest, WinIsDetectedOnceWhenTheLastCardGoesUp) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Col(9), "KS"},
                 {Res(7), "QS"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  DoubleClick(Res(7));
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);
  Move(Col(9), F(4));
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
