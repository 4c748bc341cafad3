// SPDX-License-Identifier: GPL-3.0-or-later
// Three Fir-trees (game 30): the deal through the real program against an
// independent expectation, which tree cards are free, the waste's rank
// rule, the stock, the final sweep and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

using independent::Name;

const int kLeft[16] = {47, 9, 85, 47, 9, 85, 47, 9, 85, 47, 9, 85, 47, 9, 85, 47};
const int kTop[16] = {125, 145, 145, 165, 185, 185, 205, 225,
                      225, 245, 265, 265, 285, 305, 305, 325};

// For each tree position 1..16, one card to tree 1, tree 2 and tree 3 in
// turn, each the c-th from the top of the waste (card 104 on top at first);
// the other 56 face down to the stock.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 104};
  std::vector<int>& pile = deal.cards;
  auto draw = [&] { return deal.Draw(); };
  int trees[3][16];
  for (int i = 0; i < 16; ++i)
    for (auto& tree : trees)
      tree[i] = draw();
  std::ostringstream out;
  out << "game 30 \"Three Fir-trees\" number " << number << " score -104 rotation -1 started 0\n";
  out << "pile 1 at 100,5 shift 2/2 empty 1 tag 1:\n";
  out << "pile 2 at 10,5 shift 2/2 empty 2 tag 0:";
  while (!pile.empty())
    out << ' ' << Name(draw(), false);
  out << '\n';
  for (int t = 0; t < 3; ++t)
    for (int i = 0; i < 16; ++i)
      out << "pile " << 3 + 16 * t + i << " at " << kLeft[i] + 190 * t << ',' << kTop[i]
          << " shift 0/0 empty 4 tag " << 11 + i << ": " << Name(trees[t][i], true) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class ThreeFirTreesTest : public ::testing::Test {
 protected:
  ThreeFirTreesTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(30, 1);
  }

  // Tree t (1..3), pile i (1..16).
  TDeck* Tree(int t, int i) {
    TTable& tb = host.Table;
    return (t == 1 ? tb.Tableau : t == 2 ? tb.Reserve : tb.ListA)[size_t(i)];
  }
  TDeck* Waste() { return host.Table.Waste(); }
  TDeck* Stock() { return host.Table.Stock(); }
  void Lay(const std::vector<std::pair<TDeck*, std::string>>& layout) {
    Arrange(host, layout, 104);
  }
  bool Selectable(TDeck* d) {
    host.Board1->ClearSelection();
    Click(d);
    const bool selected = host.Board1->SelectedPile == d;
    host.Board1->ClearSelection();
    return selected;
  }
  void RunTimer(int ticks = 1) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(ThreeFirTreesDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 30u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "30", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST(ThreeFirTreesDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicHtml(130).contains("<h1>Three Fir-trees</h1>"));
}

TEST_F(ThreeFirTreesTest, OnlyTheLowestCardsOfEachTreeAreFree) {
  for (int t = 1; t <= 3; ++t)
    for (int i = 1; i <= 16; ++i)
      EXPECT_EQ(Selectable(Tree(t, i)), i == 16) << "tree " << t << " pile " << i;
  EXPECT_EQ(host.Table.GameStarted, 0);

  // Pile 16 gone: the pair 14 and 15 side by side are both free.
  for (int t = 1; t <= 3; ++t) {
    std::vector<std::pair<TDeck*, std::string>> layout;
    static const char* kCards[15] = {"AC", "2C", "3C", "4C", "5C", "6C", "7C", "8C",
                                     "9C", "TC", "JC", "QC", "KC", "AD", "2D"};
    for (int i = 1; i <= 15; ++i)
      layout.push_back({Tree(t, i), kCards[i - 1]});
    Lay(layout);
    for (int i = 1; i <= 16; ++i)
      EXPECT_EQ(Selectable(Tree(t, i)), i == 14 || i == 15) << "tree " << t << " pile " << i;
    // Pile 15 gone as well: 14 alone.
    Lay({{Tree(t, 14), "AD"}, {Tree(t, 13), "KC"}});
    EXPECT_TRUE(Selectable(Tree(t, 14)));
    EXPECT_FALSE(Selectable(Tree(t, 13)));
  }
  // A pick-up in the middle tree wakes the timer; the outer trees leave it.
  host.Additional_timer.SetEnabled(false);
  Lay({{Tree(1, 16), "5C"}, {Tree(2, 16), "5D"}});
  Click(Tree(1, 16));
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Board1->ClearSelection();
  Click(Tree(2, 16));
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(ThreeFirTreesTest, WasteTakesOneRankUpOrDownInAnySuit) {
  Lay({{Waste(), "KH"}, {Tree(1, 16), "QS"}, {Tree(2, 16), "JD"}, {Tree(3, 16), "AC2"}});
  Move(Tree(2, 16), Waste());  // two ranks away
  EXPECT_EQ(Names(Waste()), "KH");
  EXPECT_EQ(messages.size(), 1u);
  host.Board1->ClearSelection();
  Move(Tree(1, 16), Waste());  // a Queen on a King
  EXPECT_EQ(Names(Waste()), "KH QS");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Move(Tree(2, 16), Waste());  // a Jack on the Queen
  EXPECT_EQ(Names(Waste()), "KH QS JD");

  Lay({{Waste(), "AH"}, {Tree(1, 16), "KS"}, {Tree(3, 16), "AC2"}});
  DoubleClick(Tree(1, 16));  // a King on an Ace
  EXPECT_EQ(Names(Waste()), "AH KS");
  DoubleClick(Tree(3, 16));  // and an Ace on the King
  EXPECT_EQ(Names(Waste()), "AH KS AC2");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);

  // A double click that does not fit moves nothing.
  Lay({{Waste(), "5H"}, {Tree(1, 16), "9S"}});
  DoubleClick(Tree(1, 16));
  EXPECT_EQ(Names(Tree(1, 16)), "9S");
  EXPECT_EQ(Names(Waste()), "5H");
}

