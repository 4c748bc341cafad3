// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AbandonDlg.h"

#include <QCheckBox>

#include "platform/Modal.h"
#include "session/Abandon.h"

TAbandonDlg::TAbandonDlg(QWidget* parent) : QMessageBox(parent) {
  setWindowTitle(QStringLiteral("Wenlo Solitaire Collection"));
  setIcon(QMessageBox::Question);
  setText(AbandonQuestionText());
  setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  // Enter keeps the game: a slip of the finger must not lose it.
  setDefaultButton(QMessageBox::No);
  setEscapeButton(QMessageBox::No);
  dontAsk_ = new QCheckBox(tr("Don't ask again"), this);
  setCheckBox(dontAsk_);
}

int TAbandonDlg::Result() const {
  if (clickedButton() != button(QMessageBox::Yes)) return mrNo;
  return mrYes | (dontAsk_->isChecked() ? kDontAskAgain : 0);
}
