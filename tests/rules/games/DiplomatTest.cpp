// SPDX-License-Identifier: GPL-3.0-or-later
// Diplomat (game 15) and Elma (game 20): the deals through the real program
// against independent expectations, the columns built down with Kings on the
// empty ones, Diplomat's foundation cards taken back and its automatic play,
// Elma's fixed base cards and its double click between the Ace and King
// foundations, the single pass through the stock and the wins.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Generator;
using independent::Name;

// Both packs lie on the waste, card 104 on top. Elma first takes its eight
// base cards by position; then the columns are dealt round by random draws
// (five rounds in Diplomat, four in Elma) and the other 64 cards go face
// down to the stock.
std::string ExpectedDump(int game, uint32_t number) {
  const bool elma = game == 20;
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
  std::vector<std::string> aces(5), kings(5);
  if (elma) {
    const int acePos[] = {13, 25, 37, 49}, kingPos[] = {1, 12, 23, 34};
    for (int i = 1; i <= 4; ++i)
      aces[size_t(i)] = std::string(" ").append(Name(take(acePos[i - 1])));
    for (int i = 1; i <= 4; ++i)
      kings[size_t(i)] = std::string(" ").append(Name(take(kingPos[i - 1])));
  }
  std::vector<std::string> columns(9);
  for (int i = 0; i < (elma ? 32 : 40); ++i)
    columns[size_t(i % 8 + 1)] += std::string(" ").append(Name(take(g.Draw(int(waste.size())))));
  std::string stock;
  while (!waste.empty())
    stock += std::string(" ").append(Name(take(g.Draw(int(waste.size()))), false));

  const int row = elma ? 390 : 410;
  std::ostringstream out;
  out << "game " << game << (elma ? " \"Elma\"" : " \"Diplomat\"") << " number " << number
      << " score " << (elma ? -104 + 8 * 5 : -104) << " rotation -1 started 0\n";
  out << "pile 1 at 100," << row << " shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 10," << row << " shift 2/2 empty 2 tag 0:" << stock << '\n';
  int id = 3;
  if (elma) {
    for (int i = 1; i <= 4; ++i)
      out << "pile " << id++ << " at " << 85 * i - 75
          << ",5 shift 0/0 empty 1 tag 0:" << aces[size_t(i)] << '\n';
    for (int i = 1; i <= 4; ++i)
      out << "pile " << id++ << " at " << 85 * i + 265
          << ",5 shift 0/0 empty 1 tag 0:" << kings[size_t(i)] << '\n';
  } else {
    for (int i = 1; i <= 8; ++i)
      out << "pile " << id++ << " at " << 85 * i - 75 << ",5 shift 0/0 empty 1 tag 0:\n";
  }
  for (int i = 1; i <= 8; ++i)
    out << "pile " << id++ << " at " << 85 * i - (elma ? 75 : 65)
        << ",115 shift 15/0 empty 0 tag 4:" << columns[size_t(i)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// The cards of one suit and pack from rank a to rank b, "AS2 2S2 3S2"
// (downward when a > b).
std::string SuitRun(char suit, int pack, int a, int b) {
  static const char* kRanks = "A23456789TJQK";
  std::string s;
  const int step = a <= b ? 1 : -1;
  for (int r = a;; r += step) {
    if (!s.empty()) s += ' ';
    s += kRanks[r - 1];
    s += suit;
    if (pack == 2) s += '2';
    if (r == b) break;
  }
  return s;
}

class DiplomatTest : public ::testing::TestWithParam<int> {
 protected:
  DiplomatTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(GetParam(), 1);
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* KingF(int i) { return host.Table.Foundation[4 + i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& piles) {
    Arrange(host, piles, 104);
    host.Additional_timer.SetEnabled(true);
  }
  void RunTimer(int ticks = 20) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

class DiplomatOnly : public DiplomatTest {};
class ElmaOnly : public DiplomatTest {};

}  // namespace

TEST(DiplomatDeal, HelpTopicsAreCarried) {
  EXPECT_TRUE(HelpTopicHtml(115).contains("<h1>Diplomat</h1>"));
  EXPECT_TRUE(HelpTopicHtml(120).contains("<h1>Elma</h1>"));
}

TEST(DiplomatDeal, RealProgramDumpsTheExpectedTables) {
  ProgramSandbox box;
  for (int game : {15, 20})
    for (uint32_t number : {1u, 8080u, 2147483647u}) {
      ProgramRun r =
          box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
      EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
      EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
          << "game " << game << " number " << number;
    }
}

TEST_P(DiplomatTest, ColumnsGoDownAnySuitOneCardAtATimeAndOnlyAKingStartsOne) {
  Lay({{Col(1), "9S 8H"},
       {Col(2), "7C2 6D"},
       {Col(3), "QD2"},
       {Col(4), "AH"},
       {Col(5), "KC"},
       {Col(6), ""},
       {Col(7), "7S2"},
       {Waste(), "7D 5H2"}});
  Move(Col(2), Col(1));  // 6D on 8H: two apart; the Seven under it stays too
  EXPECT_EQ(Names(Col(1)), "9S 8H");
  EXPECT_EQ(Names(Col(2)), "7C2 6D");
  Click(Col(2));
  Move(Col(7), Col(1));  // a Seven of spades on the Eight of hearts: any suit
  EXPECT_EQ(Names(Col(1)), "9S 8H 7S2");
  Move(Col(2), Col(1));
  EXPECT_EQ(Names(Col(1)), "9S 8H 7S2 6D");
  Move(Waste(), Col(1));  // the waste's top card plays too
  EXPECT_EQ(Names(Col(1)), "9S 8H 7S2 6D 5H2");
  Move(Col(1), Waste());  // but nothing goes onto the waste
  EXPECT_EQ(Names(Waste()), "7D");
  Click(Col(1));
  Move(Col(3), Col(6));  // a Queen on an empty column: no
  EXPECT_EQ(Names(Col(6)), "");
  Click(Col(3));
  Move(Col(5), Col(4));  // a King on an Ace
  EXPECT_EQ(Names(Col(4)), "AH KC");
  Move(Col(4), Col(6));  // a King on an empty column
  EXPECT_EQ(Names(Col(6)), "KC");
  Move(Col(3), Col(6));
  EXPECT_EQ(Names(Col(6)), "KC QD2");
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(messages.empty());
}

TEST_P(DiplomatTest, StockIsGoneThroughOnceOneCardAtATime) {
  Lay({{Stock(), "5c 4d"}, {Col(1), "9S"}});
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "4D");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "4D 5C");
  EXPECT_EQ(Stock()->ShowEmpty(), 2);
  Click(Stock());  // spent: nothing happens
  EXPECT_EQ(Names(Waste()), "4D 5C");
  EXPECT_EQ(Stock()->CardsCount(), 0);
}

TEST_P(DiplomatOnly, FoundationTopsComeBackButNotTheirAces) {
  Lay({{F(1), "AH 2H"}, {F(2), "AS"}, {Col(1), "3C"}, {Col(2), "9D"}});
  const int score = host.Board1->Score();
  Click(F(2));  // an Ace stays
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Move(F(1), Col(1));  // the Two of hearts back onto the Three of clubs
  EXPECT_EQ(Names(Col(1)), "3C 2H");
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(host.Board1->Score(), score - 5);
  Click(F(1));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  DoubleClick(Col(1));  // and up again
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(host.Board1->Score(), score);
}

TEST_P(DiplomatOnly, TimerPlacesAcesAndWithAutoPlayPlaysSafeCards) {
  Lay({{Col(1), "AD 3C"}, {Col(2), "AC"}, {Col(3), "2C"}, {Col(4), "2D"}, {Waste(), "AS2"}});
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(F(1)), "AC");   // a column's Ace
  EXPECT_EQ(Names(F(2)), "AS2");  // and the waste's, on the same tick
  RunTimer();
  EXPECT_EQ(Names(Col(3)), "2C");  // AutoPlay Off: nothing else goes up
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AC 2C");
  // Five foundations are still empty: a Three is not safe yet.
  EXPECT_EQ(Names(Col(1)), "AD 3C");
  EXPECT_EQ(Names(Col(4)), "2D");  // no Ace of diamonds up to take it
  EXPECT_EQ(wins, 0);
}

