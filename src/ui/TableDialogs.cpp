// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TableDialogs.h"

#include <QApplication>

#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "ui/AbandonDlg.h"
#include "ui/EmptyColDlg.h"
#include "ui/WinDlg.h"

namespace {

int Run(QDialog& dialog) {
  int r = dialog.exec();
  // A dialog closed with its window button reports 0: that is Cancel.
  return r == QDialog::Rejected ? mrCancel : r;
}

}  // namespace

// The dialogs belong to the main window: the win dialog and the abandon
// question are centred over it and the empty-column question keeps its
// design offset from the window's corner, so they appear by the game on any
// screen.
int RunTableDialog(ModalDialog which, const QString& caption) {
  QWidget* anchor = DialogAnchor();
  if (which == ModalDialog::EmptyColumn) {
    TEmptyColDlg dialog(anchor);
    if (anchor) dialog.move(anchor->pos() + TEmptyColDlg::kOffset);
    return Run(dialog);
  }
  if (which == ModalDialog::Abandon) {
    TAbandonDlg dialog(anchor);
    dialog.exec();
    return dialog.Result();
  }
  TWinDlg dialog(caption, anchor);
  return Run(dialog);
}

void InstallTableDialogs() {
  InstallMessageBoxes();
  SetDialogRunner(RunTableDialog);
}
