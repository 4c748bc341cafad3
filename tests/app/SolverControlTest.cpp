// SPDX-License-Identifier: GPL-3.0-or-later
// The solver in the window: the status bar's verdict, Game > Solve playing
// the line on the window's own table into its history, and a key that
// stops it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThread>

#include "app/MainForm.h"
#include "app/SolverControl.h"
#include "platform/Modal.h"
#include "solver/Moves.h"

namespace {

class SolverWindow : public ::testing::Test {
 protected:
  SolverWindow() {
    options.DataDir = dir.path();
    window = std::make_unique<TMain_F>(options);
    window->MarkClosed();
    window->Flow().SetAutoPlay(10, 0);
    window->Flow().DealGame(10, 1);
    Settle();
    window->ShowSolverVerdictNow();
    window->Solver()->SetPlayInterval(1);
  }
  // The game's timer as the window would run it, until it rests.
  void Settle() {
    for (int i = 0; i < 20; ++i)
      window->Flow().Host().Additional_timer.Fire();
  }
  // Lets Solve's own timer run while the game's timer ticks in between.
  void RunFor(int ms, const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !done()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      Settle();
      QThread::msleep(1);
    }
  }

  // The win display asks whether to play again: no.
  ScopedModalResponder answers{[](const ModalRequest&) -> std::optional<int> { return mrNo; }};
  QTemporaryDir dir;
  MainOptions options;
  std::unique_ptr<TMain_F> window;
};

}  // namespace

TEST_F(SolverWindow, SolvePlaysTheWinningLineIntoTheHistory) {
  EXPECT_EQ(window->Solver()->Text(), "Winnable");
  ASSERT_TRUE(window->Solver()->CanSolve());
  int wins = 0;
  window->Flow().OnWon = [&](int, uint32_t) { ++wins; };
  window->Solve1Click();
  EXPECT_TRUE(window->Solver()->Playing());
  // The moves go into the history as the player's own (the win clears it).
  int deepest = -1;
  RunFor(20000, [&] {
    deepest = std::max(deepest, window->Flow().Board1()->HistoryIndex);
    return wins > 0;
  });
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(window->Solver()->Playing());
  EXPECT_GT(deepest, 10);
}

TEST_F(SolverWindow, HintFollowsTheWinningLine) {
  // Five hints taken in turn: each is a real move (the table changes) and
  // the deal stays winnable after it.
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(window->Solver()->Text(), "Winnable") << i;
    const std::optional<THintMove> move = window->Solver()->NextMove();
    ASSERT_TRUE(move) << i;
    window->Hint1Click();
    EXPECT_TRUE(window->HintMark().Showing());
    const int before = window->Flow().Board1()->HistoryIndex;
    ClickPileAsPlayer(move->From, move->Double);
    if (move->To) ClickPileAsPlayer(move->To, false);
    Settle();
    EXPECT_NE(window->Flow().Board1()->HistoryIndex, before) << i;
    window->ShowSolverVerdictNow();
  }
}

TEST_F(SolverWindow, AKeyStopsSolveAndTheOptionTurnsTheVerdictOff) {
  window->Solve1Click();
  ASSERT_TRUE(window->Solver()->Playing());
  QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &key);
  EXPECT_FALSE(window->Solver()->Playing());
  window->Solver()->SetEnabled(false);
  EXPECT_EQ(window->Solver()->Text(), "");
  EXPECT_FALSE(window->Solver()->CanSolve());
}

TEST(SolverPlayPace, LongLinesPlayFasterButNotTooFast) {
  struct Row {
    size_t entries;
    int longest;
    int pause;
  };
  for (const Row& r : {Row{0, 250, 250}, Row{62, 250, 250}, Row{200, 250, 150}, Row{1011, 250, 40},
                       Row{100000, 250, 40}, Row{1011, 1, 1}})
    EXPECT_EQ(SolverControl::PlayInterval(r.entries, r.longest), r.pause)
        << r.entries << " entries, longest " << r.longest;
}
