// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <vector>

#include "platform/Modal.h"
#include "players/HiscoreForm.h"
#include "players/StatForm.h"
#include "records/Catalogue.h"

namespace {

constexpr int kFreeCell = 32;

class ModalLog {
 public:
  explicit ModalLog(int answer)
      : scope_([this, answer](const ModalRequest& r) -> std::optional<int> {
          requests.push_back(r);
          return answer;
        }) {}
  std::vector<ModalRequest> requests;

 private:
  ScopedModalResponder scope_;
};

PlayerList Players() {
  PlayerList players;
  players.Add(QStringLiteral("Margaret"));
  players.Add(QStringLiteral("tom"));
  auto set = [&](int p, int game, int won, int lost, int score) {
    TGameStats& r = players.Stats(p).Games[size_t(game)];
    r.Won = uint16_t(won);
    r.Lost = uint16_t(lost);
    r.TotalScore = score;
    r.Reserved[3] = 0x5A;
  };
  set(0, kFreeCell, 7, 1, 1480);
  set(0, 3, 1, 7, -210);
  set(1, kFreeCell, 1, 1, 170);
  set(1, 3, 2, 0, 40);
  set(1, 0, 1, 0, 10);
  players.SetActivePlayer(0);
  return players;
}

int RowOf(const QTableWidget* grid, const QString& name) {
  for (int r = 0; r < grid->rowCount(); ++r)
    if (grid->item(r, 0)->text() == name) return r;
  return -1;
}

}  // namespace

TEST(StatFormTest, OpensOnTheStoredTabAndWritesTheTabBackOnClose) {
  PlayerList players = Players();
  int statState = 0;
  {
    TStatForm form(players, kFreeCell, statState);
    EXPECT_EQ(form.windowTitle(), "Statistics for player 'Margaret'");
    EXPECT_FALSE(form.FilledOnly());
    EXPECT_EQ(form.Statistics_SG->rowCount(), kGameCount);
    form.TabControl1->setCurrentIndex(1);
    EXPECT_EQ(form.Statistics_SG->rowCount(), 2);
    form.Ok_Btn->click();
    EXPECT_EQ(form.result(), mrOk);
  }
  EXPECT_EQ(statState, 1);
  {
    TStatForm form(players, kFreeCell, statState);
    EXPECT_TRUE(form.FilledOnly());
    EXPECT_EQ(form.Statistics_SG->rowCount(), 2);
    form.TabControl1->setCurrentIndex(0);
    form.reject();
  }
  EXPECT_EQ(statState, 0);
}

TEST(StatFormTest, GridShowsDecoratedCellsTheCurrentGameBoldAndScrolledIntoView) {
  PlayerList players = Players();
  int statState = 0;
  TStatForm form(players, kFreeCell, statState);
  const QTableWidget* grid = form.Statistics_SG;
  ASSERT_EQ(grid->columnCount(), 7);
  for (int c = 0; c < 7; ++c)
    EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), StatsTable::Headers()[c]);
  const int row = RowOf(grid, QStringLiteral("FreeCell"));
  ASSERT_GE(row, 0);
  EXPECT_EQ(grid->item(row, StatsTable::Percent)->text(), "88%");
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < 7; ++c)
      EXPECT_EQ(grid->item(r, c)->font().bold(), r == row) << r << "," << c;

  form.show();
  QApplication::processEvents();
  const QRect cell = grid->visualItemRect(grid->item(row, 0));
  EXPECT_TRUE(grid->viewport()->rect().contains(cell));

  // A header click sorts; the bold row follows its game.
  form.HeaderClick(StatsTable::Won);
  form.HeaderClick(StatsTable::Won);
  EXPECT_EQ(grid->item(0, 0)->text(), "FreeCell");
  EXPECT_TRUE(grid->item(0, 0)->font().bold());
  EXPECT_FALSE(grid->item(1, 0)->font().bold());
  form.reject();
}

