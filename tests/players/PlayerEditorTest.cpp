// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "platform/Modal.h"
#include "players/EditPlayerForm.h"
#include "players/PlayerEditor.h"
#include "players/UserForm.h"

namespace {

std::string Joined(const QStringList& names) {
  return names.join('|').toStdString();
}

TPlayerStats StatsWithWins(int won) {
  TPlayerStats s;
  s.Games[0].Won = static_cast<uint16_t>(won);
  return s;
}

// Anna, bob, Carl with 1, 2, 3 wins in game 0, given out of order.
PlayerList ThreePlayers() {
  PlayerList list;
  list.Add("bob", StatsWithWins(2));
  list.Add("Carl", StatsWithWins(3));
  list.Add("Anna", StatsWithWins(1));
  return list;
}

// Records every message box and answers it with `answer`.
class MessageLog {
 public:
  explicit MessageLog(int answer = mrOk)
      : scope_([this, answer](const ModalRequest& r) -> std::optional<int> {
          requests.push_back(r);
          return answer;
        }) {}
  std::vector<ModalRequest> requests;

 private:
  ScopedModalResponder scope_;
};

}  // namespace

TEST(PlayerEditorTest, ListIsAlphabeticalAndKeepsTheCallersChoice) {
  PlayerEditor editor(ThreePlayers(), 0);  // "bob"
  EXPECT_EQ(Joined(editor.Names()), "Anna|bob|Carl");
  EXPECT_EQ(editor.SelectedName(), "bob");
  EXPECT_EQ(editor.Selected(), 1);

  PlayerEditor none(ThreePlayers(), 7);
  EXPECT_FALSE(none.HasSelection());
  // Closing with nobody selected makes the first name active; blocks follow names.
  const PlayerList result = none.Result();
  EXPECT_EQ(Joined(result.Names()), "Anna|bob|Carl");
  EXPECT_EQ(result.ActivePlayer(), 0);
  EXPECT_EQ(result.Stats(2).Games[0].Won, 3);
}

TEST(PlayerEditorTest, AddTrimsLimitsAndRefusesDuplicatesWhateverTheCase) {
  MessageLog log;
  PlayerEditor editor(ThreePlayers(), 0);
  EXPECT_EQ(editor.AddDialogText().caption, "Add a player");
  EXPECT_EQ(editor.AddDialogText().label, "Enter player name");

  EXPECT_TRUE(editor.Add(QString("   Zed Smith  ")));
  EXPECT_EQ(Joined(editor.Names()), "Anna|bob|Carl|Zed Smith");
  EXPECT_EQ(editor.SelectedName(), "Zed Smith");
  EXPECT_EQ(editor.Result().Stats(3), TPlayerStats{});  // a new, zero block

  EXPECT_TRUE(editor.Add(QString("abcdefghijklmnopqrstuvwxyz")));
  EXPECT_EQ(editor.SelectedName(), "abcdefghijklmnopqrst");
  EXPECT_TRUE(log.requests.empty());

  EXPECT_FALSE(editor.Add(QString("BOB")));
  ASSERT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(log.requests[0].text, "Player with this name already exists");
  EXPECT_EQ(log.requests[0].caption, "Information");

  // Cancel, and OK with nothing but blanks, change nothing and say nothing.
  EXPECT_FALSE(editor.Add(std::nullopt));
  EXPECT_FALSE(editor.Add(QString(" \t ")));
  EXPECT_EQ(log.requests.size(), 1u);
  EXPECT_EQ(editor.Count(), 5);
}

TEST(PlayerEditorTest, EditRenamesKeepingTheBlock) {
  MessageLog log;
  PlayerEditor editor(ThreePlayers(), 2);  // "Anna", 1 win
  EXPECT_EQ(editor.EditDialogText().caption, "Edit player");
  EXPECT_EQ(editor.EditDialogText().label, "Edit player name");
  EXPECT_EQ(editor.EditDialogText().preset, "Anna");

  EXPECT_TRUE(editor.Edit(QString(" Zoe ")));
  EXPECT_EQ(Joined(editor.Names()), "bob|Carl|Zoe");
  EXPECT_EQ(editor.SelectedName(), "Zoe");
  EXPECT_EQ(editor.Result().Stats(2).Games[0].Won, 1);

  EXPECT_FALSE(editor.Edit(QString("Zoe")));  // unchanged: nothing happens
  EXPECT_FALSE(editor.Edit(QString("")));     // empty acts as Cancel
  EXPECT_TRUE(log.requests.empty());

  EXPECT_FALSE(editor.Edit(QString("ZOE")));  // only the case differs: refused
  EXPECT_FALSE(editor.Edit(QString("carl")));
  ASSERT_EQ(log.requests.size(), 2u);
  EXPECT_EQ(log.requests[1].text, "Player with this name already exists");
  EXPECT_EQ(Joined(editor.Names()), "bob|Carl|Zoe");

  editor.Select(-1);
  EXPECT_FALSE(editor.Edit(QString("Yann")));  // nobody selected
  EXPECT_EQ(log.requests.size(), 2u);
}

