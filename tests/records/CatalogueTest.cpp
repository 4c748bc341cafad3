// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>
#include <limits>

#include "records/Catalogue.h"

namespace {

// The stored game indices depend on this order, so it is checked name by name.
const QStringList kNamesInIndexOrder = {"WindMill",
                                        "Topsy-Turvy Queens",
                                        "King's Secrets",
                                        "Canfield",
                                        "In a frame",
                                        "Obstacle-race",
                                        "King Albert",
                                        "Troika",
                                        "Sir Tommy",
                                        "Lady Betty",
                                        "Bisley",
                                        "One Pack",
                                        "Turncoats",
                                        "Pharaoh",
                                        "Flower Garden",
                                        "Diplomat",
                                        "Twelve Sleeping Maids",
                                        "Carpet",
                                        "Short Solitaire",
                                        "Steeplechase",
                                        "Elma",
                                        "Egyptian Pyramid",
                                        "Simple",
                                        "Carlton",
                                        "Shamrocks",
                                        "Napoleon Leaves Moscow",
                                        "Napoleon Takes Moscow",
                                        "Forty Thieves",
                                        "Castle",
                                        "Triple Union",
                                        "Three Fir-trees",
                                        "Binding",
                                        "FreeCell",
                                        "Stacks",
                                        "Sultan",
                                        "Four Packs",
                                        "Josephine",
                                        "Martha",
                                        "Emperor",
                                        "Number Ten",
                                        "Indian",
                                        "Banner",
                                        "Masquerade",
                                        "Rectangle",
                                        "Desire",
                                        "Doubt"};

}  // namespace

TEST(CatalogueTest, NamesKeepTheirStoredIndices) {
  ASSERT_EQ(GameCount(), 46);
  ASSERT_EQ(kNamesInIndexOrder.size(), 46);
  for (int i = 0; i < GameCount(); ++i) {
    EXPECT_EQ(GameName(i), kNamesInIndexOrder[i]) << i;
    EXPECT_EQ(GameIndexByName(kNamesInIndexOrder[i]), i);
    EXPECT_LE(GameName(i).size(), 29);
    EXPECT_EQ(HelpContext(i), 100 + i);
  }
}

TEST(CatalogueTest, RowsHaveValidTexts) {
  const QSet<QString> difficulties = {"Easy", "Average", "Difficult"};
  int autoPlay = 0, twoPacks = 0;
  for (int i = 0; i < GameCount(); ++i) {
    ASSERT_NE(GameAt(i), nullptr);
    EXPECT_TRUE(difficulties.contains(GameDifficulty(i))) << i;
    EXPECT_TRUE(GamePacks(i) == "1" || GamePacks(i) == "2") << i;
    EXPECT_EQ(GamePackCount(i), GamePacks(i).toInt());
    autoPlay += HasAutoPlayOption(i);
    twoPacks += GamePackCount(i) == 2;
  }
  EXPECT_EQ(autoPlay, 27);
  EXPECT_EQ(twoPacks, 26);
  EXPECT_FALSE(HasAutoPlayOption(0));
  EXPECT_TRUE(HasAutoPlayOption(32));
}

TEST(CatalogueTest, SharedPreviewsAndNoMissingPictureNumbers) {
  EXPECT_EQ(PreviewNumber(2), PreviewNumber(1));    // King's Secrets / Topsy-Turvy Queens
  EXPECT_EQ(PreviewNumber(24), PreviewNumber(7));   // Shamrocks / Troika
  EXPECT_EQ(PreviewNumber(26), PreviewNumber(25));  // the two Napoleons
  EXPECT_EQ(PreviewNumber(36), PreviewNumber(27));  // Josephine / Forty Thieves
  const QSet<int> shared = {2, 24, 26, 36};
  const QSet<int> missing = {687, 709, 711, 721};
  for (int i = 0; i < GameCount(); ++i) {
    if (!shared.contains(i)) {
      EXPECT_EQ(PreviewNumber(i), 685 + i) << i;
    }
    EXPECT_FALSE(missing.contains(PreviewNumber(i))) << i;
  }
  // Emperor and Number Ten share a deal but stay two games.
  EXPECT_NE(GameName(38), GameName(39));
  EXPECT_NE(PreviewNumber(38), PreviewNumber(39));
}

TEST(CatalogueTest, IndicesOutsideTheCatalogueHaveClearAnswers) {
  for (int i :
       {-1, 46, 200, 9999, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    EXPECT_FALSE(IsGameIndex(i));
    EXPECT_EQ(GameAt(i), nullptr);
    EXPECT_TRUE(GameName(i).isEmpty());
    EXPECT_TRUE(GameDifficulty(i).isEmpty());
    EXPECT_TRUE(GamePacks(i).isEmpty());
    EXPECT_EQ(GamePackCount(i), 0);
    EXPECT_FALSE(HasAutoPlayOption(i));
    EXPECT_EQ(PreviewNumber(i), 686);
    EXPECT_EQ(HelpContext(i), 0);
  }
  EXPECT_EQ(GameIndexByName("No Such Game"), -1);
  EXPECT_EQ(GameIndexByName("freecell"), -1);  // names are exact
}
