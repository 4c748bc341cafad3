#include "platform/Cursors.h"

#include <QPixmap>
#include <map>

namespace {
struct Entry {
  QImage image;
  int hotX;
  int hotY;
};
std::map<int, Entry>& Table() {
  static std::map<int, Entry> table;
  return table;
}
}  // namespace

void SetScreenCursor(int index, const QImage& image, int hotX, int hotY) {
  Table()[index] = Entry{image, hotX, hotY};
}

bool HasScreenCursor(int index) {
  return Table().count(index) > 0;
}

QCursor ScreenCursor(int index) {
  auto it = Table().find(index);
  if (it == Table().end() || it->second.image.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap::fromImage(it->second.image), it->second.hotX, it->second.hotY);
}
