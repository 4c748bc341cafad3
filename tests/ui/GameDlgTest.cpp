// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <set>

#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"
#include "records/Catalogue.h"
#include "ui/GameDlg.h"
#include "ui/GameListModel.h"

namespace {

constexpr int kFreeCell = 32;
constexpr int kWindMill = 0;  // no AutoPlay choice; last in name order
constexpr int kFlowerGarden = 14;

std::vector<QString> Column(const GameListModel& m, int column) {
  std::vector<QString> out;
  for (const GameListRow& r : m.Rows())
    out.push_back(column == 1 ? r.name : column == 2 ? r.difficulty : r.packs);
  return out;
}

PlayerList TwoPlayers() {
  PlayerList players;
  players.Add(QStringLiteral("tom"));
  players.Add(QStringLiteral("Anna"));
  players.Add(QStringLiteral("Carl"));
  players.SetActivePlayer(0);
  return players;
}

std::vector<int> TreeOrder(const TGameDlg& dlg) {
  std::vector<int> out;
  for (int r = 0; r < dlg.ListView1->topLevelItemCount(); ++r)
    out.push_back(dlg.ListView1->topLevelItem(r)->data(0, Qt::UserRole).toInt());
  return out;
}

std::vector<int> ModelOrder(const GameListModel& m) {
  std::vector<int> out;
  for (const GameListRow& r : m.Rows())
    out.push_back(r.index);
  return out;
}

}  // namespace

TEST(GameListModelTest, OpensWithEveryGameOnceInAscendingNameOrder) {
  GameListModel m;
  ASSERT_EQ(m.RowCount(), kGameCount);
  EXPECT_EQ(m.SortColumn(), 1);
  std::set<int> seen;
  for (const GameListRow& r : m.Rows()) {
    seen.insert(r.index);
    EXPECT_EQ(r.name, GameName(r.index));
    EXPECT_EQ(r.difficulty, GameDifficulty(r.index));
    EXPECT_EQ(r.packs, GamePacks(r.index));
  }
  EXPECT_EQ(int(seen.size()), kGameCount);
  const auto names = Column(m, 1);
  for (size_t i = 1; i < names.size(); ++i)
    EXPECT_LE(QString::localeAwareCompare(names[i - 1], names[i]), 0)
        << names[i - 1].toStdString() << " before " << names[i].toStdString();
  EXPECT_EQ(m.RowOfGame(kWindMill), kGameCount - 1);
  EXPECT_EQ(m.RowOfGame(46), -1);
}

TEST(GameListModelTest, ColumnClicksToggleDirectionAndKeepTies) {
  GameListModel m;
  const std::vector<int> ascending = ModelOrder(m);

  // The list opens sorted by name, so the first click on "Game" reverses it.
  ASSERT_TRUE(m.ColumnClick(QStringLiteral("Game")));
  EXPECT_EQ(m.SortColumn(), -1);
  std::vector<int> reversed(ascending.rbegin(), ascending.rend());
  EXPECT_EQ(ModelOrder(m), reversed);

  // Back to names ascending, then difficulty: alphabetical texts, and within
  // one difficulty the names stay in the order they had.
  m.ColumnClick(QStringLiteral("Game"));
  EXPECT_EQ(ModelOrder(m), ascending);
  ASSERT_TRUE(m.ColumnClick(QStringLiteral("Difficulty")));
  EXPECT_EQ(m.SortColumn(), 2);
  const auto diff = Column(m, 2);
  const auto names = Column(m, 1);
  EXPECT_EQ(diff.front(), "Average");
  EXPECT_EQ(diff.back(), "Easy");
  for (size_t i = 1; i < diff.size(); ++i) {
    EXPECT_LE(QString::localeAwareCompare(diff[i - 1], diff[i]), 0);
    if (diff[i - 1] == diff[i]) {
      EXPECT_LT(QString::localeAwareCompare(names[i - 1], names[i]), 0)
          << "tie reordered at row " << i;
    }
  }
  // Clicking it again: descending ("Easy" first).
  m.ColumnClick(QStringLiteral("Difficulty"));
  EXPECT_EQ(m.SortColumn(), -2);
  EXPECT_EQ(Column(m, 2).front(), "Easy");
  EXPECT_EQ(Column(m, 2).back(), "Average");

  // Another column always starts ascending.
  m.ColumnClick(QStringLiteral("Decks"));
  EXPECT_EQ(m.SortColumn(), 3);
  const auto packs = Column(m, 3);
  EXPECT_TRUE(std::is_sorted(packs.begin(), packs.end()));
  EXPECT_EQ(packs.front(), "1");

  // An unknown caption changes nothing.
  const std::vector<int> before = ModelOrder(m);
  EXPECT_FALSE(m.ColumnClick(QStringLiteral("Preview")));
  EXPECT_EQ(m.SortColumn(), 3);
  EXPECT_EQ(ModelOrder(m), before);
}

