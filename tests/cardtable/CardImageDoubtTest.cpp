// SPDX-License-Identifier: GPL-3.0-or-later
// What the kept card images must show before they are believed, and that a
// sound file spares the drawing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "art/CardArt.h"
#include "cardtable/Card.h"
#include "cardtable/CardImageCache.h"

namespace {

using CardImageCache::DoubtAbout;
using CardImageCache::Entry;

std::vector<Entry> Set(QSize size) {
  std::vector<Entry> set;
  for (int k = 1; k <= 52; ++k)
    set.push_back({k, QImage(size, QImage::Format_RGB32)});
  set.push_back({69, QImage(size, QImage::Format_RGB32)});
  return set;
}

}  // namespace

TEST(CardImageDoubt, TheWholeSetOnceInACardsShape) {
  const QSize size(60, 81);
  EXPECT_EQ(DoubtAbout(Set(size), size), "");
  EXPECT_EQ(DoubtAbout(Set(size), QSize(200, 270)), "");  // nothing at that size
  std::vector<Entry> grown = Set(size);  // a pixel more at some places: still one view
  grown.push_back({7, QImage(QSize(61, 82), QImage::Format_RGB32)});
  EXPECT_EQ(DoubtAbout(grown, size), "");

  std::vector<Entry> noAce = Set(size);
  noAce.erase(noAce.begin());
  std::vector<Entry> twice = Set(size);
  twice.push_back(twice[4]);
  std::vector<Entry> noMask = Set(size);
  noMask.pop_back();
  const QSize square(60, 60);
  std::vector<Entry> notACard = Set(square);
  EXPECT_EQ(DoubtAbout(noAce, size), "face 1 is missing");
  EXPECT_EQ(DoubtAbout(twice, size), "image 5 is there twice");
  EXPECT_EQ(DoubtAbout(noMask, size), "the empty-pile mark is missing");
  EXPECT_EQ(DoubtAbout(notACard, square), "image 1 is 60 x 60, not a card's shape");
}

// A file Prepare wrote is believed: the next start draws only the few
// images it checks, not the set.
TEST(CardImageDoubt, ASoundFileSparesTheDrawing) {
  QTemporaryDir dir;
  const QString file = dir.filePath("card-images.bin");
  const QSize size(41, 55);
  std::vector<Entry> set;
  for (int k = 1; k <= 69; ++k)
    if (k <= 52 || k == 69)
      set.push_back({k, CardArt::CardImage(k, size).convertToFormat(QImage::Format_RGB32)});
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(CardImageCache::Encode(CardArt::CacheFingerprint(), set));
  f.close();
  CardImages::UseDiskCache(file);
  CardImages::ReadKeptAhead();
  const int before = CardImages::DrawnCount();
  for (const Entry& e : set)
    EXPECT_EQ(CardImages::Image(e.number, size), e.image) << e.number;
  EXPECT_LE(CardImages::DrawnCount() - before, 2);
  EXPECT_GE(CardImages::DrawnCount() - before, 1);
  CardImages::UseDiskCache(QString());
}
