// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics window's history tabs as thin widgets over the models of
// HistoryModels.h: the per-game records, the list of every game, and the
// progress chart. The chart is painted here rather than with Qt Charts: a
// handful of bars and labels, drawn in the widget's own coordinates so a
// 2x screen gets them sharp, without a further library to load.

#include <QWidget>
#include <functional>

#include "players/HistoryModels.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

class TSummaryPage : public QWidget {
 public:
  explicit TSummaryPage(QWidget* parent = nullptr);
  void SetRows(const HistoryRows& rows);
  SummaryTableModel& Model() { return model_; }

  QTableView* View;

 private:
  SummaryTableModel model_;
};

class THistoryPage : public QWidget {
 public:
  explicit THistoryPage(QWidget* parent = nullptr);
  void SetRows(const HistoryRows& rows);
  HistoryTableModel& Model() { return model_; }
  // The game chosen in the list, or nullptr.
  const GameRecord* Chosen() const;
  void FilterChange();

  std::function<void(const GameRecord&)> OnReplay;
  std::function<void()> OnExport;

  QComboBox* Game_CB;
  QComboBox* Result_CB;
  QTableView* View;
  QPushButton* Replay_Btn;
  QPushButton* Export_Btn;

 private:
  void UpdateButtons();
  HistoryTableModel model_;
};

class TProgressChart : public QWidget {
 public:
  using QWidget::QWidget;
  void SetPeriods(std::vector<PeriodCount> periods, Period period);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PeriodCount> periods_;
  Period period_ = Period::Day;
};

// The win rates as horizontal bars of 0..100%.
class TWinRateBars : public QWidget {
 public:
  using QWidget::QWidget;
  void SetRates(std::vector<ProgressFigures::Rate> rates);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ProgressFigures::Rate> rates_;
};

class TProgressPage : public QWidget {
 public:
  explicit TProgressPage(QWidget* parent = nullptr);
  void SetRows(const HistoryRows& rows);
  void Refresh();
  // The time the figures are taken at (tests and screenshots fix it).
  std::function<QDateTime()> Now;

  QComboBox* Period_CB;
  TProgressChart* Chart;
  TWinRateBars* Rates;

 private:
  HistoryRows rows_;
};
