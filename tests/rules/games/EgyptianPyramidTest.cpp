// SPDX-License-Identifier: GPL-3.0-or-later
// Egyptian Pyramid (game 21): the deal checked card for card through the
// real program against an independent re-implementation, foundations from
// King to Queen, the column rules, the Kings' automatic start, and the win.

#include "support/GameHarness.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

// The shuffle generator written again from its definition: state *
// 134775813 + 1 modulo 2^32; a draw in 1..n is the high 32 bits of n * state,
// plus 1.
struct ReferenceGenerator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

std::string RefCard(int n, bool faceUp) {  // pool number 1..104
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  const int k = (n - 1) % 52;
  std::string s{kRanks[k % 13], kSuits[k / 13]};
  if (!faceUp)
    for (char& ch : s)
      ch = char(std::tolower(static_cast<unsigned char>(ch)));
  if (n > 52) s += '2';
  return s;
}

// Both packs face up on the waste; one card to each of the nine columns,
// the rest face down to the stock, each by a draw of the c-th card from the
// top.
std::string ExpectedDump(uint32_t number) {
  ReferenceGenerator g{number};
  std::vector<int> waste;
  for (int n = 1; n <= 104; ++n)
    waste.push_back(n);
  auto draw = [&] {
    auto it = waste.end() - g.Draw(int(waste.size()));
    int n = *it;
    waste.erase(it);
    return n;
  };
  std::vector<int> columns, stock;
  for (int i = 0; i < 9; ++i)
    columns.push_back(draw());
  while (!waste.empty())
    stock.push_back(draw());
  std::ostringstream out;
  out << "game 21 \"Egyptian Pyramid\" number " << number << " score -104 rotation -1 started 0\n";
  out << "pile 1 at 380,370 shift 2/2 empty 4 tag 1:\n";
  out << "pile 2 at 270,370 shift 2/2 empty 2 tag 0:";
  for (int n : stock)
    out << ' ' << RefCard(n, false);
  out << '\n';
  const int fAt[8][2] = {{10, 250}, {90, 170}, {170, 90},  {250, 10},
                         {410, 10}, {490, 90}, {570, 170}, {650, 250}};
  for (int i = 0; i < 8; ++i)
    out << "pile " << 3 + i << " at " << fAt[i][0] << ',' << fAt[i][1]
        << " shift 0/0 empty 1 tag 0:\n";
  const int tops[9] = {390, 310, 230, 150, 70, 150, 230, 310, 390};
  for (int i = 0; i < 9; ++i)
    out << "pile " << 11 + i << " at " << 80 * (i + 1) - 70 << ',' << tops[i]
        << " shift 0/0 empty 0 tag 4: " << RefCard(columns[size_t(i)], true) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

// A suit's foundation from the King up: "KH AH 2H ..." with `count` cards.
std::string FromKing(char suit, int count = 13, bool pack2 = false) {
  static const std::string kRanks = "KA23456789TJQ";
  std::string s;
  for (int k = 0; k < count; ++k) {
    if (!s.empty()) s += ' ';
    s += std::string{kRanks[size_t(k)], suit} + (pack2 ? "2" : "");
  }
  return s;
}

class EgyptianPyramidTest : public ::testing::Test {
 protected:
  EgyptianPyramidTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(21, 1);
  }

  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(EgyptianPyramidDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "21", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(EgyptianPyramidTest, DealMatchesAndKingsGoUpAtTheFirstTicks) {
  for (uint32_t number : {2u, 1000u, 31337u}) {
    host.DealGame(21, number);
    EXPECT_EQ(DumpTable(host, 21, number).toStdString(), ExpectedDump(number));
    EXPECT_TRUE(host.Additional_timer.Enabled());
  }
  // Kings never stay on a column top or the waste while a foundation is
  // empty: one from the columns and one from the waste per tick.
  host.Table.AutoPlay = 1;
  Lay({{Col(2), "KD"}, {Col(5), "5C KS2"}, {Col(9), "KH"}, {Waste(), "KC"}, {F(1), "KS"}});
  Tick();
  EXPECT_EQ(Names(F(2)), "KD");
  EXPECT_EQ(Names(F(3)), "KC");
  Tick(2);
  EXPECT_EQ(Names(F(4)), "KS2");
  EXPECT_EQ(Names(F(5)), "KH");
  EXPECT_EQ(Names(Col(5)), "5C");
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 5);
}

TEST_F(EgyptianPyramidTest, FoundationsRunKingAceToQueenInSuit) {
  host.Table.AutoPlay = 1;
  Lay({{F(1), "KH"},
       {F(2), FromKing('S', 12)},
       {Col(1), "AH"},
       {Col(2), "AS2"},
       {Col(3), "2H"},
       {Col(4), "QS"},
       {Col(5), "KS2"}});
  Move(Col(2), F(1));  // another suit's Ace: no
  Move(Col(3), F(1));  // a Two on the King: no
  Move(Col(1), F(1));  // the Ace of the King's suit
  Move(Col(3), F(1));
  EXPECT_EQ(Names(F(1)), "KH AH 2H");
  Move(Col(4), F(2));
  EXPECT_EQ(F(2)->CardsCount(), 13);
  Move(Col(5), F(3));  // the player never starts a foundation, not even with a King
  EXPECT_EQ(Names(F(3)), "");
  EXPECT_EQ(messages.size(), 3u);
  // The Queen ends the foundation; the second King of the suit starts one
  // of its own.
  Tick();
  EXPECT_EQ(Names(F(3)), "KS2");
  EXPECT_EQ(F(2)->CardsCount(), 13);
}

TEST_F(EgyptianPyramidTest, DoubleClickSendsAnAceOntoItsKing) {
  host.Table.AutoPlay = 1;
  Lay({{F(1), "KC"},
       {F(2), "KD2"},
       {F(3), "KD"},
       {Col(1), "AD"},
       {Waste(), "AD2"},
       {Col(2), "AS"}});
  DoubleClick(Col(1));
  EXPECT_EQ(Names(F(2)), "KD2 AD");  // the first foundation it follows on
  DoubleClick(Waste());
  EXPECT_EQ(Names(F(3)), "KD AD2");
  EXPECT_EQ(host.Table.GameStarted, 1);
  DoubleClick(Col(2));  // no King of spades up: stays (picked up)
  EXPECT_EQ(Names(Col(2)), "AS");
  EXPECT_EQ(host.Board1->SelectedPile, Col(2));
}

TEST_F(EgyptianPyramidTest, ColumnsBuildDownAnySuitAndEmptyOnesTakeOnlyFromTheWaste) {
  host.Table.AutoPlay = 1;
  Lay({{Col(1), "9S"},
       {Col(2), "8D"},
       {Col(3), "7S 4C"},
       {Col(4), "AH"},
       {Col(5), "KC"},
       {F(1), "KD"},
       {Waste(), "3C 2H"}});
  Move(Col(2), Col(1));  // one lower, another suit
  EXPECT_EQ(Names(Col(1)), "9S 8D");
  EXPECT_EQ(host.Table.GameStarted, 1);  // a move between columns starts the game
  Move(Col(3), Col(1));                  // 4C: no
  Move(Col(5), Col(4));                  // a King on an Ace
  EXPECT_EQ(Names(Col(4)), "AH KC");
  Move(Col(3), Col(2));  // a column's card onto an empty column: no
  EXPECT_EQ(Names(Col(2)), "");
  Move(Waste(), Col(2));  // the waste's card: yes
  EXPECT_EQ(Names(Col(2)), "2H");
  Move(Waste(), Col(5));
  EXPECT_EQ(Names(Col(5)), "3C");
  EXPECT_EQ(messages.size(), 2u);
  // Single cards only: 4C moves without the 7S beneath it.
  Lay({{Col(1), "7S 4C"}, {Col(2), "5H"}});
  Move(Col(1), Col(2));
  EXPECT_EQ(Names(Col(2)), "5H 4C");
  EXPECT_EQ(Names(Col(1)), "7S");
}

TEST_F(EgyptianPyramidTest, StockGoesOnceOntoTheWaste) {
  Lay({{Stock(), "qh 3d"}});
  Click(Stock());
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "3D QH");
  Click(Stock());  // empty: nothing
  EXPECT_EQ(Names(Stock()), "");
  EXPECT_EQ(Names(Waste()), "3D QH");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

TEST_F(EgyptianPyramidTest, WinIsDetectedOnceWhenEightFoundationsAreFull) {
  host.Table.AutoPlay = 1;
  Lay({{F(1), FromKing('C')},
       {F(2), FromKing('D')},
       {F(3), FromKing('H')},
       {F(4), FromKing('S')},
       {F(5), FromKing('C', 13, true)},
       {F(6), FromKing('D', 13, true)},
       {F(7), FromKing('H', 13, true)},
       {F(8), FromKing('S', 11, true)},
       {Col(4), "QS2"},
       {Waste(), "JS2"}});
  host.Additional_timer.SetEnabled(true);
  Tick(3);
  EXPECT_EQ(wins, 0);  // AutoPlay is Off
  DoubleClick(Waste());
  EXPECT_EQ(wins, 0);
  Move(Col(4), F(8));
  EXPECT_EQ(wins, 0);  // the timer decides
  Tick();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  EXPECT_EQ(host.Board1->Score(), -104 + 5 * 104);
  Click(Stock());
  Click(F(1));
  Tick(3);
  EXPECT_EQ(wins, 1);
}

TEST(EgyptianPyramidDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(121));
  EXPECT_TRUE(HelpTopicHtml(121).contains("<h1>Egyptian Pyramid</h1>"));
}
