// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees and feels in the window: nothing left drawn behind,
// no game lost by accident, the toolbar's commands and figures, the clock,
// full screen and the speed of the slides.

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QThread>
#include <QToolBar>

#include "app/SolverControl.h"
#include "app/Toolbar.h"
#include "cardtable/SlidePace.h"
#include "session/GameClock.h"
#include "support/PlayWindow.h"
#include "ui/AbandonDlg.h"

namespace {

class PlayFeel : public PlayAids {
 protected:
  // The table as a fresh composition draws it.
  QImage Recomposed() {
    Host().Form().InvalidateAll();
    return Host().Form().Screen().copy();
  }
  // FreeCell 2's first hinted move, made by clicks: the game is started.
  void MakeAMove() {
    auto move = FindHint(Host());
    ASSERT_TRUE(move);
    harness::Move(move->From, move->To);
    ASSERT_EQ(Host().Table.GameStarted, 1);
  }
  int Lost(int game) {
    return Flow().Players().Stats(Flow().Players().ActivePlayer()).Games[size_t(game)].Lost;
  }
  QAction* ToolbarButton(const QString& text) {
    for (QAction* a : window->Toolbar()->actions())
      if (a->text() == text) return a;
    ADD_FAILURE() << "no toolbar button " << text.toStdString();
    return nullptr;
  }
};

// --- The abandon question ---------------------------------------------------------

TEST_F(PlayFeel, LeavingAStartedGameAsksFirst) {
  const QString question = "Abandon this game? It counts as lost.";
  struct Case {
    const char* what;
    std::function<void(GameFlow&)> leave;
    bool asks;  // only where the game would be counted lost
  };
  const Case cases[] = {
      {"New Game", [](GameFlow& f) { f.Deal_MIClick(); }, true},
      {"Select Solitaire",
       [](GameFlow& f) {
         if (f.SelectSolitaireOk(3)) f.Host().Redeal_Timer.Fire();
       },
       true},
      {"Restart", [](GameFlow& f) { f.Replay1Click(); }, false},
      {"Select Shuffle",
       [](GameFlow& f) {
         f.SelectShuffleOk(7);
         f.Host().Redeal_Timer.Fire();
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Flow().Settings().AskAbandon = true;
    Flow().DealGame(32, 2);
    const int lost = Lost(32);
    // Not started: nothing to ask.
    dialogs.clear();
    c.leave(Flow());
    EXPECT_TRUE(dialogs.empty());
    Flow().DealGame(32, 2);
    MakeAMove();
    if (!c.asks) {
      dialogs.clear();
      c.leave(Flow());
      EXPECT_TRUE(dialogs.empty());
      EXPECT_EQ(Lost(32), lost);
      continue;
    }
    // No: the game stays as it was.
    const Outcome playing = Now();
    dialogs.clear();
    queued.push_back(mrNo);
    c.leave(Flow());
    EXPECT_EQ(dialogs, std::vector<QString>{question});
    EXPECT_EQ(Now(), playing);
    EXPECT_EQ(Flow().GameIndex(), 32);
    EXPECT_EQ(Lost(32), lost);
    // Yes with "Don't ask again": left and counted, and never asked again.
    queued.push_back(mrYes | kDontAskAgain);
    c.leave(Flow());
    EXPECT_EQ(Lost(32), lost + 1);
    EXPECT_FALSE(Flow().Settings().AskAbandon);
    Flow().DealGame(32, 2);
    MakeAMove();
    dialogs.clear();
    c.leave(Flow());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(Lost(32), lost + 2);
  }
}

TEST_F(PlayFeel, AbandonDialogAnswersAsTheSeamExpects) {
  TAbandonDlg dialog(window.get());
  EXPECT_EQ(dialog.text(), "Abandon this game? It counts as lost.");
  EXPECT_EQ(dialog.defaultButton(), dialog.button(QMessageBox::No));  // Enter keeps the game
  EXPECT_FALSE(dialog.DontAsk()->isChecked());
  dialog.show();
  Shot("abandon-question", &dialog);
  struct Case {
    QMessageBox::StandardButton button;
    bool tick;
    int result;
  };
  for (Case c :
       {Case{QMessageBox::Yes, false, mrYes}, Case{QMessageBox::Yes, true, mrYes | kDontAskAgain},
        Case{QMessageBox::No, true, mrNo}, Case{QMessageBox::No, false, mrNo}}) {
    dialog.DontAsk()->setChecked(c.tick);
    dialog.button(c.button)->click();
    EXPECT_EQ(dialog.Result(), c.result);
  }
}

// --- The win clears what lay over the table ---------------------------------------------

TEST_F(PlayFeel, KeyboardFrameAndCaptionNumberGoWithTheWonDeal) {
  Flow().DealGame(32, 2);
  Key(Qt::Key_Right);
  ASSERT_TRUE(window->Keys().FrameShown());
  // The win display as the dialog shows it, and the table after "No".
  QImage during, fresh;
  bool frameDuring = true;
  ScopedModalResponder look([&](const ModalRequest&) -> std::optional<int> {
    frameDuring = window->Keys().FrameShown();
    during = Host().Form().Screen().copy();
    fresh = Recomposed();
    return mrNo;
  });
  Flow().GameWon();
  Host().Additional_timer.Fire();
  ASSERT_FALSE(during.isNull());
  EXPECT_FALSE(frameDuring) << "the frame drawn over the win picture";
  EXPECT_TRUE(during == fresh);
  EXPECT_FALSE(window->Keys().FrameShown());
  EXPECT_TRUE(Host().Form().Screen() == Recomposed());
  EXPECT_EQ(window->windowTitle(), "FreeCell");
  Flow().Deal_MIClick();
  EXPECT_TRUE(window->windowTitle().startsWith("FreeCell [#"));
}

// --- Toolbar ---------------------------------------------------------------------

TEST_F(PlayFeel, ToolbarRunsTheCommandsAndShowsTheFigures) {
  ASSERT_NE(window->Toolbar(), nullptr);
  EXPECT_TRUE(window->Toolbar()->isVisible());  // on by default
  // No game: nothing to undo, hint or time.
  EXPECT_FALSE(ToolbarButton("Hint")->isEnabled());
  EXPECT_EQ(window->Toolbar()->Moves(), "");
  EXPECT_EQ(window->Toolbar()->Time(), "");
  ToolbarButton("New")->trigger();
  ASSERT_TRUE(Flow().Dealt());
  EXPECT_EQ(window->Toolbar()->Moves(), "Moves: 0");
  EXPECT_EQ(window->Toolbar()->Time(), "Time: 0:00");
  EXPECT_EQ(window->Toolbar()->Score(), Flow().ScorePanel());
  EXPECT_FALSE(ToolbarButton("Undo")->isEnabled());
  Flow().DealGame(32, 2);
  MakeAMove();
  window->UpdateStatusBar();
  EXPECT_EQ(window->Toolbar()->Moves(), "Moves: 1");
  ASSERT_TRUE(ToolbarButton("Undo")->isEnabled());
  ToolbarButton("Undo")->trigger();
  window->UpdateStatusBar();
  EXPECT_EQ(window->Toolbar()->Moves(), "Moves: 0");
  ASSERT_TRUE(ToolbarButton("Redo")->isEnabled());
  ToolbarButton("Redo")->trigger();
  window->UpdateStatusBar();
  EXPECT_EQ(window->Toolbar()->Moves(), "Moves: 1");
  ToolbarButton("Hint")->trigger();
  EXPECT_TRUE(window->HintMark().Showing());
  // The verdict is the status bar's, whatever it says.
  window->ShowSolverVerdictNow();
  EXPECT_FALSE(window->Solver()->Text().isEmpty());
  EXPECT_EQ(window->Toolbar()->Verdict(), window->Solver()->Text());
  // Solve follows the verdict at once, as the Game menu does.
  EXPECT_TRUE(window->Solver()->CanSolve());
  EXPECT_TRUE(ToolbarButton("Solve")->isEnabled());
  Shot("toolbar");
  // Switched off in the Options menu, and kept so.
  for (QAction* a : window->findChildren<QAction*>())
    if (a->text() == "&Toolbar") a->trigger();
  EXPECT_FALSE(window->Toolbar()->isVisible());
  EXPECT_FALSE(Flow().Settings().Toolbar);
}

TEST(GameClock, CountsPlayedTimeOnly) {
  int64_t now = 0;
  TGameClock clock([&] { return now; });
  EXPECT_EQ(clock.ElapsedMs(), 0);
  clock.Restart();
  now = 5000;
  EXPECT_EQ(clock.ElapsedMs(), 5000);
  clock.SetPaused(true);  // minimised for a minute
  now = 65000;
  EXPECT_EQ(clock.ElapsedMs(), 5000);
  clock.SetPaused(false);
  now = 67000;
  EXPECT_EQ(clock.ElapsedMs(), 7000);
  clock.Stop();  // won
  now = 99000;
  EXPECT_EQ(clock.ElapsedMs(), 7000);
  clock.Restart();
  EXPECT_EQ(clock.ElapsedMs(), 0);
  const std::pair<int64_t, const char*> texts[] = {
      {0, "0:00"}, {7999, "0:07"}, {754000, "12:34"}, {3723000, "1:02:03"}, {-5, "0:00"}};
  for (auto [ms, text] : texts)
    EXPECT_EQ(TGameClock::Text(ms), text);
}

TEST_F(PlayFeel, ClockWaitsWhileTheWindowIsMinimised) {
  Flow().DealGame(32, 2);
  window->showMinimized();
  QApplication::processEvents();
  if (!window->isMinimized()) GTEST_SKIP() << "the platform does not minimise";
  const int64_t at = window->Clock().ElapsedMs();
  QThread::msleep(1100);
  EXPECT_EQ(window->Clock().ElapsedMs(), at);
}

TEST_F(PlayFeel, FullScreenIsSwitchedByTheMenuAndItsKey) {
  QAction* item = nullptr;
  for (QAction* a : window->findChildren<QAction*>())
    if (a->text() == "&Full Screen") item = a;
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->shortcuts().contains(QKeySequence(Qt::Key_F11)));
  item->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(window->isFullScreen());
  EXPECT_TRUE(item->isChecked());
  item->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(window->isFullScreen());
  EXPECT_FALSE(item->isChecked());
}

// --- Animation ------------------------------------------------------------------

TEST_F(PlayFeel, SlidesFollowTheSpeedAndEndAtOnceWhenHurried) {
  // The frames a move shows, counted at the view.
  int flushes = 0;
  auto view = Host().Form().OnFlush;
  Host().Form().OnFlush = [&](const QRect& r) {
    ++flushes;
    view(r);
  };
  auto framesOfAMove = [&](int speed, bool hurry) {
    Flow().DealGame(32, 2);
    SlidePace().SetSpeed(speed);
    SlidePace().Hurry = hurry;
    flushes = 0;
    MakeAMove();
    EXPECT_FALSE(SlidePace().Hurry);  // a hurry ends with its slide
    return flushes;
  };
  const int off = framesOfAMove(0, false), fast = framesOfAMove(1, false),
            normal = framesOfAMove(2, false), slow = framesOfAMove(3, false),
            hurried = framesOfAMove(3, true);
  EXPECT_LT(off, fast);
  EXPECT_LT(fast, normal);
  EXPECT_LT(normal, slow);
  EXPECT_LE(hurried, off + 1);
  Host().Form().OnFlush = view;
}

TEST_F(PlayFeel, UndoPressedDuringASlideFollowsIt) {
  Flow().DealGame(32, 2);
  MakeAMove();
  const int moved = Host().Board1->HistoryIndex;
  Host().Board1->Busy = true;  // a slide under way
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(SlidePace().Hurry);
  EXPECT_EQ(Host().Board1->HistoryIndex, moved);
  SlidePace().Hurry = false;
  Host().Board1->Busy = false;  // the slide has ended
  for (int i = 0; i < 5; ++i)
    QApplication::processEvents();
  EXPECT_LT(Host().Board1->HistoryIndex, moved);
}

}  // namespace
