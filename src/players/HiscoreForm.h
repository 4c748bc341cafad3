// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hi-score dialog: the ten best players of one game by total score,
// average score or won/lost percentage (RankPlayers), computed on the spot
// from every player's statistics; nothing is stored for it.
//
// Opened from the statistics dialog through ExecDialog(form, mrOk); the
// caller sets the caption CaptionFor(game name), and it follows the game box.

#include <QDialog>
#include <vector>

#include "players/HiscoreModel.h"
#include "records/Players.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

class THiscoreForm : public QDialog {
  Q_OBJECT
 public:
  static QString CaptionFor(const QString& gameName);

  THiscoreForm(const PlayerList& players, int game, QWidget* parent = nullptr);

  // The game chosen in the game box, -1 when none.
  int ChosenGame() const;
  HiscoreRanking Ranking() const;
  const std::vector<HiscoreRow>& Rows() const { return rows_; }

  // Handlers, as the controls call them.
  void Game_CBChange();
  void Ranking_RGClick();
  void BuildTable();

  QTableWidget* Hiscore_SG;
  QLabel* Game_L;
  QComboBox* Game_CB;
  QGroupBox* Ranking_RG;
  QButtonGroup* Ranking_Group;
  QPushButton* Ok_Btn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyLayout();

  const PlayerList& players_;
  std::vector<HiscoreRow> rows_;
};
