// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/Background.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

#include "platform/Jpeg.h"
#include "platform/Raster.h"
#include "platform/SafeFile.h"

namespace {

const char* const kResourceDir = ":/backgrounds";

// A bitmap is refused by its header before Qt allocates for it: too many
// pixels, or an uncompressed one whose pixels the file cannot hold (a few
// hundred bytes may claim 8000 x 8000).
bool PlausibleBitmap(const QByteArray& data, QString* error) {
  auto fail = [&](const char* why) {
    if (error) *error = QString::fromLatin1(why);
    return false;
  };
  if (data.size() < 26) return fail("not a readable bitmap");
  const auto* p = reinterpret_cast<const uchar*>(data.constData());
  // The old OS/2 header (12 bytes) has 16-bit sizes and no compression.
  const bool core = qFromLittleEndian<quint32>(p + 14) == 12;
  if (!core && data.size() < 54) return fail("not a readable bitmap");
  const qint64 width =
      core ? qint64{qFromLittleEndian<quint16>(p + 18)} : qint64{qFromLittleEndian<qint32>(p + 18)};
  const qint64 height = core ? qint64{qFromLittleEndian<quint16>(p + 20)}
                             : std::abs(qint64{qFromLittleEndian<qint32>(p + 22)});
  const int bits = qFromLittleEndian<quint16>(p + (core ? 24 : 28));
  const quint32 compression = core ? 0 : qFromLittleEndian<quint32>(p + 30);
  if (width <= 0 || height <= 0 || width * height > Jpeg::kMaxPixels)
    return fail("picture too large");
  const qint64 rowBytes = (width * bits + 31) / 32 * 4;
  const bool uncompressed = compression == 0 || compression == 3;
  if (uncompressed && rowBytes * height > data.size()) return fail("bitmap cut short");
  // Run-length coding holds at most 255 pixels in two bytes.
  if (!uncompressed && width * height > qint64{data.size()} * 128)
    return fail("picture larger than its data can hold");
  return true;
}

QImage ReadPicture(const QByteArray& data, QString* error) {
  QImage img;
  if (Jpeg::LooksLikeJpeg(data)) {
    img = Jpeg::Decode(data, error);
  } else if (data.startsWith("BM")) {
    if (PlausibleBitmap(data, error)) img = QImage::fromData(data, "BMP");
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
  // Only a regular file, and never more than the limit: a stored name of
  // /dev/zero or a FIFO must not exhaust memory or block start-up.
  const FileRead file = ReadRegularFile(path, kMaxPictureFileBytes);
  if (!file.Ok()) {
    if (error) *error = file.Reason;
    return false;
  }
  QImage img = ReadPicture(file.Data, error);
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
