// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/HiscoreModel.h"

#include <QCoreApplication>
#include <algorithm>

#include "players/ExchangeSort.h"
#include "players/StatsModel.h"
#include "records/Catalogue.h"

QString HiscoreHeader(HiscoreRanking ranking) {
  switch (ranking) {
    case HiscoreRanking::TotalScore:
      return QCoreApplication::translate("Hiscore", "Total score");
    case HiscoreRanking::AverageScore:
      return QCoreApplication::translate("Hiscore", "Average score");
    case HiscoreRanking::WinPercent:
      return QCoreApplication::translate("Hiscore", "W/L percent");
  }
  return QString();
}

QString HiscoreDisplayValue(HiscoreRanking ranking, const QString& value) {
  return ranking == HiscoreRanking::WinPercent ? value + QLatin1Char('%')
                                               : QLatin1Char('$') + value;
}

std::vector<HiscoreRow> RankPlayers(const PlayerList& players, int game, HiscoreRanking ranking,
                                    const QLocale& locale) {
  struct Entry {
    double value;
    HiscoreRow row;
  };
  std::vector<Entry> ranked;
  if (!IsGameIndex(game)) return {};
  for (int p = 0; p < players.Count(); ++p) {
    const TGameStats& r = players.Stats(p).Games[size_t(game)];
    const uint32_t played = RecordTotal(r);
    if (played == 0) continue;
    Entry e{0, {0, p, players.Name(p), QString()}};
    switch (ranking) {
      case HiscoreRanking::TotalScore:
        e.value = r.TotalScore;
        e.row.value = QString::number(r.TotalScore);
        break;
      case HiscoreRanking::AverageScore:
        e.value = AverageValue(r.TotalScore, played);
        e.row.value = AverageText(r.TotalScore, played, locale);
        break;
      case HiscoreRanking::WinPercent: {
        const int percent = RoundedPercent(r.Won, played);
        e.value = percent;
        e.row.value = QString::number(percent);
        break;
      }
    }
    ranked.push_back(std::move(e));
  }
  ExchangeSort(ranked, [](const Entry& a, const Entry& b) { return a.value > b.value; });
  const int rows = std::min(kHiscoreRows, int(ranked.size()));
  std::vector<HiscoreRow> result;
  result.reserve(size_t(rows));
  for (int i = 0; i < rows; ++i) {
    HiscoreRow row = ranked[ranked.size() - 1 - size_t(i)].row;
    row.rank = i + 1;
    result.push_back(std::move(row));
  }
  return result;
}
