// SPDX-License-Identifier: GPL-3.0-or-later
// Sultan (game 34): the deal through the real program against an independent
// expectation, the square of foundations with its idle centre, the one-card
// reserve piles, the double click, three passes through the stock, automatic
// play and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Generator;
using independent::Name;

// Both packs lie on the waste, card 104 on top. Nine base cards are taken
// from the top by position; then one random card to each reserve pile and
// the other 87 face down to the stock.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> waste;  // bottom first
  for (int n = 1; n <= 104; ++n)
    waste.push_back(n);
  auto take = [&](int fromTop) {
    auto it = waste.end() - fromTop;
    int card = *it;
    waste.erase(it);
    return card;
  };
  std::vector<std::string> foundation(10);
  const int positions[][2] = {{1, 1},  {13, 2}, {25, 5}, {37, 8}, {49, 3},
                              {61, 9}, {73, 4}, {85, 6}, {24, 7}};
  for (auto [pos, f] : positions)
    foundation[size_t(f)] = std::string(" ").append(Name(take(pos)));
  std::vector<std::string> reserve(9);
  for (int j = 1; j <= 8; ++j)
    reserve[size_t(j)] = std::string(" ").append(Name(take(g.Draw(int(waste.size())))));
  std::string stock;
  while (!waste.empty())
    stock += std::string(" ").append(Name(take(g.Draw(int(waste.size()))), false));

  const int left[] = {0, 172, 259, 346, 172, 346, 172, 259, 346, 259};
  const int top[] = {0, 30, 30, 30, 140, 140, 250, 250, 250, 140};
  std::ostringstream out;
  out << "game 34 \"Sultan\" number " << number << " score " << -104 + 9 * 5
      << " rotation 1 started 0\n";
  out << "pile 1 at 300,370 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 200,370 shift 2/2 empty 3 tag 0:" << stock << '\n';
  for (int i = 1; i <= 9; ++i)
    out << "pile " << 2 + i << " at " << left[i] << ',' << top[i]
        << " shift 0/0 empty 1 tag 0:" << foundation[size_t(i)] << '\n';
  for (int j = 1; j <= 8; ++j)
    out << "pile " << 11 + j << " at " << (j % 2 ? 10 : 510) << ',' << (j - 1) / 2 * 110 + 10
        << " shift 0/0 empty 0 tag 4:" << reserve[size_t(j)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// The cards of one suit and pack from rank a to rank b, "AS2 2S2 3S2".
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

class SultanTest : public ::testing::Test {
 protected:
  SultanTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(34, 1);
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Res(int j) { return host.Table.Tableau[j]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  // The square as dealt, plus the given piles.
  void Lay(std::vector<std::pair<TDeck*, std::string>> piles) {
    const char* bases[] = {"", "KS2", "KH2", "KS", "KD", "KD2", "KC", "AH2", "KC2", "KH"};
    for (int i = 1; i <= 9; ++i) {
      bool given = false;
      for (auto& [p, cards] : piles)
        given = given || p == F(i);
      if (!given) piles.push_back({F(i), bases[i]});
    }
    Arrange(host, piles, 104);
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(SultanDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(134));
  EXPECT_TRUE(HelpTopicHtml(134).contains("<h1>Sultan</h1>"));
}

TEST(SultanDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4242u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "34", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(SultanTest, TheSquareShowsEightKingsAndTheAceOfHearts) {
  const char* bases[] = {"", "KS2", "KH2", "KS", "KD", "KD2", "KC", "AH2", "KC2", "KH"};
  for (int number : {1, 99}) {
    host.DealGame(34, uint32_t(number));
    for (int i = 1; i <= 9; ++i)
      EXPECT_EQ(Names(F(i)), bases[i]) << "foundation " << i;
    EXPECT_EQ(host.Table.Rotation_Counter(), 1);
    EXPECT_EQ(host.Table.RedealLimit, 3);
    EXPECT_EQ(Stock()->CardsCount(), 87);
    EXPECT_EQ(Waste()->CardsCount(), 0);
  }
}

TEST_F(SultanTest, FoundationsGoKingAceTwoAndTheCentreTakesNothing) {
  Lay({{Res(1), "AD"}, {Res(2), "2D2"}, {Res(3), "2H"}, {Res(4), "AH"}, {Res(5), "AC"}});
  Move(Res(2), F(4));  // the Two before the Ace: no
  EXPECT_EQ(Names(F(4)), "KD");
  Click(Res(2));
  Move(Res(1), F(4));  // a King foundation takes the Ace of its suit
  Move(Res(2), F(4));  // then a Two of that suit, from either pack
  EXPECT_EQ(Names(F(4)), "KD AD 2D2");
  Move(Res(3), F(7));  // the Ace foundation takes the Two of hearts
  EXPECT_EQ(Names(F(7)), "AH2 2H");
  Move(Res(4), F(9));  // the centre King takes not even its Ace
  EXPECT_EQ(Names(F(9)), "KH");
  EXPECT_EQ(Names(Res(4)), "AH");
  Click(Res(4));
  Move(Res(5), F(8));
  EXPECT_EQ(Names(F(8)), "KC2 AC");
  Click(F(8));  // foundation cards stay where they are
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 13);
}

TEST_F(SultanTest, ReservePilesHoldOneCardAndTheDoubleClickFillsThemFromTheWasteOnly) {
  Lay({{Waste(), "9C 7S"}, {Res(1), "5D"}, {Res(2), "3H"}, {Res(4), "AS"}});
  host.Table.GameStarted = 0;
  Move(Waste(), Res(1));  // taken
  EXPECT_EQ(Names(Res(1)), "5D");
  Click(Waste());
  DoubleClick(Waste());  // fits no foundation: the first empty reserve pile
  EXPECT_EQ(Names(Res(3)), "7S");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  DoubleClick(Res(2));  // 3H fits nowhere and stays put
  EXPECT_EQ(Names(Res(2)), "3H");
  Click(Res(2));
  DoubleClick(Res(4));  // AS goes onto the first spade King
  EXPECT_EQ(Names(F(1)), "KS2 AS");
  EXPECT_EQ(host.Table.GameStarted, 1);  // double clicks that move start the game
  EXPECT_TRUE(host.Additional_timer.Enabled());
  Move(Waste(), Res(4));  // an emptied reserve pile takes any card
  EXPECT_EQ(Names(Res(4)), "9C");
  Move(Res(1), Waste());  // nothing goes back onto the waste
  EXPECT_EQ(Names(Res(1)), "5D");
}

TEST_F(SultanTest, StockIsDealtThroughThreeTimes) {
  TDeck* stock = Stock();
  EXPECT_EQ(stock->ShowEmpty(), 3);
  for (int pass = 1; pass <= 3; ++pass) {
    int turned = 0;
    while (stock->TopCard && turned < 200) {
      Click(stock);
      ++turned;
    }
    EXPECT_EQ(turned, 87) << "pass " << pass;
    EXPECT_EQ(Waste()->CardsCount(), 87);
    EXPECT_TRUE(Waste()->TopCard->Face());
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);  // the stock is never picked up
    EXPECT_FALSE(host.Board1->History.empty());
    Click(stock);  // the empty stock turns the waste back while passes are left
    if (pass < 3) {
      EXPECT_EQ(host.Table.Rotation_Counter(), pass + 1);
      EXPECT_EQ(stock->CardsCount(), 87);
      EXPECT_FALSE(stock->TopCard->Face());
      EXPECT_TRUE(host.Board1->History.empty());  // a redeal is never undone
    }
  }
  // The third pass is the last: the empty stock now shows so and does nothing.
  EXPECT_EQ(host.Table.Rotation_Counter(), 3);
  EXPECT_EQ(stock->ShowEmpty(), 2);
  EXPECT_EQ(stock->CardsCount(), 0);
  EXPECT_EQ(Waste()->CardsCount(), 87);
  EXPECT_EQ(host.Table.GameStarted, 1);
}

TEST_F(SultanTest, AutoPlaySendsAnyFittingCardOnePerTick) {
  Lay({{Res(1), "2D"}, {Res(2), "AD"}, {Res(3), "QC"}, {Waste(), "2H2"}});
  host.Additional_timer.SetEnabled(true);
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(4)), "KD");  // AutoPlay Off: nothing goes up by itself
  host.Table.AutoPlay = 0;
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(4)), "KD AD");
  EXPECT_EQ(Names(F(7)), "AH2");  // one card per tick
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(4)), "KD AD 2D");
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(7)), "AH2 2H2");  // the waste comes after the reserve
  EXPECT_EQ(Names(Res(3)), "QC");     // no foundation far enough
  EXPECT_EQ(wins, 0);
}

TEST_F(SultanTest, WinIsDetectedOnceWhenAll104CardsAreHome) {
  Lay({{F(1), std::string("KS2 ").append(SuitRun('S', 1, 1, 12))},
       {F(3), std::string("KS ").append(SuitRun('S', 2, 1, 12))},
       {F(4), std::string("KD ").append(SuitRun('D', 1, 1, 12))},
       {F(5), std::string("KD2 ").append(SuitRun('D', 2, 1, 12))},
       {F(6), std::string("KC ").append(SuitRun('C', 1, 1, 12))},
       {F(8), std::string("KC2 ").append(SuitRun('C', 2, 1, 11))},
       {F(2), std::string("KH2 ").append(SuitRun('H', 1, 1, 12))},
       {F(7), SuitRun('H', 2, 1, 11)},
       {Res(8), "QC2"},
       {Waste(), "QH2"}});
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);  // AutoPlay Off: two cards out
  Move(Res(8), F(8));
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);  // one card still out
  DoubleClick(Waste());
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  for (int i = 0; i < 5; ++i)
    host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}
