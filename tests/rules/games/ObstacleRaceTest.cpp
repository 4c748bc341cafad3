// SPDX-License-Identifier: GPL-3.0-or-later
// Obstacle-race (game 5): the deal through the real program against an
// independent expectation, runs that stop at face-down cards, the
// empty-column question, the reserve block, automatic play and the win.

#include "support/GameHarness.h"
#include "support/IndependentDeal.h"
#include "support/RunProgram.h"
#include "ui/HelpWindow.h"

using namespace harness;

namespace {

std::string Name(int n, bool faceUp) {  // pool number 1..52 -> "QH" or "qh"
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  std::string s{kRanks[(n - 1) % 13], kSuits[(n - 1) / 13]};
  if (!faceUp)
    for (char& c : s)
      c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The pack lies face down on the first foundation, card 52 on top; six
// cards to each column in turn (down, up, down, up, down, up), then one to
// each of the sixteen reserve piles, face up.
std::string ExpectedDump(uint32_t number) {
  independent::DealPile deal{number, 52};
  auto draw = [&] { return deal.Draw(); };
  std::ostringstream out;
  out << "game 5 \"Obstacle-race\" number " << number << " score -52 rotation -1 started 0\n";
  for (int i = 1; i <= 4; ++i)
    out << "pile " << i << " at " << 78 * i - 73 << ",5 shift 0/0 empty 1 tag 1:\n";
  for (int i = 1; i <= 6; ++i) {
    out << "pile " << 4 + i << " at " << 78 * i - 73 << ",120 shift 18/0 empty 0 tag 4:";
    for (int j = 1; j <= 6; ++j)
      out << ' ' << Name(draw(), j % 2 == 0);
    out << '\n';
  }
  const int lefts[] = {480, 553, 626, 699};
  const int tops[] = {5, 103, 201, 299};
  for (int i = 1; i <= 16; ++i)
    out << "pile " << 10 + i << " at " << lefts[(i - 1) % 4] << ',' << tops[(i - 1) / 4]
        << " shift 0/0 empty 0 tag 1: " << Name(draw(), true) << '\n';
  out << "selected none\nhistory -1 0\n\n";
  return out.str();
}

class ObstacleRaceTest : public GameTest {
 protected:
  ObstacleRaceTest() { host.DealGame(5, 1); }

  TDeck* F(int i) { return host.Table.Foundation[i]; }
  TDeck* Col(int i) { return host.Table.Tableau[i]; }
  TDeck* Res(int i) { return host.Table.Reserve[i]; }
  void RunTimer(int ticks = 60) {
    for (int i = 0; i < ticks; ++i)
      host.Additional_timer.Fire();
  }
};

}  // namespace

TEST(ObstacleRaceDeal, HelpTopicIsCarried) {
  EXPECT_TRUE(HelpTopicExists(105));
  EXPECT_TRUE(HelpTopicHtml(105).contains("<h1>Obstacle-race</h1>"));
}

TEST(ObstacleRaceDeal, RealProgramDumpsTheExpectedTable) {
  ProgramSandbox box;
  for (uint32_t number : {1u, 4242u, 2147483647u}) {
    ProgramRun r = box.Run({"--game", "5", "--number", QString::number(number), "--dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ExpectedDump(number)) << "number " << number;
  }
}

TEST_F(ObstacleRaceTest, DealAlternatesTheColumnsAndStartsTheTimer) {
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(host.Table.Stock(), nullptr);
  EXPECT_EQ(host.Board1->Score(), -52);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  for (int i = 1; i <= 6; ++i) {
    std::vector<TCard*> cards = Cards(Col(i));
    ASSERT_EQ(cards.size(), 6u);
    for (size_t j = 0; j < 6; ++j)
      EXPECT_EQ(cards[j]->Face(), j % 2 == 1) << "column " << i << " card " << j + 1;
  }
  for (int i = 1; i <= 16; ++i) {
    ASSERT_EQ(Res(i)->CardsCount(), 1);
    EXPECT_TRUE(Res(i)->TopCard->Face());
  }
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(F(i)->CardsCount(), 0);
}

TEST_F(ObstacleRaceTest, RunsStopAtFaceDownCardsAndTheNewTopTurnsUp) {
  host.Table.AutoPlay = 1;
  // 8H lies on a face-down 9C that would continue the run.
  Arrange(host, {{Col(1), "5d 9c 8H 7C 6D"}, {Col(2), "TD"}, {Col(3), "9S"}, {Col(4), "KS"}});
  host.Board1->WarnEnabled = true;
  Move(Col(1), Col(2));  // 9C is face down: the run is 8H 7C 6D only
  EXPECT_EQ(Names(Col(2)), "TD");
  EXPECT_EQ(messages.size(), 1u);
  Move(Col(1), Col(3));  // 8H 7C 6D onto 9S
  EXPECT_EQ(Names(Col(3)), "9S 8H 7C 6D");
  EXPECT_EQ(Names(Col(1)), "5d 9C");  // the covered card turned up
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // The run moved as one step and comes back as one.
  host.Board1->UndoStep();
  EXPECT_EQ(Col(1)->CardsCount(), 5);
  EXPECT_EQ(Names(Col(3)), "9S");
}

TEST_F(ObstacleRaceTest, EmptyColumnQuestionNeverReachesACoveredCard) {
  auto table = [&] { Arrange(host, {{Col(1), "kd 8S 7H 6C"}, {Col(2), "QD"}}); };
  table();
  dialogAnswer = mrOk;  // "Move column"
  Move(Col(1), Col(3));
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], "Move to empty column...");
  EXPECT_EQ(Names(Col(3)), "8S 7H 6C");
  EXPECT_EQ(Names(Col(1)), "KD");

  table();
  dialogAnswer = mrYes;  // "Move single card"
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "6C");
  EXPECT_EQ(Names(Col(1)), "kd 8S 7H");

