// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Made-up histories for the tests, the benchmarks and the screenshots: n
// games of one player ending over the last `days` days (oldest first, as
// they would have been written), with a fixed mix of games and results.

#include <QString>
#include <cstdint>
#include <vector>

#include "history/GameRecord.h"

inline std::vector<GameRecord> SampleHistory(int n, const QString& player, qint64 nowMs, int days,
                                             uint32_t seed = 1) {
  std::vector<GameRecord> rows;
  rows.reserve(size_t(n));
  uint32_t s = seed;
  auto next = [&s](uint32_t range) {
    s = s * 134775813u + 1u;
    return uint32_t((uint64_t(s) * range) >> 32);
  };
  const qint64 span = qint64(days) * 86400000;
  const int favourites[] = {32, 32, 32, 27, 0, 12, 36, 3};
  for (int i = 0; i < n; ++i) {
    GameRecord r;
    r.Player = player;
    r.Game = favourites[next(8)];
    r.Number = next(2147483647u) + 1;
    r.EndMs = nowMs - span + span * (i + 1) / (n + 1);
    r.PlayMs = 60000 + qint64(next(600)) * 1000;
    r.StartMs = r.EndMs - r.PlayMs - 2000;
    r.Moves = 40 + int(next(120));
    r.Undos = int(next(6));
    r.Hints = int(next(3));
    const uint32_t roll = next(20);
    r.Result = roll < 9 ? GameResult::Won : roll < 18 ? GameResult::Lost : GameResult::Abandoned;
    r.Solved = r.Result == GameResult::Abandoned || roll == 8;
    r.Score = r.Game == 32 ? -52 + 5 * int(next(53)) : kNoScore;
    r.Dealt = next(3) == 0 ? DealKind::ChosenNumber : DealKind::Random;
    rows.push_back(r);
  }
  return rows;
}
