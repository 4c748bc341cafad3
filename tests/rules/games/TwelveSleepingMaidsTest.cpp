// SPDX-License-Identifier: GPL-3.0-or-later
// Twelve Sleeping Maids (game 16): the deal through the real program against
// an independent expectation, the Jacks going up and waking the maids, the
// sleeping maids that give nothing, the foundations from Jack round to
// Queen, the side piles refilled from the waste or the stock, and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

// Both packs lie on the waste, card 104 on top. Four rounds, each: a card to
// an odd side pile, a face-down card to every maid, a card to the next even
// side pile; then the other 48 cards face down to the stock.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& waste = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> side(9), maids(13);
  for (int k = 1; k <= 4; ++k) {
    side[size_t(2 * k - 1)] = std::string(" ").append(Name(draw()));
    for (int i = 1; i <= 12; ++i)
      maids[size_t(i)] += std::string(" ").append(Name(draw(), false));
    side[size_t(2 * k)] = std::string(" ").append(Name(draw()));
  }
  std::string stock;
  while (!waste.empty())
    stock += std::string(" ").append(Name(draw(), false));

  std::ostringstream out;
  out << "game 16 \"Twelve Sleeping Maids\" number " << number
      << " score -104 rotation -1 started 0\n";
  out << "pile 1 at 360,390 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 260,390 shift 2/2 empty 2 tag 0:" << stock << '\n';
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 2 + i << " at " << 76 * i - 23 << ",5 shift 0/0 empty 1 tag 0:\n";
  for (int i = 1; i <= 8; ++i)
    out << "pile " << 10 + i << " at " << (i % 2 ? 20 : 620) << ',' << 100 * ((i - 1) / 2) + 115
        << " shift 15/0 empty 0 tag 3:" << side[size_t(i)] << '\n';
  for (int i = 1; i <= 12; ++i)
    out << "pile " << 18 + i << " at " << 83 * ((i - 1) % 6) + 114 << ','
        << 120 * ((i - 1) / 6) + 140 << " shift 0/0 empty 0 tag " << 10 + i << ':'
        << maids[size_t(i)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// The first n cards of a foundation of one suit and pack: J T 9 ... A K Q.
std::string FoundationRun(char suit, int pack, int n) {
  static const char* kOrder = "JT98765432AKQ";
  std::string s;
  for (int i = 0; i < n; ++i) {
    if (!s.empty()) s += ' ';
    s += kOrder[i];
    s += suit;
    if (pack == 2) s += '2';
  }
  return s;
}

class MaidsTest : public ::testing::Test {
 protected:
  MaidsTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(16, 1);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Side(int i) { return host.Table.Reserve[i]; }
  TDeck* Maid(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  // The given piles; every side pile not given holds a card of no use here,
  // every maid not given one face-down card, so that nothing else moves.
  void Lay(std::vector<std::pair<TDeck*, std::string>> piles) {
    auto given = [&](TDeck* d) {
      for (auto& [p, cards] : piles)
        if (p == d) return true;
      return false;
    };
    const char* sides[] = {"2C2", "3C2", "4C2", "5C2", "6C2", "7C2", "8C2", "9C2"};
    const char* maids[] = {"2d2", "3d2", "4d2", "5d2", "6d2", "7d2",
                           "8d2", "9d2", "td2", "qd2", "kd2", "ad2"};
    for (int i = 1; i <= 8; ++i)
      if (!given(Side(i))) piles.push_back({Side(i), sides[i - 1]});
    for (int i = 1; i <= 12; ++i)
      if (!given(Maid(i))) piles.push_back({Maid(i), maids[i - 1]});
    Arrange(host, piles, 104);
    host.Additional_timer.SetEnabled(true);
  }
  void Tick() { host.Additional_timer.Fire(); }
  bool Awake(int i) { return Maid(i)->TopCard && Maid(i)->TopCard->Face(); }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(MaidsDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(116));
  EXPECT_TRUE(HelpTopicHtml(116).contains("<h1>Twelve Sleeping Maids</h1>"));
}

TEST(MaidsDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 1212u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "16", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(MaidsTest, JacksGoUpByThemselvesAndWakeTheMaids) {
  Lay({{Waste(), "5D JH"},
       {Maid(1), "4c 9d"},
       {Maid(2), "8s jc"},
       {Maid(3), "7h td"},
       {Maid(4), "6h"}});
  Click(Maid(1));  // asleep: nothing to pick up
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Tick();
  // The waste's Jack goes to the first foundation and wakes two maids; the
  // second maid's Jack follows on the same tick and wakes the third.
  EXPECT_EQ(Names(F(1)), "JH");
  EXPECT_EQ(Names(F(2)), "JC");
  EXPECT_EQ(Names(Maid(1)), "4C 9D");
  EXPECT_EQ(Names(Maid(2)), "8S");
  EXPECT_EQ(Names(Maid(3)), "7H TD");
  EXPECT_FALSE(Awake(4));
  EXPECT_EQ(host.Table.GameStarted, 0);

  // A card played from maid 3 while maid 4 sleeps wakes the first sleeper.
  Move(Maid(3), F(1));
  EXPECT_EQ(Names(F(1)), "JH TD");
  EXPECT_TRUE(Awake(4));
  EXPECT_FALSE(Awake(5));
  // From maid 1, whose neighbour is awake, it wakes nobody.
  Move(Maid(1), F(1));
  EXPECT_EQ(Names(F(1)), "JH TD 9D");
  EXPECT_FALSE(Awake(5));
  // The waking is undone with the move that caused it.
  host.Additional_timer.SetEnabled(false);
  host.Board1->UndoStep();
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Maid(3)), "7H TD");
  EXPECT_FALSE(Awake(4));
  EXPECT_EQ(Names(Maid(4)), "6h");
}

TEST_F(MaidsTest, FoundationsGoDownAnySuitFromJackRoundToQueen) {
  Lay({{F(1), FoundationRun('H', 1, 11)},
       {Side(1), "KD"},
       {Side(2), "QC"},
       {Side(3), "JS"},
       {Side(4), "5C"},
       {Waste(), "9S"}});
  host.Additional_timer.SetEnabled(false);
  Move(Side(4), F(2));  // an empty foundation takes nothing
  EXPECT_EQ(Names(F(2)), "");
  Click(Side(4));
  Move(Side(1), F(1));  // a King on the Ace
  Move(Side(2), F(1));  // and the Queen ends it
  EXPECT_EQ(F(1)->CardsCount(), 13);
  EXPECT_EQ(host.Table.GameStarted, 1);  // moves to a foundation start the game
  Move(Side(3), F(1));                   // a Jack would go on round: no
  EXPECT_EQ(F(1)->CardsCount(), 13);
  Click(Side(3));
  DoubleClick(Side(3));  // nor by double click
  EXPECT_EQ(Names(Side(3)), "JS");
  Click(Side(3));
  Click(F(1));  // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(Side(4), Side(5));  // nothing is built on a side pile,
  Click(Side(4));
  Move(Side(4), Waste());  // the waste
  Click(Side(4));
  Move(Side(4), Maid(1));  // or a maid
  Click(Side(4));
  EXPECT_EQ(Names(Side(4)), "5C");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 13);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MaidsTest, EmptySidePilesFillFromTheWasteThenFromTheStock) {
  Lay({{F(1), "JH"}, {Side(1), "TS"}, {Side(2), "9H"}, {Waste(), "4D"}, {Stock(), "8c 7c"}});
  DoubleClick(Side(1));
  EXPECT_EQ(Names(F(1)), "JH TS");
  EXPECT_EQ(Names(Side(1)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Tick();
  EXPECT_EQ(Names(Side(1)), "4D");  // the waste's top card
  Move(Side(2), F(1));
  Tick();
  EXPECT_EQ(Names(Side(2)), "7C");  // the waste is empty: the stock's, face up
  EXPECT_EQ(Names(Stock()), "8c");
  // Turning and placing it is one undo step.
  host.Additional_timer.SetEnabled(false);
  host.Board1->UndoStep();
  EXPECT_EQ(Names(Stock()), "8c 7c");
  EXPECT_EQ(Names(Side(2)), "");
  host.Board1->RedoStep();
  // The stock turns onto the waste one card at a time, once.
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "8C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "8C");
  // Waste and stock spent: an emptied side pile stays empty.
  Move(Waste(), F(1));
  Move(Side(2), F(1));
  EXPECT_EQ(Names(F(1)), "JH TS 9H 8C 7C");
  host.Additional_timer.SetEnabled(true);
  Tick();
  Tick();
  EXPECT_EQ(Names(Side(2)), "");
}

TEST_F(MaidsTest, WinIsDetectedOnceWhenAllEightFoundationsAreFull) {
  std::vector<std::pair<TDeck*, std::string>> piles;
  const char suits[] = "CDHS";
  for (int i = 1; i <= 8; ++i)
    piles.push_back({F(i), FoundationRun(suits[(i - 1) % 4], (i - 1) / 4 + 1, i == 8 ? 12 : 13)});
  piles.push_back({Side(1), "QS2"});
  Arrange(host, piles, 104);  // the maids and the other side piles are empty
  host.Additional_timer.SetEnabled(true);
  Tick();
  EXPECT_EQ(wins, 0);  // the Queen waits for the player
  Move(Side(1), F(8));
  EXPECT_EQ(wins, 0);  // the timer decides
  Tick();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
