// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/Modal.h"
#include "rules/GameRegistry.h"
#include "session/GameFlow.h"

// --- Shuffle generator --------------------------------------------------------

TEST(ShuffleGenerator, ReproducesTheKnownDraws) {
  ShuffleGenerator g;
  g.Seed(1);
  EXPECT_EQ(g.NextRandom(52), 2);
  EXPECT_EQ(g.NextRandom(51), 44);
  EXPECT_EQ(g.NextRandom(50), 11);
  g.Seed(2147483647u);
  EXPECT_EQ(g.NextRandom(104), 49);
  EXPECT_EQ(g.NextRandom(103), 73);
  EXPECT_EQ(g.NextRandom(102), 2);
}

TEST(ShuffleGenerator, ClockSeedIsMillisecondsOfTheDay) {
  uint32_t s = ShuffleGenerator::ClockSeed();
  EXPECT_LT(s, 86400000u);
}

TEST(RecentShuffles, NewestFirstNoDuplicatesAtMostTen) {
  RecentShuffles r;
  for (uint32_t n = 1; n <= 10; ++n)
    r.Add(n);
  EXPECT_EQ(r.Items().size(), 10);
  EXPECT_EQ(r.Items().front(), "10");
  r.Add(5);  // already listed: moves to the top
  EXPECT_EQ(r.Items().size(), 10);
  EXPECT_EQ(r.Items().front(), "5");
  EXPECT_EQ(r.Items().count("5"), 1);
  r.Add(11);  // an eleventh distinct number pushes the oldest out
  EXPECT_EQ(r.Items().size(), 10);
  EXPECT_FALSE(r.Items().contains("1"));
  EXPECT_EQ(r.Selected(), 0);
}

// --- Deal flow and accounting ---------------------------------------------------

namespace {

// A two-pile game used only here: every card on one pile, one foundation.
class TinyGame : public TGame {
 public:
  using TGame::TGame;
  void Deal() override {
    TDeck* pile = MakePile({.left = 10, .top = 10, .vShift = 20});
    TDeck* found = MakePile({.left = 200, .top = 10, .look = Look::Foundation});
    T.Tableau[1] = pile;
    T.Foundation[1] = found;
    TakePacks(T.Tableau[1], 1, true);
    T.Board1->SetScore(-52);
    // Shuffle in place so the order depends on the number.
    for (int i = 0; i < 52; ++i)
      pile->MoveCard(pile, T.NextRandom(52));
  }
};

// The stand-in takes the last catalogue index for the test's duration.
constexpr int kTinyIndex = 45;

class FlowTest : public ::testing::Test {
 protected:
  FlowTest() : flow(TinySettings(), MakePlayers(), dir.filePath("players.dat")) {}
  static AppSettings TinySettings() {
    AppSettings s;
    s.GameIndex = kTinyIndex;
    s.GameOptions[kTinyIndex].AutoPlay = 0;
    return s;
  }
  static PlayerList MakePlayers() {
    PlayerList p;
    p.Add("Ann");
    return p;
  }
  QString Deck() { return DumpTable(flow.Host(), flow.GameIndex(), flow.GameNumber()); }
  const TGameStats& Stats() { return flow.Players().Stats(0).Games[kTinyIndex]; }

  ScopedGameOverride tiny{kTinyIndex, [](TTable& t) { return std::make_unique<TinyGame>(t); }};
  QTemporaryDir dir;
  GameFlow flow;
};

}  // namespace

TEST_F(FlowTest, RestartReplaysTheSameDealAndCountsNothing) {
  flow.SelectShuffleOk(77);
  flow.Deal_MIClick();
  QString first = Deck();
  EXPECT_TRUE(flow.Dealt());
  EXPECT_EQ(flow.Caption(), QString("Doubt [#77]"));
  flow.Table().GameStarted = 1;
  flow.Replay1Click();
  EXPECT_EQ(Deck(), first);
  EXPECT_EQ(Stats().Lost, 0);
  flow.SelectShuffleOk(78);
  flow.Deal_MIClick();
  EXPECT_NE(Deck(), first);
}

TEST_F(FlowTest, NewGameAfterAMoveCountsOneLostGameWithItsScore) {
  flow.Deal_MIClick();
  flow.Deal_MIClick();  // no move made: nothing counted
  EXPECT_EQ(Stats().Lost, 0);
  flow.Table().GameStarted = 1;
  flow.Board1()->SetScore(-42);
  flow.Deal_MIClick();
  EXPECT_EQ(Stats().Lost, 1);
  EXPECT_EQ(Stats().TotalScore, -42);
  EXPECT_EQ(flow.Table().GameStarted, 0);
}

TEST_F(FlowTest, NewGameDoesNothingWhileBusy) {
  flow.SelectShuffleOk(5);
  flow.Deal_MIClick();
  QString before = Deck();
  flow.Board1()->Busy = true;
  flow.Deal_MIClick();
  flow.Board1()->Busy = false;
  EXPECT_EQ(Deck(), before);
}

