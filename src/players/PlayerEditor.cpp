// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/PlayerEditor.h"

#include <algorithm>

#include "platform/Modal.h"

QString PlayerEditor::Caption() {
  return tr("Edit player list");
}
QString PlayerEditor::DuplicateMessage() {
  return tr("Player with this name already exists");
}
QString PlayerEditor::LastPlayerMessage() {
  return tr("You can not delete the last player");
}
QString PlayerEditor::Information() {
  return tr("Information");
}
QString PlayerEditor::DeleteCaption() {
  return tr("Delete player");
}

QString PlayerEditor::DeleteQuestion(const QString& name) {
  return tr("Are you sure you want to delete player '%1' ?").arg(name);
}

PlayerEditor::PlayerEditor(const PlayerList& players, int selected) {
  for (const Player& p : players.Players())
    list_.Add(p.Name, p.Stats);
  keepBackup_ = players.KeepBackupOnSave();
  SortKeeping(players.Name(selected));
}

void PlayerEditor::Select(int row) {
  selected_ = list_.IsIndex(row) ? row : -1;
}

// Re-sorts the list box and selects `selectName` again (nobody when empty).
// Names are unique regardless of case, so the case-sensitive tie-break only
// matters for damaged data and keeps the order stable there.
void PlayerEditor::SortKeeping(const QString& selectName) {
  std::vector<Player> sorted = list_.Players();
  std::stable_sort(sorted.begin(), sorted.end(), [](const Player& a, const Player& b) {
    const int c = a.Name.compare(b.Name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.Name < b.Name;
  });
  list_.Clear();
  selected_ = -1;
  for (const Player& p : sorted) {
    const int row = list_.Add(p.Name, p.Stats);
    if (selected_ < 0 && !selectName.isNull() && p.Name == selectName) selected_ = row;
  }
}

NameDialogText PlayerEditor::AddDialogText() const {
  return {tr("Add a player"), tr("Enter player name"), QString()};
}

NameDialogText PlayerEditor::EditDialogText() const {
  return {tr("Edit player"), tr("Edit player name"), SelectedName()};
}

bool PlayerEditor::Add(const std::optional<QString>& typed) {
  if (!typed) return false;
  const QString name = NormalizePlayerName(*typed);
  if (name.isEmpty()) return false;
  if (list_.Contains(name)) {
    ShowMessage(DuplicateMessage(), Information(), MsgIcon::Information);
    return false;
  }
  list_.Add(name, TPlayerStats{});
  SortKeeping(name);
  return true;
}

bool PlayerEditor::Edit(const std::optional<QString>& typed) {
  if (!typed || !HasSelection()) return false;
  const QString name = NormalizePlayerName(*typed);
  const QString old = SelectedName();
  if (name.isEmpty() || name == old) return false;
  // The player's own name counts too: changing only the letter case is
  // refused like any other clash.
  if (list_.Contains(name)) {
    ShowMessage(DuplicateMessage(), Information(), MsgIcon::Information);
    return false;
  }
  const TPlayerStats stats = list_.Stats(selected_);
  list_.Remove(selected_);
  list_.Add(name, stats);
  SortKeeping(name);
  return true;
}

bool PlayerEditor::Delete() {
  if (!HasSelection()) return false;
  if (list_.Count() <= 1) {
    ShowMessage(LastPlayerMessage(), Information(), MsgIcon::Information);
    return false;
  }
  const int answer = ShowMessage(DeleteQuestion(SelectedName()), DeleteCaption(), MsgIcon::Question,
                                 MsgButtons::YesNo, mrNo);
  if (answer != mrYes) return false;
  list_.Remove(selected_);
  selected_ = -1;
  return true;
}

PlayerList PlayerEditor::Result() const {
  PlayerList result;
  for (const Player& p : list_.Players())
    result.Add(p.Name, p.Stats);
  result.SetActivePlayer(selected_ >= 0 ? selected_ : 0);
  result.SetKeepBackupOnSave(keepBackup_);
  return result;
}
