// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: one offscreen application for all suites, deterministic mode
// (no real timers, no message pump), settings kept in a private temporary
// folder, and data and cache folders beside them, so no test touches the
// user's own; then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include "platform/Messages.h"
#include "ui/TableDialogs.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  for (const char* kind : {"CONFIG", "DATA", "CACHE"}) {
    const QString folder = home.path() + '/' + QString::fromLatin1(kind).toLower();
    QDir().mkpath(folder);
    qputenv(QByteArray("XDG_") + kind + "_HOME", folder.toLocal8Bit());
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  SetDeterministic(true);
  // The tests read English help pages and texts whatever the machine's own
  // language; the tests of other languages set theirs and put this back.
  QLocale::setDefault(QLocale::c());
  InstallTableDialogs();
  // A started game a test leaves is abandoned as it always was, without a
  // dialog waiting for a click: the tests of the question answer it through
  // a responder, which comes first.
  SetDialogRunner([](ModalDialog which, const QString& caption) {
    return which == ModalDialog::Abandon ? int(mrYes) : RunTableDialog(which, caption);
  });
  return RUN_ALL_TESTS();
}
