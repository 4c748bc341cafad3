// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The life of the program's deals, without any window: New Game, Restart,
// Select Shuffle and Select Solitaire with their accounting, Undo and Redo
// with the undo options, the win and its display, start-up state and the
// exit sequence. TMain_F owns one and turns menus, caption and status bar
// into calls and hooks; tests and the scripted driver use it directly.

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "history/Recorder.h"
#include "records/Players.h"
#include "records/SaveReport.h"
#include "records/Settings.h"
#include "session/GameResume.h"
#include "session/Shuffle.h"
#include "session/TableHost.h"

// How the deal on the table was dealt (`DealKind`, history/GameRecord.h): a
// number the player chose (Select Shuffle, the command line, a restart of
// such a deal), a random one, a random one the solver proved winnable, or the
// deal of the day. The history tells them apart by it.

class GameFlow {
 public:
  // A flow over settings and players already read (tests inject their own).
  GameFlow(AppSettings settings, PlayerList players, QString playersFile);
  // Reads the settings and the players file (in dataDir, or the default
  // place when it is empty) and builds the flow over them. Close() writes
  // them back.
  static std::unique_ptr<GameFlow> Load(const QString& dataDir);
  ~GameFlow();
  GameFlow(const GameFlow&) = delete;
  GameFlow& operator=(const GameFlow&) = delete;

  TableHost& Host() { return host_; }
  AppSettings& Settings() { return settings_; }
  PlayerList& Players() { return players_; }
  const QString& PlayersFile() const { return playersFile_; }
  // The files Load found but could not read, and what was done about them.
  const LoadReport& LoadProblems() const { return loadProblems_; }
  RecentShuffles& Recent() { return recent_; }
  // The game history: the deal on the table is followed and written when
  // it ends.
  HistoryRecorder& History() { return history_; }

  // Current game and deal.
  int GameIndex() const { return gameIndex_; }
  uint32_t GameNumber() const { return gameNumber_; }
  bool Dealt() const { return dealt_; }
  DealKind HowDealt() const { return dealKind_; }
  int WinCardCount() const { return winCardCount_; }

  TBoard* Board1() const { return host_.Board1; }
  TTable& Table() { return host_.Table; }
  // A move, deal, undo or redo runs, or a won deal waits for its win
  // display: commands that change the table or the statistics wait.
  bool Busy() const { return host_.Board1->Busy || winPending_; }

  // --- Commands -------------------------------------------------------------
  // Deals a game straight away, as Select Solitaire (when a game is given)
  // followed by Select Shuffle (when a number is given) would, with their
  // accounting; without a number the shuffle is new. The command line and
  // the scripted driver deal through here.
  void DealGame(std::optional<int> index, std::optional<uint32_t> number);
  void Deal_MIClick();
  void Replay1Click();
  // Select Shuffle answered OK with this number: the deal follows through
  // Redeal_Timer.
  void SelectShuffleOk(uint32_t number);
  // Deals this number at once, as Select Shuffle would, marked as `kind`
  // (Game > Deal of the Day).
  void DealNumber(uint32_t number, DealKind kind);
  // Before the selection dialog: the current placement and AutoPlay go to
  // the game's options.
  void RememberGameOptions();
  // Select Solitaire answered OK with this game: the deal follows through
  // Redeal_Timer. False when the player chose to go on with the started
  // game instead (nothing changed).
  bool SelectSolitaireOk(int index);
  // Whether the game on the table may be left for another deal: asks the
  // player when that would count a started game as lost.
  bool MayLeaveGame();
  void GameClick();  // the Game menu opens: Undo and Redo follow the history
  bool UndoEnabled() const { return undoEnabled_; }
  bool RedoEnabled() const { return redoEnabled_; }
  void NewUndo1Click();
  void NewRedo1Click();
  // The AutoPlay choice of a game, stored at once.
  void SetAutoPlay(int index, int autoPlay);
  // The exit sequence: keep or count an abandoned game, store the
  // settings, rewrite the players file. Reports each file that could not be
  // written (the kept game's too).
  SaveReport Close();