TEST(GameDlgTest, OpensOnTheCurrentGameWithPreviewAndAutoPlayChoice) {
  AppSettings settings;
  settings.GameOptions[kFreeCell].AutoPlay = 1;
  PlayerList players = TwoPlayers();
  players.SetActivePlayer(2);

  TGameDlg dlg(kFreeCell, settings, players);
  EXPECT_EQ(dlg.windowTitle(), "Select Solitaire");
  EXPECT_EQ(dlg.SelectedRowGame(), kFreeCell);
  EXPECT_EQ(dlg.SelectedGame(), kFreeCell);
  EXPECT_EQ(TreeOrder(dlg), ModelOrder(dlg.Model()));
  ASSERT_FALSE(dlg.Game_Image->pixmap().isNull());
  EXPECT_LE(dlg.Game_Image->pixmap().width(), 172);
  EXPECT_FALSE(dlg.Ap_RG->isHidden());
  EXPECT_EQ(dlg.Ap_Group->checkedId(), 1);
  EXPECT_EQ(dlg.Player_CB->count(), 3);
  EXPECT_EQ(dlg.Player_CB->currentText(), "Carl");

  // A game without the option hides the group.
  dlg.SelectGame(kWindMill);
  EXPECT_EQ(dlg.SelectedRowGame(), kWindMill);
  EXPECT_TRUE(dlg.Ap_RG->isHidden());
  dlg.SelectGame(kFlowerGarden);
  EXPECT_FALSE(dlg.Ap_RG->isHidden());
  EXPECT_EQ(dlg.Ap_Group->checkedId(), 0);

  // An absurd stored value shows neither choice rather than a wrong one.
  settings.GameOptions[5].AutoPlay = 7;
  dlg.SelectGame(5);
  EXPECT_EQ(dlg.Ap_Group->checkedId(), -1);
}

TEST(GameDlgTest, CurrentGameIsScrolledIntoViewWithTheRowAfterIt) {
  AppSettings settings;
  PlayerList players = TwoPlayers();
  for (int game : {kWindMill, 25, kFreeCell}) {
    TGameDlg dlg(game, settings, players);
    dlg.show();
    QApplication::processEvents();
    const QRect view = dlg.ListView1->viewport()->rect();
    QTreeWidgetItem* current = dlg.ListView1->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(view.contains(dlg.ListView1->visualItemRect(current))) << game;
    const int row = dlg.ListView1->indexOfTopLevelItem(current);
    if (row < kGameCount - 1) {
      QTreeWidgetItem* next = dlg.ListView1->topLevelItem(row + 1);
      EXPECT_TRUE(view.contains(dlg.ListView1->visualItemRect(next))) << game;
    }
    dlg.reject();
  }
}

TEST(GameDlgTest, CancelStillMakesTheChosenPlayerActiveAndKeepsAutoPlay) {
  AppSettings settings;
  PlayerList players = TwoPlayers();
  TGameDlg dlg(kFreeCell, settings, players);
  // Change AutoPlay of another game and the player, then Cancel.
  QTimer::singleShot(0, &dlg, [&] {
    dlg.SelectGame(kFlowerGarden);
    dlg.Ap_Group->button(1)->click();
    dlg.Player_CB->setCurrentIndex(1);
    dlg.Button2->click();
  });
  EXPECT_EQ(ExecDialog(dlg, mrOk), mrCancel);
  EXPECT_EQ(players.ActivePlayer(), 1);
  EXPECT_EQ(players.ActiveName(), "Anna");
  EXPECT_EQ(settings.GameOptions[kFlowerGarden].AutoPlay, 1);
  EXPECT_EQ(settings.GameOptions[kFreeCell].AutoPlay, 0);

  // The close box and Escape close the same way.
  TGameDlg again(kFreeCell, settings, players);
  again.Player_CB->setCurrentIndex(2);
  again.show();
  again.close();
  EXPECT_EQ(players.ActiveName(), "Carl");
}

