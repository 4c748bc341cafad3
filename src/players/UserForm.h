// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Edit player list" dialog: an alphabetical list of the players and the
// buttons "Add...", "Edit...", "Delete" and "Close". Its rules are
// PlayerEditor's; this class only shows them.

#include <QDialog>

#include "players/PlayerEditor.h"

class QListWidget;
class QPushButton;

class TUser_Form : public QDialog {
  Q_OBJECT
 public:
  TUser_Form(const PlayerList& players, int selected, QWidget* parent = nullptr);

  // The list as the dialog leaves it, with the selected player active.
  PlayerList Result() const { return editor_.Result(); }
  const PlayerEditor& Editor() const { return editor_; }

  // Shows the editor modally and replaces `players` by its result, however
  // the dialog was closed. `selected` is the player to select at first.
  static void Execute(PlayerList& players, int selected, QWidget* parent = nullptr);

 private:
  void AddClick();
  void EditClick();
  void DeleteClick();
  void Refresh();

  PlayerEditor editor_;
  QListWidget* Player_LB;
  QPushButton* Add_Btn;
  QPushButton* Edit_Btn;
  QPushButton* Delete_Btn;
  QPushButton* Close_Btn;
};
