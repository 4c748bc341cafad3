// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QColor>
#include <climits>

#include "records/Catalogue.h"
#include "rules/Game.h"
#include "session/Previews.h"

namespace {

// Pixels of card-face white; the placeholder's lettering is never that light.
int WhitePixels(const QImage& image) {
  int white = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() >= 250 && c.green() >= 250 && c.blue() >= 250) ++white;
    }
  return white;
}

}  // namespace

TEST(PreviewsTest, EveryIndexHasAPictureThatFitsThePanel) {
  for (int i : {INT_MIN, -1, 0, 1, 20, 45, 46, 200, INT_MAX}) {
    const QImage image = GamePreview(i);
    ASSERT_FALSE(image.isNull()) << i;
    EXPECT_LE(image.width(), kPreviewWidth) << i;
    EXPECT_LE(image.height(), kPreviewHeight) << i;
  }
  for (int i = 0; i < kGameCount; ++i) {
    const QImage image = GamePreview(i);
    ASSERT_FALSE(image.isNull()) << i;
    // Scaled to fit: one side fills the panel, neither exceeds it.
    EXPECT_TRUE(image.width() == kPreviewWidth || image.height() == kPreviewHeight) << i;
    EXPECT_LE(image.width(), kPreviewWidth) << i;
    EXPECT_LE(image.height(), kPreviewHeight) << i;
  }
}

TEST(PreviewsTest, SharedPicturesAreIdenticalAndOutsideIndicesShowTheFallback) {
  const std::pair<int, int> shared[] = {{2, 1}, {24, 7}, {26, 25}, {36, 27}};
  for (auto [game, owner] : shared) {
    EXPECT_EQ(PreviewOwner(PreviewNumber(game)), owner);
    EXPECT_EQ(GamePreview(game), GamePreview(owner)) << game;
  }
  EXPECT_EQ(PreviewOwner(kFallbackPreview), 1);
  for (int i : {-1, 46, INT_MAX})
    EXPECT_EQ(GamePreview(i), GamePreview(1)) << i;
  EXPECT_EQ(PreviewOwner(687), -1);
  // Different pictures really differ.
  EXPECT_NE(GamePreview(0), GamePreview(3));
}

TEST(PreviewsTest, GamesWithRulesShowTheirDealtTableOthersAPlaceholder) {
  int rendered = 0;
  for (int i = 0; i < kGameCount; ++i) {
    const int owner = PreviewOwner(PreviewNumber(i));
    const QImage image = GamePreview(i);
    if (HasDealRoutine(owner)) {
      ++rendered;
      EXPECT_TRUE(PreviewIsRendered(i));
      // The same fixed deal gives the same picture, and it shows cards.
      EXPECT_EQ(image, RenderGamePreview(owner)) << i;
      EXPECT_GT(WhitePixels(image), 300) << GameName(i).toStdString();
      EXPECT_NE(image, PlaceholderPreview(GameName(owner))) << i;
    } else {
      EXPECT_FALSE(PreviewIsRendered(i));
      EXPECT_EQ(image, PlaceholderPreview(GameName(owner))) << i;
      EXPECT_EQ(WhitePixels(image), 0) << i;
    }
  }
  EXPECT_TRUE(HasDealRoutine(32));
  EXPECT_GE(rendered, 1);
  // Placeholders tell games apart by name.
  EXPECT_NE(PlaceholderPreview(QStringLiteral("Carpet")),
            PlaceholderPreview(QStringLiteral("Castle")));
}

TEST(PreviewsTest, ReleasedPreviewsFreeTheirMemoryAndComeBackTheSame) {
  QImage kept = GamePreview(32);
  EXPECT_FALSE(kept.isDetached());  // the cache holds it too
  ReleaseGamePreviews();
  EXPECT_TRUE(kept.isDetached());  // now only here
  EXPECT_EQ(GamePreview(32), kept);
}