TEST(StatFormTest, AnotherPlayerCanBeViewedAndClearedWithoutChangingTheActiveOne) {
  PlayerList players = Players();
  const TPlayerStats margaret = players.Stats(0);
  int statState = 1;
  TStatForm form(players, kFreeCell, statState);
  form.Player_CB->setCurrentIndex(1);
  EXPECT_EQ(form.windowTitle(), "Statistics for player 'tom'");
  EXPECT_EQ(form.ViewedPlayer(), 1);
  EXPECT_EQ(form.Statistics_SG->rowCount(), 3);
  EXPECT_EQ(players.ActivePlayer(), 0);

  {
    ModalLog no(mrNo);
    form.Clear_Btn->click();
    ASSERT_EQ(no.requests.size(), 1u);
    EXPECT_EQ(no.requests[0].text, "Are you sure you want to clear your statistics?");
    EXPECT_EQ(no.requests[0].caption, "Clear Statistics");
  }
  EXPECT_EQ(players.Stats(1).Games[kFreeCell].Won, 1);
  {
    ModalLog yes(mrYes);
    form.Clear_Btn->click();
  }
  for (const TGameStats& r : players.Stats(1).Games) {
    EXPECT_EQ(r.Won, 0);
    EXPECT_EQ(r.Lost, 0);
    EXPECT_EQ(r.TotalScore, 0);
  }
  // The unused bytes stay as they were.
  EXPECT_EQ(players.Stats(1).Games[kFreeCell].Reserved[3], 0x5A);
  EXPECT_EQ(players.Stats(0), margaret);
  EXPECT_EQ(form.Statistics_SG->rowCount(), 0);
  form.reject();
  EXPECT_EQ(players.ActivePlayer(), 0);
}

TEST(StatFormTest, HiScoresOpenForTheCurrentGame) {
  PlayerList players = Players();
  int statState = 0;
  TStatForm form(players, kFreeCell, statState);
  ModalLog log(mrOk);
  form.Hiscore_Btn->click();
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(log.requests[0].kind, ModalRequest::Dialog);
  EXPECT_EQ(log.requests[0].text, "Hi-Scores for game 'FreeCell'");
}

TEST(HiscoreFormTest, GameAndRankingChoicesRebuildTheTable) {
  PlayerList players = Players();
  THiscoreForm form(players, kFreeCell);
  EXPECT_EQ(form.windowTitle(), "Hi-Scores for game 'FreeCell'");
  EXPECT_EQ(form.ChosenGame(), kFreeCell);
  EXPECT_EQ(form.Ranking(), HiscoreRanking::TotalScore);
  // The game box is sorted by name.
  ASSERT_EQ(form.Game_CB->count(), kGameCount);
  EXPECT_EQ(form.Game_CB->itemText(0), "Banner");
  EXPECT_EQ(form.Game_CB->itemText(kGameCount - 1), "WindMill");

  const QTableWidget* grid = form.Hiscore_SG;
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Player");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Total score");
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->item(0, 0)->text(), "1");
  EXPECT_EQ(grid->item(0, 1)->text(), "Margaret");
  EXPECT_EQ(grid->item(0, 2)->text(), "$1480");

  // Changing the ranking keeps the game.
  form.Ranking_Group->button(2)->click();
  EXPECT_EQ(form.ChosenGame(), kFreeCell);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "W/L percent");
  EXPECT_EQ(grid->item(0, 2)->text(), "88%");

  // Changing the game keeps the ranking; the caption follows the game.
  form.Game_CB->setCurrentIndex(form.Game_CB->findData(3));
  EXPECT_EQ(form.windowTitle(), "Hi-Scores for game 'Canfield'");
  EXPECT_EQ(form.Ranking(), HiscoreRanking::WinPercent);
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->item(0, 1)->text(), "tom");
  EXPECT_EQ(grid->item(0, 2)->text(), "100%");

  // A game nobody finished: only the header.
  form.Game_CB->setCurrentIndex(form.Game_CB->findData(45));
  EXPECT_EQ(grid->rowCount(), 0);
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "W/L percent");

  // An index outside the catalogue chooses no game and ranks nobody.
  THiscoreForm outside(players, 99);
  EXPECT_EQ(outside.ChosenGame(), -1);
  EXPECT_EQ(outside.Hiscore_SG->rowCount(), 0);
}

TEST(StatFormTest, NoPlayersOrAGameOutsideTheCatalogueShowSafely) {
  PlayerList none;
  int statState = 7;  // an absurd stored value means "All records"
  {
    TStatForm form(none, 99, statState);
    EXPECT_FALSE(form.FilledOnly());
    EXPECT_EQ(form.Statistics_SG->rowCount(), kGameCount);
    for (int r = 0; r < kGameCount; ++r)
      EXPECT_FALSE(form.Statistics_SG->item(r, 0)->font().bold());
    ModalLog yes(mrYes);
    form.Clear_Btn->click();  // nobody to clear: not even asked
    EXPECT_TRUE(yes.requests.empty());
    form.Hiscore_Btn->click();
    ASSERT_EQ(yes.requests.size(), 1u);
    EXPECT_EQ(yes.requests[0].text, "Hi-Scores for game ''");
    form.reject();
  }
  EXPECT_EQ(statState, 0);
  THiscoreForm hiscores(none, kFreeCell);
  EXPECT_EQ(hiscores.Hiscore_SG->rowCount(), 0);
}
