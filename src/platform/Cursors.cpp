// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cursors.h"

#include <QPixmap>
#include <cmath>
#include <map>

namespace {
struct Entry {
  CursorPainter painter;
  int hotX;
  int hotY;
  std::map<int, QImage> drawn;  // by pixel ratio
};
std::map<int, Entry>& Table() {
  static std::map<int, Entry> table;
  return table;
}
}  // namespace

void SetScreenCursor(int index, CursorPainter painter, int hotX, int hotY) {
  Table()[index] = Entry{std::move(painter), hotX, hotY, {}};
}

bool HasScreenCursor(int index) {
  return Table().count(index) > 0;
}

QCursor ScreenCursor(int index, qreal devicePixelRatio) {
  auto it = Table().find(index);
  if (it == Table().end() || !it->second.painter) return QCursor(Qt::ArrowCursor);
  Entry& e = it->second;
  const int ratio = std::clamp(int(std::ceil(devicePixelRatio - 0.01)), 1, 8);
  auto drawn = e.drawn.find(ratio);
  if (drawn == e.drawn.end()) drawn = e.drawn.emplace(ratio, e.painter(ratio)).first;
  if (drawn->second.isNull()) return QCursor(Qt::ArrowCursor);
  QPixmap pixmap = QPixmap::fromImage(drawn->second);
  pixmap.setDevicePixelRatio(ratio);
  return QCursor(pixmap, e.hotX, e.hotY);
}