  table();
  dialogAnswer = mrCancel;
  host.Board1->WarnEnabled = true;
  const size_t warned = messages.size();
  Move(Col(1), Col(3));
  EXPECT_EQ(Names(Col(3)), "");
  EXPECT_EQ(Names(Col(1)), "kd 8S 7H 6C");
  EXPECT_TRUE(host.Board1->History.empty());
  EXPECT_EQ(messages.size(), warned);  // a cancelled move warns nobody
}

TEST_F(ObstacleRaceTest, ReserveGivesButNeverTakes) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "8S"},
                 {Col(2), "AD"},
                 {Res(1), "7H"},
                 {Res(2), "KS"},
                 {Res(3), "6S"},
                 {Res(16), "QH"},
                 {F(1), "AS 2S 3S 4S 5S"}});
  host.Board1->WarnEnabled = false;
  Move(Res(1), Col(1));
  EXPECT_EQ(Names(Col(1)), "8S 7H");
  Move(Col(1), Res(1));  // not even onto an empty reserve pile
  EXPECT_EQ(Names(Res(1)), "");
  Click(Col(1));
  Move(Res(2), Col(2));  // a King onto an Ace of the other colour
  EXPECT_EQ(Names(Col(2)), "AD KS");
  Move(Res(16), Col(2));
  EXPECT_EQ(Names(Col(2)), "AD KS QH");
  Move(Res(16), Col(4));
  EXPECT_EQ(Names(Col(4)), "");  // the emptied reserve pile has nothing to give
  Move(Col(2), Res(16));
  EXPECT_EQ(Names(Res(16)), "");
  Click(Col(2));
  DoubleClick(Res(3));  // a reserve card to its foundation
  EXPECT_EQ(Names(F(1)), "AS 2S 3S 4S 5S 6S");
  Click(F(1));  // foundation cards stay
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 6);
}

TEST_F(ObstacleRaceTest, TimerPlaysAcesAndSafeCardsFromColumnsAndReserve) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{Col(1), "KC AH"}, {Col(2), "QC 2H"}, {Res(5), "AS"}, {Res(9), "2S"}});
  host.Additional_timer.SetEnabled(true);
  host.Additional_timer.Fire();  // one Ace from the columns, one from the reserve
  EXPECT_EQ(Names(F(1)), "AH");
  EXPECT_EQ(Names(F(2)), "AS");
  RunTimer();
  EXPECT_EQ(Names(Col(2)), "QC 2H");  // AutoPlay Off: Aces only
  host.Table.AutoPlay = 0;
  RunTimer();
  EXPECT_EQ(Names(F(1)), "AH 2H");
  EXPECT_EQ(Names(F(2)), "AS 2S");
  // Safe play: no Three while a foundation is empty.
  Arrange(host, {{F(1), "AH 2H"}, {F(2), "AS 2S"}, {Col(1), "3H"}, {Res(1), "3S"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer();
  EXPECT_EQ(Names(Col(1)), "3H");
  EXPECT_EQ(Names(Res(1)), "3S");
}

TEST_F(ObstacleRaceTest, WinIsDetectedOnceWhenTheLastCardGoesUp) {
  host.Table.AutoPlay = 1;
  Arrange(host, {{F(1), "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F(2), "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F(3), "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F(4), "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS"},
                 {Col(6), "ks"},
                 {Res(16), "QS"}});
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  DoubleClick(Res(16));
  EXPECT_EQ(Names(Col(6)), "ks");
  RunTimer(5);
  EXPECT_EQ(wins, 0);
  Col(6)->TopCard->SetFace(true);
  DoubleClick(Col(6));
  EXPECT_EQ(F(4)->CardsCount(), 13);
  EXPECT_EQ(wins, 0);  // the timer decides
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  // Taking the last card back and playing it again does not win twice.
  host.Board1->UndoStep();
  EXPECT_EQ(F(4)->CardsCount(), 12);
  host.Board1->RedoStep();
  EXPECT_EQ(F(4)->CardsCount(), 13);
  host.Additional_timer.SetEnabled(true);
  RunTimer(5);
  EXPECT_EQ(wins, 1);
  EXPECT_EQ(host.Board1->Score(), -52 + 5 * 52);
}
