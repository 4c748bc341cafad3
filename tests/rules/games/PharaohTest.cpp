// SPDX-License-Identifier: GPL-3.0-or-later
// Pharaoh (game 13): the deal through the real program against an
// independent expectation, the fixed base cards, the foundations up and down
// in alternating colours, the rows dealt from the stock, the one redeal behind
// the "Re&Deal" button (also pressed through a script), and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Generator;
using independent::Name;

// The pack lies on the first column, card 52 on top. The King of spades,
// the King of clubs, the Ace of diamonds and the Ace of hearts go to
// foundations 4, 3, 2, 1; the other 48 cards are drawn face down into the
// stock, whose top four cards then go face up to columns 1..4.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pack;  // bottom first
  for (int n = 1; n <= 52; ++n)
    if (n != 52 && n != 13 && n != 14 && n != 27) pack.push_back(n);
  std::vector<int> stock;  // bottom first
  while (!pack.empty()) {
    auto it = pack.end() - g.Draw(int(pack.size()));
    stock.push_back(*it);
    pack.erase(it);
  }
  std::vector<int> columns;
  for (int i = 0; i < 4; ++i) {
    columns.push_back(stock.back());
    stock.pop_back();
  }

  std::ostringstream out;
  out << "game 13 \"Pharaoh\" number " << number << " score " << -52 + 4 * 5
      << " rotation 1 started 0\n";
  out << "pile 1 at 10,45 shift 2/2 empty 3 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  const char* bases[] = {"AH", "AD", "KC", "KS"};
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 1 + i << " at " << 80 * i + 60 << ",5 shift 0/0 empty 1 tag "
        << (i <= 2 ? 1 : 2) << ": " << bases[i - 1] << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 5 + i << " at " << 80 * i + 60
        << ",140 shift 18/0 empty 0 tag 4: " << Name(columns[size_t(i - 1)]) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class PharaohTest : public ::testing::Test {
 protected:
  PharaohTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(13, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Stock() { return host.Table.Stock(); }
  TRedealButton* Button() { return host.Table.RedealButton.get(); }
  // The base cards where the deal puts them, plus the given piles.
  void Lay(std::vector<std::pair<TDeck*, std::string>> piles) {
    const char* bases[] = {"AH", "AD", "KC", "KS"};
    for (int i = 1; i <= 4; ++i) {
      bool given = false;
      for (auto& [p, cards] : piles)
        given = given || p == F(i);
      if (!given) piles.push_back({F(i), bases[i - 1]});
    }
    Arrange(host, piles);
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(PharaohDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(113));
  EXPECT_TRUE(HelpTopicHtml(113).contains("<h1>Pharaoh</h1>"));
}

TEST(PharaohDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 606u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "13", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

// The button lies over the stock's corner; a script's click inside it
// presses it once the stock is spent, and the redeal cannot be undone.
TEST(PharaohDeal, ScriptPressesTheRedealButton) {
  ProgramSandbox box;
  std::string script = "deal 13 5\nclick 40 20\n";  // disabled: nothing happens
  for (int i = 0; i < 11; ++i)
    script += "pile 1\n";
  script += "dump\nclick 40 20\ndump\nundo\ndump\nclick 40 20\ndump\n";
  ProgramRun r = box.RunScript(QString::fromStdString(script));
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QStringList dumps = r.out.split("\n\n", Qt::SkipEmptyParts);
  ASSERT_EQ(dumps.size(), 4) << r.out.toStdString();
  // Eleven rows: the stock is spent, one redeal still left.
  EXPECT_TRUE(dumps[0].contains("rotation 1 started 1")) << dumps[0].toStdString();
  EXPECT_TRUE(dumps[0].contains("pile 1 at 10,45 shift 2/2 empty 3 tag 0:\n"));
  // Pressed: the columns are back in the stock, a new row lies out, no
  // history is left.
  EXPECT_TRUE(dumps[1].contains("rotation 2 started 1")) << dumps[1].toStdString();
  EXPECT_FALSE(dumps[1].contains("pile 1 at 10,45 shift 2/2 empty 3 tag 0:\n"));
  EXPECT_TRUE(dumps[1].contains("history -1 0")) << dumps[1].toStdString();
  EXPECT_EQ(dumps[2], dumps[1]);  // nothing to undo
  EXPECT_EQ(dumps[3], dumps[1]);  // pressed once only
}

TEST_F(PharaohTest, EveryDealStartsWithTheSameFourBaseCards) {
  for (uint32_t number : {1u, 2u, 99u, 123456u}) {
    host.DealGame(13, number);
    EXPECT_EQ(Names(F(1)), "AH");
    EXPECT_EQ(Names(F(2)), "AD");
    EXPECT_EQ(Names(F(3)), "KC");
    EXPECT_EQ(Names(F(4)), "KS");
    EXPECT_EQ(Stock()->CardsCount(), 44);
    for (int i = 1; i <= 4; ++i)
      EXPECT_EQ(Col(i)->CardsCount(), 1);
    EXPECT_EQ(host.Table.Rotation_Counter(), 1);
    EXPECT_EQ(host.Table.RedealLimit, 2);
    ASSERT_NE(Button(), nullptr);
    EXPECT_EQ(Button()->Caption, "Re&Deal");
    EXPECT_EQ(Button()->Geometry, QRect(12, 10, 70, 25));
    EXPECT_FALSE(Button()->Enabled());
    EXPECT_FALSE(host.Additional_timer.Enabled());
    EXPECT_FALSE(host.Additional_timer.OnTimer);
  }
}

TEST_F(PharaohTest, FoundationsGoUpOrDownInAlternatingColoursAndStopAtTheEnd) {
  Lay({{Col(1), "2S 2H"}, {Col(2), "QD 3D"}, {Col(3), "QS"}});
  Move(Col(1), F(1));  // a red Two on the red Ace: the same colour
  EXPECT_EQ(Names(F(1)), "AH");
  Click(Col(1));
  Move(Col(2), F(1));  // a Three on an Ace: two apart
  EXPECT_EQ(Names(F(1)), "AH");
  Click(Col(2));
  Move(Col(3), F(3));  // a black Queen on the black King of clubs
  EXPECT_EQ(Names(F(3)), "KC");
  Click(Col(3));
  EXPECT_EQ(host.Table.GameStarted, 0);  // refused moves start nothing

  // Finished ends: an up foundation takes nothing on its King, a down one
  // nothing below its Ace, even where the ranks would wrap.
  Lay({{F(1), "AH 2S 3H 4S 5H 6S 7H 8S 9H TS JH QS KH"},
       {F(3), "KC QH JC TH 9C 8H 7C 6H 5C 4H 3C 2H AC"},
       {Col(1), "AS"},
       {Col(2), "KD"},
       {Col(3), "2D"}});
  Move(Col(1), F(1));
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Col(1));
  Move(Col(2), F(3));
  EXPECT_EQ(F(3)->CardsCount(), 13);
  Click(Col(2));
  // A red Two fits nowhere: the same colour as the Ace of diamonds, and the
  // clubs foundation is done.
  DoubleClick(Col(3));
  EXPECT_EQ(Names(Col(3)), "2D");
  Click(Col(3));
  // A black Two on the Ace of diamonds, a red Queen on the King of spades.
  Lay({{Col(1), "2C"}, {Col(2), "QH"}, {Col(3), "QS"}});
  Move(Col(1), F(2));
  EXPECT_EQ(Names(F(2)), "AD 2C");
  DoubleClick(Col(2));  // the first foundation that fits: the King of clubs
  EXPECT_EQ(Names(F(3)), "KC QH");
  EXPECT_EQ(Names(F(4)), "KS");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  DoubleClick(Col(3));  // a black Queen fits no foundation
  EXPECT_EQ(Names(Col(3)), "QS");
  Click(Col(3));
  // Nothing is put on a column, nothing is taken off a foundation.
  Move(Col(3), Col(1));
  EXPECT_EQ(Names(Col(3)), "QS");
  Click(Col(3));
  Click(F(3));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 6);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PharaohTest, StockDealsRowsAndTheLastShortRowOffersTheRedeal) {
  Lay({{Col(1), "5C"}, {Stock(), "9d 8c 7h 6s 5d 4c"}});
  Click(Stock());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(Names(Col(1)), "5C 4C");
  EXPECT_EQ(Names(Col(2)), "5D");
  EXPECT_EQ(Names(Col(3)), "6S");
  EXPECT_EQ(Names(Col(4)), "7H");
  EXPECT_FALSE(Button()->Enabled());
  // A row is one undo step.
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Stock()), "9d 8c 7h 6s 5d 4c");
  EXPECT_EQ(Names(Col(1)), "5C");
  host.Board1->RedoStep();
  EXPECT_EQ(Names(Stock()), "9d 8c");
  Click(Stock());  // two cards left: a short row
  EXPECT_EQ(Names(Col(1)), "5C 4C 8C");
  EXPECT_EQ(Names(Col(2)), "5D 9D");
  EXPECT_EQ(Names(Col(3)), "6S");
  EXPECT_TRUE(Button()->Enabled());
  EXPECT_EQ(Stock()->ShowEmpty(), 3);

  // The row undone refills the stock: the button does nothing then.
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Stock()), "9d 8c");
  Button()->Click();
  EXPECT_EQ(Names(Stock()), "9d 8c");
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_FALSE(Button()->Enabled());
  Click(Stock());
  EXPECT_TRUE(Button()->Enabled());

  // The redeal: column 4 at the bottom of the stock, column 1 on top, face
  // down, then a new row of four; the history is gone.
  Button()->Click();
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_FALSE(Button()->Enabled());
  // Gathered: 7H (column 4), 6S (column 3), 9D 5D (column 2, top first),
  // 8C 4C 5C (column 1); the new row takes 5C, 4C, 8C, 5D.
  EXPECT_EQ(Names(Stock()), "7h 6s 9d");
  EXPECT_EQ(Names(Col(1)), "5C");
  EXPECT_EQ(Names(Col(2)), "4C");
  EXPECT_EQ(Names(Col(3)), "8C");
  EXPECT_EQ(Names(Col(4)), "5D");
  EXPECT_TRUE(host.Board1->History.empty());
}

