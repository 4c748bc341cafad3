// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics dialog: one player's records of every game as a sortable
// seven-column table (StatsTable), a tab for all or only filled records, a
// player box to look at someone else's records, clearing them and the
// hi-scores.
//
// The main window shows it through ExecDialog(form, mrOk) with the caption
// StatForm::CaptionFor(active player's name) already set by the
// constructor. Viewing another player never changes the active player; the
// chosen tab is written to statState as the dialog closes.

#include <QDialog>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>
#include <utility>

#include "players/HistoryModels.h"
#include "players/StatsModel.h"
#include "records/Players.h"

class HistoryDb;
class THistoryPage;
class TProgressPage;
class TSummaryPage;

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

// Grid cells as the statistics and hi-score grids draw them: a white cell,
// the text 2 pixels right of and below its corner, in the item's font.
class TPlainCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

class TStatForm : public QDialog {
  Q_OBJECT
 public:
  static QString CaptionFor(const QString& playerName);
  static QString ClearQuestion();
  static QString ClearCaption();

  TStatForm(PlayerList& players, int currentGame, int& statState, QWidget* parent = nullptr);

  // The tabs after the two of records: the history's per-game figures,
  // every game, the progress. Their rows are read when one is first shown.
  enum Tab { AllRecordsTab, FilledRecordsTab, PerGameTab, HistoryTab, ProgressTab };
  // The history the tabs read (none: they stay empty).
  void SetHistory(HistoryDb* history) { history_ = history; }
  // The viewed player's games, read now if they were not yet.
  const HistoryRows& Rows();
  // Writes the viewed player's history as CSV; false with the reason.
  bool ExportCsv(const QString& path, QString* reason);
  // The help topic about statistics and the history (F1 in the window).
  static constexpr int kHelpContext = 20;
  std::function<void(int)> OnHelp;
  // The deal "Play this deal again" asked for as the dialog closed.
  std::optional<std::pair<int, uint32_t>> ReplayDeal() const { return replay_; }

  const StatsTable& Table() const { return table_; }
  // The player whose records are shown.
  int ViewedPlayer() const { return viewed_; }
  bool FilledOnly() const;

  // Handlers, as the controls call them.
  void FillGrid();
  void HeaderClick(int column);
  void Player_CBChange(int index);
  void TabControl1Change(int tab);
  void ClearBtnClick();
  void HiscoreBtnClick();
  void FormClose();

  void done(int result) override;

  QTabBar* TabControl1;
  QFrame* Panel1;
  QLabel* Hint_L;
  QTableWidget* Statistics_SG;
  QLabel* Player_L;
  QComboBox* Player_CB;
  QFrame* Bevel1;
  QPushButton* Ok_Btn;
  QPushButton* Hiscore_Btn;
  QPushButton* Clear_Btn;
  TSummaryPage* Summary_P;
  THistoryPage* History_P;
  TProgressPage* Progress_P;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyLayout();
  void RefreshCells();
  void ScrollToCurrentGame();
  void ShowPage();
  void ExportClick();

  PlayerList& players_;
  int currentGame_;
  int& statState_;
  int viewed_;
  StatsTable table_;
  HistoryDb* history_ = nullptr;
  HistoryRows rows_;  // the viewed player's, once read
  std::optional<std::pair<int, uint32_t>> replay_;
};
