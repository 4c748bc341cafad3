// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program's start-up is measured against: a bare Qt main
// window with a menu bar and a status bar, nothing else, reporting its first
// painted frame through the same probe as the program (scripts/bench-startup).
//
//   bare_window [--size WIDTHxHEIGHT]

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "platform/qt/StartupProbe.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  for (const char* title : {"&Game", "&Options", "&Help"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    menu->addAction(QStringLiteral("&First"));
    menu->addAction(QStringLiteral("&Second"));
  }
  window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
  window.setCentralWidget(new QWidget);
  QSize size(800, 600);
  for (int i = 1; i + 1 < argc; ++i)
    if (QByteArray(argv[i]) == "--size") {
      QList<QByteArray> wh = QByteArray(argv[i + 1]).split('x');
      if (wh.size() == 2 && wh[0].toInt() > 0 && wh[1].toInt() > 0)
        size = QSize(wh[0].toInt(), wh[1].toInt());
    }
  window.resize(size);
  InstallStartupProbe(&window);
  window.show();
  return app.exec();
}
