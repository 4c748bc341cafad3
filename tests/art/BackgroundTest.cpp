// SPDX-License-Identifier: GPL-3.0-or-later
// Backgrounds: the carried pictures, JPEG decoding of good and bad data,
// picture files at start-up, tiling into the table and the colour.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "art/Background.h"
#include "platform/Controls.h"
#include "platform/Jpeg.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
  return path;
}

// How much the picture changes from the band of four columns left of column
// `at` to the band of four columns from it on (indices wrap around, so at 0
// this measures the joint between two tiles). Bands average out single
// pixels (pores, fibres), so what remains is the picture's own structure.
double BandStep(const QImage& img, int at) {
  const int w = img.width();
  double sum = 0;
  for (int y = 0; y < img.height(); ++y) {
    double left[3] = {0, 0, 0}, right[3] = {0, 0, 0};
    for (int k = 0; k < 4; ++k) {
      const QRgb l = img.pixel((at - 1 - k + w) % w, y), r = img.pixel((at + k) % w, y);
      left[0] += qRed(l), left[1] += qGreen(l), left[2] += qBlue(l);
      right[0] += qRed(r), right[1] += qGreen(r), right[2] += qBlue(r);
    }
    for (int c = 0; c < 3; ++c)
      sum += std::abs(left[c] - right[c]) / 4;
  }
  return sum / img.height();
}

// The joint is no sharper a step than the sharpest one inside the picture.
void ExpectSeamless(const QImage& img, const QString& what) {
  double inside = 0;
  for (int x = 4; x + 4 <= img.width(); ++x)
    inside = std::max(inside, BandStep(img, x));
  EXPECT_LE(BandStep(img, 0), inside) << qPrintable(what);
}

QImage SmallPattern() {
  // 3 x 2 pixels, every pixel a different colour.
  QImage tile(3, 2, QImage::Format_RGB32);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      tile.setPixel(x, y, qRgb(40 * x + 10, 100 * y + 20, 77));
  return tile;
}

}  // namespace

TEST(UiJpeg, EveryBuiltInPictureDecodesAtItsSizeWhateverTheCase) {
  struct Want {
    const char* name;
    int w, h;
  } wants[] = {{"Wood1", 240, 182},   {"wood2", 240, 182},   {"WOOD3", 240, 182},
               {"wOOd4", 240, 182},   {"Marble1", 240, 240}, {"marble2", 240, 240},
               {"MARBLE3", 240, 240}, {"Cloth1", 128, 128},  {"cloth2", 128, 128},
               {"CLOTH3", 128, 128}};
  for (const Want& w : wants) {
    QImage img;
    ASSERT_TRUE(LoadPatternResource(img, w.name)) << w.name;
    EXPECT_EQ(img.size(), QSize(w.w, w.h)) << w.name;
    EXPECT_EQ(img.format(), QImage::Format_RGB32) << w.name;
  }
  QImage untouched(5, 5, QImage::Format_RGB32);
  EXPECT_FALSE(LoadPatternResource(untouched, "Wood5"));
  EXPECT_FALSE(LoadPatternResource(untouched, ""));
  EXPECT_FALSE(LoadPatternResource(untouched, "../help/index"));
  EXPECT_EQ(untouched.size(), QSize(5, 5));
}

TEST(UiJpeg, BuiltInPicturesJoinWithoutSeamsAndDifferFromEachOther) {
  std::vector<QImage> all;
  for (const QString& name : BuiltInPatternNames()) {
    QImage img;
    ASSERT_TRUE(LoadPatternResource(img, name));
    ExpectSeamless(img, name + " across");
    ExpectSeamless(img.transformed(QTransform().rotate(90)), name + " down");
    all.push_back(img.scaled(64, 64));
  }
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = i + 1; j < all.size(); ++j) {
      double d = 0;
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
          const QRgb p = all[i].pixel(x, y), q = all[j].pixel(x, y);
          d += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
        }
      EXPECT_GT(d / (64 * 64), 12.0) << i << " and " << j << " look alike";
    }
}

TEST(UiJpeg, EncodedPictureComesBackCloseToTheOriginal) {
  QImage src(37, 23, QImage::Format_RGB32);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x)
      src.setPixel(x, y, qRgb(x * 6, y * 10, 128));
  const QByteArray data = Jpeg::Encode(src, 95);
  ASSERT_TRUE(Jpeg::LooksLikeJpeg(data));
  QString error;
  const QImage back = Jpeg::Decode(data, &error);
  ASSERT_FALSE(back.isNull()) << qPrintable(error);
  EXPECT_EQ(back.size(), src.size());
  EXPECT_NEAR(qRed(back.pixel(20, 10)), 120, 8);
  EXPECT_NEAR(qGreen(back.pixel(20, 10)), 100, 8);
  EXPECT_TRUE(Jpeg::Encode(QImage()).isEmpty());
}

