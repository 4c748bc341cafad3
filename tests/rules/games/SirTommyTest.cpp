// SPDX-License-Identifier: GPL-3.0-or-later
// Sir Tommy (game 8) and Lady Betty (game 9): the deals through the real
// program against an independent expectation, the waste-pile rule, Aces
// going up by themselves (and not), the two foundation rules, and the win.

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

std::string Name(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}
bool IsAce(int n) {
  return (n - 1) % 13 == 0;
}

// The stock, bottom first, before any Ace goes up: the pack lies on the
// deal pile, card 52 on top, and each draw puts the c-th card from the top
// onto the stock.
std::vector<int> StockOrder(uint32_t number) {
  Generator g{number};
  std::vector<int> pack, stock;
  for (int n = 1; n <= 52; ++n)
    pack.push_back(n);
  while (!pack.empty()) {
    auto it = pack.end() - g.Draw(int(pack.size()));
    stock.push_back(*it);
    pack.erase(it);
  }
  return stock;
}

std::string ExpectedDump(int game, uint32_t number) {
  std::vector<int> stock = StockOrder(number);
  std::vector<std::string> foundations(4);
  for (size_t f = 0; f < 4 && IsAce(stock.back()); ++f) {  // the Aces on top go up
    foundations[f] = std::string(" ").append(Name(stock.back()));
    stock.pop_back();
  }
  const int up = 52 - int(stock.size());
  std::ostringstream out;
  out << "game " << game << (game == 8 ? " \"Sir Tommy\"" : " \"Lady Betty\"") << " number "
      << number << " score " << -52 + 5 * up << " rotation -1 started 0\n";
  out << "pile 1 at 10,5 shift 2/2 empty 2 tag 1:";
  for (int c : stock)
    out << ' ' << Name(c);
  out << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 2 + i << " at " << 78 * i + 82
        << ",5 shift 0/0 empty 1 tag 1:" << foundations[i - 1] << '\n';
  for (int i = 1; i <= (game == 8 ? 4 : 6); ++i)
    out << "pile " << 6 + i << " at " << 78 * i + 82 << ",110 shift 18/0 empty 3 tag 4:\n";
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class SirTommyTest : public ::testing::TestWithParam<int> {
 protected:
  SirTommyTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(GetParam(), 1);
    host.Board1->WarnEnabled = true;
  }

  bool Tommy() const { return GetParam() == 8; }
  TDeck* Stock() { return host.Table.Waste(); }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* W(int i) { return host.Table.Tableau[i]; }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(SirTommyDeal, HelpTopicsAreCarried) {
  EXPECT_TRUE(HelpTopicHtml(108).contains("<h1>Sir Tommy</h1>"));
  EXPECT_TRUE(HelpTopicHtml(109).contains("<h1>Lady Betty</h1>"));
}

TEST(SirTommyDeal, RealProgramDumpsTheExpectedTable) {
  // A number whose stock ends in two Aces: both go up before play begins.
  uint32_t twoAces = 1;
  while (true) {
    std::vector<int> s = StockOrder(twoAces);
    if (IsAce(s[51]) && IsAce(s[50])) break;
    ++twoAces;
  }
  ProgramSandbox box;
  for (int game : {8, 9})
    for (uint32_t number : {1u, twoAces, 2147483647u}) {
      ProgramRun r =
          box.Run({"--game", QString::number(game), "--number", QString::number(number), "--dump"});
      EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
      EXPECT_EQ(r.out.toStdString(), ExpectedDump(game, number))
          << "game " << game << " number " << number;
    }
}

TEST_P(SirTommyTest, DealLeavesTheWholePackFaceUpInTheStock) {
  EXPECT_EQ(host.Table.Stock(), nullptr);  // the deal pile is gone
  EXPECT_FALSE(bool(host.Additional_timer.OnTimer));
  EXPECT_FALSE(host.Additional_timer.Enabled());
  int cards = Stock()->CardsCount();
  for (TCard* c : Cards(Stock()))
    EXPECT_TRUE(c->Face());
  for (int i = 1; i <= 4; ++i)
    cards += F(i)->CardsCount();
  EXPECT_EQ(cards, 52);
  EXPECT_NE(Stock()->TopCard->Rank(), 1);
  EXPECT_EQ(W(Tommy() ? 5 : 7), nullptr);
  ASSERT_NE(W(Tommy() ? 4 : 6), nullptr);
}

TEST_P(SirTommyTest, WastePilesTakeAnyStockCardButNothingFromEachOther) {
  Arrange(host, {{Stock(), "5D 9S KC"}, {W(1), "2H"}, {F(1), "AC"}});
  Move(Stock(), W(1));  // a King onto a Two
  EXPECT_EQ(Names(W(1)), "2H KC");
  Move(Stock(), W(2));  // any card onto an empty waste pile
  EXPECT_EQ(Names(W(2)), "9S");
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(messages.empty());
  Move(W(2), W(3));
  EXPECT_EQ(Names(W(3)), "");
  Move(W(1), W(2));
  EXPECT_EQ(Names(W(2)), "9S");
  EXPECT_EQ(messages.size(), 2u);
  Move(W(1), Stock());  // nothing goes back onto the stock
  EXPECT_EQ(Names(Stock()), "5D");
  Move(F(1), W(2));  // foundation cards cannot be picked up
  EXPECT_EQ(Names(F(1)), "AC");
  EXPECT_EQ(host.Board1->SelectedPile, W(2));
}

TEST_P(SirTommyTest, AcesExposedByAMoveGoUpOthersStay) {
  Arrange(host, {{Stock(), "7C AS AD 4H"}, {W(1), "AH 2D"}, {F(1), "AC"}});
  Move(Stock(), W(2));  // 4H away: both Aces under it go up, in turn
  EXPECT_EQ(Names(W(2)), "4H");
  EXPECT_EQ(Names(F(2)), "AD");
  EXPECT_EQ(Names(F(3)), "AS");
  EXPECT_EQ(Names(Stock()), "7C");
  // 2D up (onto the first foundation it follows): the Ace under it follows.
  DoubleClick(W(1));
  if (Tommy())
    EXPECT_EQ(Names(F(1)), "AC 2D");
  else
    EXPECT_EQ(Names(F(2)), "AD 2D");
  EXPECT_EQ(Names(W(1)), "");
  EXPECT_EQ(Names(F(4)), "AH");
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 5);
  // One undo takes the move and the Ace that followed it back together.
  host.Board1->UndoStep();
  EXPECT_EQ(Names(W(1)), "AH 2D");
  EXPECT_EQ(Names(F(4)), "");

  // An Ace the player puts on a waste pile stays there.
  Arrange(host, {{Stock(), "3C AS"}, {F(1), "AC"}, {F(2), "AD"}, {F(3), "AH"}});
  Move(Stock(), W(1));
  EXPECT_EQ(Names(W(1)), "AS");
  EXPECT_EQ(Names(F(4)), "");
  DoubleClick(W(1));  // a double click never starts a foundation
  EXPECT_EQ(Names(W(1)), "AS");
  Click(W(1));
  Move(W(1), F(4));
  EXPECT_EQ(Names(F(4)), "");
}

