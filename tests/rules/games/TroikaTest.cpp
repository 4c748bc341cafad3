// SPDX-License-Identifier: GPL-3.0-or-later
// Troika (game 7): the deal through the real program against an
// independent expectation (Aces going up while dealing), the fan rule,
// no automatic play, and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

std::string Name(int n) {  // pool number 1..52 -> "QH"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  return {kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
}

// The pack lies on the last fan, card 52 on top; fans 1..17 take three
// cards each, an Ace going straight on to the next empty foundation; the
// card left on the last fan costs one more draw and stays.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  auto draw = [&] { return deal.Draw(); };
  std::vector<std::string> fans(18), foundations;
  auto place = [&](size_t fan, int card) {
    if ((card - 1) % 13 == 0)
      foundations.push_back(Name(card));
    else
      fans[fan] += std::string(" ").append(Name(card));
  };
  for (size_t i = 0; i < 17; ++i)
    for (int n = 0; n < 3; ++n)
      place(i, draw());
  place(17, draw());

  std::ostringstream out;
  out << "game 7 \"Troika\" number " << number << " score -32 rotation -1 started 0\n";
  for (int i = 1; i <= 18; ++i)
    out << "pile " << i << " at " << 120 * ((i - 1) % 6) + 5 << ',' << 110 * ((i - 1) / 6) + 120
        << " shift 0/18 empty 0 tag 1:" << fans[size_t(i - 1)] << '\n';
  for (int i = 1; i <= 4; ++i)
    out << "pile " << 18 + i << " at " << 78 * i - 73
        << ",5 shift 0/0 empty 1 tag 1: " << foundations[i - 1] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class TroikaTest : public ::testing::Test {
 protected:
  TroikaTest()
      : answers([this](const ModalRequest& r) -> std::optional<int> {
          messages.push_back(r.text.toStdString());
          return mrOk;
        }) {
    host.Table.OnGameWon = [this] { ++wins; };
    host.DealGame(7, 1);
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

TEST(TroikaDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(107));
  EXPECT_TRUE(HelpTopicHtml(107).contains("<h1>Troika</h1>"));
}

TEST(TroikaDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 777u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "7", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(TroikaTest, DealPutsTheAcesUpAndLeavesEverythingFaceUp) {
  int cards = 0;
  for (int i = 1; i <= 18; ++i) {
    EXPECT_LE(Fan(i)->CardsCount(), i == 18 ? 1 : 3);
    for (TCard* c : Cards(Fan(i))) {
      EXPECT_TRUE(c->Face());
      EXPECT_NE(c->Rank(), 1);
      ++cards;
    }
  }
  EXPECT_EQ(cards, 48);
  for (int i = 1; i <= 4; ++i) {
    ASSERT_EQ(F(i)->CardsCount(), 1);
    EXPECT_EQ(F(i)->TopCard->Rank(), 1);
  }
  EXPECT_EQ(host.Board1->Score(), -52 + 4 * 5);
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
}

TEST_F(TroikaTest, FansTakeTheSameRankOnlyBelowThreeCards) {
  Arrange(host, {{Fan(1), "9C 4D 7H"},
                 {Fan(2), "2S 7C"},
                 {Fan(3), "7S"},
                 {Fan(4), "8D"},
                 {F(1), "AH"},
                 {F(2), "AC"}});
  Move(Fan(3), Fan(1));  // a full fan takes nothing, whatever the rank
  EXPECT_EQ(Names(Fan(1)), "9C 4D 7H");
  EXPECT_EQ(messages.size(), 1u);
  Move(Fan(3), Fan(4));  // another rank
  EXPECT_EQ(Names(Fan(4)), "8D");
  EXPECT_EQ(messages.size(), 2u);
  Move(Fan(3), Fan(2));  // the same rank onto two cards
  EXPECT_EQ(Names(Fan(2)), "2S 7C 7S");
  EXPECT_EQ(Names(Fan(3)), "");
  EXPECT_EQ(host.Table.GameStarted, 1);
  Move(Fan(4), Fan(3));  // an emptied fan stays empty
  EXPECT_EQ(Names(Fan(3)), "");
  EXPECT_EQ(messages.size(), 3u);
  Move(Fan(1), Fan(2));  // and a fan filled to three is closed again
  EXPECT_EQ(Names(Fan(2)), "2S 7C 7S");
  Move(F(1), Fan(4));  // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, Fan(4));
}

TEST_F(TroikaTest, NothingGoesUpUnlessThePlayerMovesIt) {
  Arrange(host, {{Fan(1), "2H"}, {Fan(2), "3H"}, {Fan(3), "2C"}, {F(1), "AH"}, {F(2), "AC"}});
  host.Table.AutoPlay = 0;
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AC");
  Move(Fan(1), F(1));
  EXPECT_EQ(Names(F(1)), "AH 2H");
  DoubleClick(Fan(2));
  EXPECT_EQ(Names(F(1)), "AH 2H 3H");
  RunTimer();
  EXPECT_EQ(Names(Fan(3)), "2C");
  Move(Fan(3), F(1));  // not in suit
  EXPECT_EQ(Names(F(1)), "AH 2H 3H");
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 4);
}

TEST_F(TroikaTest, WinIsDetectedOnceByTheTimer) {
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Fan(5), "KS QS"}});
  host.Additional_timer.SetEnabled(true);
  DoubleClick(Fan(5));
  RunTimer(3);
  EXPECT_EQ(wins, 0);
  Move(Fan(5), F(4));
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Board1->UndoStep();
  EXPECT_EQ(F(4)->CardsCount(), 12);
  host.Board1->RedoStep();
  EXPECT_EQ(F(4)->CardsCount(), 13);
  host.Additional_timer.SetEnabled(true);
  RunTimer(3);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
