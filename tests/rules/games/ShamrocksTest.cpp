// SPDX-License-Identifier: GPL-3.0-or-later
// Shamrocks (game 24): the deal through the real program against an
// independent expectation, the fan rule (a rank either side, any suit, at
// most three cards), the double click, automatic play and the win.

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

// The pack lies on the last fan, card 52 on top; fans 1..17 take three
// random cards each and the last card stays on fan 18. No Ace moves during
// the deal: the timer places them later.
std::string ExpectedDump(uint32_t number) {
  Generator g{number};
  std::vector<int> pack;  // bottom first
  for (int n = 1; n <= 52; ++n)
    pack.push_back(n);
  std::vector<std::string> fans(18);
  for (size_t i = 0; i < 17; ++i)
    for (int n = 0; n < 3; ++n) {
      auto it = pack.end() - g.Draw(int(pack.size()));
      fans[i] += std::string(" ").append(Name(*it));
      pack.erase(it);
    }
  fans[17] = std::string(" ").append(Name(pack.front()));

  std::ostringstream out;
  out << "game 24 \"Shamrocks\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 18; ++i)
    out << "pile " << i << " at " << 120 * ((i - 1) % 6) + 5 << ',' << 110 * ((i - 1) / 6) + 120
        << " shift 0/18 empty 0 tag 1:" << fans[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 18 + i << " at " << 78 * i - 73 << ",5 shift 0/0 empty 1 tag 1:\n";
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class ShamrocksTest : public ::testing::Test {
 protected:
  ShamrocksTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(24, 1);
    host.Board1->WarnEnabled = true;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Fan(int i) { return host.Table.Tableau[i]; }
  void RunTimer(int ticks = 30) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }

  TableHost host;
  std::vector<std::string> messages;
  int wins = 0;
  ScopedModalResponder answers;
};

}  // namespace

TEST(ShamrocksDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(124));
  EXPECT_TRUE(HelpTopicHtml(124).contains("<h1>Shamrocks</h1>"));
}

TEST(ShamrocksDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4242u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "24", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(ShamrocksTest, DealLeavesSeventeenFansOfThreeAndOneOfOne) {
  for (int i = 1; i <= 18; ++i) {
    EXPECT_EQ(Fan(i)->CardsCount(), i == 18 ? 1 : 3) << "fan " << i;
    EXPECT_EQ(Fan(i)->GShift(), 18);
    for (TCard* c : Cards(Fan(i)))
      EXPECT_TRUE(c->Face());
  }
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // The last card lies where the fan starts.
  EXPECT_EQ(Fan(18)->TopCard->Left(), Fan(18)->Left());
}

TEST_F(ShamrocksTest, FanTakesARankEitherSideWhileItHoldsFewerThanThree) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Fan(1), "7C"},
                 {Fan(2), "KD 6H"},
                 {Fan(3), "KC 8S"},
                 {Fan(4), "2C 5D 6S"},
                 {Fan(5), "QH 9H"},
                 {Fan(6), "7D"},
                 {Fan(7), "AC"},
                 {Fan(8), "KH"},
                 {Fan(9), "2D"}});
  Move(Fan(1), Fan(4));  // a full fan: refused
  EXPECT_EQ(Names(Fan(4)), "2C 5D 6S");
  EXPECT_EQ(messages.size(), 1u);
  Move(Fan(1), Fan(5));  // Seven on Nine: refused
  EXPECT_EQ(Names(Fan(5)), "QH 9H");
  Move(Fan(1), Fan(2));  // Seven on Six, another suit
  EXPECT_EQ(Names(Fan(2)), "KD 6H 7C");
  EXPECT_EQ(Names(Fan(1)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Move(Fan(6), Fan(3));  // Seven on Eight
  EXPECT_EQ(Names(Fan(3)), "KC 8S 7D");
  Move(Fan(9), Fan(1));  // an empty fan takes nothing
  EXPECT_EQ(Names(Fan(1)), "");
  EXPECT_EQ(Names(Fan(9)), "2D");
  // King and Ace are neighbours both ways.
  Move(Fan(8), Fan(7));
  EXPECT_EQ(Names(Fan(7)), "AC KH");
  Arrange(host, {{Fan(1), "KS"}, {Fan(2), "AD"}});
  Move(Fan(2), Fan(1));
  EXPECT_EQ(Names(Fan(1)), "KS AD");
  EXPECT_EQ(messages.size(), 3u);
}

TEST_F(ShamrocksTest, DoubleClickSendsTheTopCardToTheFoundationOfItsSuit) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC"}, {F(2), "AH"}, {F(3), "AD 2D"}, {Fan(1), "9S 3D"}, {Fan(2), "2S"}});
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Fan(1));
  EXPECT_EQ(Names(F(3)), "AD 2D 3D");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  DoubleClick(Fan(2));  // no Spade foundation yet: nothing moves
  EXPECT_EQ(Names(Fan(2)), "2S");
  EXPECT_EQ(Names(F(4)), "");
}

TEST_F(ShamrocksTest, TimerPlacesAcesAndPlaysSafelyWhenAutoPlayIsOn) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Fan(1), "KC AH"}, {Fan(2), "AS 2H"}, {Fan(3), "2S"}, {Fan(4), "QD 3H"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(Fan(2)), "AS 2H");  // AutoPlay Off: the Two stays
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AS 2S");
  EXPECT_EQ(Names(Fan(4)), "QD 3H");  // two foundations still empty: not safe
}

TEST_F(ShamrocksTest, WinIsDetectedOnceWhenEveryFoundationIsFull) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Fan(5), "KS QS"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Move(Fan(5), F(4));
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 0);  // the King is still out
  Move(Fan(5), F(4));
  EXPECT_EQ(wins, 0);  // the timer decides, not the move
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 52 * host.Board1->CardScore);
}
