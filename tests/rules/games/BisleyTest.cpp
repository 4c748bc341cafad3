// SPDX-License-Identifier: GPL-3.0-or-later
// Bisley (game 10): the deal through the real program against an independent
// expectation, the column rule, Kings leaving the columns, the two
// foundations of a suit meeting, the double click, automatic play and the
// win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Generator;

std::string Name(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}

struct Expected {
  std::string dump;
  int kingsUp = 0;  // Kings that left the columns during the deal
};

// The Aces start their foundations (clubs, diamonds, hearts, spades); the
// other 48 cards, in pack order with the last on top, are drawn round the
// twelve columns; a column ending in a King gives it to its suit's King
// foundation. The score starts at -52 and every foundation card earns 5.
Expected ExpectedDeal(uint32_t number) {
  Generator g{number};
  std::vector<int> pack;  // bottom first
  for (int n = 1; n <= 52; ++n)
    if ((n - 1) % 13 != 0) pack.push_back(n);
  std::vector<std::vector<int>> columns(12);
  for (int i = 0; i < 48; ++i) {
    auto it = pack.end() - g.Draw(int(pack.size()));
    columns[size_t(i % 12)].push_back(*it);
    pack.erase(it);
  }
  Expected e;
  std::vector<std::string> kings(4);
  for (auto& col : columns)
    if ((col.back() - 1) % 13 == 12) {
      kings[size_t((col.back() - 1) / 13)] = std::string(" ").append(Name(col.back()));
      col.pop_back();
      ++e.kingsUp;
    }
  std::ostringstream out;
  out << "game 10 \"Bisley\" number " << number << " score " << -52 + 5 * (4 + e.kingsUp)
      << " rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 1 + i << " at 500," << 110 * i - 105
        << " shift 0/0 empty 1 tag 1: " << Name(13 * (i - 1) + 1) << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 5 + i << " at 580," << 110 * i - 105
        << " shift 0/0 empty 1 tag 1:" << kings[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 12; ++i) {
    out << "pile " << 9 + i << " at " << 79 * ((i - 1) % 6) + 5 << ',' << 270 * ((i - 1) / 6) + 5
        << " shift 18/0 empty 0 tag 4:";
    for (int n : columns[size_t(i - 1)])
      out << ' ' << Name(n);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  e.dump = out.str();
  return e;
}

class BisleyTest : public ::testing::Test {
 protected:
  BisleyTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(10, 1);
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
  }

  TDeck* Ace(int i) { return host.Table.Foundation[i]; }
  TDeck* King(int i) { return host.Table.Foundation[4 + i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  void RunTimer(int ticks = 30) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
  // The four Aces where the deal puts them, plus the given piles.
  void Lay(std::vector<std::pair<TDeck*, std::string>> piles) {
    const char* aces[] = {"AC", "AD", "AH", "AS"};
    for (int i = 1; i <= 4; ++i) {
      bool given = false;
      for (auto& [p, cards] : piles)
        given = given || p == Ace(i);
      if (!given) piles.push_back({Ace(i), aces[i - 1]});
    }
    Arrange(host, piles);
    host.Additional_timer.SetEnabled(true);
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(BisleyDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(110));
  EXPECT_TRUE(HelpTopicHtml(110).contains("<h1>Bisley</h1>"));
}

TEST(BisleyDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  int kings = 0;
  for (uint32_t number : {1u, 2u, 3u, 4u, 5u, 2147483647u}) {
    const Expected e = ExpectedDeal(number);
    kings += e.kingsUp;
    ProgramRun r = box.Run({"--game", "10", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), e.dump) << "number " << number;
  }
  EXPECT_GT(kings, 0);  // the deals above do send Kings up
}

TEST_F(BisleyTest, DealFreesItsDealPileAndLeavesTheTimerRunning) {
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(Piles(host).size(), 20u);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * FoundationCards(host));
}

TEST_F(BisleyTest, ColumnsTakeTheNextRankEitherWayInSuitOnly) {
  Lay({{Col(1), "9C 5H"}, {Col(2), "6H"}, {Col(3), "4H"}, {Col(4), "6S"}});
  Move(Col(3), Col(1));  // one down
  EXPECT_EQ(Names(Col(1)), "9C 5H 4H");
  Move(Col(2), Col(1));  // 6H on 4H: two up
  EXPECT_EQ(Names(Col(1)), "9C 5H 4H");
  Click(Col(2));
  Move(Col(4), Col(3));  // onto an emptied column: never
  EXPECT_EQ(Names(Col(3)), "");
  Click(Col(4));
  Arrange(host, {{Col(1), "5H"},
                 {Col(2), "6H"},
                 {Col(4), "6S"},
                 {Col(5), "4S"},
                 {Col(6), "QD"},
                 {Col(7), "KD"},
                 {Col(8), "2H"},
                 {Col(9), "KH"}});
  Move(Col(4), Col(1));  // the right rank in another suit
  EXPECT_EQ(Names(Col(1)), "5H");
  Click(Col(4));
  Move(Col(5), Col(1));
  EXPECT_EQ(Names(Col(1)), "5H");
  Click(Col(5));
  Move(Col(2), Col(1));  // one up
  EXPECT_EQ(Names(Col(1)), "5H 6H");
  Move(Col(7), Col(6));  // KD on QD
  EXPECT_EQ(Names(Col(6)), "QD KD");
  Move(Col(8), Col(9));  // 2H on KH: two apart round the wrap
  EXPECT_EQ(Names(Col(9)), "KH");
  Click(Col(8));
  Arrange(host, {{Col(1), "AH"}, {Col(2), "KH"}, {Col(3), "QH"}, {Col(4), "AS"}});
  Move(Col(2), Col(1));  // ranks wrap: a King of the suit on its Ace
  EXPECT_EQ(Names(Col(1)), "AH KH");
  Move(Col(3), Col(1));  // and the Queen on the King, one down
  EXPECT_EQ(Names(Col(1)), "AH KH QH");
  Move(Col(4), Col(1));
  EXPECT_EQ(Names(Col(1)), "AH KH QH");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(BisleyTest, FoundationCardsCannotBePickedUp) {
  Lay({{King(2), "KD QD"}, {Col(1), "2D"}});
  Click(Ace(2));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(King(2));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  // The player may build on either foundation by hand.
  Move(Col(1), Ace(2));
  EXPECT_EQ(Names(Ace(2)), "AD 2D");
  Lay({{King(2), "KD QD"}, {Col(1), "JD"}, {Col(2), "3D"}});
  Move(Col(1), King(2));
  EXPECT_EQ(Names(King(2)), "KD QD JD");
  Move(Col(2), Ace(2));  // an Ace foundation takes only the next card up
  EXPECT_EQ(Names(Ace(2)), "AD");
}

TEST_F(BisleyTest, AKingWaitsUnderOtherCardsThenGoesUpWhateverAutoPlaySays) {
  Lay({{Col(1), "KS 2S"}, {Col(2), "KH 5H"}, {Col(3), "9C"}});
  RunTimer();
  EXPECT_EQ(Names(Col(1)), "KS 2S");
  EXPECT_EQ(Names(King(4)), "");
  DoubleClick(Col(1));
  EXPECT_EQ(Names(Ace(4)), "AS 2S");
  EXPECT_EQ(Names(Col(1)), "KS");  // the tick decides, not the move
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Col(1)), "");
  EXPECT_EQ(Names(King(4)), "KS");
  EXPECT_EQ(Names(King(3)), "");
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 6);
  // An emptied column stays empty.
  Move(Col(3), Col(1));
  EXPECT_EQ(Names(Col(1)), "");
}

