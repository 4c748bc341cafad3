// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver in the window: after each deal and each move (once the table
// has been still for a moment) a search runs on a worker thread over a copy
// of the position, and the status bar says "Checking…" and then "Winnable"
// (with the deal's grade), "Not winnable" or "Can't tell"; a newer position
// cancels an older search. A search that cannot tell within its first
// second goes on at low priority, within a bound of positions and memory,
// while the player thinks. A move that turns a winnable position into a
// lost one is named, so the player knows what Undo takes back. Game > Solve
// plays the winning line with the ordinary clicks, so each move animates
// and goes into the history; any click or key stops it.

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "cardtable/Board.h"
#include "session/Hint.h"
#include "solver/Solver.h"

class GameFlow;
class QEvent;
class QLabel;
class QTimer;

class SolverControl : public QObject {
  Q_OBJECT
 public:
  SolverControl(GameFlow& flow, QLabel* panel, QObject* parent = nullptr);
  ~SolverControl() override;

  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }
  // Whether Game > Solve has a line for the table as it stands.
  bool CanSolve() const;
  // The first move of the known winning line from the table as it stands:
  // the piles its clicks name, in order (To empty for a one-pile move).
  std::optional<THintMove> NextMove() const;
  // Plays the known line from the current position.
  void StartPlaying();
  bool Playing() const { return playing_; }
  // The longest pause between the steps of Solve (tests make it short); a
  // long line is played with shorter pauses (see PlayInterval).
  void SetPlayInterval(int ms);
  // The pause between steps for a line of that many entries: the longest
  // pause, shortened so the steps take about half a minute in all, but never
  // below a pace the eye can follow.
  static int PlayInterval(size_t entries, int longest);
  // A click or key from the player stops the playing (and wakes the quick
  // polls of a table at rest); returns whether the playing was stopped.
  bool StopOnInput(const QEvent* event);
  // Searches the current position on this thread and shows the verdict
  // (for a screenshot, where no worker's answer could arrive in time).
  void SolveNow(double seconds);
  // The verdict as the status bar shows it: "Checking…", "Winnable" (with
  // the grade, "Winnable (Easy)"), "Not winnable", the move that lost a
  // winnable game, "Can't tell", or empty. Every view of the verdict shows
  // this text and follows Changed.
  QString Text() const { return text_; }
  // Whether Text() is "Checking…": a search runs and no verdict is shown.
  bool Checking() const { return checking_; }
  // How long the first search may take before it goes on in the
  // background (tests shorten it), and that search's budget.
  void SetBudgets(const SolveBudget& first, const SolveBudget& background);
  // The text for a lost position reached from a winnable one by the moves
  // of the history after entry `from` up to entry `to`: names the player's
  // move when there is one.
  static QString LostByMoveText(const std::vector<THistoryEntry>& history, int from, int to);

 signals:
  void Changed();

 private:
  struct Job;
  void Poll();
  void Wake();
  void Start(const std::string& key);
  void Finish(const std::shared_ptr<Job>& job);
  void Shortened(const std::shared_ptr<Job>& job);
  void CancelAll();
  void PlayStep();
  std::string CurrentKey(TablePosition* out = nullptr) const;
  void Show(const SolveResult* result);
  void ShowText(const QString& text);
  void StartGrade();
  QString WithGrade(const QString& text) const;

  GameFlow& flow_;
  QLabel* panel_;
  QTimer* poll_;
  QTimer* player_;
  int playMs_;
  bool enabled_ = true;
  std::string lastKey_;
  int stillPolls_ = 0;
  std::array<qint64, 6> lastMark_{};  // what the last poll saw (see Poll)
  std::string solvedKey_;             // the position the shown verdict is about
  std::shared_ptr<Job> current_;
  bool checking_ = false;
  std::vector<std::pair<std::shared_ptr<Job>, std::thread>> workers_;
  std::unique_ptr<SolveResult> result_;
  std::shared_ptr<Job> shown_;  // the search whose answer result_ holds
  bool playing_ = false;
  size_t step_ = 0;
  int waited_ = 0;
  QString text_;
  SolveBudget firstBudget_;
  SolveBudget backgroundBudget_;
  // The history index of the last position found winnable, while every
  // position the player stopped at since got its verdict.
  std::optional<int> winnableAt_;
  QString lostText_;  // the named move, for the position in solvedKey_
  // The grade of the deal on the table, judged on a thread of its own.
  struct GradeJob;
  std::shared_ptr<GradeJob> grade_;
  std::vector<std::pair<std::shared_ptr<GradeJob>, std::thread>> gradeWorkers_;
};
