// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a script in the real main window (offscreen) and, when the win
// dialog comes up, lets the win display throw cards for a while and saves a
// picture of the window with the dialog over it.
//   win_display_shot SCRIPT OUT.png

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "app/MainForm.h"
#include "app/ScriptDriver.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "ui/WinDlg.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: win_display_shot SCRIPT OUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir dir;
  qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
  QApplication app(argc, argv);
  SetDeterministic(true);
  QFile f(QString::fromLocal8Bit(argv[1]));
  if (!f.open(QIODevice::ReadOnly)) return 2;
  auto parsed = ParseScript(QString::fromUtf8(f.readAll()));
  if (!std::holds_alternative<std::vector<ScriptCommand>>(parsed)) return 2;
  MainOptions options;
  options.DataDir = dir.path();
  TMain_F window(options);
  window.show();
  GameFlow& flow = window.Flow();
  QString out = QString::fromLocal8Bit(argv[2]);
  QTextStream sink(stdout);
  ScriptDriver driver(flow, sink);
  // Over the driver's answers: the win dialog first lets the display run.
  ModalResponder inner = CurrentModalResponder();
  ScopedModalResponder shot([&](const ModalRequest& r) -> std::optional<int> {
    if (r.kind == ModalRequest::Dialog && r.text == flow.Caption().section(" [", 0, 0)) {
      for (int i = 0; i < 60; ++i)
        flow.Host().Additional_timer.Fire();
      QCoreApplication::processEvents();
      QImage img = window.grab().toImage();
      // The dialog itself, drawn over the middle of the window.
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dlg = qobject_cast<TWinDlg*>(w)) {
          QImage d = dlg->grab().toImage();
          QPainter p(&img);
          p.drawImage((img.width() - d.width()) / 2, (img.height() - d.height()) / 2, d);
        }
      }
      img.save(out);
      return mrNo;
    }
    return inner(r);
  });
  driver.Run(std::get<std::vector<ScriptCommand>>(parsed));
  window.MarkClosed();
  return QFile::exists(out) ? 0 : 1;
}
