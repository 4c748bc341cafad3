// SPDX-License-Identifier: GPL-3.0-or-later
// Winnable deals, grades and the deal of the day: a number the filter lets
// through is one whose line really wins on the game's own table, a grade
// is the band its effort falls in, and the deal of the day depends on the
// date and the game alone.

#include <gtest/gtest.h>

#include "records/Catalogue.h"
#include "solver/Moves.h"
#include "solver/Winnable.h"

namespace {

// Plays the solver's line for the deal on a fresh table of the game.
bool LineWins(int game, uint32_t number) {
  SolveRequest req;
  req.gameIndex = game;
  req.number = number;
  req.budget = DealBudget(game);
  const SolveResult r = Solve(req);
  if (r.verdict != Verdict::Winnable) return false;
  SolverTable table(game, 0);
  if (!table.Deal(number)) return false;
  for (size_t i = r.line.size() - size_t(r.moves); i < r.line.size(); ++i)
    if (!table.Apply(r.line[i])) return false;
  return table.Won();
}

}  // namespace

TEST(Grades, EveryGameHasOrderedBoundsAndEachBandGetsItsGrade) {
  int graded = 0;
  for (int g = 0; g < kGameCount; ++g) {
    const GradeThresholds t = ThresholdsOf(g);
    if (!t.graded) {
      EXPECT_EQ(GradeFor(g, 1), Grade::None) << g;
      continue;
    }
    ++graded;
    ASSERT_LT(0, t.easy) << g;
    ASSERT_LE(t.easy, t.medium) << g;
    ASSERT_LE(t.medium, t.hard) << g;
    EXPECT_EQ(GradeFor(g, 0), Grade::Easy) << g;
    EXPECT_EQ(GradeFor(g, t.easy), Grade::Easy) << g;
    if (t.medium > t.easy) {
      EXPECT_EQ(GradeFor(g, t.easy + 1), Grade::Medium) << g;
    }
    EXPECT_EQ(GradeFor(g, t.medium), t.medium > t.easy ? Grade::Medium : Grade::Easy) << g;
    if (t.hard > t.medium) {
      EXPECT_EQ(GradeFor(g, t.medium + 1), Grade::Hard) << g;
    }
    EXPECT_EQ(GradeFor(g, t.hard + 1), Grade::Expert) << g;
  }
  // The games the solver decides well are graded: Bisley, Flower Garden,
  // Short Solitaire, Castle, FreeCell.
  for (int g : {10, 14, 18, 28, 32})
    EXPECT_TRUE(ThresholdsOf(g).graded) << g;
  EXPECT_GE(graded, 20);
  EXPECT_FALSE(ThresholdsOf(-1).graded);
  EXPECT_FALSE(ThresholdsOf(kGameCount).graded);
}

TEST(Grades, AJudgedDealCarriesTheGradeOfItsOwnSearchEffort) {
  // The grade comes from the deal's search under the deal budget, as
  // --solve-stats --deals measured it; the same search again gives the same
  // effort (no clock decides it).
  for (uint32_t n = 1; n <= 6; ++n) {
    const DealJudgement j = JudgeDeal(32, n);
    ASSERT_EQ(j.verdict, Verdict::Winnable) << n;
    SolveRequest req;
    req.gameIndex = 32;
    req.number = n;
    req.budget = DealBudget(32);
    req.shortLine = false;
    const SolveResult r = Solve(req);
    EXPECT_EQ(j.effort, DealEffort(r)) << n;
    EXPECT_EQ(j.grade, GradeFor(32, j.effort)) << n;
    EXPECT_NE(j.grade, Grade::None) << n;
    EXPECT_EQ(JudgementText(j), QStringLiteral("Winnable (%1)").arg(GradeText(j.grade)));
  }
}

TEST(Grades, TextsParseBackAndUnknownWordsAreRefused) {
  for (Grade g : {Grade::Easy, Grade::Medium, Grade::Hard, Grade::Expert}) {
    EXPECT_EQ(ParseGrade(GradeText(g)), g);
    EXPECT_EQ(ParseGrade(GradeText(g).toUpper()), g);
  }
  EXPECT_EQ(ParseGrade("any"), Grade::None);
  for (const char* bad : {"", "easiest", "1", "none"})
    EXPECT_FALSE(ParseGrade(bad).has_value()) << bad;
  DealJudgement lost;
  lost.verdict = Verdict::NotWinnable;
  EXPECT_EQ(JudgementText(lost), "Not winnable");
  EXPECT_EQ(JudgementText(DealJudgement()), "Can't tell");
}

struct FilterCase {
  int game;
  bool grades;  // also look for an Easy and an Expert deal (quick games only)
};

// Canfield (its deals are often lost), Castle, FreeCell and Martha.
class WinnableFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(WinnableFilter, TheNumberLetThroughWinsAndEveryNumberSkippedDoesNotQualify) {
  const int game = GetParam().game;
  const std::optional<uint32_t> n = NextWinnable(game, 1, Grade::None, 60);
  ASSERT_TRUE(n.has_value());
  EXPECT_TRUE(LineWins(game, *n)) << *n;
  for (uint32_t k = 1; k < *n; ++k)
    EXPECT_NE(JudgeDeal(game, k).verdict, Verdict::Winnable) << k;
  // A grade asked for is the grade of the number given.
  if (GetParam().grades && ThresholdsOf(game).graded) {
    for (Grade g : {Grade::Easy, Grade::Expert}) {
      const std::optional<uint32_t> m = NextWinnable(game, 1, g, 200);
      ASSERT_TRUE(m.has_value()) << GradeText(g).toStdString();
      EXPECT_EQ(JudgeDeal(game, *m).grade, g);
      EXPECT_TRUE(LineWins(game, *m)) << *m;
    }
  }
  // Random candidates qualify the same way.
  const std::optional<uint32_t> r = RandomWinnable(game, 12345, Grade::None, 60);
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(LineWins(game, *r)) << *r;
}

INSTANTIATE_TEST_SUITE_P(Games, WinnableFilter,
                         ::testing::Values(FilterCase{3, false}, FilterCase{28, true},
                                           FilterCase{32, true}, FilterCase{37, false}));

TEST(WinnableFilter, ACancelledLookGivesNothing) {
  std::atomic<bool> cancel{true};
  EXPECT_FALSE(NextWinnable(32, 1, Grade::None, 10, &cancel).has_value());
  EXPECT_FALSE(RandomWinnable(32, 1, Grade::None, 10, &cancel).has_value());
  EXPECT_FALSE(NextWinnable(32, 2147483647u, Grade::None, 0).has_value());
}

TEST(DealOfTheDay, DependsOnTheDateAndTheGameOnlyAndIsWinnable) {
  const QDate day(2026, 12, 8);
  // The same date gives the same start (two runs of the program are
  // compared in WinnableEndToEnd); neighbouring dates and games do not.
  EXPECT_EQ(DayStartNumber(32, day), DayStartNumber(32, QDate(2026, 12, 8)));
  EXPECT_NE(DayStartNumber(32, day), DayStartNumber(32, day.addDays(1)));
  EXPECT_NE(DayStartNumber(32, day), DayStartNumber(28, day));
  for (int g = 0; g < kGameCount; ++g) {
    const uint32_t n = DayStartNumber(g, day);
    EXPECT_GE(n, 1u);
    EXPECT_LE(n, 2000000000u);
  }
  const std::optional<uint32_t> today = DealOfTheDay(32, day);
  ASSERT_TRUE(today.has_value());
  EXPECT_GE(*today, DayStartNumber(32, day));
  EXPECT_TRUE(LineWins(32, *today));
}
