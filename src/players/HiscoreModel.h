// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hi-score ranking, without any widget: the ten best players of one game
// by total score, average score or won/lost percentage, computed from every
// player's statistics on the spot.

#include <QLocale>
#include <QString>
#include <vector>

#include "records/Players.h"

enum class HiscoreRanking { TotalScore = 0, AverageScore = 1, WinPercent = 2 };

inline constexpr int kHiscoreRows = 10;

struct HiscoreRow {
  int rank = 0;    // 1..10
  int player = 0;  // index in the player list
  QString name;
  QString value;  // as the list holds it ("250", "12.50", "90")
};

// The third column's header: "Total score", "Average score", "W/L percent".
QString HiscoreHeader(HiscoreRanking ranking);
// The value as drawn: "$" before scores and averages, "%" after percentages.
QString HiscoreDisplayValue(HiscoreRanking ranking, const QString& value);

// Players who counted at least one game of `game`, sorted ascending by value
// with the exchange sort and read from the end: the best first, at most ten.
// An index outside the catalogue ranks nobody.
std::vector<HiscoreRow> RankPlayers(const PlayerList& players, int game, HiscoreRanking ranking,
                                    const QLocale& locale = QLocale());
