// SPDX-License-Identifier: GPL-3.0-or-later
// Binding (game 31): the deal through the real program against an
// independent expectation, the base rank, the reserve fan, the talon, the
// stock rows and the three gatherings, automatic play and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Twenty reserve cards, the foundation card, five column cards, each the
// c-th from the top of the talon (card 104 on top at first); the other 78
// face down to the stock; then ten stock cards back onto the talon, the top
// one face up.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> reserve, columns, stock, talon;
  for (int i = 0; i < 20; ++i)
    reserve.push_back(draw());
  const int foundation = draw();
  for (int i = 0; i < 5; ++i)
    columns.push_back(draw());
  while (!pile.empty())
    stock.push_back(draw());
  for (int i = 0; i < 10; ++i) {
    talon.push_back(stock.back());
    stock.pop_back();
  }
  std::ostringstream out;
  out << "game 31 \"Binding\" number " << number << " score -99 rotation 1 started 0\n";
  out << "pile 1 at 150,130 shift 6/0 empty 4 tag 5:";
  for (size_t i = 0; i < talon.size(); ++i)
    out << ' ' << Name(talon[i], i + 1 == talon.size());
  out << "\npile 2 at 10,5 shift 2/2 empty 3 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  for (int i = 1; i <= 5; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 205 << ",130 shift 18/0 empty 0 tag " << 10 + i
        << ": " << Name(columns[size_t(i - 1)], true) << '\n';
  for (int i = 1; i <= 20; ++i)
    out << "pile " << 7 + i << " at " << (i % 2 ? 10 : 55) << ',' << 15 * i + 115
        << " shift 0/0 empty 4 tag " << 10 + i << ": " << Name(reserve[size_t(i - 1)], true)
        << '\n';
  for (int i = 1; i <= 8; ++i) {
    out << "pile " << 27 + i << " at " << 75 * i + 55 << ",5 shift 0/0 empty 1 tag " << 10 + i
        << ':';
    if (i == 1) out << ' ' << Name(foundation, true);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class BindingTest : public ::testing::Test {
 protected:
  BindingTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.Table.AutoPlay = 1;
    // A deal whose base rank is Nine, found by dealing.
    for (uint32_t n = 1; n < 1000; ++n) {
      host.DealGame(31, n);
      if (F(1)->TopCard->Rank() == 9) break;
    }
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* R(int i) { return host.Table.Reserve[i]; }
  TDeck* Talon() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(BindingDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 31u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "31", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(BindingDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(131).contains("<h1>Binding</h1>"));
}

TEST_F(BindingTest, OnlyTheLowestReserveCardMayBePlayed) {
  ASSERT_EQ(F(1)->TopCard->Rank(), 9);
  Lay({{F(1), "9C"}, {R(1), "2H"}, {R(2), "3H"}, {R(3), "TS"}, {R(4), "JD"}});
  Move(R(3), F(1));  // not the lowest: not even picked up
  EXPECT_EQ(Names(R(3)), "TS");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(R(4), F(1));
  EXPECT_EQ(Names(F(1)), "9C");  // refused: a Jack does not follow a Nine
  EXPECT_EQ(Names(R(4)), "JD");
  EXPECT_EQ(messages.size(), 1u);
  host.Board1->ClearSelection();
  Lay({{F(1), "9C"}, {R(1), "2H"}, {R(2), "3H"}, {R(3), "TS"}});
  Move(R(3), F(1));
  EXPECT_EQ(Names(F(1)), "9C TS");
  Click(R(1));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(R(2));
  EXPECT_EQ(host.Board1->SelectedPile, R(2));
}

TEST_F(BindingTest, BaseCardsGoUpByThemselvesNeverByDoubleClick) {
  Lay({{F(1), "9C TD JH QS KC AD 2H 3S 4C 5D 6H 7S 8C"},
       {F(2), "9D"},
       {Col(1), "9H"},
       {Col(2), "TC2"},
       {Talon(), "ks 9S2"}});
  DoubleClick(Col(1));  // the full foundation would follow with a Nine: no
  EXPECT_EQ(Names(Col(1)), "9H");
  EXPECT_EQ(F(1)->CardsCount(), 13);
  host.Board1->ClearSelection();  // the Nine stayed picked up
  DoubleClick(Col(2));            // any suit: onto the Nine of diamonds
  EXPECT_EQ(Names(F(2)), "9D TC2");
  RunTimer();  // a Nine from the columns and one from the talon
  EXPECT_EQ(Names(F(3)), "9H");
  EXPECT_EQ(Names(F(4)), "9S2");
  EXPECT_EQ(Names(Talon()), "KS");  // the next talon card is turned up
  EXPECT_EQ(wins, 0);
}

TEST_F(BindingTest, AutoPlayPlaysUpOnlyWhatIsSafe) {
  host.Table.AutoPlay = 0;
  Lay({{F(1), "9C TD"}, {F(2), "9D"}, {Col(1), "QS"}, {Col(2), "JH"}, {R(1), "TH"}});
  RunTimer();  // the reserve's Ten: one above the lowest foundation
  EXPECT_EQ(Names(F(1)), "9C TD");
  EXPECT_EQ(Names(F(2)), "9D TH");
  RunTimer(4);  // the Jack waits while a foundation is still empty
  EXPECT_EQ(Names(Col(2)), "JH");
  EXPECT_EQ(Names(Col(1)), "QS");
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(BindingTest, StockRowsAndThreeGatheringsThatCannotBeUndone) {
  Lay({{Col(1), "2C 3C"}, {Col(3), "4D 5D 6D"}, {Col(4), "7H"}});
  Click(Stock());  // empty: the first gathering
  EXPECT_EQ(Names(Col(1)), "2C");
  EXPECT_EQ(Names(Col(2)), "3C");
  EXPECT_EQ(Names(Col(3)), "4D");
  EXPECT_EQ(Names(Col(4)), "5D");
  EXPECT_EQ(Names(Col(5)), "6D");
  EXPECT_EQ(Names(Stock()), "7h");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_FALSE(host.Board1->CanUndo());
  EXPECT_TRUE(host.Board1->Animate);

  Click(Stock());  // a row of one card, one undo step
  EXPECT_EQ(Names(Col(1)), "2C 7H");
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Stock()), "7h");
  host.Board1->RedoStep();
  EXPECT_EQ(Names(Col(1)), "2C 7H");

  Click(Stock());  // second gathering
  while (Stock()->TopCard)
    Click(Stock());
  Click(Stock());  // third gathering
  EXPECT_EQ(host.Table.Rotation_Counter(), 4);
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  EXPECT_EQ(Stock()->CardsCount(), 1);  // six cards, five dealt
  Click(Stock());                       // the next stock click shows that no gathering is left
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  const std::string before = Names(Col(1)) + "|" + Names(Col(2));
  Click(Stock());  // nothing more
  EXPECT_EQ(Names(Col(1)) + "|" + Names(Col(2)), before);
  EXPECT_EQ(Stock()->CardsCount(), 0);
  EXPECT_EQ(host.Table.Rotation_Counter(), 4);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(BindingTest, WonOnceWhenTheLastFoundationFills) {
  // Foundation i: one suit of one pack from the Nine round to the Eight.
  static const char* kSuits = "CDHS";
  static const char* kRanks = "9TJQKA2345678";
  std::vector<std::pair<TDeck*, std::string>> layout;
  for (int i = 1; i <= 8; ++i) {
    std::string s;
    for (int k = 0; k < (i == 8 ? 12 : 13); ++k) {
      if (!s.empty()) s += ' ';
      s += std::string{kRanks[k], kSuits[(i - 1) % 4]} + (i > 4 ? "2" : "");
    }
    layout.push_back({F(i), s});
  }
  layout.push_back({Col(3), "8S2"});
  Lay(layout);
  RunTimer(2);  // AutoPlay is off: the Eight waits for the player
  EXPECT_EQ(wins, 0);
  Move(Col(3), F(8));
  EXPECT_EQ(F(8)->CardsCount(), 13);
  EXPECT_EQ(host.Board1->Score(), -104 + 104 * host.Board1->CardScore);
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(3);
  EXPECT_EQ(wins, 1);
}
