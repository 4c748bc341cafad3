// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Modal.h"

namespace {
ModalResponder& ProgramResponder() {
  static ModalResponder responder;
  return responder;
}
ModalResponder& ThreadResponder() {
  thread_local ModalResponder responder;
  return responder;
}
// The calling thread's own responder when it has one.
ModalResponder& Responder() {
  ModalResponder& own = ThreadResponder();
  return own ? own : ProgramResponder();
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
  ProgramResponder() = std::move(responder);
}
const ModalResponder& CurrentModalResponder() {
  return ProgramResponder();
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

ScopedThreadModalResponder::ScopedThreadModalResponder(ModalResponder responder)
    : previous_(ThreadResponder()) {
  ThreadResponder() = std::move(responder);
}

ScopedThreadModalResponder::~ScopedThreadModalResponder() {
  ThreadResponder() = previous_;
}
