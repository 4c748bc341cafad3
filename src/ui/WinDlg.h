// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The win dialog: "Congratulations!!!!" and "Once more?" with Yes and No.

#include <QDialog>

class TWinDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TWinDlg(const QString& gameName, QWidget* parent = nullptr);
};
