// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question a column rule asks when a run of cards is dropped on an empty
// column: move the whole run, only its top card, or nothing.
//
// Results: 1 "Move &column" (the default button, also Enter), 6 "Move
// &single card", 2 "Cancel" (also Escape and closing the window).

#include <QDialog>

class QPushButton;

class TEmptyColDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TEmptyColDlg(QWidget* parent = nullptr);

  // Where the dialog stands: this far from the main window's corner (from
  // the screen's corner when there is no main window).
  static constexpr QPoint kOffset{200, 99};

  QPushButton* Col_Btn;
  QPushButton* Card_Btn;
  QPushButton* Cancel_Btn;

  // Escape and the window's close button answer Cancel (2), not 0.
  void reject() override;
};
