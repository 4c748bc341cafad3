#pragma once
// The widget side of the modal seam: real message boxes, and modal
// dialogs that the responder of a test or script may answer instead.

class QDialog;

// Runs a dialog modally (or asks the responder with its window title) and
// returns its result. defaultResult is what Enter would answer.
int ExecDialog(QDialog& dialog, int defaultResult);

// From now on ShowMessage shows a real QMessageBox when no responder
// answers (and a QApplication exists).
void InstallMessageBoxes();
