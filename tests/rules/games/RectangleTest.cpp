// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle (game 43): the deal through the real program against an
// independent expectation, the base rank fixed by the dealt foundation card,
// foundations up in suit round the corner, the rectangle's piles built down
// in suit, the safe automatic play, the single pass and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

const std::string kRanks = "A23456789TJQK";

// Pool number 1..104 -> "QH", "QH2" for the second pack, lower case face down.
std::string Name(int n, bool faceUp) {
  static const char* kSuits = "CDHS";
  const int m = (n - 1) % 52;
  std::string s{kRanks[size_t(m % 13)], kSuits[m / 13]};
  if (!faceUp) s = {char(std::tolower(s[0])), char(std::tolower(s[1]))};
  if (n > 52) s += '2';
  return s;
}

struct Dealt {
  std::vector<std::vector<int>> piles{12};  // bottom first
  int base = 0;
  std::vector<int> stock;
};

// The packs lie face up on the waste (card 1 at the bottom); the piles take
// the c-th card from the top round the rectangle from pile 2 (pile 1 last),
// three times, then one card goes to foundation 1 and the rest to the stock.
Dealt DealOf(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& waste = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  Dealt d;
  for (int i = 1; i <= 36; ++i)
    d.piles[i % 12].push_back(draw());
  d.base = draw();
  while (!waste.empty())
    d.stock.push_back(draw());
  return d;
}

