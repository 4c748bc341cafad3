// SPDX-License-Identifier: GPL-3.0-or-later
// Banner (game 41): the deal through the real program against an
// independent expectation, sequences started by the timer one rank above the
// banner card, built up regardless of suit by hand, closed by the banner
// card and carried to a final foundation as one undo step, the double click,
// the redeals and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// The packs lie face up on the waste (card 1 at the bottom); each column,
// then the banner (eight cards), then the stock take the c-th card from the
// top.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& waste = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> columns, banner, stock;
  for (int i = 0; i < 8; ++i)
    columns.push_back(draw());
  for (int i = 0; i < 8; ++i)
    banner.push_back(draw());
  while (!waste.empty())
    stock.push_back(draw());

  std::ostringstream out;
  out << "game 41 \"Banner\" number " << number << " score -104 rotation 1 started 0\n";
  out << "pile 1 at 110,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 3 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  out << "pile 3 at 324,30 shift 0/0 empty 1 tag 0:\n";
  const int finalLeft[8] = {10, 83, 156, 229, 302, 375, 448, 521};
  for (int i = 0; i < 8; ++i)
    out << "pile " << 4 + i << " at " << finalLeft[i] << ",340 shift 0/0 empty 4 tag 0:\n";
  const int columnLeft[8] = {10, 87, 164, 241, 408, 485, 562, 639};
  for (int i = 0; i < 8; ++i)
    out << "pile " << 12 + i << " at " << columnLeft[i]
        << ",130 shift 18/0 empty 0 tag 4: " << Name(columns[size_t(i)], true) << '\n';
  out << "pile 20 at 324,170 shift 4/0 empty 0 tag 0:";
  for (int n : banner)
    out << ' ' << Name(n, true);
  out << "\nselected none\nhistory -1 0\n\n";
  return out.str();
}

class BannerTest : public ::testing::Test {
 protected:
  BannerTest() : answers([](const ModalRequest&) -> std::optional<int> { return mrOk; }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(41, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* Working() { return host.Table.Foundation[9]; }
  TDeck* Final(int i) { return host.Table.Foundation[i]; }
  TDeck* BannerPile() { return host.Table.Reserve[9]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  int wins = 0;
  ScopedModalResponder answers;
};

// Five of spades up to Three of diamonds, twelve cards of mixed suits.
const char* kFiveToThree = "5S 6H 7C 8D 9S TH JC QD KS AH 2C 3D";

}  // namespace

TEST(BannerDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4096u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "41", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(BannerDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(141).contains("<h1>Banner</h1>"));
}

TEST_F(BannerTest, TheTimerStartsEachSequenceOneRankAboveTheBanner) {
  Lay({{BannerPile(), "KC 4H"}, {Col(1), "9C"}, {Col(2), "5S"}, {Col(3), "5H"}, {Waste(), "5D"}});
  Move(Col(3), Working());  // nobody starts a sequence by hand
  EXPECT_EQ(Working()->CardsCount(), 0);
  Click(Col(3));
  RunTimer();
  EXPECT_EQ(Names(Working()), "5S");  // the first column's, not the waste's
  EXPECT_EQ(Names(Waste()), "5D");
  // With no Five on the columns, the waste's starts it.
  Lay({{BannerPile(), "4H"}, {Col(1), "5c"}, {Waste(), "5D"}});
  RunTimer();
  EXPECT_EQ(Names(Working()), "5D");
  EXPECT_EQ(Names(Col(1)), "5c");
}

TEST_F(BannerTest, SequencesClimbRegardlessOfSuitUpToTheBannerRank) {
  Lay({{BannerPile(), "KC 4H"},
       {Working(), "5S 6H 7C"},
       {Col(1), "8D"},
       {Col(2), "9S"},
       {Col(3), "TH"},
       {Waste(), "8C"}});
  Move(Col(2), Working());  // not the next rank
  EXPECT_EQ(Names(Working()), "5S 6H 7C");
  Click(Col(2));
  Move(Col(1), Working());
  DoubleClick(Col(2));
  DoubleClick(Col(3));
  EXPECT_EQ(Names(Working()), "5S 6H 7C 8D 9S TH");
  EXPECT_EQ(host.Table.GameStarted, 1);
  // A Four is refused on the Three: only the banner's Four closes it.
  Lay({{BannerPile(), "KC 4H"}, {Working(), kFiveToThree}, {Col(1), "4C"}, {Col(2), "6D"}});
  Move(Col(1), Working());
  EXPECT_EQ(Working()->CardsCount(), 12);
  Click(Col(1));
  DoubleClick(Col(1));  // no fit: to the first empty column
  EXPECT_EQ(Names(Col(1)), "");
  EXPECT_EQ(Names(Col(3)), "4C");
  EXPECT_EQ(Working()->CardsCount(), 12);
}

TEST_F(BannerTest, TheBannerCardClosesTheSequenceWhichIsCarriedAwayInOneStep) {
  Final(1)->SetShowEmpty(1);  // as a sequence already carried there would have it
  Lay({{BannerPile(), "KC 4H"},
       {Working(), kFiveToThree},
       {Final(1), "AC2 2C2 3C2 4C2 5C2 6C2 7C2"}});
  const int score = host.Board1->Score();
  RunTimer();
  EXPECT_EQ(Working()->CardsCount(), 0);
  EXPECT_EQ(Names(BannerPile()), "KC");
  EXPECT_EQ(Names(Final(2)), "4H 3D 2C AH KS QD JC TH 9S 8D 7C 6H 5S");
  EXPECT_EQ(Final(2)->ShowEmpty(), 1);
  EXPECT_EQ(Final(1)->CardsCount(), 7);
  EXPECT_EQ(host.Board1->Score(), score + host.Board1->CardScore);
  // The next sequence starts from the King: Aces now.
  Lay({{BannerPile(), "KC"}, {Col(1), "AD"}, {Final(2), "4H 3D 2C AH KS QD JC TH 9S 8D 7C 6H 5S"}});
  RunTimer();
  EXPECT_EQ(Names(Working()), "AD");

  // Undone in one step: the banner card and the sequence return.
  Lay({{BannerPile(), "KC 4H"}, {Working(), kFiveToThree}});
  RunTimer();
  ASSERT_EQ(Final(1)->CardsCount(), 13);
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Working()), kFiveToThree);
  EXPECT_EQ(Names(BannerPile()), "KC 4H");
  EXPECT_EQ(Final(1)->CardsCount(), 0);
  EXPECT_FALSE(host.Board1->CanUndo());
}

