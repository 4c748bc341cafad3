// SPDX-License-Identifier: GPL-3.0-or-later
// Flower Garden (game 14): the deal through the real program against an
// independent expectation, runs onto beds, the empty-bed question, the
// bouquet, the double click, automatic play and the win.

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

// The pack lies on the first foundation, card 52 on top; the sixteen
// bouquet cards are drawn first, then 36 cards round the six beds.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  auto draw = [&] { return deal.Draw(); };
  std::vector<int> bouquet;
  for (int i = 0; i < 16; ++i)
    bouquet.push_back(draw());
  std::vector<std::string> beds(6);
  for (int i = 0; i < 36; ++i)
    beds[size_t(i % 6)] += std::string(" ").append(Name(draw()));

  std::ostringstream out;
  out << "game 14 \"Flower Garden\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << i << " at " << 80 * i + 60 << ",5 shift 0/0 empty 1 tag " << (i <= 2 ? 1 : 2)
        << ":\n";
  for (int i = 1; i <= 16; ++i)
    out << "pile " << 4 + i << " at " << 37 * i - 32
        << ",370 shift 0/0 empty 4 tag 4: " << Name(bouquet[size_t(i - 1)]) << '\n';
  for (int i = 1; i <= 6; ++i)
    out << "pile " << 20 + i << " at " << 243 * ((i - 1) % 3) + 5 << ','
        << 120 * ((i - 1) / 3) + 120 << " shift 0/11 empty 0 tag 4:" << beds[size_t(i - 1)] << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class FlowerGardenTest : public GameTest {
 protected:
  FlowerGardenTest() {
    host.DealGame(14, 1);
    host.Table.AutoPlay = 1;
    host.Board1->WarnEnabled = false;
  }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Flower(int i) { return host.Table.Tableau[i]; }
  TDeck* Bed(int i) { return host.Table.Reserve[i]; }
  void RunTimer(int ticks = 40) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(FlowerGardenDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(114));
  EXPECT_TRUE(HelpTopicHtml(114).contains("<h1>Flower Garden</h1>"));
}

