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
#include "solver/Solver.h"

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
  EXPECT_TRUE(window->Solver()->Text().startsWith("Winnable ("))
      << window->Solver()->Text().toStdString();
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
    ASSERT_TRUE(window->Solver()->Text().startsWith("Winnable")) << i;
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

TEST_F(SolverWindow, CantTellGoesOnThinkingInTheBackgroundUntilItKnows) {
  // A first search far too small to decide: the background search answers.
  SolveBudget tiny{50, 1.0};
  tiny.nativeNodes = 50;
  window->Solver()->SetBudgets(tiny, SolveBudget{});
  std::vector<QString> seen;
  QObject::connect(window->Solver(), &SolverControl::Changed,
                   [&] { seen.push_back(window->Solver()->Text()); });
  const std::optional<THintMove> move = window->Solver()->NextMove();
  ASSERT_TRUE(move);
  ClickPileAsPlayer(move->From, move->Double);
  if (move->To) ClickPileAsPlayer(move->To, false);
  RunFor(10000, [&] { return window->Solver()->Text() == QStringLiteral("Checking\u2026"); });
  RunFor(30000, [&] { return window->Solver()->Text().startsWith("Winnable"); });
  EXPECT_TRUE(window->Solver()->Text().startsWith("Winnable"))
      << window->Solver()->Text().toStdString();
  EXPECT_NE(std::find(seen.begin(), seen.end(), QStringLiteral("Checking\u2026")), seen.end());
  EXPECT_EQ(std::find(seen.begin(), seen.end(), QStringLiteral("Can't tell")), seen.end());
}

TEST_F(SolverWindow, AMoveThatLosesAWinnableDealIsNamed) {
  // A move from the deal's start after which the solver proves the deal
  // lost, found on a table of the solver's own.
  SolverTable table(10, 0);
  ASSERT_TRUE(table.Deal(1));
  const TablePosition start = table.Capture();
  std::optional<SolverMove> losing;
  for (const MoveOutcome& o : table.Moves(start)) {
    SolveRequest req;
    req.gameIndex = 10;
    req.number = 1;
    req.from = o.position;
    if (Solve(req).verdict == Verdict::NotWinnable) {
      losing = o.move;
      break;
    }
  }
  ASSERT_TRUE(losing) << "Bisley deal 1 has no move that loses it";
  for (const MoveStep& step : losing->steps)
    if (step.kind == MoveStep::Pile || step.kind == MoveStep::DblPile)
      ClickPileAsPlayer(FindPileByID(&window->Flow().Host().Form(), step.a),
                        step.kind == MoveStep::DblPile);
  RunFor(20000, [&] { return window->Solver()->Text().startsWith("Not winnable"); });
  const QString text = window->Solver()->Text();
  EXPECT_TRUE(text.startsWith("Not winnable since moving the ")) << text.toStdString();
  EXPECT_TRUE(text.endsWith(": Undo takes it back")) << text.toStdString();
}

TEST(SolverLostMove, TheFirstCardLaidAfterTheWinnablePositionIsNamed) {
  std::vector<THistoryEntry> h(5);
  h[0].Kind = kEntryMove;  // before the winnable position
  h[0].CardNo = 1;
  h[1].Kind = kEntryBegin;
  h[2].Kind = kEntryMove;  // the player's move: the 7 of hearts
  h[2].SourceID = 3;
  h[2].DestID = 9;
  h[2].CardNo = 2 * 13 + 7;
  h[3].Kind = kEntryMove;  // automatic play after it
  h[3].CardNo = 1;
  h[3].DestID = 1;
  h[4].Kind = kEntryEnd;
  EXPECT_EQ(SolverControl::LostByMoveText(h, 0, 4),
            QStringLiteral("Not winnable since moving the 7\u2665: Undo takes it back"));
  h[2].DestID = 3;        // a card turned where it lies
  h[2].CardNo = 52 + 13;  // the second pack's King of clubs
  EXPECT_EQ(SolverControl::LostByMoveText(h, 0, 4),
            QStringLiteral("Not winnable since turning the K\u2663: Undo takes it back"));
  EXPECT_EQ(SolverControl::LostByMoveText(h, 2, 4),
            QStringLiteral("Not winnable since moving the A\u2663: Undo takes it back"));
  EXPECT_EQ(SolverControl::LostByMoveText(h, 3, 4), QStringLiteral("Not winnable"));
  EXPECT_EQ(SolverControl::LostByMoveText({}, -1, 7), QStringLiteral("Not winnable"));
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