TEST_F(BannerTest, ColumnsHoldOneCardAndTheStockGoesRoundThreeTimes) {
  Lay({{Col(1), "8D"}, {Col(2), "9S"}, {Waste(), "2H 3H"}, {Stock(), "7c"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "9S");
  Click(Col(1));
  Move(Waste(), Col(3));
  EXPECT_EQ(Names(Col(3)), "3H");
  DoubleClick(Waste());
  EXPECT_EQ(Names(Col(4)), "2H");
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_EQ(host.Table.RedealLimit, 3);
  Click(Stock());
  Click(Stock());  // second pass
  EXPECT_EQ(Names(Stock()), "7c");
  Click(Stock());
  Click(Stock());  // third
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  Click(Stock());
  Click(Stock());  // no more
  EXPECT_EQ(Names(Waste()), "7C");
  EXPECT_EQ(Names(Stock()), "");
}

TEST_F(BannerTest, WinIsDetectedOnceAtTheTickAfterTheLastSequence) {
  std::vector<std::pair<TDeck*, std::string>> table;
  const std::string suits = "CDHS";
  for (int i = 0; i < 8; ++i) {
    std::string text;
    for (char r : std::string("A23456789TJQK"))
      text += std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
    if (i == 7) {
      table.push_back({BannerPile(), "KS2"});
      text.resize(text.size() - 4);  // the King is the banner card
      table.push_back({Working(), text});
    } else {
      Final(i + 1)->SetShowEmpty(1);
      table.push_back({Final(i + 1), text});
    }
  }
  Lay(table);
  ASSERT_EQ(Working()->CardsCount(), 12);
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Final(8)->CardsCount(), 13);
  EXPECT_EQ(wins, 0);  // the next tick decides
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 104 * host.Board1->CardScore);
}

TEST_F(BannerTest, AnOverfullFinalFoundationKeepsTheGameFromBeingWon) {
  std::vector<std::pair<TDeck*, std::string>> table;
  const std::string suits = "CDHS";
  for (int i = 0; i < 8; ++i) {
    std::string text;
    for (char r : std::string("A23456789TJQK"))
      text += std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
    if (i == 7) text.resize(text.size() - 4);
    if (i == 0) text += " KS2";
    table.push_back({Final(i + 1), text});
  }
  Lay(table);
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 0);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}
