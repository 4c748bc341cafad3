// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the main window (FreeCell #1 on the table) and every dialog in one
// language, offscreen, and saves a picture of each: the way to look at a
// translation as a player sees it.
//   language_shots de|fr|es|en OUT_DIR
// WENLO_PSEUDO_TRANSLATION=1 shows the pseudo catalogue instead.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/Language.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "support/EveryDialog.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s de|fr|es|en OUT_DIR\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  QApplication app(argc, argv);
  SetDeterministic(true);
  ScopedModalResponder answers([](const ModalRequest& r) { return r.defaultResult; });
  const QString lang = QString::fromLatin1(argv[1]);
  if (Language::Apply(lang) != lang && !Language::PseudoRequested()) {
    std::fprintf(stderr, "unknown language '%s'\n", argv[1]);
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(dir);

  MainOptions options;
  options.DataDir = home.filePath(QStringLiteral("data"));
  TMain_F window(options);
  window.MarkClosed();
  window.resize(820, 640);
  window.Flow().DealGame(32, 1);
  window.ShowSolverVerdictNow();
  int failures = 0;
  VisitEveryView(window, [&](const QString& name, QWidget& view) {
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (view.grab().save(path))
      std::printf("%s (%dx%d)\n", qPrintable(path), view.width(), view.height());
    else
      ++failures;
  });
  return failures == 0 ? 0 : 1;
}
