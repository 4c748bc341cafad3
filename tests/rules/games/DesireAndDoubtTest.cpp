// SPDX-License-Identifier: GPL-3.0-or-later
// Desire (game 44) and Doubt (game 45): the deals through the real program
// against an independent expectation, the reserve that refills empty piles
// and turns its next card up, the piles built down in suit, Aces and
// following cards going up by themselves, Doubt's three passes, Desire's
// single pass and the win.

#include "support/GameHarness.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

// The shuffle generator written again from its definition: state *
// 134775813 + 1 modulo 2^32; a draw in 1..n is the high 32 bits of
// n * state, plus 1.
struct Generator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

// Pool number 1..104 -> "QH", "QH2" for the second pack, lower case face down.
std::string Name(int n, bool faceUp) {
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  const int m = (n - 1) % 52;
  std::string s{kRanks[m % 13], kSuits[m / 13]};
  if (!faceUp) s = {char(std::tolower(s[0])), char(std::tolower(s[1]))};
  if (n > 52) s += '2';
  return s;
}

// The whole pack lies face up on the waste (card 1 at the bottom); the
// reserve, then each pile, then the stock take the c-th card from the top.
std::string ExpectedDump(int game, uint32_t number) {
  const bool desire = game == 44;
  const int cards = desire ? 104 : 52, reserveCards = desire ? 12 : 15;
  const int piles = desire ? 14 : 5, foundations = desire ? 8 : 4;
  Generator g{number};
  std::vector<int> waste;  // bottom first
  for (int n = 1; n <= cards; ++n)
    waste.push_back(n);
  auto draw = [&] {
    auto it = waste.end() - g.Draw(int(waste.size()));
    int n = *it;
    waste.erase(it);
    return n;
  };
  std::vector<int> reserve, pile, stock;
  for (int i = 0; i < reserveCards; ++i)
    reserve.push_back(draw());
  for (int i = 0; i < piles; ++i)
    pile.push_back(draw());
  while (!waste.empty())
    stock.push_back(draw());

  std::ostringstream out;
  out << "game " << game << (desire ? " \"Desire\"" : " \"Doubt\"") << " number " << number
      << " score " << -cards << " rotation " << (desire ? -1 : 1) << " started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty " << (desire ? 2 : 3) << " tag 0:";
  for (int n : stock)
    out << ' ' << Name(n, false);
  out << '\n';
  int id = 3;
  for (int i = 1; i <= foundations; ++i)
    out << "pile " << id++ << " at " << 73 * i + (desire ? 119 : 137)
        << ",5 shift 0/0 empty 1 tag 0:\n";
  out << "pile " << id++ << " at 210,122 shift 0/6 empty 4 tag 15:";
  for (size_t i = 0; i < reserve.size(); ++i)
    out << ' ' << Name(reserve[i], i + 1 == reserve.size());
  out << '\n';
  for (int i = 1; i <= piles; ++i) {
    const int left = desire ? ((i - 1) % 7) * 80 + 210 : 80 * i + 130;
    const int top = desire ? ((i - 1) / 7) * 110 + 240 : 240;
    out << "pile " << id++ << " at " << left << ',' << top
        << " shift 0/0 empty 0 tag 4: " << Name(pile[size_t(i - 1)], true) << '\n';
  }
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class DesireAndDoubtTest : public ::testing::Test {
 protected:
  DesireAndDoubtTest() : answers([](const ModalRequest&) -> std::optional<int> { return mrOk; }) {
    host.Table.OnGameWon = [this] { ++wins; };
  }

  void DealGame(int game) {
    host.DealGame(game, 1);
    packCards = game == 44 ? 104 : 52;
    host.Board1->WarnEnabled = false;
  }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* P(int i) { return host.Table.Tableau[i]; }
  TDeck* Reserve() { return host.Table.Reserve[1]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, packCards);
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  int packCards = 104;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(DesireAndDoubtDeal, RealProgramDumpsTheExpectedTables) {
  ProgramSandbox box;
  for (int game : {44, 45})
    for (uint32_t number : {1u, 4096u, 2147483647u}) {
      ProgramRun r =
          box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
      EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
      EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
          << "game " << game << " number " << number;
    }
}

TEST(DesireAndDoubtDeal, HelpTopicsAreCarried) {
  EXPECT_TRUE(HelpTopicHtml(144).contains("<h1>Desire</h1>"));
  EXPECT_TRUE(HelpTopicHtml(145).contains("<h1>Doubt</h1>"));
}

TEST_F(DesireAndDoubtTest, ReserveFillsAnEmptyPileAndTurnsItsNextCardUp) {
  DealGame(45);
  host.Table.AutoPlay = 1;
  Lay({{Reserve(), "3c 9d KH"}, {P(1), "5S"}, {P(2), "4S"}, {P(3), "QD"}});
  Move(P(2), P(1));
  EXPECT_EQ(Names(P(1)), "5S 4S");
  EXPECT_EQ(Names(Reserve()), "3c 9d KH");  // the player's move fills nothing
  RunTimer();
  EXPECT_EQ(Names(P(2)), "KH");
  EXPECT_EQ(Names(Reserve()), "3c 9D");
  // Each empty pile in turn, one per tick.
  Lay({{Reserve(), "3c 9D"}, {P(1), "5S"}});
  RunTimer();
  EXPECT_EQ(Names(P(2)), "9D");
  EXPECT_EQ(Names(Reserve()), "3C");
  RunTimer(2);
  EXPECT_EQ(Names(P(3)), "3C");
  EXPECT_EQ(Names(Reserve()), "");
  // With the reserve gone, an empty pile waits for the player.
  RunTimer(3);
  EXPECT_EQ(P(4)->CardsCount(), 0);
  Lay({{Waste(), "7H"}, {P(1), "AS"}, {P(2), "8C"}});
  RunTimer(2);
  EXPECT_EQ(P(3)->CardsCount(), 0);
  Move(Waste(), P(3));
  Move(P(2), P(4));
  EXPECT_EQ(Names(P(3)), "7H");
  EXPECT_EQ(Names(P(4)), "8C");
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(DesireAndDoubtTest, ReserveCardPlaysByHandButTakesNothing) {
  DealGame(44);
  host.Table.AutoPlay = 1;
  Lay({{Reserve(), "jc 9d 5H"},
       {P(1), "6H"},
       {P(2), "TC"},
       {P(3), "4H"},
       {F(3), "AD 2D 3D 4D 5D 6D 7D 8D"},
       {Waste(), "KS"}});
  Move(P(3), Reserve());
  EXPECT_EQ(Names(Reserve()), "jc 9d 5H");
  EXPECT_EQ(host.Board1->SelectedPile, P(3));
  Click(P(3));
  Move(Reserve(), P(1));  // one lower in suit
  EXPECT_EQ(Names(P(1)), "6H 5H");
  EXPECT_EQ(Names(Reserve()), "jc 9D");
  Move(Reserve(), P(2));  // another suit
  EXPECT_EQ(Names(P(2)), "TC");
  Click(Reserve());
  DoubleClick(Reserve());  // onto its foundation
  EXPECT_EQ(F(3)->CardsCount(), 9);
  EXPECT_EQ(Names(Reserve()), "JC");
  // Piles go down one card at a time in suit, a King on an Ace.
  Lay({{P(1), "AS"}, {P(2), "9H 8H"}, {P(3), "9S"}, {Waste(), "KS 8S"}});
  Move(Waste(), P(3));
  Move(Waste(), P(1));
  EXPECT_EQ(Names(P(3)), "9S 8S");
  EXPECT_EQ(Names(P(1)), "AS KS");
  Move(P(2), P(5));  // the top card only
  EXPECT_EQ(Names(P(2)), "9H");
  EXPECT_EQ(Names(P(5)), "8H");
}

TEST_F(DesireAndDoubtTest, AcesAndFollowingCardsGoUpByThemselves) {
  DealGame(45);
  host.Table.AutoPlay = 1;
  Lay({{P(1), "9S"},
       {P(2), "AH"},
       {P(3), "KC"},
       {P(4), "QC"},
       {P(5), "JC"},
       {Waste(), "AC"},
       {Reserve(), "2h AD"},
       {F(4), "AS"}});
  RunTimer();  // an Ace from the piles, one from the waste, then the reserve's
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AC");
  EXPECT_EQ(Names(F(3)), "AD");
  EXPECT_EQ(Names(Reserve()), "2H");
  RunTimer(3);  // the reserve fills the emptied pile; AutoPlay off: only Aces go up
  EXPECT_EQ(Names(P(2)), "2H");
  EXPECT_EQ(Names(Reserve()), "");

  // AutoPlay on: any card that follows goes up, however far ahead of the
  // lowest foundation; a pile emptied that way is refilled first.
  host.Table.AutoPlay = 0;
  Lay({{F(1), "AH"},
       {F(2), "AS 2S 3S"},
       {P(1), "4S"},
       {P(2), "KC"},
       {P(3), "QC"},
       {P(4), "JC"},
       {P(5), "TC"},
       {Waste(), "3H"},
       {Reserve(), "3c 2H"}});
  RunTimer();
  EXPECT_EQ(Names(F(2)), "AS 2S 3S 4S");
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(Reserve()), "3C");
  RunTimer();
  EXPECT_EQ(Names(P(1)), "3C");
  EXPECT_EQ(Names(F(1)), "AH 2H 3H");
  EXPECT_EQ(Names(Reserve()), "");
  EXPECT_EQ(host.Board1->Score(), -52 + 7 * host.Board1->CardScore);
}

TEST_F(DesireAndDoubtTest, DoubtGoesThroughTheStockThreeTimes) {
  DealGame(45);
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_EQ(host.Table.RedealLimit, 3);
  Lay({{Stock(), "5c"}, {Waste(), "9D 3H"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D 3H 5C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(Stock());  // second pass
  EXPECT_EQ(Names(Stock()), "5c 3h 9d");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_EQ(Stock()->ShowEmpty(), 3);
  for (int i = 0; i < 3; ++i)
    Click(Stock());
  Click(Stock());  // third and last pass
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  for (int i = 0; i < 3; ++i)
    Click(Stock());
  EXPECT_EQ(Names(Waste()), "9D 3H 5C");
  Click(Stock());  // nothing more
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Waste()), "9D 3H 5C");
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
}

TEST_F(DesireAndDoubtTest, DesireGoesThroughTheStockOnce) {
  DealGame(44);
  EXPECT_EQ(host.Table.Rotation_Counter(), -1);
  Lay({{Stock(), "5c"}, {Waste(), "9D"}});
  Click(Stock());
  Click(Stock());
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Waste()), "9D 5C");
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
}

TEST_F(DesireAndDoubtTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  for (int game : {44, 45}) {
    SCOPED_TRACE(game);
    DealGame(game);
    wins = 0;
    const int n = game == 44 ? 8 : 4;
    std::vector<std::pair<TDeck*, std::string>> table;
    const std::string suits = "CDHS";
    for (int i = 0; i < n; ++i) {
      std::string text;
      for (char r : std::string("A23456789TJQK")) {
        if (i == n - 1 && r == 'K') continue;
        text +=
            std::string(text.empty() ? "" : " ") + r + suits[size_t(i % 4)] + (i >= 4 ? "2" : "");
      }
      table.push_back({F(i + 1), text});
    }
    const std::string king = std::string("KS") + (n == 8 ? "2" : "");
    table.push_back({P(2), king});
    Lay(table);
    host.Table.AutoPlay = 1;
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 0);
    DoubleClick(P(2));
    EXPECT_EQ(F(n)->CardsCount(), 13);
    EXPECT_EQ(wins, 0);  // the timer decides
    RunTimer();
    EXPECT_EQ(wins, 1);
    EXPECT_FALSE(host.Additional_timer.Enabled());
    host.Additional_timer.SetEnabled(true);
    RunTimer(3);
    EXPECT_EQ(wins, 1);
    EXPECT_EQ(host.Board1->Score(), -packCards + packCards * host.Board1->CardScore);
  }
}
