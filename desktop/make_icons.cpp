// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program icon into a hicolor icon tree at the usual sizes:
//   make_icons OUTDIR NAME   ->  OUTDIR/NxN/apps/NAME.png
// The build runs it, so the installed icons are always the program's own.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "art/WinArt.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icons OUTDIR NAME\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
    const QString file = dir + QStringLiteral("/%1.png").arg(name);
    if (!QDir().mkpath(dir) || !WinArt::AppIcon(size).save(file)) {
      std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
