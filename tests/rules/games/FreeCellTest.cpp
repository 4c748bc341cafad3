// SPDX-License-Identifier: GPL-3.0-or-later
// FreeCell (game 32): the deal checked card for card against an independent
// re-implementation, the run moves through free piles, the empty-column
// question, automatic play and the win.

#include "support/GameHarness.h"

using namespace harness;

namespace {

// The shuffle generator written again from its definition, independently of
// the program's: state * 134775813 + 1 modulo 2^32, and a draw in 1..n is
// the high 32 bits of n * state, plus 1.
struct ReferenceGenerator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

std::string RefCardName(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}

// The dump FreeCell must give for a number, built from the rules of the
// deal: cards 1..52 on the deal pile (52 on top), 52 draws of the c-th card
// from the top, dealt round the eight columns.
std::string ExpectedDeal(uint32_t number) {
  ReferenceGenerator g{number};
  std::vector<int> dealPile;  // bottom first
  for (int n = 1; n <= 52; ++n)
    dealPile.push_back(n);
  std::vector<std::vector<int>> columns(8);
  for (int i = 1; i <= 52; ++i) {
    int c = g.Draw(int(dealPile.size()));
    auto it = dealPile.end() - c;
    columns[size_t((i - 1) % 8)].push_back(*it);
    dealPile.erase(it);
  }
  std::ostringstream out;
  out << "game 32 \"FreeCell\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 255 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 6 + i << " at " << 75 * i - 65 << ",5 shift 0/0 empty 3 tag 0:\n";
  for (int i = 1; i <= 8; ++i) {
    out << "pile " << 10 + i << " at " << 78 * i - 68 << ",115 shift 20/0 empty 0 tag 4:";
    for (int n : columns[size_t(i - 1)])
      out << ' ' << RefCardName(n);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class FreeCellTest : public ::testing::Test {
 protected:
  FreeCellTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) {
            messages.push_back(r.text.toStdString());
            return mrOk;
          }
          dialogs.push_back(r.text.toStdString());
          defaults.push_back(r.defaultResult);
          return dialogAnswer;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(32, 1);
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Cell(int i) { return host.Table.Reserve[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  // Fires the timer until it makes no more moves (or is off).
  void RunTimer(int ticks = 60) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages, dialogs;
  std::vector<int> defaults;
  int dialogAnswer = mrOk;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(FreeCellReference, GeneratorMatchesTheKnownDraws) {
  ReferenceGenerator a{1};
  EXPECT_EQ(a.Draw(52), 2);
  EXPECT_EQ(a.Draw(51), 44);
  EXPECT_EQ(a.Draw(50), 11);
  ReferenceGenerator b{2147483647u};
  EXPECT_EQ(b.Draw(104), 49);
  EXPECT_EQ(b.Draw(103), 73);
  EXPECT_EQ(b.Draw(102), 2);
}

TEST_F(FreeCellTest, DealMatchesTheIndependentExpectationCardForCard) {
  for (uint32_t number : {1u, 2u, 617u, 2147483647u}) {
    host.DealGame(32, number);
    EXPECT_EQ(DumpTable(host, 32, number).toStdString(), ExpectedDeal(number))
        << "game number " << number;
  }
  // The deal leaves the timer running with FreeCell's handler.
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_TRUE(bool(host.Additional_timer.OnTimer));
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_EQ(host.Table.Tableau[9], host.Table.Reserve[1]);
  EXPECT_EQ(host.Table.Tableau[12], host.Table.Reserve[4]);
}

TEST_F(FreeCellTest, RunOfNPlusOneMovesAndLongerIsRefused) {
  // N = 3: cells 3 and 4 and column 3 are empty; destination column 2.
  auto table = [&](const std::string& source) {
    Arrange(host, {{Col(1), source},
                   {Col(2), "TH"},
                   {Col(4), "2C"},
                   {Col(5), "3C"},
                   {Col(6), "4C"},
                   {Col(7), "5C"},
                   {Col(8), "6C"},
                   {Cell(1), "7D"},
                   {Cell(2), "8D"}});
  };
  table("KC 9S 8H 7C 6D 5S");
  Move(Col(1), Col(2));  // five cards: refused as a whole
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C 6D 5S");
  EXPECT_EQ(Names(Col(2)), "TH");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Board1->History.empty());

  table("KC 9S 8H 7C 6D");
  const TableState before = Snapshot(host);
  Move(Col(1), Col(2));  // four cards
  EXPECT_EQ(Names(Col(1)), "KC");
  EXPECT_EQ(Names(Col(2)), "TH 9S 8H 7C 6D");
  EXPECT_EQ(Names(Col(3)) + Names(Cell(3)) + Names(Cell(4)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // Each card went as a move of its own: 3 parked, the base, 2 back and the
  // last one; undo takes them back one by one.
  EXPECT_EQ(host.Board1->History.size(), 7u);
  int steps = 0;
  while (host.Board1->CanUndo() && steps < 20) {
    host.Board1->UndoStep();
    ++steps;
  }
  EXPECT_EQ(steps, 7);
  EXPECT_EQ(Snapshot(host), before);
}

TEST_F(FreeCellTest, WithNoFreePileOnlyASingleFittingCardMoves) {
  Arrange(host, {{Col(1), "KC 9S 8H"},
                 {Col(2), "9C"},
                 {Col(3), "TD"},
                 {Col(4), "2C"},
                 {Col(5), "3C"},
                 {Col(6), "4C"},
                 {Col(7), "5C AD"},
                 {Col(8), "6C"},
                 {Cell(1), "7D"},
                 {Cell(2), "8D"},
                 {Cell(3), "7H"},
                 {Cell(4), "JD"}});
  host.Board1->WarnEnabled = false;
  Move(Col(1), Col(3));  // 9S would fit on TD, but 8H lies on it and N = 0
  EXPECT_EQ(Names(Col(3)), "TD");
  EXPECT_EQ(host.Board1->SelectedPile, Col(1));  // still picked up, no message
  EXPECT_TRUE(messages.empty());
  Click(Col(2));  // 8H on 9C fits
  EXPECT_EQ(Names(Col(2)), "9C 8H");
  Move(Col(4), Col(3));  // 2C on TD: no
  EXPECT_EQ(Names(Col(3)), "TD");
  Click(Col(4));  // put back
  // A King goes on an Ace of the other colour (ranks wrap).
  Move(Col(1), Cell(4));  // nothing: the cell is full
  Click(Col(1));
  Arrange(host, {{Col(1), "KS"}, {Col(2), "AD"}, {Col(3), "KH"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "AD KS");
  Move(Col(3), Col(2));  // the same colour: no
  EXPECT_EQ(Names(Col(2)), "AD KS");
}

TEST_F(FreeCellTest, EmptyColumnQuestionEachWay) {
  // N = 2 besides the empty destination column 3: cells 1 and 2.
  const std::vector<std::pair<TDeck*, std::string>> table = {{Col(1), "KC 9S 8H 7C 6D 5S"},
                                                             {Col(2), "TH"},
                                                             {Col(4), "2C"},
                                                             {Col(5), "3C"},
                                                             {Col(6), "4C"},
                                                             {Col(7), "5C"},
                                                             {Col(8), "6C"},
                                                             {Cell(3), "7D"},
                                                             {Cell(4), "8D"}};

  Arrange(host, table);
  dialogAnswer = mrOk;  // "Move column": two parked, the base, and back
  Move(Col(1), Col(3));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(defaults[0], mrOk);
  EXPECT_EQ(Names(Col(3)), "7C 6D 5S");
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H");
  EXPECT_EQ(Names(Cell(1)) + Names(Cell(2)), "");

  Arrange(host, table);
  dialogAnswer = mrYes;  // "Move single card"
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "5S");
  EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C 6D");

  for (int answer : {int(mrCancel), 0, int(mrNo)}) {  // Cancel, closed, anything else
    Arrange(host, table);
    host.Table.GameStarted = 0;
    dialogAnswer = answer;
    Move(Col(1), Col(3));
    EXPECT_EQ(Names(Col(3)), "");
    EXPECT_EQ(Names(Col(1)), "KC 9S 8H 7C 6D 5S");
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
    EXPECT_TRUE(host.Board1->History.empty());
  }
  EXPECT_TRUE(messages.empty());  // a cancelled move warns nobody

  // A single card (no run beneath it) and a bare probe ask nothing.
  const size_t asked = dialogs.size();
  Arrange(host, {{Col(1), "KC 5S"}, {Col(2), "9D"}});
  Col(3)->MouseMove(QPoint(Col(3)->Left() + 5, Col(3)->Top() + 5));  // nothing selected
  Click(Col(1));
  Col(3)->MouseMove(QPoint(Col(3)->Left() + 5, Col(3)->Top() + 5));
  EXPECT_EQ(Col(3)->Cursor, crDrop);
  Click(Col(3));
  EXPECT_EQ(Names(Col(3)), "5S");
  EXPECT_EQ(dialogs.size(), asked);
}

TEST_F(FreeCellTest, AutoPlayOffMovesOnlyAces) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "KC AH"}, {Col(2), "QC 2H"}, {Cell(1), "AS"}, {Col(3), "2S"}});
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AS");
  EXPECT_EQ(Names(Col(2)), "QC 2H");
  EXPECT_EQ(Names(Col(3)), "2S");
  EXPECT_EQ(host.Board1->Score(), -52 + 10);
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AS 2S");
}

TEST_F(FreeCellTest, AutoPlayOnNeverSendsAThreeWhileAFoundationIsEmptyOrAceOnly) {
  host.Table.AutoPlay = 0;
  Arrange(host, {{F(1), "AH 2H"},
                 {F(2), "AC 2C"},
                 {F(3), "AD"},
                 {Col(1), "KC 3H"},
                 {Col(2), "QD 3C"},
                 {Col(3), "AS JD"},
                 {Col(4), "2D"},
                 {Col(5), "2S 9H"}});
  host.Additional_timer.SetEnabled(true);
  // Spades still empty: Twos may go up, Threes may not.
  RunTimer();
  EXPECT_EQ(Names(F(3)), "AD 2D");
  EXPECT_EQ(Names(Col(1)), "KC 3H");
  EXPECT_EQ(Names(Col(2)), "QD 3C");
  // Spades show only their Ace: still no Three.
  Move(Col(3), Cell(1));
  RunTimer();
  EXPECT_EQ(Names(F(4)), "AS");
  EXPECT_EQ(Names(Col(1)), "KC 3H");
  EXPECT_EQ(Names(Col(2)), "QD 3C");
  // Every foundation shows a Two: the Threes follow.
  Move(Col(5), Cell(2));
  RunTimer();
  EXPECT_EQ(Names(F(4)), "AS 2S");
  EXPECT_EQ(Names(F(1)), "AH 2H 3H");
  EXPECT_EQ(Names(F(2)), "AC 2C 3C");
}

TEST_F(FreeCellTest, DoubleClickedAceGoesToAFreeCellThenTheTimerPlaysIt) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "KC AH"}, {Cell(1), "9D"}, {F(2), "AS"}, {Col(2), "2S"}});
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Col(1));
  EXPECT_EQ(Names(Cell(2)), "AH");  // the first empty cell, not a foundation
  EXPECT_EQ(Names(F(1)), "");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(1)), "AH");
  // A fitting card goes to its foundation instead.
  DoubleClick(Col(2));
  EXPECT_EQ(Names(F(2)), "AS 2S");
  // A free cell's double click knows only foundations.
  DoubleClick(Cell(1));
  EXPECT_EQ(Names(Cell(1)), "9D");
}

TEST_F(FreeCellTest, WinIsDetectedOnceAndOnlyWhenEveryFoundationIsFull) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Col(5), "KS"},
                 {Cell(2), "QS"}});
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 50);
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Move(Cell(2), F(4));
  EXPECT_EQ(wins, 0);
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);  // one card still out
  Move(Col(5), F(4));
  EXPECT_EQ(Names(F(4)).size(), 13u * 3 - 1);
  EXPECT_EQ(wins, 0);  // the timer decides, not the move
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(5);
  Click(Col(5));  // empty table: nothing to do
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
