// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Summary.h"

#include <QDateTime>
#include <algorithm>
#include <map>

#include "records/Catalogue.h"

std::vector<GameSummary> SummariseByGame(const std::vector<GameRecord>& newestFirst) {
  std::map<int, GameSummary> byGame;
  std::map<int, qint64> wonMs;
  // Oldest first, so a streak runs forward in time.
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
    const GameRecord& r = *it;
    GameSummary& s = byGame[r.Game];
    s.Game = r.Game;
    if (r.Solved) ++s.Assisted;
    if (!r.Counts()) continue;
    ++s.Played;
    if (r.OwnWin()) {
      ++s.Won;
      s.CurrentStreak = s.CurrentStreak > 0 ? s.CurrentStreak + 1 : 1;
      s.LongestWinning = std::max(s.LongestWinning, s.CurrentStreak);
      if (s.BestMs < 0 || r.PlayMs < s.BestMs) s.BestMs = r.PlayMs;
      if (s.FewestMoves < 0 || r.Moves < s.FewestMoves) s.FewestMoves = r.Moves;
      wonMs[r.Game] += r.PlayMs;
    } else {
      s.CurrentStreak = s.CurrentStreak < 0 ? s.CurrentStreak - 1 : -1;
      s.LongestLosing = std::max(s.LongestLosing, -s.CurrentStreak);
    }
  }
  std::vector<GameSummary> out;
  for (auto& [game, s] : byGame) {
    if (s.Won > 0) s.AverageWonMs = wonMs[game] / s.Won;
    out.push_back(s);
  }
  return out;
}

WinRate WinRateSince(const std::vector<GameRecord>& rows, qint64 sinceMs) {
  WinRate w;
  for (const GameRecord& r : rows) {
    if (!r.Counts() || (sinceMs > 0 && r.EndMs < sinceMs)) continue;
    ++w.Played;
    if (r.OwnWin()) ++w.Won;
  }
  return w;
}

namespace {
QDate PeriodStart(const QDate& d, Period p) {
  return p == Period::Day ? d : d.addDays(1 - d.dayOfWeek());
}
}  // namespace

std::vector<PeriodCount> GamesPerPeriod(const std::vector<GameRecord>& rows, Period period,
                                        const QDate& today, int count) {
  std::vector<PeriodCount> out(size_t(std::max(count, 0)));
  if (out.empty()) return out;
  const int step = period == Period::Day ? 1 : 7;
  const QDate last = PeriodStart(today, period);
  const QDate first = last.addDays(-qint64(step) * (count - 1));
  for (int i = 0; i < count; ++i)
    out[size_t(i)].First = first.addDays(qint64(step) * i);
  // Turning a time into a local date is the dear part: games before the
  // first period are passed over without it.
  const qint64 firstMs = first.startOfDay().toMSecsSinceEpoch();
  for (const GameRecord& r : rows) {
    if (r.EndMs < firstMs) continue;
    const QDate d = PeriodStart(QDateTime::fromMSecsSinceEpoch(r.EndMs).date(), period);
    const qint64 index = first.daysTo(d) / step;
    if (d < first || index >= count) continue;
    PeriodCount& c = out[size_t(index)];
    (r.OwnWin() ? c.Won : c.Other) += 1;
  }
  return out;
}

namespace {
QByteArray CsvField(const QString& text, bool name = false) {
  QByteArray f = text.toUtf8();
  // A spreadsheet takes a field that starts with one of these for a formula:
  // a player's name is text, so it is kept as text.
  if (name && !f.isEmpty() && QByteArray("=+-@").contains(f[0])) f.prepend('\'');
  if (f.contains(',') || f.contains('"') || f.contains('\n') || f.contains('\r'))
    f = '"' + f.replace("\"", "\"\"") + '"';
  return f;
}

QString UtcText(qint64 ms) {
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate);
}
}  // namespace

QByteArray HistoryCsv(const std::vector<GameRecord>& rows) {
  QByteArray out =
      "player,game,game name,number,start,end,seconds,moves,undos,hints,solve,score,result,"
      "dealt\r\n";
  for (const GameRecord& r : rows) {
    const QStringList fields = {r.Player,
                                QString::number(r.Game),
                                GameName(r.Game),
                                QString::number(r.Number),
                                UtcText(r.StartMs),
                                UtcText(r.EndMs),
                                QString::number(r.PlayMs / 1000),
                                QString::number(r.Moves),
                                QString::number(r.Undos),
                                QString::number(r.Hints),
                                r.Solved ? QStringLiteral("yes") : QStringLiteral("no"),
                                r.Score == kNoScore ? QString() : QString::number(r.Score),
                                ResultName(r.Result),
                                DealKindName(r.Dealt)};
    for (int i = 0; i < fields.size(); ++i) {
      if (i) out += ',';
      out += CsvField(fields[i], i == 0);
    }
    out += "\r\n";
  }
  return out;
}

QString DurationText(qint64 ms) {
  if (ms < 0) return QString();
  const qint64 s = ms / 1000;
  if (s >= 3600)
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
