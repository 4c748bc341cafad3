// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the statistics dialog shows, without any widget: the derived numbers
// of a game's record (total, percent, average) and the seven-column table
// with its per-column sort directions.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "records/Players.h"

// Won x 100 / total, rounded to the nearest integer with halves going to the
// even neighbour (12.5 gives 12, 37.5 gives 38); 0 when total is 0.
int RoundedPercent(uint32_t won, uint32_t total);
// The record's won share in percent.
int RecordPercent(const TGameStats& record);
// Games counted: lost plus won (the counters are 16 bits, the sum is not).
uint32_t RecordTotal(const TGameStats& record);
// TotalScore / total in fixed notation with two decimals and the locale's
// decimal separator, without group separators; "0.00" when total is 0.
QString AverageText(int32_t totalScore, uint32_t total, const QLocale& locale = QLocale());
// The numeric value of such a text, as the sort compares it.
double AverageValue(int32_t totalScore, uint32_t total);

class StatsTable {
 public:
  enum Column { Game = 0, Total, Won, Lost, Percent, Score, Average, ColumnCount };
  static QStringList Headers();

  explicit StatsTable(QLocale locale = QLocale());

  // Rebuilds the column lists from a player's block: every game in index
  // order, or only the games with a counted game when filledOnly. Every
  // column's direction starts at -1, then the table is sorted by name.
  void Fill(const TPlayerStats& stats, bool filledOnly);

  // A click on column k's header: the column's list is sorted ascending
  // (names alphabetically without regard to case, the others by value,
  // equal values keeping their order in the list) and shown ascending when
  // the column's direction is -1, reversed when it is +1; then the direction
  // flips, so the next click on the same column shows the other order.
  // An unknown column changes nothing.
  void SortByColumn(int k);

  int RowCount() const { return static_cast<int>(rows_.size()); }
  int Direction(int column) const;
  // Catalogue index of the game shown in a grid row, -1 outside the grid.
  int GameAt(int row) const;
  // Grid row of a game, -1 when it is not shown.
  int RowOfGame(int game) const;
  // The cell's text as the column list holds it ("33", "-12.50").
  QString Text(int row, int column) const;
  // The cell as drawn: "%" after the percent, "$" before score and average.
  QString DisplayText(int row, int column) const;

 private:
  struct Item {
    QString text;
    double value = 0;
    int game = 0;
  };
  const Item* Find(int column, int game) const;

  QLocale locale_;
  std::array<std::vector<Item>, ColumnCount> lists_;
  std::array<int, ColumnCount> directions_{};
  std::vector<int> rows_;  // game index per grid row
};
