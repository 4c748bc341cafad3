// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lets the floors without widgets show real dialogs: installs the message
// boxes and builds the dialogs they ask for through the modal seam (the
// empty-column question, the win dialog, the abandon question). The program
// calls it once its QApplication exists.

#include <QString>

#include "platform/Modal.h"

void InstallTableDialogs();
// The runner InstallTableDialogs installs: builds and shows the dialog.
int RunTableDialog(ModalDialog which, const QString& caption);
