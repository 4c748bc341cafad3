#include "art/Background.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/Jpeg.h"
#include "platform/Raster.h"

namespace {

const char* const kResourceDir = ":/backgrounds";

QImage ReadPicture(const QByteArray& data, QString* error) {
  QImage img;
  if (Jpeg::LooksLikeJpeg(data)) {
    img = Jpeg::Decode(data, error);
  } else if (data.startsWith("BM")) {
    img = QImage::fromData(data, "BMP");
    if (img.isNull() && error) *error = QStringLiteral("not a readable bitmap");
  } else if (error) {
    *error = QStringLiteral("neither a JPEG nor a bitmap");
  }
  if (img.isNull() || img.width() <= 0 || img.height() <= 0) return {};
  return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QColor ColorFromRef(int colorRef) {
  if (colorRef < 0 || colorRef > 0xFFFFFF) return QColor(0, 128, 0);
  return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

int ColorToRef(const QColor& color) {
  if (!color.isValid()) return 0x008000;
  return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QStringList BuiltInPatternNames() {
  return {"Wood1",   "Wood2",   "Wood3",  "Wood4",  "Marble1",
          "Marble2", "Marble3", "Cloth1", "Cloth2", "Cloth3"};
}

bool LoadPatternResource(QImage& bitmap, const QString& name) {
  // Only names of pictures that are really carried are looked up, so a
  // stored name can never reach another resource ("../help/...").
  const QStringList files = QDir(kResourceDir).entryList({"*.jpg"}, QDir::Files);
  for (const QString& f : files) {
    if (QFileInfo(f).completeBaseName().compare(name, Qt::CaseInsensitive) != 0) continue;
    QFile file(QString(kResourceDir) + '/' + f);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QImage img = Jpeg::Decode(file.readAll());
    if (img.isNull()) return false;
    bitmap = std::move(img);
    return true;
  }
  return false;
}

bool LoadPictureFile(QImage& bitmap, const QString& path, QString* error) {
  if (path.isEmpty()) {
    if (error) *error = QStringLiteral("no file name");
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  if (file.size() > kMaxPictureFileBytes) {
    if (error) *error = QStringLiteral("file too large");
    return false;
  }
  QImage img = ReadPicture(file.readAll(), error);
  if (img.isNull()) return false;
  bitmap = std::move(img);
  return true;
}

int LoadBackground(BackgroundState& state, int type, const QString& name, const QString& file) {
  QImage img;
  bool ok = false;
  if (type == ptBuiltIn)
    ok = LoadPatternResource(img, name);
  else if (type == ptFile)
    ok = LoadPictureFile(img, file);
  if (ok) {
    state.PatternType = type;
    state.PatternBitmap = std::move(img);
  } else {
    state.PatternType = ptColor;
    state.PatternBitmap = QImage();
  }
  return state.PatternType;
}

void PaintTable(QImage& screen, const QRect& r, const BackgroundState& state) {
  const QRect area = r & screen.rect();
  if (area.isEmpty()) return;
  const QImage& tile = state.PatternBitmap;
  if (state.PatternType == ptColor || tile.isNull()) {
    const QRgb c = state.Color.isValid() ? state.Color.rgb() : qRgb(0, 128, 0);
    for (int y = area.top(); y <= area.bottom(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
      std::fill(line + area.left(), line + area.right() + 1, c | 0xFF000000u);
    }
    return;
  }
  // The tiles lie on a fixed grid from the screen's corner; only those that
  // meet the rectangle are copied, each cut to it.
  const int tw = tile.width();
  const int th = tile.height();
  for (int ty = area.top() / th * th; ty <= area.bottom(); ty += th) {
    for (int tx = area.left() / tw * tw; tx <= area.right(); tx += tw) {
      BitBlt(screen, tx, ty, tw, th, tile, 0, 0, Rop::Copy, &area);
    }
  }
}

QImage RenderBackground(const BackgroundState& state, int w, int h) {
  QImage img = NewBitmap(w, h);
  PaintTable(img, img.rect(), state);
  return img;
}