TEST(FlowerGardenDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 808u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "14", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(FlowerGardenTest, BedsTakeOneRankLowerOfAnySuitAndAKingOnAnAce) {
  Arrange(host, {{Bed(1), "9C"},
                 {Bed(2), "8H"},
                 {Bed(3), "7S"},
                 {Bed(4), "AD"},
                 {Flower(1), "KC"},
                 {Flower(2), "8D"}});
  Move(Bed(2), Bed(1));  // 8H on 9C
  EXPECT_EQ(Names(Bed(1)), "9C 8H");
  Move(Flower(2), Bed(1));  // 8D on 8H: no
  EXPECT_EQ(Names(Bed(1)), "9C 8H");
  Click(Flower(2));
  Move(Bed(1), Bed(3));  // 8H on 7S: up, no
  EXPECT_EQ(Names(Bed(3)), "7S");
  Click(Bed(1));
  Move(Flower(1), Bed(4));  // ranks wrap
  EXPECT_EQ(Names(Bed(4)), "AD KC");
  EXPECT_EQ(Names(Flower(1)), "");
  // The bouquet takes nothing, not even where a card was.
  Move(Flower(2), Flower(1));
  EXPECT_EQ(Names(Flower(1)), "");
  Click(Flower(2));
  Move(Bed(3), Flower(2));
  EXPECT_EQ(Names(Flower(2)), "8D");
  Click(Bed(3));
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(messages.empty());
}

TEST_F(FlowerGardenTest, ARunStartsAtItsDeepestCardThatFitsHoweverLong) {
  Arrange(host, {{Bed(1), "2C 9H 8S 7D 6C 5H 4S"}, {Bed(2), "TD"}, {Bed(3), "6D"}, {Bed(4), "QC"}});
  Move(Bed(1), Bed(3));  // 5H 4S onto 6D
  EXPECT_EQ(Names(Bed(3)), "6D 5H 4S");
  EXPECT_EQ(Names(Bed(1)), "2C 9H 8S 7D 6C");
  Move(Bed(1), Bed(2));  // the other four onto TD, in one move
  EXPECT_EQ(Names(Bed(2)), "TD 9H 8S 7D 6C");
  EXPECT_EQ(Names(Bed(1)), "2C");
  EXPECT_EQ(host.Board1->History.size(), 2u);
  Move(Bed(2), Bed(4));  // no card of the run fits on QC
  EXPECT_EQ(Names(Bed(4)), "QC");
  EXPECT_EQ(Names(Bed(2)), "TD 9H 8S 7D 6C");
  Click(Bed(2));
  // A card that does not lie on a run moves alone.
  Move(Bed(1), Bed(3));
  EXPECT_EQ(Names(Bed(3)), "6D 5H 4S");
  Click(Bed(1));
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(FlowerGardenTest, EmptyBedQuestionEachWay) {
  const std::vector<std::pair<TDeck*, std::string>> aboveAnAce = {{Bed(1), "5C AH KS QD"},
                                                                  {Bed(2), "TD"}};
  Arrange(host, aboveAnAce);
  dialogAnswer = mrOk;  // "Move column": the run stops above the Ace
  Move(Bed(1), Bed(3));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Bed(3)), "KS QD");
  EXPECT_EQ(Names(Bed(1)), "5C AH");
  EXPECT_TRUE(host.Additional_timer.Enabled());

  Arrange(host, {{Bed(1), "KS QD JC"}, {Bed(2), "TD"}});
  Move(Bed(1), Bed(3));  // one run to the bottom: the whole bed
  EXPECT_EQ(Names(Bed(3)), "KS QD JC");
  EXPECT_EQ(Names(Bed(1)), "");

  Arrange(host, aboveAnAce);
  dialogAnswer = mrYes;  // "Move single card"
  Move(Bed(1), Bed(3));
  EXPECT_EQ(Names(Bed(3)), "QD");

  Arrange(host, aboveAnAce);
  dialogAnswer = mrCancel;
  host.Additional_timer.SetEnabled(false);
  Move(Bed(1), Bed(3));
  EXPECT_EQ(Names(Bed(3)), "");
  EXPECT_EQ(Names(Bed(1)), "5C AH KS QD");
  EXPECT_TRUE(host.Board1->History.empty());
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  EXPECT_TRUE(messages.empty());  // a cancelled move warns nobody

  // A bouquet card or a card on no run goes alone, without a question.
  const size_t asked = dialogs.size();
  Arrange(host, {{Bed(1), "5C 9H"}, {Flower(3), "4D"}});
  Move(Flower(3), Bed(2));
  Move(Bed(1), Bed(3));
  EXPECT_EQ(Names(Bed(2)), "4D");
  EXPECT_EQ(Names(Bed(3)), "9H");
  EXPECT_EQ(dialogs.size(), asked);
}

TEST_F(FlowerGardenTest, DoubleClickAndTimerPlayUp) {
  Arrange(host,
          {{F(1), "AD"}, {Flower(1), "AC"}, {Bed(1), "9S 2D"}, {Bed(2), "AH"}, {Flower(4), "2C"}});
  host.Additional_timer.SetEnabled(false);
  DoubleClick(Flower(1));  // an Ace never starts a foundation this way
  EXPECT_EQ(Names(Flower(1)), "AC");
  Click(Flower(1));
  DoubleClick(Bed(1));
  EXPECT_EQ(Names(F(1)), "AD 2D");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Additional_timer.Fire();  // one Ace from the bouquet, one from the beds
  EXPECT_EQ(Names(F(2)), "AC");
  EXPECT_EQ(Names(F(3)), "AH");
  RunTimer();
  EXPECT_EQ(Names(Flower(4)), "2C");  // AutoPlay Off
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(2)), "AC 2C");
  EXPECT_EQ(Names(Bed(1)), "9S");

  // Safe play: no Three while a foundation is empty.
  Arrange(host,
          {{F(1), "AD 2D"}, {F(2), "AC 2C"}, {F(3), "AH 2H"}, {Flower(1), "3D"}, {Bed(1), "3C"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(Flower(1)), "3D");
  EXPECT_EQ(Names(Bed(1)), "3C");
}

TEST_F(FlowerGardenTest, WinIsDetectedOnceWhenTheLastCardGoesUp) {
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS KS"},
                 {Flower(16), "KH"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  DoubleClick(Flower(16));
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
