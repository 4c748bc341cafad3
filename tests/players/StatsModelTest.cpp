// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCollator>
#include <vector>

#include "players/StatsModel.h"
#include "records/Catalogue.h"

namespace {

TPlayerStats With(std::initializer_list<std::tuple<int, int, int, int>> records) {
  TPlayerStats s;
  for (auto [game, won, lost, score] : records) {
    s.Games[size_t(game)].Won = uint16_t(won);
    s.Games[size_t(game)].Lost = uint16_t(lost);
    s.Games[size_t(game)].TotalScore = score;
  }
  return s;
}

std::vector<int> Games(const StatsTable& t) {
  std::vector<int> out;
  for (int r = 0; r < t.RowCount(); ++r)
    out.push_back(t.GameAt(r));
  return out;
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

}  // namespace

TEST(StatsModelTest, PercentRoundsHalvesToEven) {
  struct Case {
    uint32_t won, total;
    int percent;
  };
  const Case cases[] = {{1, 3, 33},          {1, 2, 50},          {1, 8, 12},    {3, 8, 38},
                        {5, 8, 62},          {7, 8, 88},          {0, 0, 0},     {0, 5, 0},
                        {5, 5, 100},         {1, 200, 0},         {3, 200, 2},   {2, 3, 67},
                        {65535, 131070, 50}, {65535, 65535, 100}, {1, 131070, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(RoundedPercent(c.won, c.total), c.percent) << c.won << "/" << c.total;

  TGameStats r;
  r.Won = 1;
  r.Lost = 7;
  EXPECT_EQ(RecordTotal(r), 8u);
  EXPECT_EQ(RecordPercent(r), 12);
  // Both counters at their top: the total does not wrap.
  r.Won = 65535;
  r.Lost = 65535;
  EXPECT_EQ(RecordTotal(r), 131070u);
  EXPECT_EQ(RecordPercent(r), 50);
}

TEST(StatsModelTest, AverageHasTwoDecimalsAndTheLocaleSeparator) {
  EXPECT_EQ(AverageText(0, 0, kEnglish), "0.00");
  EXPECT_EQ(AverageText(500, 0, kEnglish), "0.00");
  EXPECT_EQ(AverageText(-210, 8, kEnglish), "-26.25");
  EXPECT_EQ(AverageText(1, 3, kEnglish), "0.33");
  EXPECT_EQ(AverageText(2, 3, kEnglish), "0.67");
  EXPECT_EQ(AverageText(-1, 1000, kEnglish), "0.00");  // no "-0.00"
  // No group separators, whatever the size.
  EXPECT_EQ(AverageText(2147483647, 1, kEnglish), "2147483647.00");
  EXPECT_EQ(AverageText(INT32_MIN, 1, kEnglish), "-2147483648.00");
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(AverageText(-210, 8, german), "-26,25");
  EXPECT_EQ(AverageText(1234567, 2, german), "617283,50");
  EXPECT_DOUBLE_EQ(AverageValue(-210, 8), -26.25);
  EXPECT_DOUBLE_EQ(AverageValue(1, 3), 0.33);
}

TEST(StatsModelTest, FillShowsEveryGameOrOnlyFilledOnesSortedByName) {
  StatsTable t(kEnglish);
  t.Fill(TPlayerStats{}, false);
  ASSERT_EQ(t.RowCount(), kGameCount);
  QCollator collator(kEnglish);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  for (int r = 0; r < t.RowCount(); ++r) {
    EXPECT_EQ(t.Text(r, StatsTable::Game), GameName(t.GameAt(r)));
    EXPECT_EQ(t.DisplayText(r, StatsTable::Total), "0");
    EXPECT_EQ(t.DisplayText(r, StatsTable::Percent), "0%");
    EXPECT_EQ(t.DisplayText(r, StatsTable::Score), "$0");
    EXPECT_EQ(t.DisplayText(r, StatsTable::Average), "$0.00");
    if (r > 0) {
      EXPECT_LT(collator.compare(t.Text(r - 1, 0), t.Text(r, 0)), 0) << t.Text(r, 0).toStdString();
    }
  }
  EXPECT_EQ(t.Text(0, StatsTable::Game), "Banner");
  EXPECT_EQ(t.Text(kGameCount - 1, StatsTable::Game), "WindMill");

  t.Fill(TPlayerStats{}, true);
  EXPECT_EQ(t.RowCount(), 0);
  EXPECT_EQ(t.Text(0, 0), "");
  EXPECT_EQ(t.GameAt(0), -1);

  // Records beyond the catalogue are never shown.
  TPlayerStats beyond = With({{3, 1, 7, -210}, {32, 7, 1, 1480}});
  beyond.Games[100].Won = 9;
  t.Fill(beyond, true);
  ASSERT_EQ(t.RowCount(), 2);
  EXPECT_EQ(Games(t), (std::vector<int>{3, 32}));  // Canfield, FreeCell
  EXPECT_EQ(t.DisplayText(0, StatsTable::Total), "8");
  EXPECT_EQ(t.DisplayText(0, StatsTable::Percent), "12%");
  EXPECT_EQ(t.DisplayText(0, StatsTable::Score), "$-210");
  EXPECT_EQ(t.DisplayText(0, StatsTable::Average), "$-26.25");
  EXPECT_EQ(t.DisplayText(1, StatsTable::Percent), "88%");
  EXPECT_EQ(t.DisplayText(1, StatsTable::Average), "$185.00");
  EXPECT_EQ(t.RowOfGame(32), 1);
  EXPECT_EQ(t.RowOfGame(0), -1);
}

TEST(StatsModelTest, SortingRanksTiesByTheExchangeSortAndEachColumnTogglesItsOwnDirection) {
  // Won: game 0 -> 2, game 3 -> 5, game 10 -> 2, game 20 -> 1.
  StatsTable t(kEnglish);
  t.Fill(With({{0, 2, 1, 10}, {3, 5, 0, 40}, {10, 2, 3, -20}, {20, 1, 1, 0}}), true);
  for (int k = 0; k < StatsTable::ColumnCount; ++k)
    EXPECT_EQ(t.Direction(k), k == StatsTable::Game ? 1 : -1) << k;

  // Ascending; the exchange sort carries game 0's 2 past game 10's (a
  // stable sort would give 20, 0, 10, 3).
  t.SortByColumn(StatsTable::Won);
  EXPECT_EQ(Games(t), (std::vector<int>{20, 10, 0, 3}));
  EXPECT_EQ(t.Direction(StatsTable::Won), 1);
  t.SortByColumn(StatsTable::Won);  // the whole table reversed
  EXPECT_EQ(Games(t), (std::vector<int>{3, 0, 10, 20}));
  EXPECT_EQ(t.Direction(StatsTable::Won), -1);

  // Another column starts ascending whatever Won did; ties (Lost 1 for games
  // 0 and 20) keep the order of that column's list.
  t.SortByColumn(StatsTable::Lost);
  EXPECT_EQ(Games(t), (std::vector<int>{3, 0, 20, 10}));
  t.SortByColumn(StatsTable::Won);
  EXPECT_EQ(Games(t), (std::vector<int>{20, 10, 0, 3}));

  // Scores sort by value, not by text ("-20" < "0" < "10" < "40").
  t.SortByColumn(StatsTable::Score);
  EXPECT_EQ(Games(t), (std::vector<int>{10, 20, 0, 3}));
  // Averages too: -4.00, 0.00, 3.33, 8.00.
  t.SortByColumn(StatsTable::Average);
  EXPECT_EQ(Games(t), (std::vector<int>{10, 20, 0, 3}));
  // The name column was sorted by Fill, so its first click is descending.
  t.SortByColumn(StatsTable::Game);
  EXPECT_EQ(Games(t), (std::vector<int>{0, 20, 3, 10}));  // WindMill, Elma, Canfield, Bisley
  EXPECT_EQ(t.Direction(StatsTable::Game), -1);
  // Filling again starts every column over.
  t.Fill(With({{0, 2, 1, 10}}), true);
  EXPECT_EQ(t.Direction(StatsTable::Won), -1);
  EXPECT_EQ(t.Direction(StatsTable::Game), 1);
  // Unknown columns change nothing.
  t.SortByColumn(-1);
  t.SortByColumn(StatsTable::ColumnCount);
  EXPECT_EQ(Games(t), std::vector<int>{0});
  EXPECT_EQ(t.Direction(99), 0);
}