TEST_F(ThreeFirTreesTest, EmptyWasteTakesNothingAndStockTurnsOnce) {
  Lay({{Tree(1, 16), "5C"}, {Stock(), "6d 4s"}});
  Move(Tree(1, 16), Waste());
  EXPECT_EQ(Names(Waste()), "");
  host.Board1->ClearSelection();
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "4S");
  EXPECT_EQ(host.Board1->Score(), -104 + host.Board1->CardScore);
  Move(Tree(1, 16), Waste());
  Click(Stock());
  EXPECT_EQ(Names(Waste()), "4S 5C 6D");
  Click(Stock());  // empty: no redeal
  EXPECT_EQ(Names(Waste()), "4S 5C 6D");
}

TEST_F(ThreeFirTreesTest, StuckWithAnEmptyStockIsNotALoss) {
  Lay({{Waste(), "5H"}, {Tree(1, 16), "9S"}});
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_EQ(Names(Tree(1, 16)), "9S");
}

TEST_F(ThreeFirTreesTest, WonWhenTheTreesAreEmptyAndTheStockIsSweptUp) {
  // 100 cards already on the waste, one on a tree, three in the stock.
  std::string waste;
  std::vector<std::string> rest = {"5C", "9d", "8d", "7d"};
  for (int n = 1; n <= 104; ++n) {
    static const char* kRanks = "A23456789TJQK";
    static const char* kSuits = "CDHS";
    const int m = (n - 1) % 52;
    std::string name = std::string{kRanks[m % 13], kSuits[m / 13]} + (n > 52 ? "2" : "");
    bool used = false;
    for (const std::string& r : rest) {
      std::string upper = r;
      for (char& ch : upper)
        ch = char(std::toupper(static_cast<unsigned char>(ch)));
      used = used || upper == name;
    }
    if (used) continue;
    if (name == "4H") continue;  // kept for the top
    waste += name + ' ';
  }
  waste += "4H";
  Lay({{Waste(), waste}, {Tree(3, 16), "5C"}, {Stock(), "9d 8d 7d"}});
  RunTimer(2);
  EXPECT_EQ(wins, 0);
  DoubleClick(Tree(3, 16));
  EXPECT_EQ(wins, 0);  // the sweep waits for the timer
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(Waste()->CardsCount(), 104);
  EXPECT_EQ(Stock()->CardsCount(), 0);
  EXPECT_EQ(host.Board1->Score(), -104 + 104 * host.Board1->CardScore);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  // Undoing the sweep and the last move and making them again wins no more.
  while (host.Board1->CanUndo() && Waste()->CardsCount() > 100)
    host.Board1->UndoStep();
  EXPECT_EQ(Names(Tree(3, 16)), "5C");
  DoubleClick(Tree(3, 16));
  RunTimer();
  EXPECT_EQ(wins, 1);
}
