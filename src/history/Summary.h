// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the history tells, computed from its rows alone (newest first, as
// HistoryDb::Rows gives them): per game the played and won games, streaks
// and records; over time the games per day or week and the win rate.
// Only the player's own wins and losses count (GameRecord::Counts): a game
// Solve helped with, or left after Solve played, is in the history but in
// none of these figures.

#include <QByteArray>
#include <QDate>
#include <vector>

#include "history/GameRecord.h"

struct GameSummary {
  int Game = 0;
  int Played = 0;  // own wins and losses
  int Won = 0;
  int Assisted = 0;  // games Solve played in
  // Positive: that many wins in a row up to the latest game; negative:
  // losses; 0 when nothing was played.
  int CurrentStreak = 0;
  int LongestWinning = 0;
  int LongestLosing = 0;
  qint64 BestMs = -1;    // shortest playing time of a win, -1 without one
  int FewestMoves = -1;  // fewest moves of a win
  qint64 AverageWonMs = -1;
  // Won / Played in percent, 0 without a game.
  double WinRate() const { return Played ? 100.0 * Won / Played : 0.0; }
};

// One summary per game that has a row, in catalogue order.
std::vector<GameSummary> SummariseByGame(const std::vector<GameRecord>& newestFirst);

struct WinRate {
  int Played = 0;
  int Won = 0;
  double Percent() const { return Played ? 100.0 * Won / Played : 0.0; }
};

// Own games that ended at or after sinceMs (all of them for a sinceMs <= 0).
WinRate WinRateSince(const std::vector<GameRecord>& rows, qint64 sinceMs);

enum class Period { Day, Week };

struct PeriodCount {
  QDate First;  // the period's first day (a week starts on Monday)
  int Won = 0;
  int Other = 0;  // lost, abandoned, or helped by Solve
};

// The last `count` periods up to and including the one of `today`, oldest
// first, with the games that ended in each (local time).
std::vector<PeriodCount> GamesPerPeriod(const std::vector<GameRecord>& rows, Period period,
                                        const QDate& today, int count);

// The history as CSV (RFC 4180, a header line, UTF-8, times in UTC).
QByteArray HistoryCsv(const std::vector<GameRecord>& rows);

// "1:05" or "1:02:03" for a playing time.
QString DurationText(qint64 ms);
