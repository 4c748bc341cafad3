// SPDX-License-Identifier: GPL-3.0-or-later
// Carlton (game 23): the staircase deal through the real program against an
// independent expectation, foundations up in suit, runs in alternating
// colours and the empty-column question, the row dealt from the stock, the
// timer that waits after a move between columns, and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs lie on the deal pile, card 104 on top. Row r (1..8) gives one
// drawn card to each of columns r..8; the other 68 go face down to the stock
// in the order drawn. The deal pile is gone afterwards.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pack = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> columns(9);
  for (int row = 1; row <= 8; ++row)
    for (int col = row; col <= 8; ++col)
      columns[size_t(col)] += std::string(" ").append(Name(draw()));
  std::string stock;
  while (!pack.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 23 \"Carlton\" number " << number << " score -104 rotation -1 started 0\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 45 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 10 + i << " at " << 75 * i + 45
        << ",150 shift 17/0 empty 0 tag 4:" << columns[size_t(i)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// Ranks a..b of one suit and pack, "AS2 2S2 3S2".
std::string SuitRun(char suit, int pack, int a, int b) {
  static const char* kRanks = "A23456789TJQK";
  std::string s;
  for (int r = a; r <= b; ++r) {
    if (!s.empty()) s += ' ';
    s += kRanks[r - 1];
    s += suit;
    if (pack == 2) s += '2';
  }
  return s;
}

class CarltonTest : public GameTest {
 protected:
  CarltonTest() {
    host.DealGame(23, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& piles) { Arrange(host, piles, 104); }
  void RunTimer(int ticks = 5) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(CarltonDeal, RealProgramDumpsTheExpectedTableAndTheHelpTopicIsCarried) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 90210u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "23", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
  EXPECT_TRUE(HelpTopicExists(123));
  EXPECT_TRUE(HelpTopicHtml(123).contains("<h1>Carlton</h1>"));
}

TEST_F(CarltonTest, FoundationsTakeOnlyTheNextCardOfTheirSuitAndAcesGoUpByThemselves) {
  host.Table.AutoPlay = 1;
  Lay({{Col(1), "AH"}, {Col(2), "2H2"}, {Col(3), "2D"}, {Col(4), "AS2"}});
  Move(Col(1), F(1));  // not even an Ace by hand
  EXPECT_EQ(Names(F(1)), "");
  Click(Col(1));
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // AutoPlay Off: still the Aces, one per tick
  EXPECT_EQ(Names(F(1)), "AH");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(2)), "AS2");
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "2H2");
  Move(Col(3), F(1));  // a Two of another suit: no
  EXPECT_EQ(Names(F(1)), "AH");
  Click(Col(3));
  Move(Col(2), F(1));  // the Two of hearts of either pack
  EXPECT_EQ(Names(F(1)), "AH 2H2");
  Click(F(1));  // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 3);
}

TEST_F(CarltonTest, RunsInAlternatingColoursMoveAsOneAndTheEmptyColumnAsks) {
  Lay({{Col(1), "KC 8C 7H 6S"}, {Col(2), "9D"}, {Col(3), "9H"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "9D 8C 7H 6S");
  EXPECT_EQ(Names(Col(1)), "KC");
  Move(Col(3), Col(1));  // 9H does not go on KC
  EXPECT_EQ(Names(Col(1)), "KC");
  Click(Col(3));
  EXPECT_TRUE(dialogs.empty());

  const std::vector<std::pair<TDeck*, std::string>> table = {{Col(1), "5D KH QC JH"}};
  Lay(table);
  dialogAnswer = mrOk;
  Move(Col(1), Col(4));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(4)), "KH QC JH");
  EXPECT_EQ(Names(Col(1)), "5D");

  Lay(table);
  dialogAnswer = mrYes;
  Move(Col(1), Col(4));
  EXPECT_EQ(Names(Col(4)), "JH");

  Lay(table);
  dialogAnswer = mrCancel;
  Move(Col(1), Col(4));
  EXPECT_EQ(Names(Col(4)), "");
  EXPECT_EQ(Names(Col(1)), "5D KH QC JH");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(messages.empty());
}

TEST_F(CarltonTest, AfterAMoveBetweenColumnsAutomaticPlayWaitsForTheNextAction) {
  host.Table.AutoPlay = 0;
  Lay({{Col(2), "AD 5S"}, {Col(3), "6H"}, {Stock(), "3c"}});
  host.Additional_timer.SetEnabled(true);
  Move(Col(2), Col(3));  // uncovers an Ace
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "AD");
  Click(Stock());  // the next action wakes it; its card goes to column 1
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(1)), "AD");
  EXPECT_EQ(Names(Col(2)), "");
  EXPECT_EQ(Names(Col(1)), "3C");
}

TEST_F(CarltonTest, StockDealsOneCardToEachColumnAndFewerAtTheEnd) {
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(Col(i)->CardsCount(), i);
    EXPECT_TRUE(Col(i)->TopCard->Face());
  }
  EXPECT_EQ(Stock()->CardsCount(), 68);
  const TableState dealt = Snapshot(host);
  Click(Stock());
  for (int i = 1; i <= 8; ++i)
    EXPECT_EQ(Col(i)->CardsCount(), i + 1);
  host.Board1->UndoStep();  // the whole row is one step
  EXPECT_EQ(Snapshot(host), dealt);

  Lay({{Stock(), "kd 4s 7h2"}, {Col(2), "TC"}});
  Click(Stock());
  EXPECT_EQ(Names(Col(1)), "7H2");
  EXPECT_EQ(Names(Col(2)), "TC 4S");
  EXPECT_EQ(Names(Col(3)), "KD");
  for (int i = 4; i <= 8; ++i)
    EXPECT_EQ(Names(Col(i)), "");
  const TableState done = Snapshot(host);
  Click(Stock());  // no redeal
  EXPECT_EQ(Snapshot(host), done);
}

TEST_F(CarltonTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  host.Table.AutoPlay = 1;
  Lay({{F(1), SuitRun('C', 1, 1, 13)},
       {F(2), SuitRun('D', 1, 1, 13)},
       {F(3), SuitRun('H', 1, 1, 13)},
       {F(4), SuitRun('S', 1, 1, 13)},
       {F(5), SuitRun('C', 2, 1, 13)},
       {F(6), SuitRun('D', 2, 1, 13)},
       {F(7), SuitRun('H', 2, 1, 12)},
       {F(8), SuitRun('S', 2, 1, 12)},
       {Col(1), "KS2 KH2"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(wins, 0);  // AutoPlay Off: two Kings out
  DoubleClick(Col(1));
  EXPECT_EQ(Names(F(7)), SuitRun('H', 2, 1, 13));
  RunTimer();
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(1));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
