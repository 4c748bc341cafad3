#pragma once
// The one seam through which every message box and modal dialog passes.
// In the running program they are real Qt dialogs; a test or the scripted
// driver installs a responder that answers them without showing anything.

#include <QString>
#include <functional>
#include <optional>

class QDialog;

// Dialog results as the desktop numbers them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class MsgIcon { None, Information, Warning, Question, Error };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

struct ModalRequest {
  enum Kind { Message, Dialog } kind = Message;
  QString text;     // message text, or the dialog's caption
  QString caption;  // window caption of a message box
  int defaultResult = mrOk;
};

// A responder returns the answer, or nothing to let the real dialog run.
using ModalResponder = std::function<std::optional<int>(const ModalRequest&)>;

void SetModalResponder(ModalResponder responder);
const ModalResponder& CurrentModalResponder();

// Shows a message box (or asks the responder) and returns the button pressed.
// defaultButton picks the button Enter presses (mrNone: the first one).
int ShowMessage(const QString& text, const QString& caption, MsgIcon icon,
                MsgButtons buttons = MsgButtons::Ok, int defaultButton = mrNone);

// Runs a dialog modally (or asks the responder with its window title) and
// returns its result. defaultResult is what Enter would answer.
int ExecDialog(QDialog& dialog, int defaultResult);

// Keeps a responder installed for one scope.
class ScopedModalResponder {
 public:
  explicit ScopedModalResponder(ModalResponder responder);
  ~ScopedModalResponder();
  ScopedModalResponder(const ScopedModalResponder&) = delete;
  ScopedModalResponder& operator=(const ScopedModalResponder&) = delete;

 private:
  ModalResponder previous_;
};
