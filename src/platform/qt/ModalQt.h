// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget side of the modal seam: real message boxes, and modal
// dialogs that the responder of a test or script may answer instead.

class QDialog;
class QWidget;

// Runs a dialog modally (or asks the responder with its window title) and
// returns its result. defaultResult is what Enter would answer.
int ExecDialog(QDialog& dialog, int defaultResult);

// From now on ShowMessage shows a real QMessageBox when no responder
// answers (and a QApplication exists).
void InstallMessageBoxes();

// The window the program's message boxes and table dialogs are placed by
// (the main window); without one they are placed on the screen. Cleared
// when that window goes.
void SetDialogAnchor(QWidget* anchor);
QWidget* DialogAnchor();
