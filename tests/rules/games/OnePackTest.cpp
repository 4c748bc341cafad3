// SPDX-License-Identifier: GPL-3.0-or-later
// One Pack (game 11): the deal through the real program against an
// independent expectation, the foundation rule without the King-Ace corner,
// the waste's free pass, the single turn of the stock, and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

std::string Name(int n, bool faceUp = true) {  // pool number 1..52 -> "QH" or "qh"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  std::string s{kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
  if (!faceUp)
    for (char& c : s)
      c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The pack lies face up on the waste, card 52 on top; 35 cards round the
// seven columns, one onto the foundation, the last 16 face down onto the
// stock.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  std::vector<int>& pack = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> columns(7);
  for (int i = 0; i < 35; ++i)
    columns[size_t(i % 7)] += std::string(" ").append(Name(draw()));
  const std::string foundation = Name(draw());
  std::string stock;
  while (!pack.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 11 \"One Pack\" number " << number << " score -47 rotation -1 started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  out << "pile 3 at 357,5 shift 0/0 empty 1 tag 3: " << foundation << '\n';
  for (int i = 1; i <= 7; ++i)
    out << "pile " << 3 + i << " at " << 79 * i + 41
        << ",150 shift 18/0 empty 0 tag 4:" << columns[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class OnePackTest : public ::testing::Test {
 protected:
  OnePackTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(11, 1);
    host.Board1->WarnEnabled = true;
  }

  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  TDeck* F() { return host.Table.Foundation[1]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(OnePackDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(111));
  EXPECT_TRUE(HelpTopicHtml(111).contains("<h1>One Pack</h1>"));
}

TEST(OnePackDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 99u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "11", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(OnePackTest, ColumnCardsGoUpOneRankEitherWayWithoutTurningTheCorner) {
  Arrange(host, {{F(), "KS"}, {Col(1), "AH"}, {Col(2), "QD"}, {Col(3), "AD 2C"}, {Col(4), "KC"}});
  Move(Col(1), F());  // no Ace on a King
  EXPECT_EQ(Names(F()), "KS");
  EXPECT_EQ(messages.size(), 1u);
  DoubleClick(Col(1));  // not by a double click either
  EXPECT_EQ(Names(F()), "KS");
  Click(Col(1));
  Move(Col(2), F());  // a Queen on the King
  EXPECT_EQ(Names(F()), "KS QD");
  EXPECT_EQ(host.Table.GameStarted, 1);
  DoubleClick(Col(4));  // and back up to a King
  EXPECT_EQ(Names(F()), "KS QD KC");
  Arrange(host, {{F(), "AS"}, {Col(1), "KH"}, {Col(3), "AD 2C"}});
  Move(Col(1), F());  // no King on an Ace
  EXPECT_EQ(Names(F()), "AS");
  DoubleClick(Col(3));  // a Two on the Ace
  EXPECT_EQ(Names(F()), "AS 2C");
  DoubleClick(Col(3));  // and the Ace on the Two
  EXPECT_EQ(Names(F()), "AS 2C AD");
  Move(F(), Col(1));  // the foundation gives nothing back
  EXPECT_EQ(Names(Col(1)), "KH");
  EXPECT_EQ(host.Board1->SelectedPile, Col(1));
  Click(Col(2));  // and columns take nothing
  EXPECT_EQ(Names(Col(2)), "");
  EXPECT_EQ(Names(Col(1)), "KH");
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 3);
}

TEST_F(OnePackTest, WasteCardGoesUpWhateverItsRankAndTheStockTurnsOnce) {
  Arrange(host, {{F(), "5S"}, {Stock(), "jh 9c"}, {Col(1), "KD"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9C");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Move(Waste(), F());  // a Nine on a Five
  EXPECT_EQ(Names(F()), "5S 9C");
  Click(Stock());
  DoubleClick(Waste());  // a Jack on a Nine
  EXPECT_EQ(Names(F()), "5S 9C JH");
  EXPECT_EQ(Names(Stock()), "");
  Click(Stock());  // the empty stock does nothing
  EXPECT_EQ(Names(Waste()), "");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(Col(1), Waste());  // nothing goes onto the waste
  EXPECT_EQ(Names(Col(1)), "KD");
  EXPECT_EQ(messages.size(), 1u);
  // The stock's cards are turned up one at a time, not played from it.
  Arrange(host, {{F(), "5S"}, {Stock(), "4h"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "4H");
  EXPECT_EQ(Names(F()), "5S");
}

TEST_F(OnePackTest, WinIsDetectedOnceWhenTheLastCardGoesUp) {
  Arrange(host, {{F(),
                  "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD "
                  "QD KD AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AS 2S 3S 4S 5S 6S 7S 8S "
                  "9S TS"},
                 {Col(7), "JS"},
                 {Stock(), "ks qs"}});
  DoubleClick(Col(7));
  EXPECT_EQ(wins, 0);
  Click(Stock());
  Move(Waste(), F());
  EXPECT_EQ(wins, 0);
  Click(Stock());
  DoubleClick(Waste());
  EXPECT_EQ(F()->CardsCount(), 52);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
  host.Board1->UndoStep();
  EXPECT_EQ(F()->CardsCount(), 51);
  DoubleClick(Waste());
  EXPECT_EQ(wins, 1);
}