TEST_P(DiplomatOnly, WinIsDetectedOnceWhenAllEightFoundationsAreFull) {
  std::vector<std::pair<TDeck*, std::string>> piles;
  const char suits[] = "CDHS";
  for (int i = 1; i <= 8; ++i)
    piles.push_back({F(i), SuitRun(suits[(i - 1) % 4], (i - 1) / 4 + 1, 1, i == 8 ? 12 : 13)});
  piles.push_back({Col(1), "KS2"});
  Lay(piles);
  RunTimer(3);
  EXPECT_EQ(wins, 0);  // AutoPlay Off: the King waits
  DoubleClick(Col(1));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}

TEST_P(ElmaOnly, EveryDealStartsWithTheSecondPacksAcesAndKings) {
  for (uint32_t number : {1u, 2u, 77u, 2147483647u}) {
    host.DealGame(20, number);
    const char* aces[] = {"AS2", "AH2", "AD2", "AC2"};
    const char* kings[] = {"KS2", "KH2", "KD2", "KC2"};
    for (int i = 1; i <= 4; ++i) {
      EXPECT_EQ(Names(F(i)), aces[i - 1]);
      EXPECT_EQ(Names(KingF(i)), kings[i - 1]);
    }
    EXPECT_EQ(Stock()->CardsCount(), 64);
    EXPECT_EQ(host.Board1->Score(), -104 + 40);
  }
}

