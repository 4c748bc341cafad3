// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GameListModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

#include "records/Catalogue.h"

QString GameListModel::GameColumn() {
  return QCoreApplication::translate("GameListModel", "Game");
}
QString GameListModel::DifficultyColumn() {
  return QCoreApplication::translate("GameListModel", "Difficulty");
}
QString GameListModel::DecksColumn() {
  return QCoreApplication::translate("GameListModel", "Decks");
}

GameListModel::GameListModel() {
  rows_.reserve(size_t(GameCount()));
  for (int i = 0; i < GameCount(); ++i)
    rows_.push_back({GameTitle(i), GameDifficulty(i), GamePacks(i), i});
  Sort(1);
}

bool GameListModel::ColumnClick(const QString& caption) {
  int k = 0;
  if (caption == GameColumn())
    k = 1;
  else if (caption == DifficultyColumn())
    k = 2;
  else if (caption == DecksColumn())
    k = 3;
  else
    return false;
  sortColumn_ = (k == std::abs(sortColumn_)) ? -sortColumn_ : k;
  Sort(sortColumn_);
  return true;
}

void GameListModel::Sort(int p) {
  std::stable_sort(rows_.begin(), rows_.end(), [p](const GameListRow& a, const GameListRow& b) {
    return CompareRows(a, b, p) < 0;
  });
}

int GameListModel::CompareRows(const GameListRow& a, const GameListRow& b, int p) {
  const QString* ta = nullptr;
  const QString* tb = nullptr;
  switch (std::abs(p)) {
    case 1:
      ta = &a.name, tb = &b.name;
      break;
    case 2:
      ta = &a.difficulty, tb = &b.difficulty;
      break;
    case 3:
      ta = &a.packs, tb = &b.packs;
      break;
    default:
      return 0;
  }
  const int c = QString::localeAwareCompare(*ta, *tb);
  const int sign = c < 0 ? -1 : (c > 0 ? 1 : 0);
  return p < 0 ? -sign : sign;
}

int GameListModel::RowOfGame(int index) const {
  for (size_t r = 0; r < rows_.size(); ++r)
    if (rows_[r].index == index) return int(r);
  return -1;
}