TEST_P(SirTommyTest, FoundationsFollowTheGamesRule) {
  Arrange(host, {{Stock(), "QS 4C"},
                 {W(1), "2S"},
                 {W(2), "AD"},
                 {F(1), "AC"},
                 {F(2), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"}});
  Move(W(1), F(1));  // 2S on AC: only regardless of suit
  EXPECT_EQ(Names(F(1)), Tommy() ? "AC 2S" : "AC");
  EXPECT_EQ(messages.size(), Tommy() ? 0u : 1u);
  // A finished foundation takes no Ace, neither by a click nor a double click.
  Move(W(2), F(2));
  EXPECT_EQ(F(2)->CardsCount(), 13);
  DoubleClick(W(2));
  EXPECT_EQ(Names(W(2)), "AD");
  EXPECT_EQ(F(2)->CardsCount(), 13);
  Click(W(2));
  // The stock's top card goes up too.
  Arrange(host, {{Stock(), "QS 3H"}, {F(1), "AH 2C"}});
  DoubleClick(Stock());
  EXPECT_EQ(Names(F(1)), Tommy() ? "AH 2C 3H" : "AH 2C");
}

TEST_P(SirTommyTest, WinIsDetectedOnceWhenTheLastCardGoesUp) {
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Stock(), "KS"},
                 {W(2), "QS"}});
  DoubleClick(W(2));
  EXPECT_EQ(wins, 0);
  Move(Stock(), F(4));
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
  host.Board1->UndoStep();
  EXPECT_EQ(F(4)->CardsCount(), 12);
  DoubleClick(Stock());
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 1);
}

INSTANTIATE_TEST_SUITE_P(BothGames, SirTommyTest, ::testing::Values(8, 9), [](const auto& info) {
  return std::string(info.param == 8 ? "SirTommy" : "LadyBetty");
});
