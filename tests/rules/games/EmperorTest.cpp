// SPDX-License-Identifier: GPL-3.0-or-later
// Emperor (38), Number Ten (39) and Indian (40): the deals through the real
// program against an independent expectation, the cards uncovered by moves,
// the two column rules, the stock gone through once, automatic play and the
// win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs on the waste, card 104 on top; each card drawn is the c-th from
// the top of what is left. Rows go round the ten columns, the lowest rows
// face down (Emperor three of four, Number Ten two of four, Indian one of
// three), and what is left goes face down to the stock.
std::string ExpectedDump(int game, uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  const int rows = game == 40 ? 3 : 4;
  const int down = game == 38 ? 3 : game == 39 ? 2 : 1;
  std::vector<std::string> column(10);
  for (int row = 0; row < rows; ++row)
    for (int i = 0; i < 10; ++i)
      column[size_t(i)] += ' ' + Name(draw(), row >= down);
  std::string stock;
  while (!pile.empty())
    stock += ' ' + Name(draw(), false);

  std::ostringstream out;
  const char* name = game == 38 ? "Emperor" : game == 39 ? "Number Ten" : "Indian";
  out << "game " << game << " \"" << name << "\" number " << number
      << " score -104 rotation -1 started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 2 + i << " at " << 73 * i + 119 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 10; ++i)
    out << "pile " << 10 + i << " at " << 77 * i - 67
        << ",130 shift 18/0 empty 0 tag 4:" << column[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class EmperorTest : public GameTest {
 protected:
  void Deal(int game) {
    ASSERT_TRUE(host.DealGame(game, 1));
    wins = 0;
  }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void RunTimer(int ticks = 40) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(EmperorDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  const std::vector<std::pair<int, uint32_t>> deals = {
      {38, 1}, {38, 2147483647u}, {39, 7}, {39, 31337}, {40, 1}, {40, 123456789}};
  for (auto [game, number] : deals) {
    ProgramRun r =
        box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
        << "game " << game << " number " << number;
  }
}

TEST(EmperorDeal, HelpTopicsAreCarried) {
  EXPECT_TRUE(HelpTopicHtml(138).contains("<h1>Emperor</h1>"));
  EXPECT_TRUE(HelpTopicHtml(139).contains("<h1>Number Ten</h1>"));
  EXPECT_TRUE(HelpTopicHtml(140).contains("<h1>Indian</h1>"));
}

TEST_F(EmperorTest, UncoveredCardsTurnUpWhereverTheCardWent) {
  for (int game : {38, 39, 40}) {
    Deal(game);
    host.Table.AutoPlay = 1;
    Lay({{F(1), "AH"}, {Col(1), "ks qd 2H"}, {Col(2), "kc 5S"}, {Col(3), "6D"}});
    Move(Col(1), F(1));
    EXPECT_EQ(Names(Col(1)), "ks QD") << game;
    Move(Col(2), Col(3));  // a black Five on a red Six suits both rules
    EXPECT_EQ(Names(Col(3)), "6D 5S") << game;
    EXPECT_EQ(Names(Col(2)), "KC") << game;
    EXPECT_EQ(host.Table.GameStarted, 1) << game;
  }
}

TEST_F(EmperorTest, IndianTakesOneCardOfAnotherSuit) {
  Deal(40);
  Lay({{Col(1), "7H"},
       {Col(2), "6H"},
       {Col(3), "7D"},
       {Col(4), "7C"},
       {Col(5), "7S"},
       {Col(7), "AS"},
       {Col(8), "KS"},
       {Col(9), "KH"}});
  host.Board1->WarnEnabled = false;
  Move(Col(2), Col(1));  // its own suit: refused, the card stays in hand
  EXPECT_EQ(Names(Col(1)), "7H");
  EXPECT_EQ(host.Board1->SelectedPile, Col(2));
  Click(Col(3));  // the other suit of its colour is fine
  EXPECT_EQ(Names(Col(3)), "7D 6H");
  Move(Col(3), Col(4));
  Move(Col(4), Col(5));
  EXPECT_EQ(Names(Col(5)), "7S 6H");
  // A King on an Ace of another suit, not on one of its own.
  Move(Col(8), Col(7));
  EXPECT_EQ(Names(Col(7)), "AS");
  Click(Col(8));
  Move(Col(9), Col(7));
  EXPECT_EQ(Names(Col(7)), "AS KH");
  // Any card goes to an empty column, without a question.
  Move(Col(1), Col(6));
  EXPECT_EQ(Names(Col(6)), "7H");

  // Only the top card ever moves: 8D would lie on 9S, 7C2 does not.
  Lay({{Col(1), "9S"}, {Col(2), "8D 7C2"}});
  Move(Col(2), Col(1));
  EXPECT_EQ(Names(Col(1)), "9S");
  EXPECT_EQ(Names(Col(2)), "8D 7C2");
  Click(Col(2));
  Move(Col(2), Col(3));
  EXPECT_EQ(Names(Col(3)), "7C2");
  EXPECT_EQ(Names(Col(2)), "8D");
  EXPECT_TRUE(dialogs.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(EmperorTest, FaceUpRunsMoveAndTheEmptyColumnAsks) {
  Deal(38);
  Lay({{Col(1), "kd 9S 8H 7C"}, {Col(2), "TD"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TD 9S 8H 7C");
  EXPECT_EQ(Names(Col(1)), "KD");  // the face-down card came up
  host.Board1->UndoStep();         // the turn is undone with the move
  EXPECT_EQ(Names(Col(1)), "kd 9S 8H 7C");
  EXPECT_EQ(Names(Col(2)), "TD");

  // To an empty column: the whole face-up run, never the covered card under it.
  const std::vector<std::pair<TDeck*, std::string>> run = {
      {Col(1), "kd 9S 8H 7C"}, {Col(2), "TD"}, {Col(3), "QC"}, {Col(4), "QD"}, {Col(5), "QS"},
      {Col(6), "QH"},          {Col(7), "JC"}, {Col(8), "JD"}, {Col(9), "JS"}};
  Lay(run);
  dialogAnswer = mrOk;
  Move(Col(1), Col(10));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(10)), "9S 8H 7C");
  EXPECT_EQ(Names(Col(1)), "KD");
  Lay(run);
  dialogAnswer = mrYes;
  Move(Col(1), Col(10));
  EXPECT_EQ(Names(Col(10)), "7C");
  EXPECT_EQ(Names(Col(1)), "kd 9S 8H");
  Lay(run);
  dialogAnswer = mrCancel;
  Move(Col(1), Col(10));
  EXPECT_EQ(Names(Col(1)), "kd 9S 8H 7C");
  EXPECT_EQ(Names(Col(10)), "");
  EXPECT_TRUE(messages.empty());

  // The waste gives single cards only, even when they lie in order.
  Lay({{Waste(), "9S 8H"}, {Col(1), "9C"}, {Col(2), "TD"}});
  host.Board1->WarnEnabled = false;
  Move(Waste(), Col(2));
  EXPECT_EQ(Names(Col(2)), "TD");
  Click(Col(1));
  EXPECT_EQ(Names(Col(1)), "9C 8H");
  EXPECT_EQ(Names(Waste()), "9S");
}

TEST_F(EmperorTest, StockTurnsOnceAndAutoPlayIsSafe) {
  Deal(39);
  host.Table.AutoPlay = 1;
  Lay({{Stock(), "3c ah"}, {Col(1), "QS"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "AH");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  RunTimer(2);  // an Ace goes up from the waste, also with AutoPlay Off
  EXPECT_EQ(Names(F(1)), "AH");
  Click(Stock());
  Click(Stock());  // empty: no redeal
  EXPECT_EQ(Names(Waste()), "3C");
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Stock()->ShowEmpty(), 2);

  // With AutoPlay On a card goes up only when no foundation lags more than
  // one rank behind it; an empty foundation counts as an Ace.
  host.Table.AutoPlay = 0;
  Lay({{F(1), "AH"}, {F(2), "AC"}, {Col(1), "KC 2H"}, {Col(2), "KD 3H2"}, {Col(3), "KS 2C"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AC 2C");
  EXPECT_EQ(Names(Col(2)), "KD 3H2");
  // The double click plays it anyway.
  DoubleClick(Col(2));
  EXPECT_EQ(Names(Col(2)), "KD");
  EXPECT_EQ(Names(F(1)), "AH 2H 3H2");
}

TEST_F(EmperorTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  for (int game : {38, 39, 40}) {
    Deal(game);
    host.Table.AutoPlay = 1;
    std::vector<std::pair<TDeck*, std::string>> table;
    const std::string suits = "CDHS";
    for (int i = 0; i < 8; ++i) {
      std::string text;
      for (char r : std::string("A23456789TJQK")) {
        if (i == 7 && (r == 'Q' || r == 'K')) continue;
        text +=
            std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
      }
      table.push_back({F(i + 1), text});
    }
    table.push_back({Col(1), "KS2 QS2"});
    Lay(table);
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 0) << game;
    Move(Col(1), F(8));
    RunTimer(1);
    EXPECT_EQ(wins, 0) << game;  // the King is still out
    DoubleClick(Col(1));
    EXPECT_EQ(wins, 0) << game;  // the timer decides
    RunTimer(1);
    EXPECT_EQ(wins, 1) << game;
    EXPECT_FALSE(host.Additional_timer.Enabled()) << game;
    RunTimer(3);
    EXPECT_EQ(wins, 1) << game;
    EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104) << game;
  }
}
