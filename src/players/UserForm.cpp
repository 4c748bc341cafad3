// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/UserForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "players/EditPlayerForm.h"

TUser_Form::TUser_Form(const PlayerList& players, int selected, QWidget* parent)
    : QDialog(parent), editor_(players, selected) {
  setWindowTitle(PlayerEditor::Caption());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Player_LB = new QListWidget(this);
  Player_LB->setSelectionMode(QAbstractItemView::SingleSelection);
  Player_LB->setMinimumSize(180, 200);

  Add_Btn = new QPushButton(tr("Add..."), this);
  Edit_Btn = new QPushButton(tr("Edit..."), this);
  Delete_Btn = new QPushButton(tr("Delete"), this);
  Close_Btn = new QPushButton(tr("Close"), this);
  for (QPushButton* b : {Add_Btn, Edit_Btn, Delete_Btn, Close_Btn})
    b->setAutoDefault(false);
  Close_Btn->setDefault(true);

  connect(Add_Btn, &QPushButton::clicked, this, &TUser_Form::AddClick);
  connect(Edit_Btn, &QPushButton::clicked, this, &TUser_Form::EditClick);
  connect(Delete_Btn, &QPushButton::clicked, this, &TUser_Form::DeleteClick);
  connect(Close_Btn, &QPushButton::clicked, this, &QDialog::accept);
  connect(Player_LB, &QListWidget::currentRowChanged, this,
          [this](int row) { editor_.Select(row); });

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(Add_Btn);
  buttons->addWidget(Edit_Btn);
  buttons->addWidget(Delete_Btn);
  buttons->addStretch();
  buttons->addWidget(Close_Btn);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(Player_LB, 1);
  layout->addLayout(buttons);

  Refresh();
}

void TUser_Form::Refresh() {
  const QSignalBlocker block(Player_LB);
  Player_LB->clear();
  Player_LB->addItems(editor_.Names());
  Player_LB->setCurrentRow(editor_.Selected());
  if (editor_.Selected() < 0) Player_LB->clearSelection();
}

void TUser_Form::AddClick() {
  const NameDialogText text = editor_.AddDialogText();
  TEditPlayer_Form dialog(text.caption, text.label, text.preset, this);
  if (ExecDialog(dialog, mrOk) == mrOk && editor_.Add(dialog.PlayerName())) Refresh();
}

void TUser_Form::EditClick() {
  if (!editor_.HasSelection()) return;
  const NameDialogText text = editor_.EditDialogText();
  TEditPlayer_Form dialog(text.caption, text.label, text.preset, this);
  if (ExecDialog(dialog, mrOk) == mrOk && editor_.Edit(dialog.PlayerName())) Refresh();
}

void TUser_Form::DeleteClick() {
  if (editor_.Delete()) Refresh();
}

void TUser_Form::Execute(PlayerList& players, int selected, QWidget* parent) {
  TUser_Form form(players, selected, parent);
  ExecDialog(form, mrOk);
  players = form.Result();
}
