// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game history: one SQLite file (history.db beside players.dat) with a
// row per finished or abandoned game. Written in WAL mode, one transaction
// per game, so a process killed at any moment leaves every committed game
// and a file that opens; other processes writing the same file wait for
// each other (busy timeout) rather than fail.
//
// The schema's version is the file's user_version and the application id
// marks the file as ours; migrations bring an older file up in code. A file
// that is damaged, not a database, or another program's is moved aside
// under a new name and a fresh history begins; Notice() tells the player
// once. A file of a newer version is left alone and the history is not
// used in that run.

#include <QString>
#include <optional>
#include <vector>

#include "history/GameRecord.h"

// The history's file beside the players file.
QString HistoryFilePath(const QString& playersFile);

class HistoryDb {
 public:
  static constexpr int kSchemaVersion = 1;
  static constexpr const char* kFileName = "history.db";
  // The file's application id ("WSHi"): tells ours from another program's.
  static constexpr int kApplicationId = 0x57534869;

  explicit HistoryDb(QString path);
  ~HistoryDb();
  HistoryDb(const HistoryDb&) = delete;
  HistoryDb& operator=(const HistoryDb&) = delete;

  // Opens the file, making it when missing (again after Close). False when
  // the history cannot be used (Error() says why).
  bool Open();
  void Close();
  bool IsOpen() const { return open_; }
  const QString& Path() const { return path_; }
  const QString& Error() const { return error_; }
  // What was done about a damaged or foreign file since the last call, for
  // the player after the file's name; empty when nothing happened.
  QString TakeNotice();

  // Appends the games in one transaction: all of them or none.
  bool Append(const std::vector<GameRecord>& rows, QString* reason = nullptr);
  // Every game of the player (of everyone when player is empty), newest
  // first (by end, then by the order they were written).
  std::optional<std::vector<GameRecord>> Rows(const QString& player = QString(),
                                              QString* reason = nullptr);
  qint64 Count();

  // The player's game in progress kept across an exit (its start, counters,
  // whether Solve helped), replaced by a newer one; Take reads and removes it.
  bool KeepInPlay(const GameRecord& r, QString* reason = nullptr);
  std::optional<GameRecord> TakeInPlay(const QString& player);

 private:
  enum class Opened { Ours, Damaged, Unusable };
  Opened Connect();
  bool Migrate();
  // Moves the file (and its journal) aside and begins a fresh one.
  bool StartAfresh(const QString& why);
  // Runs work; when SQLite found the file damaged on the way, starts afresh
  // and runs it once more.
  template <typename Work>
  bool WithRetry(Work work, QString* reason);

  QString path_;
  QString connection_;
  QString error_;
  QString notice_;
  bool open_ = false;
};