TEST_F(BisleyTest, AutoPlayTakesOneCardFromEachColumnPerTick) {
  host.Table.AutoPlay = 0;
  Lay({{King(1), "KC QC"}, {Col(1), "4C 3C 2C"}, {Col(2), "2D"}, {Col(3), "JC"}, {Col(4), "KD"}});
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Col(1)), "4C 3C");
  EXPECT_EQ(Names(Ace(1)), "AC 2C");
  EXPECT_EQ(Names(Ace(2)), "AD 2D");
  EXPECT_EQ(Names(King(1)), "KC QC JC");
  EXPECT_EQ(Names(King(2)), "KD");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Col(1)), "4C");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Col(1)), "");
  EXPECT_EQ(Names(Ace(1)), "AC 2C 3C 4C");
}

TEST_F(BisleyTest, FoundationsThatMeetAreStackedCardByCard) {
  Lay({{Ace(1), "AC 2C 3C 4C"}, {King(1), "KC QC JC TC 9C 8C 7C 6C"}, {Col(1), "5C"}});
  host.Additional_timer.SetEnabled(false);
  const TableState before = Snapshot(host);
  DoubleClick(Col(1));  // fits both; the Ace foundation comes first
  EXPECT_EQ(Names(Ace(1)), "AC 2C 3C 4C 5C");
  EXPECT_EQ(Names(King(1)), "KC QC JC TC 9C 8C 7C 6C");
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(Ace(1)), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC");
  EXPECT_EQ(Names(King(1)), "");
  EXPECT_EQ(wins, 0);  // one suit is not the game
  // Nine moves, each undone on its own.
  ASSERT_EQ(host.Board1->History.size(), 9u);
  host.Additional_timer.SetEnabled(false);
  while (host.Board1->CanUndo())
    host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), before);

  // A card that fits only the King foundation goes there.
  Lay({{Ace(3), "AH 2H"}, {King(3), "KH QH"}, {Col(1), "JH"}});
  DoubleClick(Col(1));
  EXPECT_EQ(Names(King(3)), "KH QH JH");
  DoubleClick(Col(1));  // nothing left to send
  EXPECT_EQ(Names(King(3)), "KH QH JH");
}

TEST_F(BisleyTest, WinIsDetectedOnceWhenTheLastFoundationsMeet) {
  Lay({{Ace(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
       {Ace(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
       {Ace(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
       {Ace(4), "AS 2S 3S 4S 5S 6S"},
       {King(4), "KS QS JS TS 9S 8S"},
       {Col(7), "7S"}});
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Move(Col(7), King(4));  // every card on a foundation, not yet in order
  EXPECT_EQ(Names(King(4)), "KS QS JS TS 9S 8S 7S");
  EXPECT_EQ(wins, 0);
  host.Additional_timer.Fire();  // the meeting stacks them, and that wins
  EXPECT_EQ(Ace(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