TEST(UiJpeg, DamagedDataIsAnErrorNeverACrash) {
  const QByteArray good = ReadAll(":/backgrounds/MARBLE1.jpg");
  ASSERT_FALSE(Jpeg::Decode(good).isNull());
  QString error;

  // Cut short in the middle of the picture data.
  EXPECT_TRUE(Jpeg::Decode(good.left(good.size() / 2), &error).isNull());
  EXPECT_FALSE(error.isEmpty());
  // Cut inside the header.
  EXPECT_TRUE(Jpeg::Decode(good.left(40)).isNull());
  // Only the start marker, then noise.
  QByteArray noise("\xFF\xD8\xFF");
  for (int i = 0; i < 2000; ++i)
    noise.append(char((i * 7919) & 0xFF));
  EXPECT_TRUE(Jpeg::Decode(noise).isNull());
  // Header bytes overwritten.
  QByteArray scrambled = good;
  for (int i = 20; i < 400; ++i)
    scrambled[i] = char(i * 31);
  EXPECT_TRUE(Jpeg::Decode(scrambled).isNull());
  EXPECT_TRUE(Jpeg::Decode(QByteArray()).isNull());
  EXPECT_TRUE(Jpeg::Decode("not a picture at all").isNull());

  // A frame header that claims an enormous picture is refused before any
  // memory is taken for it.
  QByteArray huge = good;
  const int sof = huge.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  huge[sof + 5] = char(0xFF);  // height 0xFFxx
  huge[sof + 7] = char(0xFF);  // width 0xFFxx
  error.clear();
  EXPECT_TRUE(Jpeg::Decode(huge, &error).isNull());
  EXPECT_FALSE(error.isEmpty());
}

TEST(UiBackground, PictureFileThatCannotBeReadLeavesThePlainColour) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray good = ReadAll(":/backgrounds/WOOD2.jpg");
  QByteArray corrupt = good;
  for (int i = 2; i < corrupt.size(); i += 3)
    corrupt[i] = char(corrupt[i] ^ 0x5A);
  const QStringList bad = {
      WriteFile(dir, "corrupt.jpg", corrupt),
      WriteFile(dir, "truncated.jpg", good.left(good.size() * 2 / 3)),
      WriteFile(dir, "notes.jpg", "These are not the pixels you are looking for.\n"),
      WriteFile(dir, "empty.bmp", QByteArray()),
      WriteFile(dir, "broken.bmp", QByteArray("BM\x10\x00\x00\x00garbage", 14)),
      dir.filePath("missing.jpg"),
      dir.path(),
      QString(),
  };
  for (const QString& path : bad) {
    // As at start-up: the stored type 2 with that file.
    BackgroundState state;
    state.Color = QColor(10, 20, 30);
    state.PatternBitmap = QImage(4, 4, QImage::Format_RGB32);
    EXPECT_EQ(LoadBackground(state, ptFile, "Wood1", path), ptColor) << qPrintable(path);
    EXPECT_EQ(state.PatternType, ptColor);
    EXPECT_TRUE(state.PatternBitmap.isNull());
    EXPECT_EQ(state.Color, QColor(10, 20, 30));
    EXPECT_TRUE(CardsOpaque(state.PatternType));
    // The table then shows the colour.
    const QImage table = RenderBackground(state, 50, 40);
    EXPECT_EQ(table.pixel(0, 0), QColor(10, 20, 30).rgb());
    EXPECT_EQ(table.pixel(49, 39), QColor(10, 20, 30).rgb());
  }
}

