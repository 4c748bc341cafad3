// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Select Solitaire": the list of games (sortable by name, difficulty and
// packs), the preview of the selected game, its AutoPlay choice and the
// player box. The list's ordering is GameListModel's.
//
// The main window runs it through ExecDialog(dlg, mrOk) and, on OK, deals
// SelectedGame(). Whatever the result, the player chosen in the box becomes
// the active player as the dialog closes, and an AutoPlay choice is stored
// the moment it is clicked.

#include <QDialog>
#include <functional>

#include "records/Players.h"
#include "records/Settings.h"
#include "ui/GameListModel.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QTreeWidget;

class TGameDlg : public QDialog {
  Q_OBJECT
 public:
  // Help context of the dialog's topic.
  static constexpr int kHelpContext = 1;

  TGameDlg(int gameIndex, AppSettings& settings, PlayerList& players, QWidget* parent = nullptr);
  ~TGameDlg() override;

  // The game to deal after OK: the selected row's game, or the game the
  // dialog was opened with when no row is selected.
  int SelectedGame() const;
  // The selected row's game, -1 when no row is selected.
  int SelectedRowGame() const;
  const GameListModel& Model() const { return model_; }

  // Asked by the Help button with the dialog's help context.
  std::function<void(int)> OnHelp;

  // Handlers, as the controls call them.
  void ListView1ColumnClick(int column);
  void ListView1Change();
  void RadioGroup1Click(int item);
  void ListView1DblClick();
  void SpeedButton1Click();
  void FormClose();
  void HelpBtnClick();

  // Selects the row of a game (as a click on it would).
  void SelectGame(int index);

  // Closing by any route (OK, Cancel, Escape, the close box) runs FormClose.
  void done(int result) override;

  QFrame* Bevel1;
  QTreeWidget* ListView1;
  QLabel* Label2;
  QFrame* Bevel2;
  QComboBox* Player_CB;
  QToolButton* SpeedButton1;
  QFrame* Panel1;
  QLabel* Game_Image;
  QGroupBox* Ap_RG;
  QButtonGroup* Ap_Group;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* HelpBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillList(int selectGame);
  void FillPlayers();
  void ScrollToSelection();

  AppSettings& settings_;
  PlayerList& players_;
  GameListModel model_;
  int gameIndex_;
};
