// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Follows the deal on the table and writes its row to the history when it
// ends: who plays what, since when, the moves, undos and hints, whether
// Solve played a move, and how it ends. The game flow tells it what happens;
// it knows nothing of tables or windows.
//
// A row that cannot be written (a full disk, an unusable file) stays in
// memory and goes with the next one; what is still unwritten at exit is
// reported as a failed save is.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "history/HistoryDb.h"

class HistoryRecorder {
 public:
  explicit HistoryRecorder(QString dbPath);

  HistoryDb& Db() { return db_; }

  // A new deal on the table; an unfinished one before it leaves no row.
  void BeginDeal(const QString& player, int game, uint32_t number, DealKind kind);
  // Whether the deal being followed is this one (a restart goes on with it).
  bool InDeal(const QString& player, int game, uint32_t number) const;
  // How the deal on the table was dealt, when the one dealing knows better
  // than the game flow (a deal picked because it can be won, the deal of
  // the day).
  void SetDealKind(DealKind kind);
  std::optional<DealKind> CurrentDealKind() const;

  void NoteMove();
  void NoteUndo();
  void NoteHint();
  void NoteSolveMove();
  // Solve has played a move of the deal on the table.
  bool SolveUsed() const { return current_ && current_->Solved; }

  // Ends the deal with its row.
  void Finish(GameResult result, int score);
  // The game in progress is kept across an exit: its row so far waits in
  // the file for ResumeDeal at the next start.
  bool KeepInPlay(int score, QString* reason = nullptr);
  // The kept game of that player comes back (with its start, counters and
  // Solve's mark); without a kept row it is followed from now.
  void ResumeDeal(const QString& player, int game, uint32_t number);

  // Writes the rows still in memory; false (reason given) when some remain.
  bool Flush(QString* reason = nullptr);
  size_t Pending() const { return pending_.size(); }
  const QString& LastError() const { return lastError_; }

  // The time now in ms since the epoch; tests set their own clock.
  std::function<qint64()> Clock;

 private:
  qint64 Now() const;

  HistoryDb db_;
  std::optional<GameRecord> current_;
  qint64 firstMoveMs_ = -1;
  std::vector<GameRecord> pending_;
  QString lastError_;
};
