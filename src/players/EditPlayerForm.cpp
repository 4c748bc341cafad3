// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/EditPlayerForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/Players.h"

TEditPlayer_Form::TEditPlayer_Form(const QString& caption, const QString& label,
                                   const QString& preset, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Label1 = new QLabel(label, this);
  Name_Edit = new QLineEdit(this);
  Name_Edit->setMaxLength(kMaxPlayerNameLength);
  Name_Edit->setText(preset);
  Name_Edit->selectAll();
  Label1->setBuddy(Name_Edit);

  OK_Btn = new QPushButton(tr("OK"), this);
  Cancel_Btn = new QPushButton(tr("Cancel"), this);
  OK_Btn->setDefault(true);
  connect(OK_Btn, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel_Btn, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OK_Btn);
  buttons->addWidget(Cancel_Btn);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Name_Edit);
  layout->addLayout(buttons);
  Name_Edit->setMinimumWidth(240);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TEditPlayer_Form::PlayerName() const {
  return Name_Edit->text();
}
