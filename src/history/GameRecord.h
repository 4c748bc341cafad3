// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One finished or abandoned game as the history keeps it, with the names
// its result and the way it was dealt carry in the database and in CSV.

#include <QString>
#include <cstdint>
#include <optional>

#include "records/Players.h"  // kNoScore

enum class GameResult { Won, Lost, Abandoned };

// How the deal came to be: a number the player chose (Select Shuffle, a
// restart, the command line, "Play this deal again"), a fresh random
// shuffle, a shuffle picked because it can be won, or the deal of the day.
enum class DealKind { ChosenNumber, Random, WinnableOnly, DealOfTheDay };

QString ResultName(GameResult r);  // "won", "lost", "abandoned"
std::optional<GameResult> ResultFromName(const QString& name);
QString DealKindName(DealKind k);  // "chosen number", "random", "winnable-only", "deal of the day"
std::optional<DealKind> DealKindFromName(const QString& name);

struct GameRecord {
  QString Player;
  int Game = 0;  // catalogue index
  uint32_t Number = 0;
  qint64 StartMs = 0;  // when it was dealt, ms since the epoch (UTC)
  qint64 EndMs = 0;    // when it was won or left
  qint64 PlayMs = 0;   // from the first move to the end
  int Moves = 0;       // the player's moves that changed the table (Solve's too)
  int Undos = 0;
  int Hints = 0;
  bool Solved = false;  // Solve played at least one move of this deal
  int Score = kNoScore;
  GameResult Result = GameResult::Lost;
  DealKind Dealt = DealKind::Random;

  // A win or loss of the player's own: what streaks, records and the
  // counters are made of. A game Solve helped with is neither.
  bool Counts() const { return !Solved && Result != GameResult::Abandoned; }
  bool OwnWin() const { return !Solved && Result == GameResult::Won; }
  bool operator==(const GameRecord&) const = default;
};
