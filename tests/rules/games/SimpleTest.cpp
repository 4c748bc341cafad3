// SPDX-License-Identifier: GPL-3.0-or-later
// Simple (game 22): the deal through the real program against an
// independent expectation, foundations that start one rank above their
// reserve card and finish with it, building down on the reserve, the
// timer's choice of a base card, the row dealt from the stock and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs lie on the deal pile, card 104 on top: eight draws for the
// reserve piles, eight for the columns, the other 88 face down to the stock
// in the order drawn. The deal pile is gone afterwards.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pack = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> reserve, columns;
  for (int i = 0; i < 8; ++i)
    reserve.push_back(std::string(" ").append(Name(draw())));
  for (int i = 0; i < 8; ++i)
    columns.push_back(std::string(" ").append(Name(draw())));
  std::string stock;
  while (!pack.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 22 \"Simple\" number " << number << " score -104 rotation -1 started 0\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 2 + i << " at " << 75 * i + 65 << ",105 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 10 + i << " at " << 75 * i + 65
        << ",5 shift 0/0 empty 4 tag 0:" << reserve[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 18 + i << " at " << 75 * i + 65
        << ",210 shift 14/0 empty 0 tag 4:" << columns[size_t(i - 1)] << '\n';
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

class SimpleTest : public ::testing::Test {
 protected:
  SimpleTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(22, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Res(int i) { return host.Table.Reserve[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& piles) {
    Arrange(host, piles, 104);
    host.Additional_timer.SetEnabled(true);
  }
  void RunTimer(int ticks = 5) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(SimpleDeal, RealProgramDumpsTheExpectedTableAndTheHelpTopicIsCarried) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 808u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "22", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
  EXPECT_TRUE(HelpTopicExists(122));
  EXPECT_TRUE(HelpTopicHtml(122).contains("<h1>Simple</h1>"));
}

TEST_F(SimpleTest, AnySixStartsAfterAReserveFiveWhichThenFinishesTheFoundation) {
  Lay({{Res(3), "5C"}, {Col(1), "7H"}, {Col(2), "6D"}, {Col(3), "8S 6S2"}});
  Move(Col(1), F(3));  // a Seven does not start it
  EXPECT_EQ(Names(F(3)), "");
  Click(Col(1));
  Move(Col(2), F(4));  // nor does a Six start a foundation whose reserve is not a Five
  EXPECT_EQ(Names(F(4)), "");
  Click(Col(2));
  Move(Col(3), F(3));  // any Six does
  Move(Col(1), F(3));  // then any suit, one rank up
  DoubleClick(Col(3));
  EXPECT_EQ(Names(F(3)), "6S2 7H 8S");
  EXPECT_EQ(host.Table.GameStarted, 1);

  // Round the corner to the Four; the Five comes from the reserve by itself.
  Lay({{Res(3), "5C"}, {F(3), "6S2 7H 8S 9D TC JH QS KD AC2 2H 3S"}, {Col(1), "4D2"}});
  RunTimer();
  EXPECT_EQ(Names(Res(3)), "5C");  // not before the Four
  DoubleClick(Col(1));
  EXPECT_EQ(F(3)->CardsCount(), 12);
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Res(3)), "");
  EXPECT_EQ(F(3)->CardsCount(), 13);
  EXPECT_EQ(F(3)->TopCard, CardNamed(host, "5C"));
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 13);
}

TEST_F(SimpleTest, CardsBuiltDownOnTheReserveFinishTheFoundationInTurn) {
  Lay({{Res(3), "5C"},
       {F(3), "6S2 7H 8S 9D TC JH QS KD AC2 2H"},
       {Col(1), "3H2 4C"},
       {Col(2), "4H"},
       {Col(3), "5H"}});
  Move(Col(2), Res(3));  // down in suit only
  EXPECT_EQ(Names(Res(3)), "5C");
  Click(Col(2));
  Move(Col(1), Res(3));
  EXPECT_EQ(Names(Res(3)), "5C 4C");
  Move(Col(3), Res(4));  // an empty reserve pile takes nothing
  EXPECT_EQ(Names(Res(4)), "");
  Click(Col(3));
  Click(Res(3));  // nor can a reserve card be picked up
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(Col(1), F(3));  // the Three; then the Four and the Five go up, one per tick
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Res(3)), "5C");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Res(3)), "");
  EXPECT_EQ(Names(F(3)), "6S2 7H 8S 9D TC JH QS KD AC2 2H 3H2 4C 5C");
}

