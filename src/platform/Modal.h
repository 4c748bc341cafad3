// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam through which every message box and modal dialog passes.
// A test or the scripted driver installs a responder that answers them
// without showing anything. Otherwise the window floors' runners show the
// real thing (platform/qt, ui); with no runner installed (a program without
// widgets) every question takes its default answer.

#include <QString>
#include <functional>
#include <optional>

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

// The dialogs a floor without widgets may ask for; the window floors
// build them.
enum class ModalDialog {
  EmptyColumn,  // "Move to empty column...": 1 column, 6 single card, 2 cancel
  OnceMore,     // the win dialog, "Once more?": 6 yes, 7 no
  Abandon,      // leave a started game: 6 yes, 7 no; kDontAskAgain added to a
                // yes when the player ticked "Don't ask again"
};
inline constexpr int kDontAskAgain = 0x100;
// Asks for one of those dialogs with its window caption (the responder sees
// a Dialog request with that caption) and returns its result.
int RequestDialog(ModalDialog which, const QString& caption, int defaultResult);

// The runners that show the real boxes and dialogs.
using MessageRunner = std::function<int(const QString& text, const QString& caption, MsgIcon icon,
                                        MsgButtons buttons, int defaultButton)>;
using DialogRunner = std::function<int(ModalDialog which, const QString& caption)>;
void SetMessageRunner(MessageRunner runner);
void SetDialogRunner(DialogRunner runner);
// The default answer of a message box with these buttons.
int DefaultMessageResult(MsgButtons buttons, int defaultButton);

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

// Answers every question asked on the calling thread, ahead of the
// program-wide responder, for one scope: a worker thread that plays on a
// private table must never reach the window's dialogs.
class ScopedThreadModalResponder {
 public:
  explicit ScopedThreadModalResponder(ModalResponder responder);
  ~ScopedThreadModalResponder();
  ScopedThreadModalResponder(const ScopedThreadModalResponder&) = delete;
  ScopedThreadModalResponder& operator=(const ScopedThreadModalResponder&) = delete;

 private:
  ModalResponder previous_;
};