TEST(GameDlgTest, OkGivesTheSelectedGameOrKeepsTheCurrentOne) {
  AppSettings settings;
  PlayerList players = TwoPlayers();
  {
    TGameDlg dlg(kFreeCell, settings, players);
    QTimer::singleShot(0, &dlg, [&] {
      dlg.SelectGame(kFlowerGarden);
      dlg.Button1->click();
    });
    EXPECT_EQ(ExecDialog(dlg, mrOk), mrOk);
    EXPECT_EQ(dlg.SelectedGame(), kFlowerGarden);
  }
  {
    // The list lets the selection go; OK then keeps the current game.
    TGameDlg dlg(kFreeCell, settings, players);
    dlg.ListView1->clearSelection();
    EXPECT_EQ(dlg.SelectedRowGame(), -1);
    EXPECT_EQ(dlg.SelectedGame(), kFreeCell);
    // Choosing AutoPlay without a row stores nothing.
    dlg.RadioGroup1Click(1);
    for (int i = 0; i < kGameCount; ++i)
      EXPECT_EQ(settings.GameOptions[size_t(i)].AutoPlay, 0);
    // A column click with no selection keeps none selected.
    dlg.ListView1ColumnClick(1);
    EXPECT_EQ(dlg.SelectedRowGame(), -1);
  }
  {
    // A double click on a row is OK.
    TGameDlg dlg(3, settings, players);
    dlg.ListView1DblClick();
    EXPECT_EQ(dlg.result(), mrOk);
    EXPECT_EQ(dlg.SelectedGame(), 3);
  }
  {
    // An index outside the catalogue selects nothing and OK keeps it as is.
    TGameDlg dlg(77, settings, players);
    EXPECT_EQ(dlg.SelectedRowGame(), -1);
    EXPECT_EQ(dlg.SelectedGame(), 77);
  }
}

TEST(GameDlgTest, HeaderClicksReorderTheListAndKeepTheSelection) {
  AppSettings settings;
  PlayerList players = TwoPlayers();
  TGameDlg dlg(kFreeCell, settings, players);
  dlg.ListView1ColumnClick(1);  // "Difficulty"
  EXPECT_EQ(dlg.Model().SortColumn(), 2);
  EXPECT_EQ(TreeOrder(dlg), ModelOrder(dlg.Model()));
  EXPECT_EQ(dlg.SelectedRowGame(), kFreeCell);
}

TEST(GameDlgTest, EditButtonRefillsThePlayerBoxFromTheEditor) {
  AppSettings settings;
  PlayerList players = TwoPlayers();  // tom, Anna, Carl; tom active
  TGameDlg dlg(kFreeCell, settings, players);
  dlg.Player_CB->setCurrentIndex(2);  // Carl
  std::vector<QString> shown;
  {
    ScopedModalResponder answer([&](const ModalRequest& r) -> std::optional<int> {
      shown.push_back(r.text);
      return mrOk;
    });
    dlg.SpeedButton1Click();
  }
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Edit player list");
  // The editor keeps names alphabetically and makes its selection active.
  EXPECT_EQ(players.Names().join('|'), "Anna|Carl|tom");
  EXPECT_EQ(players.ActiveName(), "Carl");
  EXPECT_EQ(dlg.Player_CB->count(), 3);
  EXPECT_EQ(dlg.Player_CB->itemText(0), "Anna");
  EXPECT_EQ(dlg.Player_CB->currentText(), "Carl");

  int helpContext = 0;
  dlg.OnHelp = [&](int context) { helpContext = context; };
  dlg.HelpBtn->click();
  EXPECT_EQ(helpContext, 1);
}

TEST(GameDlgTest, AnEmptyPlayerListLeavesTheActivePlayerAlone) {
  AppSettings settings;
  PlayerList none;
  TGameDlg dlg(kFreeCell, settings, none);
  EXPECT_EQ(dlg.Player_CB->count(), 0);
  dlg.reject();
  EXPECT_EQ(none.Count(), 0);
  EXPECT_EQ(none.ActivePlayer(), 0);
}
