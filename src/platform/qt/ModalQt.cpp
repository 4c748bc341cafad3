// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ModalQt.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include "platform/Modal.h"

namespace {

QPointer<QWidget>& Anchor() {
  static QPointer<QWidget> anchor;
  return anchor;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

int RunMessageBox(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                  int defaultButton) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    return DefaultMessageResult(buttons, defaultButton);
  // Parented to the main window, the box is centred over the game rather
  // than over whichever screen the desktop picks.
  QMessageBox box(ToQt(icon), caption, text, QMessageBox::NoButton, DialogAnchor());
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (defaultButton) {
    case mrOk:
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case mrCancel:
      box.setDefaultButton(QMessageBox::Cancel);
      break;
    case mrYes:
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case mrNo:
      box.setDefaultButton(QMessageBox::No);
      break;
    default:
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return mrOk;
    case QMessageBox::Cancel:
      return mrCancel;
    case QMessageBox::Yes:
      return mrYes;
    case QMessageBox::No:
      return mrNo;
    default:
      return mrCancel;
  }
}

}  // namespace

int ExecDialog(QDialog& dialog, int defaultResult) {
  if (const ModalResponder& responder = CurrentModalResponder()) {
    ModalRequest req{ModalRequest::Dialog, dialog.windowTitle(), dialog.windowTitle(),
                     defaultResult};
    if (auto answer = responder(req)) return *answer;
  }
  int r = dialog.exec();
  // A dialog closed with its window button reports 0: that is Cancel.
  return r == QDialog::Rejected ? mrCancel : r;
}

void SetDialogAnchor(QWidget* anchor) {
  Anchor() = anchor;
}

QWidget* DialogAnchor() {
  return Anchor().data();
}

void InstallMessageBoxes() {
  SetMessageRunner(RunMessageBox);
}