TEST(PlayerEditorTest, DeleteAsksAndNeverRemovesTheLastPlayer) {
  PlayerEditor editor(ThreePlayers(), 1);  // "Carl"
  {
    MessageLog no(mrNo);
    EXPECT_FALSE(editor.Delete());
    ASSERT_EQ(no.requests.size(), 1u);
    EXPECT_EQ(no.requests[0].text, "Are you sure you want to delete player 'Carl' ?");
    EXPECT_EQ(no.requests[0].caption, "Delete player");
    EXPECT_EQ(editor.SelectedName(), "Carl");
  }
  {
    MessageLog yes(mrYes);
    EXPECT_TRUE(editor.Delete());
    EXPECT_EQ(Joined(editor.Names()), "Anna|bob");
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_FALSE(editor.Delete());  // nothing selected: no question
    EXPECT_EQ(yes.requests.size(), 1u);

    editor.Select(0);
    EXPECT_TRUE(editor.Delete());
    editor.Select(0);
    EXPECT_FALSE(editor.Delete());
    ASSERT_EQ(yes.requests.size(), 3u);
    EXPECT_EQ(yes.requests[2].text, "You can not delete the last player");
    EXPECT_EQ(yes.requests[2].caption, "Information");
    EXPECT_EQ(Joined(editor.Names()), "bob");
  }
}

TEST(PlayerEditorTest, DeletingTheActivePlayerMakesTheFirstNameActive) {
  PlayerList list = ThreePlayers();
  list.SetActivePlayer(1);  // Carl
  MessageLog yes(mrYes);
  PlayerEditor editor(list, list.ActivePlayer());
  ASSERT_TRUE(editor.Delete());
  const PlayerList result = editor.Result();
  EXPECT_EQ(result.ActiveName(), "Anna");
  EXPECT_EQ(result.Count(), 2);
}

// The real dialogs: the buttons reach the rules, the name field is limited,
// and Execute hands back the edited list.
TEST(PlayerEditorTest, DialogsDriveTheRules) {
  PlayerList list = ThreePlayers();
  TUser_Form form(list, 0, nullptr);
  EXPECT_EQ(form.windowTitle(), "Edit player list");
  auto* box = form.findChild<QListWidget*>();
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->count(), 3);
  EXPECT_EQ(box->item(0)->text(), "Anna");
  EXPECT_EQ(box->currentRow(), 1);

  QPushButton* add = nullptr;
  QPushButton* del = nullptr;
  for (QPushButton* b : form.findChildren<QPushButton*>()) {
    if (b->text() == "Add...") add = b;
    if (b->text() == "Delete") del = b;
  }
  ASSERT_TRUE(add && del);

  // Let the name dialog really run, and type into it once it is up.
  QString typedCaption;
  int typedLimit = 0;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TEditPlayer_Form*>(QApplication::activeModalWidget());
    if (!dialog) return;
    typedCaption = dialog->windowTitle();
    typedLimit = dialog->NameEdit()->maxLength();
    dialog->NameEdit()->setText("  Dora ");
    dialog->accept();
  });
  // Should the dialog not be found, this closes it so the test fails instead of hanging.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  guard.start(5000);
  add->click();
  guard.stop();
  EXPECT_EQ(typedCaption, "Add a player");
  EXPECT_EQ(typedLimit, 20);
  ASSERT_EQ(box->count(), 4);
  EXPECT_EQ(box->item(3)->text(), "Dora");
  EXPECT_EQ(box->currentRow(), 3);

  box->setCurrentRow(0);  // Anna
  {
    MessageLog yes(mrYes);
    del->click();
    EXPECT_EQ(yes.requests.size(), 1u);
  }
  EXPECT_EQ(box->count(), 3);
  EXPECT_EQ(Joined(form.Result().Names()), "bob|Carl|Dora");
  EXPECT_EQ(form.Result().ActivePlayer(), 0);

  // Execute replaces the caller's list however the dialog is closed.
  MessageLog closed(mrCancel);
  list.SetActivePlayer(1);  // Carl
  TUser_Form::Execute(list, list.ActivePlayer());
  EXPECT_EQ(Joined(list.Names()), "Anna|bob|Carl");
  EXPECT_EQ(list.ActiveName(), "Carl");
}