TEST_F(FlowTest, WinCountsOnceAndAddsTheScoreOnlyWhenKept) {
  flow.Deal_MIClick();
  flow.Board1()->SetScore(-1000);
  flow.Table().GameStarted = 1;
  flow.GameWon();
  EXPECT_EQ(Stats().Won, 1);
  EXPECT_EQ(Stats().TotalScore, 0);
  EXPECT_EQ(flow.Table().GameStarted, 0);
  // The win display, answered No: an empty table, nothing more counted.
  ScopedModalResponder no([](const ModalRequest&) { return std::optional<int>(mrNo); });
  EXPECT_TRUE(flow.Host().Additional_timer.Fire());
  EXPECT_FALSE(flow.Host().Redeal_Timer.Enabled());
  EXPECT_EQ(flow.Board1()->Score(), -1000);
  flow.Deal_MIClick();
  EXPECT_EQ(Stats().Lost, 0);
  EXPECT_EQ(Stats().Won, 1);
}

TEST_F(FlowTest, WinDisplayYesDealsAgainAndThrowsCardsUntilNinety) {
  flow.Deal_MIClick();
  flow.GameWon();
  int thrownDuringDialog = 0;
  ScopedModalResponder yes([&](const ModalRequest& r) {
    EXPECT_EQ(r.kind, ModalRequest::Dialog);
    // While the dialog is up, the timer throws cards.
    for (int i = 0; i < 400 && flow.WinCardCount() < 89; ++i)
      flow.Host().Additional_timer.Fire();
    thrownDuringDialog = flow.WinCardCount();
    return std::optional<int>(mrYes);
  });
  flow.Host().Additional_timer.Fire();
  EXPECT_EQ(thrownDuringDialog, 89);
  EXPECT_EQ(flow.WinCardCount(), 89);  // kept across wins
  EXPECT_TRUE(flow.Host().Redeal_Timer.Enabled());
  EXPECT_TRUE(flow.Host().Redeal_Timer.Fire());
  EXPECT_TRUE(flow.Dealt());
}

TEST_F(FlowTest, UndoOptionsShapeTheMenuAndTheHistory) {
  flow.Deal_MIClick();
  TDeck* pile = flow.Table().Tableau[1];
  TDeck* found = flow.Table().Foundation[1];
  found->MoveCardTo(pile->TopCard);
  found->MoveCardTo(pile->TopCard);
  flow.Settings().UndoOption = 0;
  flow.GameClick();
  EXPECT_FALSE(flow.UndoEnabled());
  flow.Settings().UndoOption = 1;
  flow.GameClick();
  EXPECT_TRUE(flow.UndoEnabled());
  flow.NewUndo1Click();
  flow.GameClick();
  EXPECT_FALSE(flow.UndoEnabled());  // one step only
  EXPECT_TRUE(flow.RedoEnabled());
  EXPECT_EQ(found->CardsCount(), 1);
  flow.NewRedo1Click();
  EXPECT_EQ(found->CardsCount(), 2);
}

TEST_F(FlowTest, ExitCountsAnAbandonedGameAndWritesThePlayersFile) {
  flow.Deal_MIClick();
  flow.Table().GameStarted = 1;
  EXPECT_TRUE(flow.Close().Ok());
  EXPECT_EQ(Stats().Lost, 1);
  QFile f(dir.filePath("players.dat"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.size(), kPlayerStatsBytes);
}

TEST_F(FlowTest, ADealWithoutATimerLeavesNoStaleHandler) {
  flow.Host().DealGame(32, 1);  // FreeCell attaches its timer
  ASSERT_TRUE(bool(flow.Host().Additional_timer.OnTimer));
  flow.Host().DealGame(kTinyIndex, 1);  // the stand-in attaches none
  EXPECT_FALSE(bool(flow.Host().Additional_timer.OnTimer));
}

TEST_F(FlowTest, WinnableOnlyAsksForTheNumberOfFreshDealsOnlyAndMarksHowEachWasDealt) {
  std::vector<int> asked;
  std::optional<uint32_t> answer = 4242;
  flow.PickWinnable = [&](int game) {
    asked.push_back(game);
    return answer;
  };
  flow.Deal_MIClick();  // option off: an ordinary random deal
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(flow.HowDealt(), DealKind::Random);

  flow.Settings().WinnableOnly = true;
  flow.Deal_MIClick();
  EXPECT_EQ(asked, std::vector<int>{kTinyIndex});
  EXPECT_EQ(flow.GameNumber(), 4242u);
  EXPECT_EQ(flow.HowDealt(), DealKind::WinnableOnly);
  EXPECT_EQ(flow.Caption(), QString("Doubt [#4242, winnable]"));
  const QString dealt = Deck();
  flow.Replay1Click();  // the same deal, dealt the same way, not asked again
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(flow.HowDealt(), DealKind::WinnableOnly);
  EXPECT_EQ(Deck(), dealt);

  // A typed number is never filtered.
  flow.SelectShuffleOk(77);
  flow.Deal_MIClick();
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(flow.HowDealt(), DealKind::ChosenNumber);
  EXPECT_EQ(flow.Caption(), QString("Doubt [#77]"));

  // Giving up the wait leaves the game on the table, uncounted.
  flow.Table().GameStarted = 1;
  answer.reset();
  flow.Deal_MIClick();
  EXPECT_EQ(flow.GameNumber(), 77u);
  EXPECT_EQ(Stats().Lost, 0);
  EXPECT_EQ(flow.Table().GameStarted, 1);

  flow.DealNumber(99, DealKind::DealOfTheDay);
  EXPECT_EQ(flow.GameNumber(), 99u);
  EXPECT_EQ(flow.HowDealt(), DealKind::DealOfTheDay);
  EXPECT_EQ(flow.Caption(), QString("Doubt [#99, deal of the day]"));
}