TEST_F(PharaohTest, AfterTheRedealTheSpentStockShowsSoAndTheButtonStaysOff) {
  Lay({{Col(1), "5C 4C"}, {Col(2), "5D"}, {Stock(), "9d 8c 7h 6s 2d"}});
  Click(Stock());
  Click(Stock());
  EXPECT_EQ(Stock()->CardsCount(), 0);
  ASSERT_TRUE(Button()->Enabled());
  Button()->Click();
  // Eight cards went back; four came out again.
  EXPECT_EQ(Stock()->CardsCount(), 4);
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  Click(Stock());
  EXPECT_EQ(Stock()->CardsCount(), 0);
  EXPECT_FALSE(Button()->Enabled());
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  Button()->Click();  // disabled: nothing
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_EQ(Stock()->CardsCount(), 0);

  // Four cards or fewer on the table: the redeal deals them all and the
  // stock is spent at once.
  host.DealGame(13, 1);
  Lay({{Col(1), "5C"}, {Col(3), "9D"}, {Stock(), "7h"}});
  Click(Stock());
  ASSERT_TRUE(Button()->Enabled());
  Button()->Click();
  EXPECT_EQ(Stock()->CardsCount(), 0);
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  EXPECT_EQ(Names(Col(1)), "5C");
  EXPECT_EQ(Names(Col(2)), "7H");
  EXPECT_EQ(Names(Col(3)), "9D");
}

