// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the statistics window's history tabs show, without widgets: the
// per-game records, the list of every game with its filters, and the
// progress figures. All are built from one player's rows, newest first.

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>
#include <memory>
#include <vector>

#include "history/Summary.h"

using HistoryRows = std::shared_ptr<const std::vector<GameRecord>>;

// "won", "won with Solve", "lost" or "abandoned", in the language in use.
QString ResultText(const GameRecord& r);
// A text of the history tabs (marked with QT_TRANSLATE_NOOP("History", ...))
// in the language in use.
QString HistoryTr(const char* text);

// A read-only table of texts for a view: a subclass gives the cells, the
// headers and their tips.
class TextTableModel : public QAbstractTableModel {
 public:
  virtual QString Text(int row, int column) const = 0;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

 protected:
  virtual int Rows() const = 0;
  virtual QStringList Headers() const = 0;
  virtual QString HeaderTip(int) const { return QString(); }
};

// The "Per game" tab: one line per game in the history.
class SummaryTableModel : public TextTableModel {
 public:
  enum Column {
    Game,
    Played,
    Won,
    WinRate,
    Streak,
    LongestWinning,
    LongestLosing,
    BestTime,
    FewestMoves,
    AverageTime,
    ColumnCount
  };
  void SetRows(const std::vector<GameRecord>& rows);
  const std::vector<GameSummary>& Summaries() const { return summaries_; }
  QString Text(int row, int column) const override;

 protected:
  int Rows() const override { return int(summaries_.size()); }
  QStringList Headers() const override;
  QString HeaderTip(int section) const override;

 private:
  std::vector<GameSummary> summaries_;
};

// The "History" tab: every game, newest first, filtered by game and result.
class HistoryTableModel : public TextTableModel {
 public:
  enum Column { Ended, Game, Number, Result, Time, Moves, Undos, Hints, Score, Dealt, ColumnCount };
  // The result filter's choices, in the order the window lists them.
  enum ResultFilter { AllResults, OnlyWon, OnlyWonWithSolve, OnlyLost, OnlyAbandoned };
  static QStringList ResultFilterNames();

  void SetRows(HistoryRows rows);
  // game: a catalogue index, or -1 for every game.
  void SetFilter(int game, ResultFilter result);
  // The game shown in a row, or nullptr outside.
  const GameRecord* RecordAt(int row) const;
  QString Text(int row, int column) const override;

 protected:
  int Rows() const override { return int(shown_.size()); }
  QStringList Headers() const override;

 private:
  void Refilter();

  HistoryRows rows_ = std::make_shared<std::vector<GameRecord>>();
  std::vector<int> shown_;  // indices into rows_
  int game_ = -1;
  ResultFilter result_ = AllResults;
};

// The "Progress" tab's figures.
struct ProgressFigures {
  std::vector<PeriodCount> periods;
  // The win rate over the last 7 days, 30 days, year and all time.
  struct Rate {
    QString span;
    WinRate rate;
    QString Text() const;  // "48% (165 of 341)"
  };
  std::vector<Rate> rates;
  static ProgressFigures Make(const std::vector<GameRecord>& rows, Period period, int count,
                              const QDateTime& now);
};
