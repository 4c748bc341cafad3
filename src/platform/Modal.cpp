#include "platform/Modal.h"

namespace {
ModalResponder& Responder() {
  static ModalResponder responder;
  return responder;
}
MessageRunner& Messages() {
  static MessageRunner runner;
  return runner;
}
DialogRunner& Dialogs() {
  static DialogRunner runner;
  return runner;
}
}  // namespace

void SetModalResponder(ModalResponder responder) {
  Responder() = std::move(responder);
}
const ModalResponder& CurrentModalResponder() {
  return Responder();
}
void SetMessageRunner(MessageRunner runner) {
  Messages() = std::move(runner);
}
void SetDialogRunner(DialogRunner runner) {
  Dialogs() = std::move(runner);
}

int DefaultMessageResult(MsgButtons buttons, int defaultButton) {
  if (defaultButton != mrNone) return defaultButton;
  switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
      return mrOk;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
      return mrYes;
  }
  return mrOk;
}

int ShowMessage(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons,
                int defaultButton) {
  const int fallback = DefaultMessageResult(buttons, defaultButton);
  if (Responder()) {
    ModalRequest req{ModalRequest::Message, text, caption, fallback};
    if (auto answer = Responder()(req)) return *answer;
  }
  if (!Messages()) return fallback;
  return Messages()(text, caption, icon, buttons, defaultButton);
}

int RequestDialog(ModalDialog which, const QString& caption, int defaultResult) {
  if (Responder()) {
    ModalRequest req{ModalRequest::Dialog, caption, caption, defaultResult};
    if (auto answer = Responder()(req)) return *answer;
  }
  if (!Dialogs()) return defaultResult;
  return Dialogs()(which, caption);
}

ScopedModalResponder::ScopedModalResponder(ModalResponder responder)
    : previous_(CurrentModalResponder()) {
  SetModalResponder(std::move(responder));
}

ScopedModalResponder::~ScopedModalResponder() {
  SetModalResponder(previous_);
}
