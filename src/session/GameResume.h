// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the game in progress across a restart: at exit the table is
// captured into a SavedGame and written beside players.dat; at the next
// start the same game and number are dealt again and the table is laid out
// as it was, with the history, score, redeal counter and AutoPlay.
//
// A restore checks the saved game against the fresh deal (the same piles,
// the same cards, a history that names only those), so whatever the file
// says, the table is either exactly the saved one or cleared.

#include <QString>
#include <cstdint>
#include <optional>

#include "records/SavedGame.h"
#include "session/TableHost.h"

class GameResume {
 public:
  explicit GameResume(QString path) : path_(std::move(path)) {}

  const QString& Path() const { return path_; }

  // The table as it stands, for the player who plays it.
  static SavedGame Capture(TableHost& host, const QString& player, int gameIndex, uint32_t number);
  // Deals the saved game again and lays the table out as saved; GameStarted
  // becomes 1. On a mismatch the table is cleared and false returned.
  static bool Restore(TableHost& host, const SavedGame& game, QString* error = nullptr);

  // Captures and writes the file.
  bool Save(TableHost& host, const QString& player, int gameIndex, uint32_t number,
            QString* error = nullptr) const;
  // Reads the file and restores it when it belongs to `player`. The file
  // stays until Forget: a game brought back and lost to a crash or a kill
  // comes back again. The game read, or nullopt with the reason and an
  // empty table.
  std::optional<SavedGame> Resume(TableHost& host, const QString& player,
                                  QString* error = nullptr) const;
  // Whether the file holds a game of someone other than `player`: such a
  // game waits for its player and is neither removed nor written over.
  bool HeldByAnother(const QString& player) const;
  // Removes the file: its game has ended. True when it is gone.
  bool Forget() const;

 private:
  QString path_;
};
