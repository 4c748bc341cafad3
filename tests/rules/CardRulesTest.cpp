// SPDX-License-Identifier: GPL-3.0-or-later
// The card comparisons, table-driven: suits and colours, the circular rank
// order (an Ace above a King, a King below an Ace) and absent cards.

#include <gtest/gtest.h>

#include <memory>

#include "cardtable/Cardscmp.h"
#include "rules/CardRules.h"

using namespace CardRules;

namespace {

struct Case {
  const char* a;  // nullptr: the pile is empty
  const char* b;
  bool followsInSuit, followsAnySuit, followsOtherColour;
  bool precedesInSuit, precedesAnySuit, otherColour, fitsAltColourDown;
};

// A1 is one rank above A, in the columns' words: "b follows a" means b is
// one rank higher, "b precedes a" one rank lower.
const Case kCases[] = {
    // a      b      fInS   fAny   fOthC  pInS   pAny   othC   fitsAltDown
    {"5H", "6H", true, true, false, false, false, false, false},
    {"5H", "6S", false, true, true, false, false, true, false},
    {"5C", "6S", false, true, false, false, false, false, false},
    {"6D", "5D", false, false, false, true, true, false, false},
    {"6D", "5C", false, false, false, false, true, true, true},
    {"6D", "5H", false, false, false, false, true, false, false},
    {"KS", "AS", true, true, false, false, false, false, false},  // Ace above King
    {"KS", "AD", false, true, true, false, false, true, false},
    {"AH", "KH", false, false, false, true, true, false, false},  // King below Ace
    {"AH", "KC", false, false, false, false, true, true, true},   // King on an Ace
    {"AC", "KS", false, false, false, false, true, false, false},
    {"QC", "KC", true, true, false, false, false, false, false},
    {"KC", "QD", false, false, false, false, true, true, true},
    {"5H", "5H", false, false, false, false, false, false, false},  // same rank
    {"5H", "5S", false, false, false, false, false, true, false},
    {"2S", "AS", false, false, false, true, true, false, false},
    {"AS", "2S", true, true, false, false, false, false, false},
    {"TD", "9S", false, false, false, false, true, true, true},
    {"JH", "TD", false, false, false, false, true, false, false},
    {nullptr, "AS", false, false, false, false, false, false, false},  // empty pile
};

class CardRulesTest : public ::testing::Test {
 protected:
  TCard* Card(const char* name) {
    if (!name) return nullptr;
    static const std::string kRanks = "A23456789TJQK", kSuits = "CDHS";
    auto c = std::make_unique<TCard>(&form);
    c->SetCardFace(int(kSuits.find(name[1]) + 1) * 256 + int(kRanks.find(name[0]) + 1));
    cards.push_back(std::move(c));
    return cards.back().get();
  }
  TForm form{100, 100};
  std::vector<std::unique_ptr<TCard>> cards;
};

}  // namespace

TEST_F(CardRulesTest, EveryComparisonOnTheTable) {
  for (const Case& k : kCases) {
    const TCard* a = Card(k.a);
    const TCard* b = Card(k.b);
    SCOPED_TRACE(std::string(k.a ? k.a : "empty") + " / " + k.b);
    EXPECT_EQ(FollowsInSuit(a, b), k.followsInSuit);
    EXPECT_EQ(FollowsAnySuit(a, b), k.followsAnySuit);
    EXPECT_EQ(FollowsOtherColour(a, b), k.followsOtherColour);
    EXPECT_EQ(PrecedesInSuit(a, b), k.precedesInSuit);
    EXPECT_EQ(PrecedesAnySuit(a, b), k.precedesAnySuit);
    EXPECT_EQ(OtherColour(a, b), k.otherColour);
    EXPECT_EQ(FitsAltColourDown(a, b), k.fitsAltColourDown);
  }
}

TEST_F(CardRulesTest, ColoursPairClubsWithSpadesAndDiamondsWithHearts) {
  const char* black[] = {"7C", "7S"};
  const char* red[] = {"7D", "7H"};
  for (const char* x : black)
    for (const char* y : red) {
      EXPECT_TRUE(OtherColour(Card(x), Card(y))) << x << y;
      EXPECT_TRUE(OtherColour(Card(y), Card(x))) << y << x;
    }
  EXPECT_FALSE(OtherColour(Card("7C"), Card("7S")));
  EXPECT_FALSE(OtherColour(Card("7D"), Card("7H")));
}

TEST_F(CardRulesTest, AbsentOfferedCardAlwaysFitsAColumn) {
  EXPECT_TRUE(FitsAltColourDown(Card("5H"), nullptr));
  EXPECT_TRUE(FitsAltColourDown(nullptr, nullptr));
  EXPECT_FALSE(FollowsInSuit(Card("5H"), nullptr));
  EXPECT_FALSE(PrecedesAnySuit(Card("5H"), nullptr));
}

TEST_F(CardRulesTest, EveryRankFollowsExactlyOneRankInItsSuit) {
  // Walking up from any card twelve times in suit comes back round to it.
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank) {
      TCard a(&form), b(&form);
      a.SetCardFace(suit * 256 + rank);
      int followers = 0;
      for (int r = 1; r <= 13; ++r) {
        b.SetCardFace(suit * 256 + r);
        if (FollowsInSuit(&a, &b)) {
          ++followers;
          EXPECT_EQ(r, rank == 13 ? 1 : rank + 1);
          EXPECT_TRUE(PrecedesInSuit(&b, &a));
        }
      }
      EXPECT_EQ(followers, 1);
    }
}