  // --- The game in progress across a restart (with the "Resume" option) -------
  // Whether Close keeps a started game for the next start instead of
  // counting it lost. Off until turned on: the main window turns it on for
  // a player at the screen, not for runs that play by themselves.
  void SetKeepGameInProgress(bool on) { keepInProgress_ = on; }
  // Brings back the game kept at the last exit; false (table empty, reason
  // in ResumeError) when there is none or it cannot be used.
  bool ResumeSavedGame();
  const QString& ResumeError() const { return resumeError_; }
  const GameResume& Resume() const { return resume_; }

  // --- Game over --------------------------------------------------------------
  // A started deal is left. Once Solve has played a move in it, it is
  // neither counted lost nor won: the history keeps it as abandoned.
  void RecordLost();
  void GameWon();
  void Game_over_Pre_Timer();
  void Game_over_Timer();

  // --- Presentation -------------------------------------------------------------
  QString Caption() const;
  // Panel texts; an empty text means the panel is hidden (width 0).
  QString PlayerPanel() const;
  QString RedealPanel() const;
  QString ScorePanel() const;
  void ApplyGameSettings(int index);
  // The normal table painter (plain colour or picture), installed whenever
  // the win display is not showing.
  void SetTablePainter(std::function<void(QImage&, const QRect&)> painter);
  void InstallTablePainter();

  // Hooks to the window (all optional).
  std::function<void()> OnCaptionChanged;
  std::function<void()> OnStatusChanged;
  std::function<void(bool)> OnDealMenuEnabled;  // Deal_MI and Replay1
  std::function<void(bool)> OnUndoMenuEnabled;  // NewUndo1 after a deal
  std::function<QRect()> WindowRect;
  std::function<void(const QRect&)> ApplyWindowRect;
  std::function<void()> OnFlash;  // one inversion of the caption's flash state
  std::function<void(int, uint32_t)> OnWon;
  std::function<void()> OnDealt;  // a deal (or a game brought back) lies on the table
  // With the winnable-only option on, a fresh deal of the game asks here
  // for its number; nothing (the player gave up waiting) deals nothing.
  std::function<std::optional<uint32_t>(int game)> PickWinnable;

 private:
  void ChooseShuffle(bool same, std::optional<uint32_t> picked);
  void ClearTable() { host_.ClearTable(); }
  void ApplyUndoOptionAfterUndo();
  // Ends the history's row of the deal and tells the player when its file
  // had to be started afresh.
  void FinishHistory(GameResult result);
  void TellHistoryNotice();

  TableHost host_;
  AppSettings settings_;
  PlayerList players_;
  QString playersFile_;
  LoadReport loadProblems_;
  RecentShuffles recent_;
  HistoryRecorder history_;
  int gameIndex_ = 0;
  uint32_t gameNumber_ = 0;
  bool sameShuffle_ = false;
  DealKind dealKind_ = DealKind::ChosenNumber;
  DealKind chosenKind_ = DealKind::ChosenNumber;  // of the number SelectShuffleOk keeps
  bool dealt_ = false;
  bool tableEmpty_ = false;  // a won deal's table was cleared and nothing dealt since
  int winCardCount_ = 0;
  // From GameWon until the win display starts: the deal is counted as won
  // but its table still stands, so nothing may deal, undo or count again.
  bool winPending_ = false;

  std::function<void(QImage&, const QRect&)> tablePainter_;
  QImage winBitmap_;
  bool undoEnabled_ = false;
  bool redoEnabled_ = false;
  GameResume resume_;
  bool keepInProgress_ = false;  // the window turns it on
  // The kept file holds the game on the table (brought back at this start):
  // it stays on disk until that game ends, so a crash or a kill does not
  // lose it, and is removed then.
  bool keptIsCurrent_ = false;
  void ForgetKeptGame();
  QString resumeError_;
};
