// SPDX-License-Identifier: GPL-3.0-or-later
// Castle (game 28): the deal through the real program against an
// independent expectation, runs up or down in suit moving through the free
// piles, the double click into a free cell, automatic play and the win.

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

// Cards 1..52 on the deal pile (52 on top); fifty draws round the ten
// columns, then one into each free cell. The deal piles are gone afterwards.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> columns(10), cells(2);
  for (int i = 1; i <= 50; ++i)
    columns[size_t((i - 1) % 10)] += std::string(" ").append(Name(draw()));
  for (auto& cell : cells)
    cell = std::string(" ").append(Name(draw()));

  std::ostringstream out;
  out << "game 28 \"Castle\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 385 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 2; ++i)
    out << "pile " << 6 + i << " at " << 75 * i - 65
        << ",5 shift 0/0 empty 3 tag 0:" << cells[i - 1] << '\n';
  for (int i = 1; i <= 10; ++i)
    out << "pile " << 8 + i << " at " << 75 * i - 65
        << ",115 shift 20/0 empty 0 tag 4:" << columns[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class CastleTest : public GameTest {
 protected:
  CastleTest() {
    host.DealGame(28, 1);
    host.Board1->WarnEnabled = true;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Cell(int i) { return host.Table.Reserve[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  void RunTimer(int ticks = 30) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
  // Every column but the listed ones gets a filler card of its own, so the
  // only empty piles are those the test wants.
  std::vector<std::pair<TDeck*, std::string>> Filled(
      std::vector<std::pair<TDeck*, std::string>> layout) {
    static const char* kFill[] = {"2C", "3C", "4C", "5C", "6C", "7C", "8C", "9C", "TC", "JC"};
    for (int i = 1; i <= 10; ++i) {
      bool named = false;
      for (auto& [pile, text] : layout)
        named = named || pile == Col(i);
      if (!named) layout.push_back({Col(i), kFill[i - 1]});
    }
    return layout;
  }
};

}  // namespace

TEST(CastleDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(128));
  EXPECT_TRUE(HelpTopicHtml(128).contains("<h1>Castle</h1>"));
}

TEST(CastleDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 31337u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "28", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(CastleTest, DealFillsTenColumnsOfFiveAndBothCells) {
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(Col(i)->CardsCount(), 5);
    for (TCard* c : Cards(Col(i)))
      EXPECT_TRUE(c->Face());
  }
  EXPECT_EQ(Cell(1)->CardsCount(), 1);
  EXPECT_EQ(Cell(2)->CardsCount(), 1);
  EXPECT_EQ(host.Table.Tableau[11], Cell(1));
  EXPECT_EQ(host.Table.Tableau[12], Cell(2));
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(CastleTest, ACardGoesOnItsSuitOneRankEitherSide) {
  Arrange(host, Filled({{Col(1), "7H"},
                        {Col(2), "6H"},
                        {Col(3), "8H"},
                        {Col(4), "8S"},
                        {Col(5), "KD"},
                        {Col(6), "AD"},
                        {Cell(1), "QS"},
                        {Cell(2), "QH"}}));
  Move(Col(1), Col(4));  // another suit: refused
  EXPECT_EQ(Names(Col(4)), "8S");
  EXPECT_EQ(messages.size(), 1u);
  Move(Col(1), Col(2));  // up on the Six
  EXPECT_EQ(Names(Col(2)), "6H 7H");
  Move(Col(2), Col(3));  // down on the Eight
  EXPECT_EQ(Names(Col(3)), "8H 7H");
  Move(Col(5), Col(6));  // King on Ace of its suit
  EXPECT_EQ(Names(Col(6)), "AD KD");
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(CastleTest, RunsGoUpOrDownAndNeedEnoughFreePiles) {
  // N = 1: cell 2 is empty, every column holds cards.
  auto table = [&](const std::string& source) {
    Arrange(host, Filled({{Col(1), source}, {Col(2), "8D"}, {Cell(1), "QS"}}));
  };
  table("KS 7D 6D 5D");  // three cards need two free piles
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(1)), "KS 7D 6D 5D");
  EXPECT_EQ(Names(Col(2)), "8D");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(host.Board1->History.empty());

  table("KS 7D 6D");  // two cards: one parked, the base, the last
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(1)), "KS");
  EXPECT_EQ(Names(Col(2)), "8D 7D 6D");
  EXPECT_EQ(Names(Cell(2)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);

  // A run built upward (Five, Six bottom first) goes onto the Four.
  Arrange(host, Filled({{Col(1), "KS 5D 6D"}, {Col(2), "4D"}, {Cell(1), "QS"}}));
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(1)), "KS");
  EXPECT_EQ(Names(Col(2)), "4D 5D 6D");
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(CastleTest, EmptyColumnTakesAnyCardAndAsksForARun) {
  const auto table = Filled({{Col(1), "KS 7D 6D 5D"}, {Col(3), ""}, {Cell(1), "QS"}});
  Arrange(host, table);
  dialogAnswer = mrOk;  // N = 1 (cell 2): two cards of the run move
  Move(Col(1), Col(3));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(3)), "6D 5D");
  EXPECT_EQ(Names(Col(1)), "KS 7D");

  Arrange(host, table);
  dialogAnswer = mrYes;
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "5D");

  Arrange(host, table);
  dialogAnswer = mrCancel;
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "");
  EXPECT_EQ(Names(Col(1)), "KS 7D 6D 5D");
  EXPECT_TRUE(host.Board1->History.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(CastleTest, DoubleClickFillsTheFirstEmptyCellOnlyWhenNoFoundationTakesIt) {
  host.Table.AutoPlay = 1;
  Arrange(host, Filled({{Col(1), "9S 4H"}, {Col(2), "2D"}, {F(1), "AD"}, {Cell(1), "QS"}}));
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Col(2));
  EXPECT_EQ(Names(F(1)), "AD 2D");
  EXPECT_TRUE(host.Additional_timer.Enabled());
  DoubleClick(Col(1));
  EXPECT_EQ(Names(Cell(2)), "4H");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  DoubleClick(Col(1));  // both cells full now: nothing happens
  EXPECT_EQ(Names(Col(1)), "9S");
  EXPECT_EQ(Names(Cell(1)), "QS");
  EXPECT_EQ(Names(Cell(2)), "4H");
}

TEST_F(CastleTest, TimerPlacesAcesFromColumnsAndCells) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "KC AH"}, {Col(2), "2H"}, {Cell(1), "AS"}, {Cell(2), "2S"}});
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // one Ace from the columns and one from the cells
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AS");
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "2H");  // AutoPlay Off
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AS 2S");
}

TEST_F(CastleTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Col(4), "KS"},
                 {Cell(2), "QS"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Move(Cell(2), F(4));
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);
  Move(Col(4), F(4));
  EXPECT_EQ(wins, 0);
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
}
