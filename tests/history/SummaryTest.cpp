// SPDX-License-Identifier: GPL-3.0-or-later
// Streaks, records, win rates, games per period and the CSV, from histories
// written by hand.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include "history/Summary.h"

namespace {

constexpr qint64 kDay = 86400000;
const qint64 kT0 = QDateTime(QDate(2026, 12, 7), QTime(12, 0)).toMSecsSinceEpoch();  // a Monday

// One game per letter, oldest first, an hour apart: W won, L lost, S won
// with Solve, A abandoned after Solve played. Returned newest first.
std::vector<GameRecord> Games(const std::string& letters, int game = 32) {
  std::vector<GameRecord> rows;
  for (size_t i = 0; i < letters.size(); ++i) {
    GameRecord r;
    r.Player = "P";
    r.Game = game;
    r.Number = uint32_t(i + 1);
    r.EndMs = kT0 + qint64(i) * 3600000;
    r.PlayMs = 1000 * qint64(100 + i);
    r.Moves = int(50 + i);
    const char c = letters[i];
    r.Result = c == 'L' ? GameResult::Lost : c == 'A' ? GameResult::Abandoned : GameResult::Won;
    r.Solved = c == 'S' || c == 'A';
    rows.insert(rows.begin(), r);
  }
  return rows;
}

struct StreakCase {
  std::string letters;
  int played, won, current, longestWin, longestLoss, assisted;
};

class StreakTest : public ::testing::TestWithParam<StreakCase> {};

TEST_P(StreakTest, CountsOnlyThePlayersOwnGamesInOrder) {
  const StreakCase& c = GetParam();
  const auto s = SummariseByGame(Games(c.letters));
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].Played, c.played);
  EXPECT_EQ(s[0].Won, c.won);
  EXPECT_EQ(s[0].CurrentStreak, c.current);
  EXPECT_EQ(s[0].LongestWinning, c.longestWin);
  EXPECT_EQ(s[0].LongestLosing, c.longestLoss);
  EXPECT_EQ(s[0].Assisted, c.assisted);
}

INSTANTIATE_TEST_SUITE_P(HandMade, StreakTest,
                         ::testing::Values(StreakCase{"W", 1, 1, 1, 1, 0, 0},
                                           StreakCase{"L", 1, 0, -1, 0, 1, 0},
                                           StreakCase{"WWLWWW", 6, 5, 3, 3, 1, 0},
                                           StreakCase{"LLLWLL", 6, 1, -2, 1, 3, 0},
                                           // Solve's games neither break nor lengthen a streak.
                                           StreakCase{"WWSWAW", 4, 4, 4, 4, 0, 2},
                                           StreakCase{"LSL", 2, 0, -2, 0, 2, 1},
                                           StreakCase{"SA", 0, 0, 0, 0, 0, 2}));

TEST(Summary, RecordsComeFromOwnWinsOnly) {
  // Wins at 100 s/50 moves, 102 s/52 moves; the loss (101 s, 51 moves) and
  // the Solve win (103 s, 53 moves) are faster or shorter in nothing but
  // must not count either way.
  auto rows = Games("WLWS");
  rows[0].PlayMs = 1;  // the Solve win: quickest of all, yet no record
  rows[0].Moves = 1;
  const auto s = SummariseByGame(rows)[0];
  EXPECT_EQ(s.BestMs, 100000);
  EXPECT_EQ(s.FewestMoves, 50);
  EXPECT_EQ(s.AverageWonMs, 101000);
  EXPECT_EQ(SummariseByGame(Games("LL"))[0].BestMs, -1);
  EXPECT_EQ(SummariseByGame(Games("LL"))[0].AverageWonMs, -1);
}

TEST(Summary, GamesAreSummarisedApartInCatalogueOrder) {
  auto rows = Games("WW", 32);
  const auto other = Games("L", 3);
  rows.insert(rows.begin(), other.begin(), other.end());
  const auto s = SummariseByGame(rows);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].Game, 3);
  EXPECT_EQ(s[0].CurrentStreak, -1);
  EXPECT_EQ(s[1].Game, 32);
  EXPECT_EQ(s[1].CurrentStreak, 2);
}

