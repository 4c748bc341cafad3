// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TMain_F: the main window. A thin owner and dispatcher: it owns the game
// flow (table, rules services, players, settings), shows the table in a
// SurfaceWidget, and turns menus, keys, the status bar and the caption into
// calls on GameFlow and back.

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <memory>

#include "art/Background.h"
#include "session/GameClock.h"
#include "session/GameFlow.h"
#include "session/Hint.h"
#include "session/KeyboardPlay.h"
#include "ui/HelpWindow.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SolverControl;
class TTableAccess;
class TGameToolbar;
class SurfaceWidget;
class TTray;
class TShuffle_Form;
class WinnableDeals;

struct MainOptions {
  QString DataDir;            // --data-dir
  bool ResumeAtStart = true;  // bring back the game kept at the last exit
  bool KeepAtExit = true;     // keep a started game at exit instead of counting it
  // Compose the table only for the window's first paint (a window that will
  // be shown; runs that read the table without showing it leave this off).
  bool ComposeAtFirstPaint = false;
  // Speak the player's language (the option, else the system's). Runs whose
  // output scripts read (--script, --dump) and the tests stay in English.
  bool Translate = false;
};

class TMain_F : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMain_F(const MainOptions& options, QWidget* parent = nullptr);
  ~TMain_F() override;

  GameFlow& Flow() { return *flow_; }
  SurfaceWidget* Surface() const { return surface_; }
  SolverControl* Solver() const { return solver_; }
  TGameToolbar* Toolbar() const { return toolbar_; }
  const TGameClock& Clock() const { return clock_; }
  // The exit sequence ran already (a script's quit): closing saves nothing.
  void MarkClosed() { closed_ = true; }
  // SIGTERM or SIGHUP: the Exit command's road, held up by nothing. Open
  // dialogs are dismissed and no new one waits for an answer; a move or
  // deal in flight finishes first, then the window closes and the program
  // quits. A failed save is told on standard error, not in a box.
  void ExitBySignal();
  // Whether the exit save could not write a file (the program's exit status
  // says so).
  bool SaveFailed() const { return saveFailed_; }

  // Menu commands, as the menus call them.
  void Deal_MIClick();
  void Replay1Click();
  void SelectShuffle1Click();
  void Game_MIClick();
  // Game > Deal of the Day: today's winnable number of the game.
  void DealOfTheDay1Click();
  void Statistics1Click();
  void NewUndo1Click();
  void NewRedo1Click();
  void Hint1Click();
  void GameClick();
  void Deck_MIClick();
  void Options1Click();
  void StatusBarMenuClick();
  void ToolbarMenuClick();
  void FullScreenMenuClick();
  void Solve1Click();
  void SolverMenuClick();
  // Works out the status bar's verdict at once (a screenshot has no time
  // to wait for the worker).
  void ShowSolverVerdictNow();
  void Contents_MIClick();
  void GameHelp1Click();
  void About1Click();
  // Exit (menu and tray): waits for no move; while one runs it is ignored.
  void Exit_MIClick();
  THelp& Help() { return help_; }
  // The tray icon and the shuffle dialog are made when first needed.
  TTray& Tray();
  TShuffle_Form& ShuffleForm();
  // The winnable-only option's look-ahead, made when first needed.
  WinnableDeals& Winnable();
  TKeyboardPlay& Keys() { return *keys_; }
  THintMark& HintMark() { return *marks_; }
  TTableAccess& Access() { return *access_; }

  void UpdateStatusBar();
  void UpdateCaption();
  // The keys that redo: Ctrl+R and the desktops' Ctrl+Shift+Z and Ctrl+Y.
  static QList<QKeySequence> RedoKeys();

  // The application's message filter: while a move, deal, undo or redo
  // runs, keys and shortcuts are dropped; the middle button undoes.
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate(const MainOptions& options);
  void CreateMenus();
  void CreateStatusBar();
  void CreateToolbar();
  // The toolbar's commands and figures as the table stands now.
  void RefreshToolbar();
  void SyncRedealButton();
  void ApplyBackground();
  void PrepareAfterFirstFrame();
  // The faces, mask and back at the view's card size, kept for the next start.
  void PrepareCardImages();
  // Puts the window at a stored placement; the default placement opens the
  // game at the size that shows its table at zoom 1.
  void ApplyPlacement(const QRect& r);
  // The empty table's hint: its lines now (none while piles lie on the
  // table), and a repaint where it appears, changes or goes.
  QStringList TableHint() const;
  void RefreshTableHint();
  // Runs a command only while no move, deal, undo or redo is running.
  void Guarded(void (TMain_F::*command)());
  // A menu item's shortcut: as if the Game menu were opened and the item
  // chosen, so the item runs only when the opened menu enables it.
  void GameMenuShortcut(QAction* item, void (TMain_F::*command)());
  // Undo or redo pressed while a card slid: runs once the move has ended.
  void FollowSlide(const QKeySequence& pressed);
  void RunFollowing();
  // The number New Game deals with the winnable-only option on.
  std::optional<uint32_t> PickWinnable(int game);
  // With the option on, the next deal of the game on the table is looked
  // for while the player plays.
  void LookAheadIfWanted();
  // One inversion of the win flash: the caption alternates.
  void FlashCaption();

  std::unique_ptr<GameFlow> flow_;
  BackgroundState bg_;
  THelp help_;
  TTray* tray_ = nullptr;
  std::unique_ptr<TShuffle_Form> shuffleForm_;
  std::unique_ptr<WinnableDeals> winnable_;
  SurfaceWidget* surface_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QLabel* panels_[4] = {};
  QPushButton* redealButton_ = nullptr;
  QAction* Deal_MI = nullptr;
  QAction* Replay1 = nullptr;
  QAction* NewUndo1 = nullptr;
  QAction* NewRedo1 = nullptr;
  QAction* Hint1 = nullptr;
  QAction* StatusBarMenu = nullptr;
  QAction* ToolbarMenu = nullptr;
  QAction* FullScreenMenu = nullptr;
  TGameToolbar* toolbar_ = nullptr;
  QAction* tbNew_ = nullptr;
  QAction* tbRestart_ = nullptr;
  QAction* tbUndo_ = nullptr;
  QAction* tbRedo_ = nullptr;
  QAction* tbHint_ = nullptr;
  QAction* tbSolve_ = nullptr;
  TGameClock clock_;
  QAction* GameHelp1 = nullptr;
  QAction* Solve1 = nullptr;
  QAction* SolverMenu = nullptr;
  SolverControl* solver_ = nullptr;
  bool closed_ = false;
  bool exitBySignal_ = false;
  bool saveFailed_ = false;
  bool flashed_ = false;  // the caption shows its flashed form
  struct Following {      // an undo or redo waiting for a slide to end
    QAction* item = nullptr;
    void (TMain_F::*command)() = nullptr;
    int tries = 0;
  } follow_;
  // The layout the view fits, and the game it was taken from.
  QRect layout_;
  int layoutGame_ = -1;
  QStringList hintLines_;  // the hint as last painted
  // After flow_: they draw on its form and go before it.
  std::unique_ptr<TKeyboardPlay> keys_;
  std::unique_ptr<THintMark> marks_;
  std::unique_ptr<TTableAccess> access_;  // the table for screen readers
};