TEST(UiBackground, ReadablePictureFilesAndBuiltInsAreLoaded) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString jpg = WriteFile(dir, "photo.jpeg", ReadAll(":/backgrounds/CLOTH3.jpg"));
  QImage bmpImage(30, 20, QImage::Format_RGB32);
  bmpImage.fill(qRgb(200, 100, 50));
  QByteArray bmpData;
  QBuffer buf(&bmpData);
  buf.open(QIODevice::WriteOnly);
  ASSERT_TRUE(bmpImage.save(&buf, "BMP"));
  // Judged by content, not by the name's extension.
  const QString bmp = WriteFile(dir, "picture.jpg", bmpData);

  BackgroundState state;
  EXPECT_EQ(LoadBackground(state, ptFile, {}, jpg), ptFile);
  EXPECT_EQ(state.PatternBitmap.size(), QSize(128, 128));
  EXPECT_FALSE(CardsOpaque(state.PatternType));
  EXPECT_EQ(LoadBackground(state, ptFile, {}, bmp), ptFile);
  EXPECT_EQ(state.PatternBitmap.size(), QSize(30, 20));
  EXPECT_EQ(state.PatternBitmap.pixel(29, 19), qRgb(200, 100, 50));

  EXPECT_EQ(LoadBackground(state, ptBuiltIn, "marble3", {}), ptBuiltIn);
  EXPECT_EQ(state.PatternBitmap.size(), QSize(240, 240));
  EXPECT_EQ(LoadBackground(state, ptBuiltIn, "Marble4", {}), ptColor);
  EXPECT_EQ(LoadBackground(state, ptBuiltIn, "Wood1", {}), ptBuiltIn);
  EXPECT_EQ(LoadBackground(state, 7, "Wood1", jpg), ptColor);
  EXPECT_EQ(LoadBackground(state, ptColor, "Wood1", jpg), ptColor);
  EXPECT_TRUE(state.PatternBitmap.isNull());
}

TEST(UiBackground, PictureIsRepeatedFromTheCornerAndCutAtTheEdges) {
  BackgroundState state;
  state.PatternType = ptBuiltIn;
  state.PatternBitmap = SmallPattern();
  QImage screen(10, 5, QImage::Format_RGB32);
  screen.fill(0xFF123456u);
  PaintTable(screen, screen.rect(), state);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x)
      ASSERT_EQ(screen.pixel(x, y), state.PatternBitmap.pixel(x % 3, y % 2)) << x << "," << y;

  // A part of the window: the same grid, nothing outside the rectangle.
  screen.fill(0xFF123456u);
  const QRect part(4, 1, 5, 3);
  PaintTable(screen, part, state);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 10; ++x) {
      const QRgb want = part.contains(x, y) ? state.PatternBitmap.pixel(x % 3, y % 2) : 0xFF123456u;
      ASSERT_EQ(screen.pixel(x, y), want) << x << "," << y;
    }

  // A picture larger than the window shows its top-left part only.
  QImage big;
  ASSERT_TRUE(LoadPatternResource(big, "Marble1"));
  state.PatternBitmap = big;
  const QImage small = RenderBackground(state, 100, 60);
  EXPECT_EQ(small, big.copy(0, 0, 100, 60));

  // A rectangle reaching past the window is cut to it.
  PaintTable(screen, QRect(-5, -5, 100, 100), state);
  EXPECT_EQ(screen.pixel(9, 4), big.pixel(9, 4));
}

TEST(UiBackground, TableOfAFormShowsTheTilesAtItsEdges) {
  BackgroundState state;
  ASSERT_EQ(LoadBackground(state, ptBuiltIn, "Cloth1", {}), ptBuiltIn);
  TForm form(300, 200);
  form.PaintBackground = [&state](QImage& s, const QRect& r) { PaintTable(s, r, state); };
  form.InvalidateAll();
  const QImage& tile = state.PatternBitmap;
  const QImage& screen = form.Screen();
  for (QPoint p : {QPoint(0, 0), QPoint(299, 0), QPoint(0, 199), QPoint(299, 199), QPoint(128, 128),
                   QPoint(127, 127), QPoint(256, 130)})
    EXPECT_EQ(screen.pixel(p), tile.pixel(p.x() % 128, p.y() % 128)) << p.x() << "," << p.y();

  // Switching to the plain colour repaints the colour everywhere.
  state.Color = QColor(0, 0, 200);
  LoadBackground(state, ptColor, {}, {});
  form.InvalidateAll();
  EXPECT_EQ(screen.pixel(299, 199), qRgb(0, 0, 200));
  EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 200));
}

TEST(UiBackground, StoredColourValuesConvert) {
  EXPECT_EQ(ColorFromRef(32768), QColor(0, 128, 0));
  EXPECT_EQ(ColorFromRef(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColorFromRef(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(ColorToRef(QColor(0, 128, 0)), 32768);
  EXPECT_EQ(ColorToRef(QColor(1, 2, 3)), 0x030201);
  EXPECT_EQ(ColorFromRef(ColorToRef(QColor(90, 45, 200))), QColor(90, 45, 200));
  // Not an RGB value (a system colour, a negative number): the default.
  EXPECT_EQ(ColorFromRef(static_cast<int>(0x8000000F)), QColor(0, 128, 0));
  EXPECT_EQ(ColorFromRef(0x1000000), QColor(0, 128, 0));
}