TEST(Summary, WinRateSinceAndPerPeriod) {
  const auto rows = Games("WLWSLW");  // hours 0..5 of Monday 7 Dec
  EXPECT_EQ(WinRateSince(rows, 0).Played, 5);
  EXPECT_EQ(WinRateSince(rows, 0).Won, 3);
  EXPECT_DOUBLE_EQ(WinRateSince(rows, 0).Percent(), 60.0);
  EXPECT_EQ(WinRateSince(rows, kT0 + 3 * 3600000).Played, 2);  // L, W
  EXPECT_DOUBLE_EQ(WinRate{}.Percent(), 0.0);

  const QDate today(2026, 12, 9);  // Wednesday
  const auto days = GamesPerPeriod(rows, Period::Day, today, 3);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(days[0].First, QDate(2026, 12, 7));
  EXPECT_EQ(days[0].Won, 3);
  EXPECT_EQ(days[0].Other, 3);  // two losses and the Solve win
  EXPECT_EQ(days[2].Won + days[2].Other, 0);

  auto older = rows;
  older.back().EndMs = kT0 - 1 * kDay;  // Sunday: the week before
  const auto weeks = GamesPerPeriod(older, Period::Week, today, 2);
  EXPECT_EQ(weeks[0].First, QDate(2026, 11, 30));
  EXPECT_EQ(weeks[1].First, QDate(2026, 12, 7));
  EXPECT_EQ(weeks[0].Won + weeks[0].Other, 1);
  EXPECT_EQ(weeks[1].Won + weeks[1].Other, 5);
  // Games outside the periods shown are left out.
  EXPECT_EQ(GamesPerPeriod(rows, Period::Day, today.addDays(30), 3)[0].Won, 0);
}

TEST(Summary, CsvQuotesWhatNeedsItAndKeepsNamesText) {
  GameRecord r;
  r.Player = "=Ann, \"the\" best";
  r.Game = 32;
  r.Number = 7;
  r.StartMs = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone::utc()).toMSecsSinceEpoch();
  r.EndMs = r.StartMs + 65000;
  r.PlayMs = 61999;
  r.Moves = 9;
  r.Undos = 1;
  r.Hints = 2;
  r.Solved = true;
  r.Score = -52;
  r.Result = GameResult::Won;
  r.Dealt = DealKind::DealOfTheDay;
  GameRecord plain = r;
  plain.Player = "Bo";
  plain.Score = kNoScore;
  plain.Solved = false;
  plain.Result = GameResult::Abandoned;
  plain.Dealt = DealKind::WinnableOnly;
  EXPECT_EQ(HistoryCsv({r, plain}).toStdString(),
            "player,game,game name,number,start,end,seconds,moves,undos,hints,solve,score,"
            "result,dealt\r\n"
            "\"'=Ann, \"\"the\"\" best\",32,FreeCell,7,2026-01-02T03:04:05Z,"
            "2026-01-02T03:05:10Z,61,9,1,2,yes,-52,won,deal of the day\r\n"
            "Bo,32,FreeCell,7,2026-01-02T03:04:05Z,2026-01-02T03:05:10Z,61,9,1,2,no,,abandoned,"
            "winnable-only\r\n");
}

TEST(Summary, NamesRoundTrip) {
  for (GameResult r : {GameResult::Won, GameResult::Lost, GameResult::Abandoned})
    EXPECT_EQ(ResultFromName(ResultName(r)), r);
  for (DealKind k :
       {DealKind::ChosenNumber, DealKind::Random, DealKind::WinnableOnly, DealKind::DealOfTheDay})
    EXPECT_EQ(DealKindFromName(DealKindName(k)), k);
  EXPECT_FALSE(ResultFromName("draw"));
  EXPECT_EQ(DurationText(3725000), "1:02:05");
  EXPECT_EQ(DurationText(65000), "1:05");
  EXPECT_EQ(DurationText(-1), "");
}

}  // namespace
