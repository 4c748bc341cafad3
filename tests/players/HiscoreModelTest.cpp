// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "players/HiscoreModel.h"

namespace {

constexpr int kGame = 32;
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

void Set(PlayerList& players, int p, int won, int lost, int score, int game = kGame) {
  TGameStats& r = players.Stats(p).Games[size_t(game)];
  r.Won = uint16_t(won);
  r.Lost = uint16_t(lost);
  r.TotalScore = score;
}

std::vector<QString> Names(const std::vector<HiscoreRow>& rows) {
  std::vector<QString> out;
  for (const HiscoreRow& r : rows)
    out.push_back(r.name);
  return out;
}

}  // namespace

TEST(HiscoreModelTest, NobodyFinishedMeansNoRows) {
  PlayerList players;
  players.Add(QStringLiteral("Anna"));
  players.Add(QStringLiteral("Bert"));
  Set(players, 0, 3, 1, 100, 5);  // another game
  for (auto ranking :
       {HiscoreRanking::TotalScore, HiscoreRanking::AverageScore, HiscoreRanking::WinPercent})
    EXPECT_TRUE(RankPlayers(players, kGame, ranking, kEnglish).empty());
  EXPECT_TRUE(RankPlayers(players, -1, HiscoreRanking::TotalScore).empty());
  EXPECT_TRUE(RankPlayers(players, 46, HiscoreRanking::TotalScore).empty());
  EXPECT_TRUE(RankPlayers(PlayerList{}, kGame, HiscoreRanking::TotalScore).empty());
}

TEST(HiscoreModelTest, TwelvePlayersGiveTheTenBestRankedOneToTen) {
  PlayerList players;
  // Player k has total score 10 * k, in a shuffled list order.
  const int scores[] = {70, 10, 120, 30, 110, 50, 20, 90, 60, 100, 40, 80};
  for (int i = 0; i < 12; ++i) {
    players.Add(QStringLiteral("P%1").arg(scores[i]));
    Set(players, i, 1, 1, scores[i]);
  }
  const auto rows = RankPlayers(players, kGame, HiscoreRanking::TotalScore, kEnglish);
  ASSERT_EQ(rows.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(rows[size_t(i)].rank, i + 1);
    EXPECT_EQ(rows[size_t(i)].value, QString::number(120 - 10 * i));
    EXPECT_EQ(rows[size_t(i)].name, QStringLiteral("P%1").arg(120 - 10 * i));
    EXPECT_EQ(players.Name(rows[size_t(i)].player), rows[size_t(i)].name);
  }
  EXPECT_EQ(HiscoreDisplayValue(HiscoreRanking::TotalScore, rows[0].value), "$120");
}

TEST(HiscoreModelTest, PercentRanksByShareWhateverTheTotals) {
  PlayerList players;
  players.Add(QStringLiteral("Nine of ten"));
  players.Add(QStringLiteral("One of one"));
  players.Add(QStringLiteral("Half"));
  Set(players, 0, 9, 1, 5000);
  Set(players, 1, 1, 0, 10);
  Set(players, 2, 1, 7, 900);  // 12.5 -> 12
  const auto rows = RankPlayers(players, kGame, HiscoreRanking::WinPercent, kEnglish);
  EXPECT_EQ(Names(rows), (std::vector<QString>{"One of one", "Nine of ten", "Half"}));
  EXPECT_EQ(rows[0].value, "100");
  EXPECT_EQ(rows[1].value, "90");
  EXPECT_EQ(rows[2].value, "12");
  EXPECT_EQ(HiscoreDisplayValue(HiscoreRanking::WinPercent, rows[2].value), "12%");

  const auto byTotal = RankPlayers(players, kGame, HiscoreRanking::TotalScore, kEnglish);
  EXPECT_EQ(Names(byTotal), (std::vector<QString>{"Nine of ten", "Half", "One of one"}));
}

TEST(HiscoreModelTest, AveragesCompareByValueAndTiesComeFromTheEnd) {
  PlayerList players;
  players.Add(QStringLiteral("Minus"));   // -5.00
  players.Add(QStringLiteral("Ten"));     // 10.00
  players.Add(QStringLiteral("Small"));   // 2.50
  players.Add(QStringLiteral("TenToo"));  // 10.00, later in the list
  Set(players, 0, 0, 2, -10);
  Set(players, 1, 1, 1, 20);
  Set(players, 2, 1, 1, 5);
  Set(players, 3, 2, 0, 20);
  const auto rows = RankPlayers(players, kGame, HiscoreRanking::AverageScore, kEnglish);
  // Equal values keep list order in the ascending sort, which is read from
  // its end: the later player of a tie comes first.
  EXPECT_EQ(Names(rows), (std::vector<QString>{"TenToo", "Ten", "Small", "Minus"}));
  EXPECT_EQ(rows[0].value, "10.00");
  EXPECT_EQ(rows[3].value, "-5.00");
  EXPECT_EQ(HiscoreDisplayValue(HiscoreRanking::AverageScore, rows[3].value), "$-5.00");
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(RankPlayers(players, kGame, HiscoreRanking::AverageScore, german)[2].value, "2,50");

  EXPECT_EQ(HiscoreHeader(HiscoreRanking::TotalScore), "Total score");
  EXPECT_EQ(HiscoreHeader(HiscoreRanking::AverageScore), "Average score");
  EXPECT_EQ(HiscoreHeader(HiscoreRanking::WinPercent), "W/L percent");
}

TEST(HiscoreModelTest, TiesFollowTheExchangeSortForTotalsAndAverages) {
  // Totals 10, 10, 1, 5, -52 in list order: the exchange sort carries the
  // first ten past the second, so read from the end the first one ranks
  // first (a stable sort would put the second first).
  PlayerList players;
  for (const char* name : {"First", "Second", "One", "Five", "Minus"})
    players.Add(QString::fromLatin1(name));
  const int totals[] = {10, 10, 1, 5, -52};
  for (int p = 0; p < 5; ++p)
    Set(players, p, 1, 0, totals[p]);
  const std::vector<QString> expected{"First", "Second", "Five", "One", "Minus"};
  for (auto ranking : {HiscoreRanking::TotalScore, HiscoreRanking::AverageScore}) {
    const auto rows = RankPlayers(players, kGame, ranking, kEnglish);
    EXPECT_EQ(Names(rows), expected) << int(ranking);
    EXPECT_EQ(rows[0].player, 0);
    EXPECT_EQ(rows[1].player, 1);
  }
}
