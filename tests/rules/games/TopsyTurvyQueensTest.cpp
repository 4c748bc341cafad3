// SPDX-License-Identifier: GPL-3.0-or-later
// Topsy-Turvy Queens (1) and King's Secrets (2): the deals through the real
// program against an independent expectation, Kings going up by themselves
// to hidden foundations, the column rule and the empty columns of the two
// games, the secret cards, the three passes through the stock, complete
// foundations and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs face down on the waste, card 104 on top; each card drawn is the
// c-th from the top of what is left: one secret card for each of piles 1..7,
// then rows of eight round the columns, face up (four rows in game 1, five
// in game 2), then the rest to the stock, still face down.
std::string ExpectedDump(int game, uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> secret(7), column(8);
  for (int i = 0; i < 7; ++i)
    secret[size_t(i)] = ' ' + Name(draw(), false);
  for (int row = 0; row < (game == 2 ? 5 : 4); ++row)
    for (int i = 0; i < 8; ++i)
      column[size_t(i)] += ' ' + Name(draw(), true);
  std::string stock;
  while (!pile.empty())
    stock += ' ' + Name(draw(), false);

  std::ostringstream out;
  out << "game " << game << " \"" << (game == 1 ? "Topsy-Turvy Queens" : "King's Secrets")
      << "\" number " << number << " score -104 rotation 1 started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 5,5 shift 2/2 empty 3 tag 0:" << stock << '\n';
  for (int i = 1; i <= 7; ++i)
    out << "pile " << 2 + i << " at " << 77 * i - 72
        << ",126 shift 0/0 empty 0 tag 3:" << secret[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 9 + i << " at " << 77 * i - 69 << ",131 shift 0/0 empty 0 tag 1 hidden:\n";
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 17 + i << " at " << 77 * i - 72
        << ",230 shift 18/0 empty 0 tag 2:" << column[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// A foundation from its King up to the given rank, "KH AH 2H ...".
std::string Built(char suit, int upTo, const std::string& pack = "") {
  static const std::string kRanks = "KA23456789TJQ";
  std::string s;
  for (int i = 0; i < upTo; ++i)
    s += std::string(s.empty() ? "" : " ") + kRanks[size_t(i)] + suit + pack;
  return s;
}

class QueensTest : public GameTest {
 protected:
  void Deal(int game) {
    ASSERT_TRUE(host.DealGame(game, 1));
    wins = 0;
  }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.ListB[i]; }
  TDeck* Sec(int i) { return host.Table.ListC[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  // Foundations that hold cards are shown, as their King would have done.
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
    for (int i = 1; i <= 8; ++i)
      if (F(i)->TopCard) F(i)->Show();
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(QueensDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  const std::vector<std::pair<int, uint32_t>> deals = {
      {1, 1}, {1, 2147483647u}, {2, 7}, {2, 31337}};
  for (auto [game, number] : deals) {
    ProgramRun r =
        box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
        << "game " << game << " number " << number;
  }
}

TEST(QueensDeal, HelpTopicsAreCarried) {
  EXPECT_TRUE(HelpTopicHtml(101).contains("<h1>Topsy-Turvy Queens</h1>"));
  EXPECT_TRUE(HelpTopicHtml(102).contains("<h1>King's Secrets</h1>"));
}

TEST_F(QueensTest, KingsGoUpByThemselvesAndShowTheirFoundation) {
  Deal(1);
  Lay({{Col(1), "KC"}, {Col(3), "5D KD"}, {Waste(), "KS"}, {Sec(2), "KH"}, {Sec(3), "kh2"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();  // the first column King, then the waste's
  EXPECT_EQ(Names(F(1)), "KC");
  EXPECT_EQ(Names(F(2)), "KS");
  EXPECT_TRUE(F(1)->Visible() && F(2)->Visible());
  EXPECT_FALSE(F(3)->Visible());
  RunTimer();  // a turned-up secret King; its place stays empty for good
  EXPECT_EQ(Names(F(3)), "KH");
  EXPECT_FALSE(Sec(2)->Visible());
  RunTimer();
  EXPECT_EQ(Names(F(4)), "KD");
  RunTimer(5);  // a secret card still face down stays where it is
  EXPECT_EQ(Names(Sec(3)), "kh2");
  EXPECT_EQ(F(5)->CardsCount(), 0);
  EXPECT_FALSE(F(5)->Visible());
  // An empty foundation takes nothing from the player.
  host.Board1->WarnEnabled = false;
  Lay({{Col(1), "AC"}, {Col(2), "KS2"}});
  Move(Col(2), F(5));
  EXPECT_EQ(F(5)->CardsCount(), 0);
}

TEST_F(QueensTest, ColumnsGoDownInSuitNeverOntoAKing) {
  Deal(1);
  Lay({{Col(1), "KH"},
       {Col(2), "QH"},
       {Col(3), "AS"},
       {Col(4), "KS2"},
       {Col(5), "9C 8C 7C"},
       {Col(6), "TC"},
       {Col(7), "5D"},
       {Col(8), "4S"},
       {Waste(), "4D 3D"},
       {Sec(1), "3S"}});
  Move(Col(2), Col(1));  // nothing on a King
  EXPECT_EQ(Names(Col(1)), "KH");
  Move(Col(4), Col(3));  // but a King on the Ace of its suit
  EXPECT_EQ(Names(Col(3)), "AS KS2");
  Move(Col(5), Col(6));  // the run moves from the card that fits
  EXPECT_EQ(Names(Col(6)), "TC 9C 8C 7C");
  EXPECT_EQ(Names(Col(5)), "");
  EXPECT_EQ(messages.size(), 1u);
  Move(Waste(), Col(7));  // the waste holds no runs, however its cards lie
  EXPECT_EQ(Names(Col(7)), "5D");
  EXPECT_EQ(messages.size(), 2u);
  // A turned-up secret card may be picked up, but never goes to a column.
  Move(Sec(1), Col(8));
  EXPECT_EQ(Names(Col(8)), "4S");
  EXPECT_EQ(Names(Sec(1)), "3S");
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(QueensTest, TopsyTurvyEmptyColumnTakesAnythingAndAsksForRuns) {
  Deal(1);
  const std::vector<std::pair<TDeck*, std::string>> table = {
      {Col(1), "KC JD TD 9D"}, {Col(2), "2C"}, {Col(3), "2D"}, {Col(4), "2H"},
      {Col(5), "2S"},          {Col(6), "3C"}, {Col(7), "3D"}, {Waste(), "5C"}};
  Lay(table);
  // Only asking (the drop cursor) never shows the question.
  Click(Col(1));
  Col(8)->MouseMove(QPoint(Col(8)->Left() + 3, Col(8)->Top() + 3));
  EXPECT_EQ(Col(8)->Cursor, crDrop);
  EXPECT_TRUE(dialogs.empty());
  Click(Col(8));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(8)), "JD TD 9D");  // the run, not the King it lies on
  EXPECT_EQ(Names(Col(1)), "KC");
  Lay(table);
  dialogAnswer = mrYes;
  Move(Col(1), Col(8));
  EXPECT_EQ(Names(Col(8)), "9D");
  Lay(table);
  dialogAnswer = mrCancel;
  Move(Col(1), Col(8));
  EXPECT_EQ(Names(Col(1)), "KC JD TD 9D");
  EXPECT_EQ(Names(Col(8)), "");
  EXPECT_TRUE(messages.empty());
  // A single card, from a column or the waste, needs no question.
  Move(Waste(), Col(8));
  Move(Col(7), Col(8));
  EXPECT_EQ(Names(Col(8)), "5C");
  EXPECT_EQ(messages.size(), 1u);  // 3D does not lie on 5C
  Lay({{Col(1), "KC 7H"}, {Col(2), "2C"}});
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "7H");
  EXPECT_EQ(dialogs.size(), 3u);
}

TEST_F(QueensTest, KingsSecretsEmptyColumnTakesOnlyQueens) {
  Deal(2);
  Lay({{Col(1), "QD JD TD"},
       {Col(2), "KC JC TC"},
       {Col(3), "9H"},
       {Col(4), "QS"},
       {Waste(), "QC 8S"}});
  host.Board1->WarnEnabled = false;
  Move(Col(3), Col(8));  // not a Queen
  EXPECT_EQ(Names(Col(8)), "");
  Click(Col(3));
  Move(Col(2), Col(8));  // a run headed by a Jack
  EXPECT_EQ(Names(Col(8)), "");
  EXPECT_EQ(Names(Col(2)), "KC JC TC");
  Click(Col(2));
  Move(Waste(), Col(8));
  EXPECT_EQ(Names(Col(8)), "");
  Click(Waste());
  // A run headed by a Queen moves whole, without a question.
  Move(Col(1), Col(8));
  EXPECT_EQ(Names(Col(8)), "QD JD TD");
  EXPECT_EQ(Names(Col(1)), "");
  Move(Col(4), Col(1));  // a Queen alone
  EXPECT_EQ(Names(Col(1)), "QS");
  Lay({{Waste(), "QC"}});
  Move(Waste(), Col(5));  // and a Queen from the waste
  EXPECT_EQ(Names(Col(5)), "QC");
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(QueensTest, CompletedFoundationTurnsUpItsSecretCard) {
  Deal(1);
  Lay({{F(1), Built('H', 12)},
       {F(2), Built('C', 5)},
       {Sec(1), "5c"},
       {Sec(2), "9s"},
       {Col(1), "QH"},
       {Col(2), "6C"}});
  Click(Sec(1));  // face down: cannot be picked up
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(Col(1), F(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  EXPECT_EQ(Names(Sec(1)), "5c");
  RunTimer();
  EXPECT_EQ(Names(Sec(1)), "5C");
  EXPECT_EQ(Names(Sec(2)), "9s");             // its foundation is not complete
  EXPECT_TRUE(host.Board1->History.empty());  // the reveal is not undone
  // The secret card lies in front of its foundation, where the clicks land.
  const QPoint p(Sec(1)->Left() + 10, Sec(1)->Top() + 10);
  EXPECT_EQ(host.Form().ControlAt(p), static_cast<TGraphicControl*>(Sec(1)->TopCard));
  // It goes to a foundation, and its place is gone.
  DoubleClick(Sec(1));
  EXPECT_EQ(Names(F(2)), Built('C', 6));
  EXPECT_FALSE(Sec(1)->Visible());
}

TEST_F(QueensTest, CompleteFoundationTakesNoSecondKing) {
  Deal(1);
  Lay({{F(1), Built('H', 13)}, {F(2), "KC AC"}, {Col(1), "KH2"}});
  host.Board1->WarnEnabled = false;
  Move(Col(1), F(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Col(1));
  DoubleClick(Col(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  EXPECT_EQ(Names(Col(1)), "KH2");
}

TEST_F(QueensTest, ThreePassesThroughTheStock) {
  Deal(2);
  Lay({{Stock(), "3c 4d"}});
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_EQ(host.Table.RedealLimit, 3);
  for (int pass = 1; pass <= 3; ++pass) {
    Click(Stock());
    Click(Stock());
    EXPECT_EQ(Names(Waste()), "4D 3C") << pass;
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
    EXPECT_EQ(Stock()->ShowEmpty(), pass == 3 ? 2 : 3) << pass;
    Click(Stock());  // the empty stock: the waste goes back while passes are left
    if (pass < 3) {
      EXPECT_EQ(Names(Stock()), "3c 4d") << pass;
      EXPECT_EQ(host.Table.Rotation_Counter(), pass + 1);
      EXPECT_TRUE(host.Board1->History.empty());
    }
  }
  EXPECT_EQ(Names(Waste()), "4D 3C");
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
}

TEST_F(QueensTest, WinIsDetectedOnceWhenEveryFoundationShowsItsQueen) {
  for (int game : {1, 2}) {
    Deal(game);
    std::vector<std::pair<TDeck*, std::string>> table;
    const std::string suits = "CDHS";
    for (int i = 1; i <= 8; ++i)
      table.push_back(
          {F(i), Built(suits[size_t((i - 1) % 4)], i == 8 ? 12 : 13, i > 4 ? "2" : "")});
    table.push_back({Col(1), "QS2"});
    Lay(table);
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 0) << game;
    Move(Col(1), F(8));
    EXPECT_EQ(wins, 1) << game;
    EXPECT_FALSE(host.Additional_timer.Enabled()) << game;
    host.Board1->UndoStep();
    host.Board1->RedoStep();
    RunTimer(3);
    EXPECT_EQ(wins, 1) << game;
    EXPECT_EQ(host.Board1->Score(), -104) << game;  // foundations earn nothing here
  }
}