TEST_P(ElmaOnly, DoubleClickPrefersTheAceSideAndSkipsFinishedFoundations) {
  Lay({{F(1), SuitRun('S', 2, 1, 13)},
       {F(2), "AH2"},
       {F(3), "AD2"},
       {F(4), "AC2"},
       {KingF(1), "KS"},
       {KingF(2), "KH2"},
       {KingF(3), "KD2 QD2"},
       {KingF(4), "KC2"},
       {Col(1), "AS"},
       {Col(2), "JD"},
       {Col(3), "2H"},
       {Col(4), "QH"},
       {Waste(), "2S"}});
  DoubleClick(Col(1));  // an Ace on the finished spades: never
  EXPECT_EQ(Names(Col(1)), "AS");
  Click(Col(1));
  DoubleClick(Col(2));  // down on the King side
  EXPECT_EQ(Names(KingF(3)), "KD2 QD2 JD");
  DoubleClick(Col(3));  // up on the Ace side
  EXPECT_EQ(Names(F(2)), "AH2 2H");
  DoubleClick(Col(4));  // QH: on the King of hearts
  EXPECT_EQ(Names(KingF(2)), "KH2 QH");
  DoubleClick(Waste());  // 2S fits neither spades foundation
  EXPECT_EQ(Names(Waste()), "2S");
  Click(Waste());
  EXPECT_EQ(host.Table.GameStarted, 1);

  // A King foundation run down to its Ace takes no King.
  Lay({{F(1), "AS2"},
       {F(2), "AH2"},
       {F(3), "AD2"},
       {F(4), "AC"},
       {KingF(1), "KS2"},
       {KingF(2), "KH2"},
       {KingF(3), "KD2"},
       {KingF(4), SuitRun('C', 2, 13, 1)},
       {Col(1), "KC"}});
  DoubleClick(Col(1));  // a King would wrap onto the Ace: never
  EXPECT_EQ(Names(Col(1)), "KC");
  Click(Col(1));
  Move(Col(1), KingF(4));  // nor by click
  EXPECT_EQ(Names(Col(1)), "KC");
  EXPECT_EQ(KingF(4)->CardsCount(), 13);
  Click(Col(1));
  Click(F(1));  // foundation cards stay where they are
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_P(ElmaOnly, NothingGoesUpByItselfAndTheWinComesOnce) {
  host.Table.AutoPlay = 0;
  Lay({{F(1), SuitRun('S', 2, 1, 13)},
       {F(2), SuitRun('H', 2, 1, 13)},
       {F(3), SuitRun('D', 2, 1, 13)},
       {F(4), SuitRun('C', 2, 1, 12)},
       {KingF(1), SuitRun('S', 1, 13, 1)},
       {KingF(2), SuitRun('H', 1, 13, 1)},
       {KingF(3), SuitRun('D', 1, 13, 1)},
       {KingF(4), SuitRun('C', 1, 13, 2)},
       {Col(1), "KC2"},
       {Waste(), "AC"}});
  RunTimer(5);
  EXPECT_EQ(Names(Col(1)), "KC2");  // AutoPlay On, yet nothing went up
  EXPECT_EQ(wins, 0);
  DoubleClick(Col(1));
  RunTimer(2);
  EXPECT_EQ(wins, 0);
  Move(Waste(), KingF(4));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
}

INSTANTIATE_TEST_SUITE_P(Games, DiplomatTest, ::testing::Values(15, 20));
INSTANTIATE_TEST_SUITE_P(Diplomat, DiplomatOnly, ::testing::Values(15));
INSTANTIATE_TEST_SUITE_P(Elma, ElmaOnly, ::testing::Values(20));
