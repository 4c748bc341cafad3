// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Abandon.h"

#include <QCoreApplication>

#include "platform/Modal.h"

QString AbandonQuestionText() {
  return QCoreApplication::translate("Abandon", "Abandon this game? It counts as lost.");
}

bool MayAbandonGame(bool started, bool& ask) {
  if (!started || !ask) return true;
  const int answer = RequestDialog(ModalDialog::Abandon, AbandonQuestionText(), mrYes);
  if ((answer & ~kDontAskAgain) != mrYes) return false;
  if (answer & kDontAskAgain) ask = false;
  return true;
}
