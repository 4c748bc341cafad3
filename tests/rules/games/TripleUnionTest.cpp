// SPDX-License-Identifier: GPL-3.0-or-later
// Triple Union (game 29): the deal through the real program against an
// independent expectation, the union rule (any card to start, then up in any
// suit to three cards), the double click that never starts a union, and the
// win at the moment one card is left on the columns.

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

// The pack lies on the first union, card 52 on top; 52 draws go round the
// eighteen columns. The score is set after the deal.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pack;  // bottom first
  for (int n = 1; n <= 52; ++n)
    pack.push_back(n);
  std::vector<std::string> columns(18);
  for (int i = 1; i <= 52; ++i) {
    auto it = pack.end() - g.Draw(int(pack.size()));
    columns[size_t((i - 1) % 18)] += std::string(" ").append(Name(*it));
    pack.erase(it);
  }
  std::ostringstream out;
  out << "game 29 \"Triple Union\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 18; ++i)
    out << "pile " << i << " at " << 87 * ((i - 1) % 9) + 5 << ',' << 120 * ((i - 1) / 9) + 240
        << " shift 4/0 empty 0 tag 1:" << columns[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 17; ++i)
    out << "pile " << 18 + i << " at " << 87 * ((i - 1) % 9) + 5 << ',' << 110 * ((i - 1) / 9) + 5
        << " shift 0/6 empty 1 tag 1:\n";
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class TripleUnionTest : public ::testing::Test {
 protected:
  TripleUnionTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(29, 1);
    host.Board1->WarnEnabled = true;
  }

  TDeck* U(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  void RunTimer(int ticks = 10) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(TripleUnionDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(129));
  EXPECT_TRUE(HelpTopicHtml(129).contains("<h1>Triple Union</h1>"));
}

TEST(TripleUnionDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 90210u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "29", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(TripleUnionTest, DealGivesSixteenColumnsThreeCardsAndTwoColumnsTwo) {
  for (int i = 1; i <= 18; ++i)
    EXPECT_EQ(Col(i)->CardsCount(), i <= 16 ? 3 : 2) << "column " << i;
  for (int i = 1; i <= 17; ++i)
    EXPECT_EQ(U(i)->CardsCount(), 0);
  EXPECT_EQ(host.Board1->Score(), -52);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(TripleUnionTest, UnionStartsWithAnyCardAndGrowsUpToThree) {
  Arrange(host, {{Col(1), "9H"},
                 {Col(2), "TC"},
                 {Col(3), "JS"},
                 {Col(4), "QD"},
                 {Col(5), "8D"},
                 {Col(6), "KH"},
                 {Col(7), "AS"},
                 {Col(8), "2C 3C"}});
  Move(Col(5), U(2));  // an empty union takes any card
  EXPECT_EQ(Names(U(2)), "8D");
  Move(Col(1), U(1));
  Move(Col(3), U(1));  // a Jack on a Nine: refused
  EXPECT_EQ(Names(U(1)), "9H");
  EXPECT_EQ(messages.size(), 1u);
  host.Board1->ClearSelection();
  Move(Col(2), U(1));
  Move(Col(3), U(1));
  EXPECT_EQ(Names(U(1)), "9H TC JS");
  Move(Col(4), U(1));  // three cards: full
  EXPECT_EQ(Names(U(1)), "9H TC JS");
  EXPECT_EQ(Names(Col(4)), "QD");
  EXPECT_EQ(host.Table.GameStarted, 1);
  // A King is followed by an Ace.
  host.Board1->ClearSelection();
  Move(Col(6), U(3));
  Move(Col(7), U(3));
  EXPECT_EQ(Names(U(3)), "KH AS");
  // Nothing goes onto a column, nothing comes off a union.
  Move(Col(8), Col(4));
  EXPECT_EQ(Names(Col(4)), "QD");
  host.Board1->ClearSelection();
  Click(U(1));
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Board1->Score(), -52 + 6 * host.Board1->CardScore);
}

TEST_F(TripleUnionTest, DoubleClickJoinsTheFirstUnionItContinuesButNeverStartsOne) {
  Arrange(host, {{U(1), "4C 5C 6C"},
                 {U(2), "3D"},
                 {U(3), "5H"},
                 {U(4), "5S 6D"},
                 {Col(1), "KD 6H"},
                 {Col(2), "JC"},
                 {Col(3), "7S"}});
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Col(1));  // a Six: union 1 is full, union 3 shows a Five
  EXPECT_EQ(Names(U(3)), "5H 6H");
  EXPECT_EQ(Names(Col(1)), "KD");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  DoubleClick(Col(2));  // a Jack continues nothing: it does not start union 5
  EXPECT_EQ(Names(Col(2)), "JC");
  for (int i = 5; i <= 17; ++i)
    EXPECT_EQ(Names(U(i)), "");
  EXPECT_EQ(host.Board1->SelectedPile, Col(2));  // still in hand: put it back
  Click(Col(2));
  DoubleClick(Col(3));  // both unions 3 and 4 end in a Six: the first one takes it
  EXPECT_EQ(Names(U(3)), "5H 6H 7S");
  EXPECT_EQ(Names(U(4)), "5S 6D");
}

TEST_F(TripleUnionTest, WonTheMomentOneCardIsLeftOnTheColumns) {
  // Sixteen unions full, the seventeenth waiting for its third card; two
  // cards left on the columns, one of them still playable afterwards.
  std::vector<std::pair<TDeck*, std::string>> layout;
  static const char* kFull[] = {"AC 2C 3C", "4C 5C 6C", "7C 8C 9C", "TC JC QC",
                                "KC AD 2D", "3D 4D 5D", "6D 7D 8D", "9D TD JD",
                                "QD KD AH", "2H 3H 4H", "5H 6H 7H", "8H 9H TH",
                                "JH QH KH", "AS 2S 3S", "4S 5S 6S", "7S 8S 9S"};
  for (int i = 1; i <= 16; ++i)
    layout.push_back({U(i), kFull[i - 1]});
  layout.push_back({U(17), "TS JS"});
  layout.push_back({Col(5), "KS QS"});
  Arrange(host, layout);
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(wins, 0);
  Move(Col(5), U(17));
  EXPECT_EQ(Names(U(17)), "TS JS QS");
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  RunTimer();
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(Names(Col(5)), "KS");
}
