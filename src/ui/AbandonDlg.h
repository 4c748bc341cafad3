// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before a started game is left: "Abandon this game? It counts
// as lost." with Yes, No and "Don't ask again".

#include <QMessageBox>

class QCheckBox;

class TAbandonDlg : public QMessageBox {
  Q_OBJECT
 public:
  explicit TAbandonDlg(QWidget* parent = nullptr);
  // The answer as the modal seam gives it: 6 (with kDontAskAgain when the
  // box is ticked) or 7.
  int Result() const;
  QCheckBox* DontAsk() const { return dontAsk_; }

 private:
  QCheckBox* dontAsk_;
};
