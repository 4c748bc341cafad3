// SPDX-License-Identifier: GPL-3.0-or-later
// Card images kept from one start for the next: only a whole file made for
// this art is used, a bad one is drawn over, and a file that cannot be
// written costs nothing but the next start's speed.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

#include "art/CardArt.h"
#include "cardtable/Card.h"
#include "cardtable/CardImageCache.h"

namespace {

using CardImageCache::Decode;
using CardImageCache::Encode;
using CardImageCache::Entry;

QImage Solid(QSize size, QRgb colour) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

void PutU32(QByteArray& data, qsizetype at, quint32 v) {
  std::memcpy(data.data() + at, &v, 4);
}

// Patches a field and seals the file again, so the header's lie reaches the
// checks behind the checksum.
QByteArray Patched(QByteArray data, qsizetype at, quint32 v) {
  PutU32(data, at, v);
  const quint64 sum = CardImageCache::Checksum(data.constData(), data.size() - 8);
  std::memcpy(data.data() + data.size() - 8, &sum, 8);
  return data;
}

TEST(CardImageCacheTest, RoundTripAndEveryKindOfBadFile) {
  const QByteArray print = CardArt::CacheFingerprint();
  const std::vector<Entry> entries = {{1, Solid({30, 40}, qRgb(200, 10, 10))},
                                      {69, Solid({31, 40}, qRgb(1, 2, 3))}};
  const QByteArray good = Encode(print, entries);

  const CardImageCache::Contents read = Decode(good);
  ASSERT_TRUE(read.ok) << read.why.toStdString();
  EXPECT_EQ(read.fingerprint, print);
  const std::vector<Entry>& back = read.entries;
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].number, 1);
  EXPECT_EQ(back[0].image, entries[0].image);
  EXPECT_EQ(back[1].number, 69);
  EXPECT_EQ(back[1].image, entries[1].image);

  QByteArray flipped = good;
  flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x10);
  QByteArray foreignMagic = good;
  foreignMagic[0] = 'X';
  const qsizetype countAt = 8 + 4 + print.size();
  struct Case {
    const char* what;
    QByteArray data;
  } cases[] = {
      {"empty", QByteArray()},
      {"truncated header", good.left(10)},
      {"truncated image", good.left(good.size() - 100)},
      {"one byte more", good + 'x'},
      {"a flipped bit", flipped},
      {"not ours", foreignMagic},
      {"garbage", QByteArray(5000, '\xff')},
  };
  for (const Case& c : cases) {
    const CardImageCache::Contents bad = Decode(c.data);
    EXPECT_FALSE(bad.ok) << c.what;
    EXPECT_TRUE(bad.entries.empty()) << c.what;
    EXPECT_FALSE(bad.why.isEmpty()) << c.what;
  }

  // Headers that lie, behind a valid checksum: a count and an image size far
  // beyond the data, and an image number outside the table.
  struct Lie {
    const char* what;
    qsizetype at;
    quint32 value;
  } lies[] = {{"count", countAt, 0x7fffffffu},
              {"count one too many", countAt, 3},
              {"width", countAt + 8, 100000},
              {"number", countAt + 4, 99}};
  for (const Lie& lie : lies) {
    const CardImageCache::Contents bad = Decode(Patched(good, lie.at, lie.value));
    EXPECT_FALSE(bad.ok) << lie.what;
    EXPECT_FALSE(bad.why.contains("checksum")) << lie.what;
  }
  // The patching itself is sound: the same value back gives the file back.
  EXPECT_TRUE(Decode(Patched(good, countAt, 2)).ok);
}

class CardImageStoreTest : public ::testing::Test {
 protected:
  ~CardImageStoreTest() override { CardImages::UseDiskCache(QString()); }
  QTemporaryDir dir;
};

QImage Drawn(int k, QSize size) {
  return CardArt::CardImage(k, size).convertToFormat(QImage::Format_RGB32);
}

// What Prepare keeps at a size: the 52 faces, the empty-pile mark and a back.
std::vector<Entry> DrawnSet(QSize size) {
  std::vector<Entry> set;
  for (int k = 1; k <= 69; ++k)
    if (k <= 52 || k == 55 || k == 69) set.push_back({k, Drawn(k, size)});
  return set;
}

void WriteFile(const QString& file, const QByteArray& data) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(data), data.size());
}

TEST_F(CardImageStoreTest, ABadFileIsDrawnOver) {
  // A file with a flipped bit: the face is drawn instead.
  const QSize other(43, 58);
  const QString file = dir.filePath("card-images.bin");
  QByteArray bad = Encode(CardArt::CacheFingerprint(), {{2, Solid(other, qRgb(1, 254, 3))}});
  bad[40] = char(bad[40] ^ 1);
  WriteFile(file, bad);
  CardImages::UseDiskCache(file);
  EXPECT_EQ(CardImages::Image(2, other), Drawn(2, other));
}

