// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/StatsModel.h"

#include <QCollator>
#include <QCoreApplication>
#include <algorithm>

#include "players/ExchangeSort.h"
#include "records/Catalogue.h"

int RoundedPercent(uint32_t won, uint32_t total) {
  if (total == 0) return 0;
  const uint64_t scaled = uint64_t(won) * 100u;
  uint64_t q = scaled / total;
  const uint64_t twiceRem = (scaled % total) * 2u;
  if (twiceRem > total || (twiceRem == total && (q & 1u))) ++q;
  return int(q);
}

uint32_t RecordTotal(const TGameStats& record) {
  return uint32_t(record.Lost) + record.Won;
}

int RecordPercent(const TGameStats& record) {
  return RoundedPercent(record.Won, RecordTotal(record));
}

namespace {
// Two decimals in the C locale; a value that rounds to zero has no sign.
QString PlainAverage(int32_t totalScore, uint32_t total) {
  if (total == 0) return QStringLiteral("0.00");
  QString text = QString::number(double(totalScore) / double(total), 'f', 2);
  if (text == QStringLiteral("-0.00")) text = QStringLiteral("0.00");
  return text;
}
}  // namespace

QString AverageText(int32_t totalScore, uint32_t total, const QLocale& locale) {
  QString text = PlainAverage(totalScore, total);
  text.replace(QLatin1Char('.'), locale.decimalPoint());
  if (text.startsWith(QLatin1Char('-'))) text.replace(0, 1, locale.negativeSign());
  return text;
}

double AverageValue(int32_t totalScore, uint32_t total) {
  return PlainAverage(totalScore, total).toDouble();
}

// ---------------------------------------------------------------------------

QStringList StatsTable::Headers() {
  const auto say = [](const char* text) { return QCoreApplication::translate("StatsTable", text); };
  return {say(QT_TRANSLATE_NOOP("StatsTable", "Game")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Total")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Won")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Lost")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Percent")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Score")),
          say(QT_TRANSLATE_NOOP("StatsTable", "Average"))};
}

StatsTable::StatsTable(QLocale locale) : locale_(std::move(locale)) {
  directions_.fill(-1);
}

void StatsTable::Fill(const TPlayerStats& stats, bool filledOnly) {
  for (auto& list : lists_)
    list.clear();
  for (int g = 0; g < GameCount(); ++g) {
    const TGameStats& r = stats.Games[size_t(g)];
    const uint32_t total = RecordTotal(r);
    if (filledOnly && total == 0) continue;
    const int percent = RecordPercent(r);
    lists_[Game].push_back({GameTitle(g), 0, g});
    lists_[Total].push_back({QString::number(total), double(total), g});
    lists_[Won].push_back({QString::number(r.Won), double(r.Won), g});
    lists_[Lost].push_back({QString::number(r.Lost), double(r.Lost), g});
    lists_[Percent].push_back({QString::number(percent), double(percent), g});
    lists_[Score].push_back({QString::number(r.TotalScore), double(r.TotalScore), g});
    lists_[Average].push_back(
        {AverageText(r.TotalScore, total, locale_), AverageValue(r.TotalScore, total), g});
  }
  directions_.fill(-1);
  rows_.clear();
  SortByColumn(Game);
}

void StatsTable::SortByColumn(int k) {
  if (k < 0 || k >= ColumnCount) return;
  std::vector<Item>& list = lists_[size_t(k)];
  if (k == Game) {
    QCollator collator(locale_);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(list.begin(), list.end(), [&collator](const Item& a, const Item& b) {
      return collator.compare(a.text, b.text) < 0;
    });
  } else {
    // Numbers rank with the exchange sort, so ties land where it puts them.
    ExchangeSort(list, [](const Item& a, const Item& b) { return a.value > b.value; });
  }
  rows_.assign(list.size(), -1);
  const size_t n = list.size();
  for (size_t c = 0; c < n; ++c) {
    const size_t row = directions_[size_t(k)] < 0 ? c : n - 1 - c;
    rows_[row] = list[c].game;
  }
  directions_[size_t(k)] = -directions_[size_t(k)];
}

int StatsTable::Direction(int column) const {
  return column >= 0 && column < ColumnCount ? directions_[size_t(column)] : 0;
}

int StatsTable::GameAt(int row) const {
  return row >= 0 && row < RowCount() ? rows_[size_t(row)] : -1;
}

int StatsTable::RowOfGame(int game) const {
  auto it = std::find(rows_.begin(), rows_.end(), game);
  return it == rows_.end() ? -1 : int(it - rows_.begin());
}

const StatsTable::Item* StatsTable::Find(int column, int game) const {
  if (column < 0 || column >= ColumnCount) return nullptr;
  for (const Item& item : lists_[size_t(column)])
    if (item.game == game) return &item;
  return nullptr;
}

QString StatsTable::Text(int row, int column) const {
  const Item* item = Find(column, GameAt(row));
  return item ? item->text : QString();
}

QString StatsTable::DisplayText(int row, int column) const {
  const QString text = Text(row, column);
  if (text.isEmpty()) return text;
  switch (column) {
    case Percent:
      return text + QLatin1Char('%');
    case Score:
    case Average:
      return QLatin1Char('$') + text;
    default:
      return text;
  }
}