TEST_F(SimpleTest, TheTimerStartsAFoundationOnlyWhenOneColumnOffersACard) {
  Lay({{Res(3), "5C"}, {Res(5), "JD"}, {Col(1), "6D"}, {Col(4), "6H2"}, {Col(7), "QS"}});
  host.Table.AutoPlay = 1;  // it plays either way
  RunTimer();
  EXPECT_EQ(Names(F(5)), "QS");  // one Queen: it goes up
  EXPECT_EQ(Names(F(3)), "");    // two Sixes: the player chooses
  EXPECT_EQ(Names(Col(1)), "6D");
  Move(Col(4), F(3));
  EXPECT_EQ(Names(F(3)), "6H2");
  RunTimer();
  EXPECT_EQ(Names(Col(1)), "6D");  // the other Six does not follow a Six
  Click(F(3));                     // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_F(SimpleTest, AFullFoundationAndTheColumnsTakeNothing) {
  Lay({{F(1), SuitRun('D', 1, 1, 13)}, {Col(1), "AH"}, {Col(2), "9C"}, {Col(3), "TD"}});
  Move(Col(1), F(1));  // the Ace would follow the King
  Click(Col(1));
  DoubleClick(Col(1));
  RunTimer();
  EXPECT_EQ(F(1)->CardsCount(), 13);
  EXPECT_EQ(Names(Col(1)), "AH");
  Click(Col(1));
  Move(Col(2), Col(3));  // 9C would lie on TD in many another game
  Click(Col(4));         // still picked up: an empty column takes nothing either
  EXPECT_EQ(Names(Col(3)), "TD");
  EXPECT_EQ(Names(Col(4)), "");
  Click(Stock());  // nor does the stock
  EXPECT_EQ(Names(Col(2)), "9C");
  EXPECT_TRUE(host.Board1->History.empty());
}

TEST_F(SimpleTest, StockDealsARowAsOneUndoStepAndFewerAtTheEnd) {
  EXPECT_EQ(Stock()->CardsCount(), 88);
  const TableState dealt = Snapshot(host);
  host.Additional_timer.SetEnabled(false);
  Click(Stock());
  EXPECT_EQ(Stock()->CardsCount(), 80);
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(Col(i)->CardsCount(), 2) << "column " << i;
    EXPECT_TRUE(Col(i)->TopCard->Face());
  }
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), dealt);

  Lay({{Stock(), "5c 9d 2h"}, {Col(1), "KS"}, {Col(5), "KH"}});
  Click(Stock());
  EXPECT_EQ(Names(Col(1)), "KS 2H");
  EXPECT_EQ(Names(Col(2)), "9D");
  EXPECT_EQ(Names(Col(3)), "5C");
  EXPECT_EQ(Names(Col(4)), "");
  EXPECT_EQ(Names(Col(5)), "KH");
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  const TableState done = Snapshot(host);
  Click(Stock());  // no redeal
  EXPECT_EQ(Snapshot(host), done);
}

TEST_F(SimpleTest, WinIsDetectedOnceWhenEveryFoundationHoldsThirteen) {
  Lay({{F(1), SuitRun('C', 1, 1, 13)},
       {F(2), SuitRun('D', 1, 1, 13)},
       {F(3), SuitRun('H', 1, 1, 13)},
       {F(4), SuitRun('S', 1, 1, 13)},
       {F(5), SuitRun('C', 2, 1, 13)},
       {F(6), SuitRun('D', 2, 1, 13)},
       {F(7), SuitRun('H', 2, 1, 11)},
       {F(8), SuitRun('S', 2, 1, 12)},
       {Col(6), "QH2"},
       {Res(7), "KH2"},
       {Res(8), "KS2"}});
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Res(8)), "");  // the reserve King finishes its foundation
  EXPECT_EQ(Names(Res(7)), "KH2");
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(6));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(F(7)->CardsCount(), 13);
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