// Lies behind a valid checksum: every face renumbered one place along (the
// set still whole, so only drawing one again shows it), the faces moved up
// one number (the ace missing), and images that are not cards at all. Each
// file is sealed again; none is used.
TEST_F(CardImageStoreTest, RenumberedImagesBehindAValidChecksumAreDrawnOver) {
  const QString file = dir.filePath("card-images.bin");
  int round = 0;
  for (const int shift : {1, 51}) {
    // A size of its own per file: the store takes a file once per size.
    const QSize size(49 + 2 * round, 66 + 3 * round);
    ++round;
    std::vector<Entry> lie = DrawnSet(size);
    for (Entry& e : lie)
      if (e.number <= 52) e.number = (e.number - 1 + shift) % 52 + 1;
    std::sort(lie.begin(), lie.end(),
              [](const Entry& a, const Entry& b) { return a.number < b.number; });
    WriteFile(file, Encode(CardArt::CacheFingerprint(), lie));
    CardImages::UseDiskCache(file);
    for (int k : {1, 13, 52})
      EXPECT_EQ(CardImages::Image(k, size), Drawn(k, size)) << "shift " << shift << " face " << k;
  }
  const QSize size(55, 74);
  std::vector<Entry> up = DrawnSet(size);
  for (Entry& e : up)
    if (e.number <= 52) ++e.number;
  WriteFile(file, Encode(CardArt::CacheFingerprint(), up));
  CardImages::UseDiskCache(file);
  EXPECT_EQ(CardImages::Image(2, size), Drawn(2, size));

  const QSize solid(57, 77);
  std::vector<Entry> plain;
  for (int k = 1; k <= 52; ++k)
    plain.push_back({k, Solid(solid, qRgb(1, 254, 3))});
  plain.push_back({69, Solid(solid, qRgb(1, 254, 3))});
  WriteFile(file, Encode(CardArt::CacheFingerprint(), plain));
  CardImages::UseDiskCache(file);
  EXPECT_EQ(CardImages::Image(7, solid), Drawn(7, solid));
}

// The faces chosen in the options: the store draws them from then on, and the
// kept file names the faces it holds, so a file of other faces is drawn over.
TEST_F(CardImageStoreTest, ImagesAndTheKeptFileFollowTheChosenFaces) {
  using CardArt::FaceStyle;
  const QSize own(CardArt::kCardWidth, CardArt::kCardHeight);
  struct Restore {
    ~Restore() { CardImages::SetFaceStyle(FaceStyle::Standard); }
  } restore;
  const QSize size(47, 64);
  const QString file = dir.filePath("card-images.bin");
  // A file of the standard faces, then a start with four colours.
  WriteFile(file, Encode(CardArt::CacheFingerprint(), DrawnSet(size)));
  CardImages::SetFaceStyle(FaceStyle::FourColour);
  CardImages::UseDiskCache(file);
  const QImage fourColour = CardArt::CardImage(1, size, FaceStyle::FourColour);
  EXPECT_NE(fourColour, Drawn(1, size));
  EXPECT_EQ(CardImages::Image(1, size), fourColour);
  EXPECT_EQ(CardImages::Image(1), CardArt::CardImage(1, own, FaceStyle::FourColour));
  const QImage back = CardImages::Image(55, size);

  // Prepare keeps the faces now shown, under their own fingerprint.
  CardImages::Prepare(size, 3);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const CardImageCache::Contents read = Decode(f.readAll());
  ASSERT_TRUE(read.ok) << read.why.toStdString();
  EXPECT_EQ(read.fingerprint, CardArt::CacheFingerprint(FaceStyle::FourColour));
  EXPECT_NE(read.fingerprint, CardArt::CacheFingerprint());
  for (const Entry& e : read.entries) {
    if (e.number == 1) {
      EXPECT_EQ(e.image, fourColour);
    }
  }

  // Back to the standard faces: drawn again, the back is kept as it was.
  CardImages::SetFaceStyle(FaceStyle::Standard);
  EXPECT_EQ(CardImages::Image(1, size), Drawn(1, size));
  EXPECT_EQ(CardImages::Image(1), Drawn(1, own));
  EXPECT_EQ(CardImages::Image(55, size), back);
}

TEST_F(CardImageStoreTest, PrepareKeepsWhatItDrewOnceAndSurvivesAnUnwritablePlace) {
  const QSize size(45, 61);
  const QString file = dir.filePath("sub/card-images.bin");
  CardImages::UseDiskCache(file);
  CardImages::Prepare(size, 3);
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const CardImageCache::Contents read = Decode(f.readAll());
  f.close();
  ASSERT_TRUE(read.ok) << read.why.toStdString();
  EXPECT_EQ(read.fingerprint, CardArt::CacheFingerprint());
  const std::vector<Entry>& kept = read.entries;
  // The 52 faces, the empty-pile mark and back 3.
  ASSERT_EQ(kept.size(), 54u);
  for (const Entry& e : kept) {
    EXPECT_EQ(e.image, CardImages::Image(e.number, size)) << e.number;
    EXPECT_TRUE(e.number <= 52 || e.number == 69 || e.number == 55) << e.number;
  }

  // Nothing new drawn: the next Prepare does not write the file again.
  ASSERT_TRUE(QFile::remove(file));
  CardImages::Prepare(size, 3);
  EXPECT_FALSE(QFile::exists(file));

  // A place that cannot be a folder: the images still come, nothing is kept.
  QFile blocker(dir.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  CardImages::UseDiskCache(dir.filePath("blocker/card-images.bin"));
  const QSize third(47, 64);
  CardImages::Prepare(third, 1);
  EXPECT_FALSE(CardImages::Image(7, third).isNull());
  EXPECT_FALSE(QFile::exists(dir.filePath("blocker/card-images.bin")));
}

}  // namespace
