// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ShuffleForm.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/Modal.h"
#include "ui/ShuffleInput.h"

TShuffle_Form::TShuffle_Form(RecentShuffles& recent, QWidget* parent)
    : QDialog(parent), recent_(recent) {
  setWindowTitle(tr("Select Shuffle"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(313, 112);

  Label1 = new QLabel(tr("Select a game number from\n1 to 2147483647"), this);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setGeometry(8, 8, 210, Label1->sizeHint().height());
  // Below the two lines of the label, at 40 when the font allows.
  const int boxTop = std::max(40, Label1->geometry().bottom() + 5);

  Shuffle_CB = new QComboBox(this);
  Shuffle_CB->setEditable(true);
  Shuffle_CB->setInsertPolicy(QComboBox::NoInsert);
  Shuffle_CB->setCompleter(nullptr);
  Shuffle_CB->setMaxVisibleItems(ShuffleInput::kMaxLength);
  Shuffle_CB->setGeometry(8, boxTop, 177, 24);
  QLineEdit* edit = Shuffle_CB->lineEdit();
  edit->setMaxLength(ShuffleInput::kMaxLength);
  // Only typed digits get in: no pasting or dropping of other text.
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  edit->setAcceptDrops(false);
  // Keys reach the box itself when it has the focus and the box hands them
  // to its line edit without passing any filter there, so both are
  // filtered: whichever one a key arrives at.
  Shuffle_CB->installEventFilter(this);
  edit->installEventFilter(this);

  Button1 = new QPushButton(tr("&Ok"), this);
  Button1->setGeometry(232, 8, 75, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(tr("Cancel"), this);
  Button2->setGeometry(232, boxTop, 75, 25);
  Button2->setAutoDefault(false);

  Grade_L = new QLabel(this);
  Grade_L->setGeometry(8, boxTop + 30, 297, 20);
  connect(Shuffle_CB, &QComboBox::currentTextChanged, this, [this] { AskJudgement(); });

  connect(Button1, &QPushButton::clicked, this, &TShuffle_Form::Button1Click);
  connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });

  RefreshRecent();
}

void TShuffle_Form::AskJudgement() {
  const std::optional<uint32_t> n = Number();
  Grade_L->setText(n && JudgeNumber ? tr("Checking\u2026") : QString());
  if (n && JudgeNumber) JudgeNumber(*n);
}

void TShuffle_Form::ShowJudgement(uint32_t number, const QString& text) {
  // An answer about a number no longer in the box is stale.
  if (Number() == number) Grade_L->setText(text);
}

std::optional<uint32_t> TShuffle_Form::Number() const {
  return ShuffleInput::ParseGameNumber(Text());
}

QString TShuffle_Form::Text() const {
  return Shuffle_CB->currentText();
}

void TShuffle_Form::RefreshRecent() {
  const QSignalBlocker block(Shuffle_CB);
  const QString text = Shuffle_CB->currentText();
  Shuffle_CB->clear();
  Shuffle_CB->addItems(recent_.Items());
  const int selected = recent_.Selected();
  if (selected >= 0 && selected < Shuffle_CB->count()) {
    Shuffle_CB->setCurrentIndex(selected);
  } else {
    Shuffle_CB->setCurrentIndex(-1);
    Shuffle_CB->setEditText(text);
  }
}

void TShuffle_Form::FormShow() {
  RefreshRecent();
  AskJudgement();
  Shuffle_CB->lineEdit()->selectAll();
  Shuffle_CB->setFocus();
}

void TShuffle_Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  FormShow();
}

bool TShuffle_Form::Shuffle_CBKeyPress(QChar key) {
  if (ShuffleInput::AcceptsTypedChar(key)) return true;
  if (Beep) Beep();
  return false;
}

bool TShuffle_Form::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == Shuffle_CB || watched == Shuffle_CB->lineEdit()) &&
      event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      // Keys that type nothing: moving, deleting, leaving and closing.
      case Qt::Key_Escape:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Delete:
        return false;
      default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;
    for (QChar c : text)
      if (!Shuffle_CBKeyPress(c)) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TShuffle_Form::Button1Click() {
  const std::optional<uint32_t> number = Number();
  if (!number) {
    ShowMessage(ShuffleInput::RangeMessage(), ShuffleInput::kCaption, MsgIcon::Information);
    Shuffle_CB->setFocus();
    return;
  }
  recent_.Add(*number);
  RefreshRecent();
  done(mrOk);
}
