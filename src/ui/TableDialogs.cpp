#include "ui/TableDialogs.h"

#include <QApplication>

#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "ui/EmptyColDlg.h"
#include "ui/WinDlg.h"

namespace {

int Run(QDialog& dialog) {
  int r = dialog.exec();
  // A dialog closed with its window button reports 0: that is Cancel.
  return r == QDialog::Rejected ? mrCancel : r;
}

int RunTableDialog(ModalDialog which, const QString& caption) {
  if (which == ModalDialog::EmptyColumn) {
    TEmptyColDlg dialog;
    return Run(dialog);
  }
  TWinDlg dialog(caption);
  return Run(dialog);
}

}  // namespace

void InstallTableDialogs() {
  InstallMessageBoxes();
  SetDialogRunner(RunTableDialog);
}
