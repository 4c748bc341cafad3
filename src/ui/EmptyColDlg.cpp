// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EmptyColDlg.h"

#include <QPushButton>

#include "platform/Modal.h"

TEmptyColDlg::TEmptyColDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Move to empty column..."));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
  setFixedSize(238, 134);
  move(kOffset);

  Col_Btn = new QPushButton(tr("Move &column"), this);
  Col_Btn->setGeometry(16, 16, 209, 25);
  Card_Btn = new QPushButton(tr("Move &single card"), this);
  Card_Btn->setGeometry(16, 56, 209, 25);
  Cancel_Btn = new QPushButton(tr("Cancel"), this);
  Cancel_Btn->setGeometry(16, 96, 209, 25);

  // Only the column button answers Enter, wherever the focus is.
  for (QPushButton* b : {Col_Btn, Card_Btn, Cancel_Btn})
    b->setAutoDefault(false);
  Col_Btn->setDefault(true);
  Col_Btn->setFocus();

  connect(Col_Btn, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Card_Btn, &QPushButton::clicked, this, [this] { done(mrYes); });
  connect(Cancel_Btn, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TEmptyColDlg::reject() {
  done(mrCancel);
}