std::string ExpectedDump(uint32_t number) {
  const Dealt d = DealOf(number);
  std::ostringstream out;
  out << "game 43 \"Rectangle\" number " << number << " score -99 rotation -1 started 0\n";
  out << "pile 1 at 5,130 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 5,5 shift 2/2 empty 3 tag 2:";
  for (int n : d.stock)
    out << ' ' << Name(n, false);
  out << '\n';
  const int fLeft[4] = {260, 340, 420, 500};
  for (int i = 0; i < 8; ++i) {
    out << "pile " << 3 + i << " at " << fLeft[i % 4] << ',' << (i < 4 ? 170 : 280)
        << " shift 0/0 empty 1 tag 0:";
    if (i == 0) out << ' ' << Name(d.base, true);
    out << '\n';
  }
  const int sideTop[6] = {135, 135, 265, 265, 395, 395};
  for (int i = 1; i <= 12; ++i) {
    const int left = i <= 6 ? 100 * i + 30 : (i % 2 ? 130 : 630);
    const int top = i <= 6 ? 5 : sideTop[i - 7];
    out << "pile " << 10 + i << " at " << left << ',' << top << " shift 4/2 empty 0 tag " << 10 + i
        << ':';
    for (int n : d.piles[i - 1])
      out << ' ' << Name(n, true);
    out << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// The first game number whose foundation card is a Jack.
uint32_t NumberWithJackBase() {
  for (uint32_t n = 1; n < 1000; ++n)
    if ((DealOf(n).base - 1) % 13 + 1 == 11) return n;
  return 0;
}

class RectangleTest : public ::testing::Test {
 protected:
  RectangleTest() : answers([](const ModalRequest&) -> std::optional<int> { return mrOk; }) {
    host.Table.OnGameWon = [this] { ++wins; };
    number = NumberWithJackBase();
    host.DealGame(43, number);
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* P(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
  // The foundation of one suit from the Jack: `count` cards.
  static std::string FromJack(char suit, int count, const std::string& pack = "") {
    std::string s;
    for (int h = 0; h < count; ++h)
      s += std::string(s.empty() ? "" : " ") + kRanks[size_t((10 + h) % 13)] + suit + pack;
    return s;
  }

  TableHost host;
  uint32_t number = 0;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(RectangleDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4096u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "43", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(RectangleDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(143).contains("<h1>Rectangle</h1>"));
}

TEST_F(RectangleTest, TheDealtJackMakesJacksTheBase) {
  ASSERT_NE(number, 0u);
  ASSERT_NE(F(1)->TopCard, nullptr);
  EXPECT_EQ(F(1)->TopCard->Rank(), 11);
  host.Table.AutoPlay = 1;
  Lay({{F(1), "JH"}, {P(1), "JC"}, {P(2), "AS"}, {P(3), "JD 5C"}, {Waste(), "JS2"}});
  RunTimer();  // one Jack from the piles and the waste's in one tick
  EXPECT_EQ(Names(F(2)), "JC");
  EXPECT_EQ(Names(F(3)), "JS2");
  RunTimer(3);
  EXPECT_EQ(Names(P(2)), "AS");  // Aces are nothing special here
  EXPECT_EQ(Names(P(3)), "JD 5C");
  Move(P(3), P(4));
  RunTimer();
  EXPECT_EQ(Names(F(4)), "JD");

  // Jack, Queen, King, Ace, ..., Ten in one suit; a full one takes nothing.
  Lay({{F(1), FromJack('H', 3)},
       {F(2), FromJack('C', 12)},
       {P(1), "AH"},
       {P(2), "TC"},
       {P(3), "2H"},
       {Waste(), "JC2"}});
  Move(P(3), F(1));  // not yet
  EXPECT_EQ(F(1)->CardsCount(), 3);
  Click(P(3));
  Move(P(1), F(1));
  Move(P(3), F(1));
  EXPECT_EQ(Names(F(1)), "JH QH KH AH 2H");
  Move(P(2), F(2));
  EXPECT_EQ(F(2)->CardsCount(), 13);
  DoubleClick(Waste());  // the Jack would follow the Ten, but the run is complete
  EXPECT_EQ(F(2)->CardsCount(), 13);
  EXPECT_EQ(Names(Waste()), "JC2");
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(RectangleTest, DoubleClickNeverStartsAFoundation) {
  Lay({{F(1), "JH QH"}, {P(1), "JC"}, {Waste(), "KH"}});
  DoubleClick(P(1));
  EXPECT_EQ(Names(P(1)), "JC");
  for (int i = 2; i <= 8; ++i)
    EXPECT_EQ(F(i)->CardsCount(), 0);
  Click(P(1));
  DoubleClick(Waste());
  EXPECT_EQ(Names(F(1)), "JH QH KH");
  // Nor may the player start one by hand.
  Move(P(1), F(2));
  EXPECT_EQ(F(2)->CardsCount(), 0);
}

TEST_F(RectangleTest, PilesBuildDownInSuitOneCardAtATime) {
  Lay({{P(1), "9H"},
       {P(2), "5C 8H"},
       {P(3), "8D"},
       {P(4), "AS"},
       {P(5), "7S KS"},
       {Waste(), "4D QD"}});
  Move(P(3), P(1));  // another suit
  EXPECT_EQ(Names(P(1)), "9H");
  Click(P(3));
  Move(P(2), P(1));
  EXPECT_EQ(Names(P(1)), "9H 8H");
  Move(P(5), P(4));  // a King on the Ace of its suit
  EXPECT_EQ(Names(P(4)), "AS KS");
  // An empty pile takes any card: from the waste or from another pile.
  Lay({{P(1), "9H 8H"}, {P(2), "3C"}, {Waste(), "4D QD"}});
  Move(P(1), P(7));
  EXPECT_EQ(Names(P(7)), "8H");
  EXPECT_EQ(Names(P(1)), "9H");
  Move(Waste(), P(8));
  EXPECT_EQ(Names(P(8)), "QD");
  Move(Waste(), P(8));  // a Four is no Jack
  EXPECT_EQ(Names(P(8)), "QD");
}

TEST_F(RectangleTest, SafeAutoPlayAndOnePassThroughTheStock) {
  host.Table.AutoPlay = 0;
  // Foundation heights 3 (hearts), 1 (clubs) and empty: nothing above height
  // two goes up by itself.
  Lay({{F(1), "JH QH KH"}, {F(2), "JC"}, {P(1), "AH"}, {P(2), "QC"}, {Waste(), "KC"}});
  RunTimer(3);
  EXPECT_EQ(Names(P(1)), "AH");
  EXPECT_EQ(Names(F(2)), "JC QC");
  EXPECT_EQ(Names(Waste()), "KC");
  // With every foundation started, they go up level by level.
  Lay({{F(1), "JH"},
       {F(2), "JC"},
       {F(3), "JD"},
       {F(4), "JS"},
       {F(5), "JH2"},
       {F(6), "JC2"},
       {F(7), "JD2"},
       {F(8), "JS2 QS2"},
       {P(1), "QH"},
       {P(2), "KS2"},
       {Waste(), "QC"}});
  RunTimer();
  EXPECT_EQ(Names(F(1)), "JH QH");
  RunTimer();
  EXPECT_EQ(Names(F(2)), "JC QC");
  RunTimer(3);
  EXPECT_EQ(Names(P(2)), "KS2");

  Lay({{Stock(), "5c"}, {Waste(), "9D"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D 5C");
  Click(Stock());  // empty: nothing happens
  Click(Stock());
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Waste()), "9D 5C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_F(RectangleTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  std::vector<std::pair<TDeck*, std::string>> table;
  const std::string suits = "CDHS";
  for (int i = 0; i < 8; ++i)
    table.push_back(
        {F(i + 1), FromJack(suits[size_t(i % 4)], i == 7 ? 12 : 13, i >= 4 ? "2" : "")});
  table.push_back({P(9), "TS2"});
  Lay(table);
  host.Table.AutoPlay = 1;
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 0);
  DoubleClick(P(9));
  EXPECT_EQ(F(8)->CardsCount(), 13);
  EXPECT_EQ(wins, 0);  // the timer decides
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 104 * host.Board1->CardScore);
}