TEST_F(PharaohTest, WinIsDetectedOnceWhenTheLastCardGoesUpByClickOrDoubleClick) {
  const std::string up1 = "AH 2S 3H 4S 5H 6S 7H 8S 9H TS JH QS";
  const std::string up2 = "AD 2C 3D 4C 5D 6C 7D 8C 9D TC JD QC KD";
  const std::string down1 = "KC QH JC TH 9C 8H 7C 6H 5C 4H 3C 2H AC";
  const std::string down2 = "KS QD JS TD 9S 8D 7S 6D 5S 4D 3S 2D";
  Lay({{F(1), up1}, {F(2), up2}, {F(3), down1}, {F(4), down2}, {Col(1), "KH"}, {Col(2), "AS"}});
  Move(Col(1), F(1));
  EXPECT_EQ(wins, 0);  // one card still out
  Move(Col(2), F(4));
  EXPECT_EQ(wins, 1);  // the click that brings the last card home wins
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
  // Taken back by undo and played again: still one win.
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Col(2)), "AS");
  Move(Col(2), F(4));
  EXPECT_EQ(wins, 1);

  wins = 0;
  host.DealGame(13, 2);
  Lay({{F(1), up1}, {F(2), up2}, {F(3), down1}, {F(4), down2}, {Col(3), "AS"}, {Col(4), "KH"}});
  DoubleClick(Col(3));
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(4));
  EXPECT_EQ(wins, 1);
}
