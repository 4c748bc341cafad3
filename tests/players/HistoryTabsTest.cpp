// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's history tabs over a real history file: the rows
// are read only for a history tab and only the viewed player's, the
// filters, "Play this deal again", and the CSV export (a file that cannot
// be written is reported, not written through).

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>

#include "history/HistoryDb.h"
#include "platform/Modal.h"
#include "players/HistoryPages.h"
#include "players/StatForm.h"
#include "support/HistorySample.h"
#include "support/SaveFixtures.h"

namespace {

class HistoryTabsTest : public ::testing::Test {
 protected:
  HistoryTabsTest() : db(dir.filePath("history.db")) {
    players.Add("Ann");
    players.Add("Bo");
    players.SetActivePlayer(0);
    ann = SampleHistory(60, "Ann", 1796000000000, 30, 3);
    db.Append(ann);
    db.Append(SampleHistory(7, "Bo", 1796000000000, 30, 4));
    std::reverse(ann.begin(), ann.end());  // as the window lists them
  }
  QTemporaryDir dir;
  HistoryDb db;
  PlayerList players;
  std::vector<GameRecord> ann;
  int statState = 0;
};

TEST_F(HistoryTabsTest, RowsAreReadForAHistoryTabAndFollowThePlayerBox) {
  TStatForm form(players, 32, statState);
  form.SetHistory(&db);
  EXPECT_EQ(form.History_P->Model().rowCount(), 0);  // the counters' tab reads nothing
  form.TabControl1->setCurrentIndex(TStatForm::HistoryTab);
  EXPECT_EQ(form.History_P->Model().rowCount(), 60);
  EXPECT_EQ(*form.History_P->Model().RecordAt(0), ann[0]);
  EXPECT_TRUE(form.History_P->isVisibleTo(&form));
  EXPECT_FALSE(form.Panel1->isVisibleTo(&form));

  int played = 0;
  for (const GameSummary& s : form.Summary_P->Model().Summaries())
    played += s.Played;
  EXPECT_EQ(played, std::count_if(ann.begin(), ann.end(), [](auto& r) { return r.Counts(); }));

  form.Player_CB->setCurrentIndex(1);
  EXPECT_EQ(form.History_P->Model().rowCount(), 7);
  form.TabControl1->setCurrentIndex(TStatForm::FilledRecordsTab);
  EXPECT_TRUE(form.Panel1->isVisibleTo(&form));
  form.done(1);
  EXPECT_EQ(statState, 1);  // the counters' tabs are remembered as before
}

TEST_F(HistoryTabsTest, FiltersByGameAndResult) {
  THistoryPage page;
  page.SetRows(std::make_shared<std::vector<GameRecord>>(ann));
  const struct {
    int game;
    HistoryTableModel::ResultFilter result;
    std::function<bool(const GameRecord&)> keeps;
  } cases[] = {
      {-1, HistoryTableModel::OnlyWon, [](auto& r) { return r.OwnWin(); }},
      {-1, HistoryTableModel::OnlyWonWithSolve,
       [](auto& r) { return r.Result == GameResult::Won && r.Solved; }},
      {32, HistoryTableModel::OnlyLost,
       [](auto& r) { return r.Game == 32 && r.Result == GameResult::Lost; }},
      {27, HistoryTableModel::AllResults, [](auto& r) { return r.Game == 27; }},
      {-1, HistoryTableModel::OnlyAbandoned,
       [](auto& r) { return r.Result == GameResult::Abandoned; }},
  };
  for (const auto& c : cases) {
    page.Game_CB->setCurrentIndex(page.Game_CB->findData(c.game));
    page.Result_CB->setCurrentIndex(c.result);
    std::vector<GameRecord> expected;
    std::copy_if(ann.begin(), ann.end(), std::back_inserter(expected), c.keeps);
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(page.Model().rowCount(), int(expected.size()));
    for (int i = 0; i < page.Model().rowCount(); ++i)
      EXPECT_EQ(*page.Model().RecordAt(i), expected[size_t(i)]);
  }
}

TEST_F(HistoryTabsTest, PlayThisDealAgainClosesWithTheDeal) {
  TStatForm form(players, 32, statState);
  form.SetHistory(&db);
  form.TabControl1->setCurrentIndex(TStatForm::HistoryTab);
  EXPECT_FALSE(form.History_P->Replay_Btn->isEnabled());
  form.History_P->View->selectRow(2);
  ASSERT_TRUE(form.History_P->Replay_Btn->isEnabled());
  form.History_P->Replay_Btn->click();
  ASSERT_TRUE(form.ReplayDeal());
  EXPECT_EQ(*form.ReplayDeal(), std::pair(ann[2].Game, ann[2].Number));
  EXPECT_EQ(form.result(), mrOk);
}

TEST_F(HistoryTabsTest, ExportWritesTheViewedPlayersCsvOrSaysWhyNot) {
  TStatForm form(players, 32, statState);
  form.SetHistory(&db);
  const QString out = dir.filePath("ann.csv");
  QString reason;
  ASSERT_TRUE(form.ExportCsv(out, &reason)) << reason.toStdString();
  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), HistoryCsv(ann));

  const QString fifo = dir.filePath("fifo.csv");
  ASSERT_TRUE(MakeOddFile(fifo, OddFile::Fifo));
  EXPECT_FALSE(form.ExportCsv(fifo, &reason));
  EXPECT_FALSE(reason.isEmpty());
}

}  // namespace
