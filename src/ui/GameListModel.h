// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the "Select Solitaire" list and their ordering, without any
// widget: one row per catalogue game (name, difficulty, packs, index), the
// signed sort column and the column-click rule that toggles it.

#include <QString>
#include <vector>

struct GameListRow {
  QString name;
  QString difficulty;
  QString packs;
  int index = 0;  // catalogue index
};

class GameListModel {
 public:
  // Column captions as the header shows them.
  static QString GameColumn();
  static QString DifficultyColumn();
  static QString DecksColumn();

  // Every catalogue game, in ascending order of name (sort column 1).
  GameListModel();

  const std::vector<GameListRow>& Rows() const { return rows_; }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // 1 name, 2 difficulty, 3 packs; negative means descending.
  int SortColumn() const { return sortColumn_; }

  // A click on the header section with this caption: the same column again
  // reverses the direction, another column sorts ascending by it. Returns
  // false (and changes nothing) for an unknown caption.
  bool ColumnClick(const QString& caption);
  // Sorts the rows by the signed column p. Rows that compare equal keep
  // their current order, so sorting by difficulty leaves each group in the
  // order the list had.
  void Sort(int p);

  // Locale-aware, case-sensitive comparison of the texts of column |p|,
  // negated for a negative p; 0 for any other column.
  static int CompareRows(const GameListRow& a, const GameListRow& b, int p);

  // Position of the game's row, -1 when the index is not listed.
  int RowOfGame(int index) const;

 private:
  std::vector<GameListRow> rows_;
  int sortColumn_ = 1;
};
