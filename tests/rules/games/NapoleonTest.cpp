// SPDX-License-Identifier: GPL-3.0-or-later
// Napoleon Leaves Moscow (25) and Napoleon Takes Moscow (26): the deals
// checked card for card through the real program, the reserve fan and which
// of its cards may be played, the three passes through the stock, the two
// column rules, foundation cards taken back, automatic play and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"

using namespace harness;

namespace {

using independent::Name;

// The reserve fan, written out as it lies on the table.
const int kFanLeft[16] = {347, 309, 385, 347, 309, 385, 347, 309,
                          385, 347, 309, 385, 347, 309, 385, 347};
const int kFanTop[16] = {115, 135, 135, 155, 175, 175, 195, 215,
                         215, 235, 255, 255, 275, 295, 295, 315};
const int kColumnLeft[8] = {10, 85, 160, 235, 458, 533, 608, 683};

// What the program must print for a deal: both packs on the waste (card
// 104 on top), every card the c-th from the top of what is left; the
// columns in turn, then the sixteen reserve piles, then the stock face down.
std::string ExpectedDump(int game, uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::vector<int>> column(8);
  for (int i = 0; i < (game == 25 ? 40 : 32); ++i)
    column[size_t(i % 8)].push_back(draw());
  std::vector<int> reserve;
  for (int i = 0; i < 16; ++i)
    reserve.push_back(draw());
  std::vector<int> stock;
  while (!pile.empty())
    stock.push_back(draw());
  EXPECT_EQ(stock.size(), game == 25 ? 48u : 56u);

  std::ostringstream out;
  out << "game " << game << " \"Napoleon " << (game == 25 ? "Leaves" : "Takes")
      << " Moscow\" number " << number << " score -104 rotation 1 started 0\n";
  out << "pile 1 at 100,390 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,390 shift 2/2 empty 3 tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  for (int i = 0; i < 8; ++i)
    out << "pile " << 3 + i << " at " << 10 + 85 * i << ",5 shift 0/0 empty 1 tag 20:\n";
  for (int i = 0; i < 16; ++i)
    out << "pile " << 11 + i << " at " << kFanLeft[i] << ',' << kFanTop[i]
        << " shift 0/0 empty 4 tag " << 11 + i << ": " << Name(reserve[size_t(i)]) << '\n';
  for (int i = 0; i < 8; ++i) {
    out << "pile " << 27 + i << " at " << kColumnLeft[i] << ",115 shift 15/0 empty 0 tag 4:";
    for (int n : column[size_t(i)])
      out << ' ' << Name(n);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class NapoleonTest : public GameTest {
 protected:
  void Deal(int game) {
    ASSERT_TRUE(host.DealGame(game, 1));
    wins = 0;
  }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Res(int i) { return host.Table.Reserve[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  // Whether a click picks the pile up (the click is taken back at once).
  bool Playable(TDeck* d) {
    Click(d);
    const bool picked = host.Board1->SelectedPile == d;
    if (picked) Click(d);
    return picked;
  }
  void RunTimer(int ticks = 40) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(NapoleonDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  const std::vector<std::pair<int, uint32_t>> deals = {
      {25, 1}, {25, 2147483647u}, {26, 1}, {26, 4096}};
  for (auto [game, number] : deals) {
    ProgramRun r =
        box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
        << "game " << game << " number " << number;
  }
}

TEST_F(NapoleonTest, OnlyTheLowestUncoveredReserveCardsPlay) {
  Deal(26);
  // Piles 1..3 hold cards: the side-by-side pair 2 and 3 is uncovered.
  Lay({{Res(1), "5C"}, {Res(2), "6D"}, {Res(3), "7H"}, {Col(1), "8H"}, {Col(2), "7D"}});
  EXPECT_FALSE(Playable(Res(1)));
  EXPECT_TRUE(Playable(Res(2)));
  EXPECT_TRUE(Playable(Res(3)));
  Move(Res(3), Col(1));
  EXPECT_EQ(Names(Col(1)), "8H 7H");
  EXPECT_FALSE(Playable(Res(1)));  // pile 2 still covers it
  Move(Res(2), Col(2));
  EXPECT_EQ(Names(Col(2)), "7D 6D");
  EXPECT_TRUE(Playable(Res(1)));
  // Nothing is ever put on the reserve.
  host.Board1->WarnEnabled = false;
  Move(Col(2), Res(2));
  EXPECT_EQ(Names(Res(2)), "");
  Click(Col(2));

  // Pile 2 gone, pile 3 left (L = 3): pile 3 plays, pile 1 waits for it.
  Lay({{Res(1), "5C"}, {Res(3), "7H"}, {Col(1), "8H"}});
  EXPECT_TRUE(Playable(Res(3)));
  EXPECT_FALSE(Playable(Res(1)));
  Move(Res(3), Col(1));
  EXPECT_TRUE(Playable(Res(1)));

  // A lone bottom pile (16) covers all the others; a double click plays it.
  Lay({{Res(15), "9C"}, {Res(16), "3S"}, {F(1), "AS 2S"}});
  EXPECT_FALSE(Playable(Res(15)));
  DoubleClick(Res(16));
  EXPECT_EQ(Names(F(1)), "AS 2S 3S");
  EXPECT_TRUE(Playable(Res(15)));
  EXPECT_TRUE(messages.empty());
}

TEST_F(NapoleonTest, StockIsGoneThroughThreeTimes) {
  Deal(25);
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_EQ(host.Table.RedealLimit, 3);
  Lay({{Stock(), "5c 9d kh"}});
  auto pass = [&] {
    for (int i = 0; i < 3; ++i)
      Click(Stock());
    EXPECT_EQ(Names(Waste()), "KH 9D 5C");
    EXPECT_EQ(Names(Stock()), "");
  };
  pass();
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  EXPECT_TRUE(host.Board1->CanUndo());
  Click(Stock());  // the first redeal: back in the first order
  EXPECT_EQ(Names(Stock()), "5c 9d kh");
  EXPECT_EQ(Names(Waste()), "");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_FALSE(host.Board1->CanUndo());  // a redeal is never undone
  EXPECT_TRUE(host.Additional_timer.Enabled());
  pass();
  Click(Stock());  // the second redeal
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  Click(Stock());  // the first card of the last pass shows it is the last
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  Click(Stock());
  Click(Stock());
  host.Additional_timer.SetEnabled(false);
  Click(Stock());  // no pass left: nothing turns over, the timer runs again
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Waste()), "KH 9D 5C");
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(NapoleonTest, TakesMoscowMovesSingleCardsAndOnlyKingsToEmptyColumns) {
  Deal(26);
  Lay({{Col(1), "5C QS"}, {Col(2), "4C KS"}, {Col(4), "KD 9H 8H"}, {Col(5), "TH"}});
  host.Board1->WarnEnabled = false;
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "");
  Click(Col(1));
  Move(Col(2), Col(3));
  EXPECT_EQ(Names(Col(3)), "KS");
  Move(Col(1), Col(3));  // down in suit onto the King
  EXPECT_EQ(Names(Col(3)), "KS QS");
  Move(Col(4), Col(5));  // 9H would fit, but runs do not move here
  EXPECT_EQ(Names(Col(5)), "TH");
  Click(Col(4));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(NapoleonTest, LeavesMoscowMovesRunsAndEmptyColumnsTakeOnlyKings) {
  Deal(25);
  // A run in suit onto a card in suit, however many columns are full.
  Lay({{Col(1), "5C 9H 8H 7H"}, {Col(2), "TH"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "TH 9H 8H 7H");
  EXPECT_EQ(Names(Col(1)), "5C");

  // A run headed by a Queen: refused whatever the answer.
  const std::vector<std::pair<TDeck*, std::string>> queen = {{Col(1), "5C QH JH TH"}};
  for (int answer : {int(mrOk), int(mrYes)}) {
    Lay(queen);
    dialogAnswer = answer;
    Move(Col(1), Col(3));
    EXPECT_EQ(Names(Col(3)), "") << answer;
    EXPECT_EQ(Names(Col(1)), "5C QH JH TH") << answer;
  }
  EXPECT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(messages.size(), 2u);  // refused moves warn

  // Headed by a King: the run goes; a lone King needs no question.
  Lay({{Col(1), "5C KH QH JH"}, {Col(2), "QD KS"}});
  dialogAnswer = mrOk;
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "KH QH JH");
  Move(Col(2), Col(4));
  EXPECT_EQ(Names(Col(4)), "KS");
  EXPECT_EQ(dialogs.size(), 3u);
}

TEST_F(NapoleonTest, FoundationCardsComeBackButNeverAnAce) {
  for (int game : {25, 26}) {
    Deal(game);
    Lay({{F(1), "AH 2H 3H"}, {F(2), "AD"}, {Col(1), "4H"}});
    Move(F(1), Col(1));
    EXPECT_EQ(Names(Col(1)), "4H 3H") << game;
    EXPECT_EQ(host.Board1->Score(), -104 + 5 * 3) << game;
    Click(F(2));
    EXPECT_EQ(host.Board1->SelectedPile, nullptr) << game;
    // A complete foundation takes no second Ace; the timer starts a new one.
    Lay({{F(1), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"}, {Col(1), "AH2"}});
    host.Board1->WarnEnabled = false;
    Move(Col(1), F(1));
    Click(Col(1));
    DoubleClick(Col(1));
    Click(Col(1));
    EXPECT_EQ(F(1)->CardsCount(), 13) << game;
    host.Additional_timer.SetEnabled(true);
    RunTimer(1);
    EXPECT_EQ(Names(F(2)), "AH2") << game;
    host.Board1->WarnEnabled = true;
  }
}

TEST_F(NapoleonTest, TimerPlaysAcesFromColumnsWasteAndPlayableReserve) {
  Deal(26);
  host.Table.AutoPlay = 1;
  Lay({{Col(1), "AH2"}, {Waste(), "AD"}, {Res(1), "AH"}, {Res(2), "AS"}, {Res(3), "AC"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(1);
  // One tick: the column, the waste, then both uncovered reserve cards.
  EXPECT_EQ(Names(F(1)), "AH2");
  EXPECT_EQ(Names(F(2)), "AD");
  EXPECT_EQ(Names(F(3)), "AC");
  EXPECT_EQ(Names(F(4)), "AS");
  EXPECT_EQ(Names(Res(1)), "AH");  // still covered during that tick
  RunTimer(1);
  EXPECT_EQ(Names(F(5)), "AH");
  EXPECT_TRUE(host.Additional_timer.Enabled());

  // AutoPlay On plays safely from the reserve too.
  host.Table.AutoPlay = 0;
  Lay({{F(1), "AH"}, {F(2), "AS"}, {Res(1), "3H"}, {Res(2), "2H"}});
  RunTimer(1);
  EXPECT_EQ(Names(F(1)), "AH 2H");
  RunTimer(5);
  EXPECT_EQ(Names(Res(1)), "3H");  // a Three waits while a foundation is empty
}

TEST_F(NapoleonTest, WinIsDetectedOnceAndOnlyWhenEveryFoundationIsFull) {
  for (int game : {25, 26}) {
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
    table.push_back({Res(1), "KS2"});
    table.push_back({Res(2), "QS2"});
    Lay(table);
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 0) << game;
    DoubleClick(Res(2));
    host.Additional_timer.Fire();
    EXPECT_EQ(wins, 0) << game;
    Move(Res(1), F(8));
    EXPECT_EQ(F(8)->CardsCount(), 13) << game;
    EXPECT_EQ(wins, 0) << game;  // the timer decides, not the move
    host.Additional_timer.Fire();
    EXPECT_EQ(wins, 1) << game;
    EXPECT_FALSE(host.Additional_timer.Enabled()) << game;
    RunTimer(3);
    EXPECT_EQ(wins, 1) << game;
    EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104) << game;
  }
}
