// SPDX-License-Identifier: GPL-3.0-or-later
// Turncoats (game 12): the deal through the real program against an
// independent expectation, the column rule both ways with wrapping ranks, the
// timer filling empty columns from the stock (an Ace goes up instead), the
// untouchable stock and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// The pack lies on the first foundation, card 52 on top; one random card to
// each column, face up, the other forty face down to the stock.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  std::vector<int>& pack = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> columns;
  for (int i = 0; i < 12; ++i)
    columns.push_back(draw());
  std::string stock;
  while (!pack.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 12 \"Turncoats\" number " << number << " score -52 rotation -1 started 0\n";
  out << "pile 1 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 1 + i << " at " << 80 * i + 140 << ",5 shift 0/0 empty 1 tag 1:\n";
  for (int i = 1; i <= 12; ++i)
    out << "pile " << 5 + i << " at " << 80 * ((i - 1) % 6) + 140 << ','
        << 120 * ((i - 1) / 6) + 160 << " shift 0/0 empty 0 tag 4: " << Name(columns[size_t(i - 1)])
        << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// The cards of one suit from rank a to rank b, "AS 2S 3S".
std::string SuitRun(char suit, int a, int b) {
  static const char* kRanks = "A23456789TJQK";
  std::string s;
  for (int r = a; r <= b; ++r) {
    if (!s.empty()) s += ' ';
    s += kRanks[r - 1];
    s += suit;
  }
  return s;
}

class TurncoatsTest : public ::testing::Test {
 protected:
  TurncoatsTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(12, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Stock() { return host.Table.Stock(); }
  // The given piles, and a card of no consequence on every other column, so
  // that the timer has no empty column to fill but the ones the test means.
  void Lay(std::vector<std::pair<TDeck*, std::string>> piles) {
    std::string used;
    for (auto& [p, cards] : piles)
      used += " " + cards + " ";
    std::istringstream fillers("2S 3S 4S 5S 6S 7S 8S 9S TS JS QS 2C 3C 4C 5C 6C 7C 8C");
    for (int i = 1; i <= 12; ++i) {
      bool given = false;
      for (auto& [p, cards] : piles)
        given = given || p == Col(i);
      if (given) continue;
      std::string f;
      while (fillers >> f) {
        std::string lower = f;
        for (char& ch : lower)
          ch = char(std::tolower(static_cast<unsigned char>(ch)));
        if (used.find(" " + f + " ") == std::string::npos &&
            used.find(" " + lower + " ") == std::string::npos)
          break;
      }
      piles.push_back({Col(i), f});
    }
    Arrange(host, piles);
  }
  void Tick() {
    host.Additional_timer.SetEnabled(true);
    host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(TurncoatsDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(112));
  EXPECT_TRUE(HelpTopicHtml(112).contains("<h1>Turncoats</h1>"));
}

TEST(TurncoatsDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 31337u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "12", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(TurncoatsTest, ColumnsTakeTheOtherColourOneRankUpOrDownWrapping) {
  Arrange(host, {{Col(1), "7H"},
                 {Col(2), "8S"},
                 {Col(3), "6C"},
                 {Col(4), "8D"},
                 {Col(5), "9C"},
                 {Col(6), "KD"},
                 {Col(7), "AC"},
                 {Col(8), "AH"},
                 {Col(9), "KS"},
                 {Col(10), "7C"},
                 {Stock(), "2c"}});
  Move(Col(2), Col(1));  // black Eight on red Seven: one up
  EXPECT_EQ(Names(Col(1)), "7H 8S");
  Move(Col(4), Col(5));  // red Eight on black Nine: one down
  EXPECT_EQ(Names(Col(5)), "9C 8D");
  Move(Col(3), Col(5));  // black Six on red Eight: two apart
  EXPECT_EQ(Names(Col(3)), "6C");
  Click(Col(3));
  Move(Col(10), Col(1));  // black Seven on black Eight: the same colour
  EXPECT_EQ(Names(Col(1)), "7H 8S");
  Click(Col(10));
  Move(Col(7), Col(6));  // black Ace on red King: ranks wrap upward
  EXPECT_EQ(Names(Col(6)), "KD AC");
  Move(Col(9), Col(8));  // black King on red Ace: and downward
  EXPECT_EQ(Names(Col(8)), "AH KS");
  EXPECT_EQ(host.Table.GameStarted, 1);
  // An emptied column takes nothing from the player, not even a King.
  Move(Col(8), Col(9));
  EXPECT_EQ(Names(Col(8)), "AH KS");
  EXPECT_EQ(Names(Col(9)), "");
  Click(Col(8));
  // The stock gives nothing and takes nothing.
  Click(Stock());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(Col(5), Stock());
  EXPECT_EQ(Names(Stock()), "2c");
  EXPECT_EQ(Names(Col(5)), "9C 8D");
  EXPECT_TRUE(messages.empty());
}

TEST_F(TurncoatsTest, OnlyTheTopCardMovesAndTheFoundationIsBuiltInSuit) {
  Arrange(host, {{F(1), "AH"}, {Col(1), "3H 2S"}, {Col(2), "3S"}, {Col(3), "2H"}, {Stock(), "5c"}});
  Move(Col(1), Col(2));  // the Two of spades is not moved by its Three below
  EXPECT_EQ(Names(Col(1)), "3H 2S");
  EXPECT_EQ(Names(Col(2)), "3S");
  Click(Col(1));
  Move(Col(1), F(1));  // the Two of spades does not follow the Ace of hearts
  EXPECT_EQ(Names(F(1)), "AH");
  Click(Col(1));
  DoubleClick(Col(3));
  EXPECT_EQ(Names(F(1)), "AH 2H");
  Move(Col(1), Col(2));  // now 3H shows and 2S is still refused on 3S
  EXPECT_EQ(Names(Col(2)), "3S");
  EXPECT_EQ(host.Board1->Score(), -52 + 10);
}

TEST_F(TurncoatsTest, EmptiedColumnIsFilledFaceUpFromTheStockOnTheNextTick) {
  Lay({{Col(1), "7H"}, {Col(2), "8S"}, {Stock(), "4d 9c"}});
  Move(Col(2), Col(1));
  EXPECT_EQ(Names(Col(2)), "");
  Tick();
  EXPECT_EQ(Names(Col(2)), "9C");  // the stock's top card, face up
  EXPECT_EQ(Names(Stock()), "4d");
  // Turning and placing it is one undo step; then the player's move.
  host.Additional_timer.SetEnabled(false);
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Stock()), "4d 9c");
  EXPECT_EQ(Names(Col(2)), "");
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Col(2)), "8S");
  EXPECT_FALSE(host.Board1->CanUndo());

  // Several empty columns fill in order on one tick; with the stock spent
  // the rest stay empty.
  Arrange(host, {{Col(1), "7H"}, {Col(2), "8S"}, {Stock(), "4d 9c"}});
  Tick();
  EXPECT_EQ(Names(Col(3)), "9C");
  EXPECT_EQ(Names(Col(4)), "4D");
  EXPECT_EQ(Names(Col(5)), "");
  Tick();
  EXPECT_EQ(Names(Col(12)), "");
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(TurncoatsTest, AnAceFromTheStockGoesUpAndItsColumnFillsLater) {
  Lay({{Col(1), ""}, {Stock(), "9c ah"}});
  Tick();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(Col(1)), "");
  EXPECT_EQ(Names(Stock()), "9c");
  Tick();
  EXPECT_EQ(Names(Col(1)), "9C");
  EXPECT_EQ(host.Board1->Score(), -52 + 5);
  // An Ace on a column goes up too, whatever AutoPlay says; a Two does not.
  host.Table.AutoPlay = 0;
  Lay({{F(1), "AH"}, {Col(1), "2H"}, {Col(2), "AD"}});
  Tick();
  EXPECT_EQ(Names(F(2)), "AD");
  Tick();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(Col(1)), "2H");
}

TEST_F(TurncoatsTest, WinIsDetectedOnceWhenTheFoundationsAreFull) {
  Arrange(host, {{F(1), SuitRun('C', 1, 13)},
                 {F(2), SuitRun('D', 1, 13)},
                 {F(3), SuitRun('H', 1, 13)},
                 {F(4), SuitRun('S', 1, 11)},
                 {Col(1), "KS"},
                 {Col(2), "QS"}});
  Tick();
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(1));  // the King does not follow the Jack
  EXPECT_EQ(Names(Col(1)), "KS");
  Click(Col(1));
  Move(Col(2), F(4));
  EXPECT_EQ(wins, 0);
  Tick();
  EXPECT_EQ(wins, 0);  // one card still out
  DoubleClick(Col(1));
  EXPECT_EQ(wins, 0);  // the timer decides
  Tick();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
