// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver in the window: after each deal and each move (once the table
// has been still for a moment) a search runs on a worker thread over a copy
// of the position, and the status bar says "Winnable", "Not winnable" or
// "Can't tell"; a newer position cancels an older search. Game > Solve then
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
  // "Winnable", "Not winnable", "Can't tell", or empty.
  QString Text() const;

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
  std::vector<std::pair<std::shared_ptr<Job>, std::thread>> workers_;
  std::unique_ptr<SolveResult> result_;
  std::shared_ptr<Job> shown_;  // the search whose answer result_ holds
  bool playing_ = false;
  size_t step_ = 0;
  int waited_ = 0;
};
