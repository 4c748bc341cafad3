// SPDX-License-Identifier: GPL-3.0-or-later
// Four Packs (game 35): the deal through the real program against an
// independent expectation, the waste and whole-column moves, the double
// clicks, the one redeal, the missing score and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// One card to each column in turn, the c-th from the top of the waste (card
// 104 on top at first), then the rest face down onto the stock.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> columns;
  for (int i = 0; i < 10; ++i)
    columns.push_back(draw());
  std::ostringstream out;
  out << "game 35 \"Four Packs\" number " << number << " score -1000 rotation 1 started 0\n";
  out << "pile 1 at 120,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 3 tag 0:";
  while (!pile.empty())
    out << ' ' << Name(draw(), false);
  out << '\n';
  for (int i = 1; i <= 10; ++i)
    out << "pile " << 2 + i << " at " << 75 * i - 65
        << ",130 shift 13/0 empty 0 tag 4: " << Name(columns[size_t(i - 1)], true) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// Two runs of a suit, Ace to King twice, as 26 card names.
std::string TwoRuns(char suit) {
  static const std::string kRanks = "A23456789TJQK";
  std::string s;
  for (int pack = 1; pack <= 2; ++pack)
    for (char r : kRanks) {
      if (!s.empty()) s += ' ';
      s += std::string{r, suit} + (pack == 2 ? "2" : "");
    }
  return s;
}

class FourPacksTest : public ::testing::Test {
 protected:
  FourPacksTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(35, 1);
  }

  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
    host.Board1->SetScore(-1000);  // the deal keeps no score
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(FourPacksDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 35u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "35", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(FourPacksDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(135).contains("<h1>Four Packs</h1>"));
}

TEST_F(FourPacksTest, NoTimerAndNoScore) {
  EXPECT_FALSE(host.Additional_timer.Enabled());
  EXPECT_FALSE(bool(host.Additional_timer.OnTimer));
  EXPECT_EQ(host.Board1->Score(), -1000);
  Lay({{Col(1), "6H"}, {Waste(), "7H"}});
  Move(Waste(), Col(1));
  EXPECT_EQ(Names(Col(1)), "6H 7H");
  EXPECT_EQ(host.Board1->Score(), -1000);
}

TEST_F(FourPacksTest, WasteCardGoesOnItsSuitOneLowerOrIntoAnEmptyColumn) {
  Lay({{Col(1), "6S"}, {Col(2), "6H2"}, {Col(3), "8H"}, {Waste(), "3C 7H 7D"}});
  Move(Waste(), Col(1));  // wrong suit
  Move(Waste(), Col(3));  // wrong rank
  EXPECT_EQ(messages.size(), 2u);
  Move(Waste(), Col(4));  // empty column
  EXPECT_EQ(Names(Col(4)), "7D");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Move(Waste(), Col(2));  // a card of the other pack is as good
  EXPECT_EQ(Names(Col(2)), "6H2 7H");
  EXPECT_EQ(Names(Waste()), "3C");
}

TEST_F(FourPacksTest, AColumnMovesWholeByItsBottomCard) {
  Lay({{Col(1), "5S 6S 7S"}, {Col(2), "4S"}, {Col(3), "6S2"}, {Col(4), "KD QD2"}});
  Move(Col(1), Col(3));  // only the top card would fit: refused
  EXPECT_EQ(Names(Col(1)), "5S 6S 7S");
  EXPECT_EQ(messages.size(), 1u);
  Move(Col(1), Col(5));  // never into an empty column
  EXPECT_EQ(Names(Col(5)), "");
  EXPECT_EQ(messages.size(), 2u);
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "4S 5S 6S 7S");
  EXPECT_EQ(Names(Col(1)), "");
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Col(1)), "5S 6S 7S");
  EXPECT_EQ(Names(Col(2)), "4S");
}

TEST_F(FourPacksTest, DoubleClicksFindTheFirstColumnThatTakesTheCards) {
  Lay({{Col(1), "9C"}, {Col(3), "4H"}, {Col(4), "5H 6H"}, {Col(5), "4H2"}, {Waste(), "5H2 QS"}});
  DoubleClick(Waste());  // nothing to follow: into the first empty column
  EXPECT_EQ(Names(Col(2)), "QS");
  EXPECT_EQ(host.Table.GameStarted, 1);  // the double click moved a card: started
  DoubleClick(Waste());
  EXPECT_EQ(Names(Col(3)), "4H 5H2");
  DoubleClick(Col(4));  // onto column 5, not into the empty columns
  EXPECT_EQ(Names(Col(5)), "4H2 5H 6H");
  DoubleClick(Col(1));  // nowhere to go: stays, nothing selected
  EXPECT_EQ(Names(Col(1)), "9C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(messages.empty());
}

TEST_F(FourPacksTest, StockIsGoneThroughTwice) {
  Lay({{Stock(), "3c 2c"}});
  Click(Stock());
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "2C 3C");
  Click(Stock());  // the one redeal
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  EXPECT_EQ(Names(Stock()), "3c 2c");
  EXPECT_FALSE(host.Board1->CanUndo());
  Click(Stock());
  Click(Stock());
  Click(Stock());  // no more redeals
  EXPECT_EQ(Names(Waste()), "2C 3C");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
}

TEST_F(FourPacksTest, WonOnceWithFourColumnsOfTwentySixEndingInAKing) {
  std::string spades = TwoRuns('S');
  const std::string lastKing = " KS2";
  spades.erase(spades.size() - lastKing.size());
  Lay({{Col(1), TwoRuns('C')},
       {Col(2), TwoRuns('D')},
       {Col(3), TwoRuns('H')},
       {Col(4), spades},
       {Waste(), "KS2"}});
  Move(Waste(), Col(4));
  EXPECT_EQ(Col(4)->CardsCount(), 26);
  EXPECT_EQ(wins, 1);
  host.Board1->UndoStep();
  host.Board1->RedoStep();
  EXPECT_EQ(wins, 1);

  host.DealGame(35, 2);
  wins = 0;
  Lay({{Col(1), TwoRuns('C')},
       {Col(2), TwoRuns('D')},
       {Col(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH2"},
       {Col(4), "2H2 3H2 4H2 5H2 6H2 7H2 8H2 9H2 TH2 JH2 QH2 KH2"},
       {Col(5), spades},
       {Waste(), "KS2"}});
  Move(Col(4), Col(3));  // a King is followed by the Ace: 14 cards, then 26
  EXPECT_EQ(Col(3)->CardsCount(), 26);
  EXPECT_EQ(wins, 0);  // only three columns are full
  Move(Waste(), Col(5));
  EXPECT_EQ(wins, 1);
}
