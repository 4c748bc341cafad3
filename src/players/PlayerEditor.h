// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the "Edit player list" dialog, kept apart from its widgets so
// they can be driven directly: an alphabetical list of players with their
// statistics blocks, adding, renaming and deleting with the dialog's
// messages, and which player is active once the dialog closes.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

#include "records/Players.h"

// Caption, label and preset text of the name dialog for one action.
struct NameDialogText {
  QString caption;
  QString label;
  QString preset;
};

class PlayerEditor {
 public:
  Q_DECLARE_TR_FUNCTIONS(PlayerEditor)

 public:
  static QString Caption();            // "Edit player list"
  static QString DuplicateMessage();   // "Player with this name already exists"
  static QString LastPlayerMessage();  // "You can not delete the last player"
  static QString Information();        // caption of both messages
  static QString DeleteCaption();      // "Delete player"
  static QString DeleteQuestion(const QString& name);

  // Takes a copy of the players; `selected` is an index into that list
  // (anything else selects nobody).
  PlayerEditor(const PlayerList& players, int selected);

  // The names as the list box shows them, in alphabetical order.
  QStringList Names() const { return list_.Names(); }
  int Count() const { return list_.Count(); }
  // Row of the selected name, -1 when none is selected.
  int Selected() const { return selected_; }
  QString SelectedName() const { return list_.Name(selected_); }
  // A row outside the list clears the selection.
  void Select(int row);

  NameDialogText AddDialogText() const;
  // Preset with the selected name.
  NameDialogText EditDialogText() const;
  // Whether Edit and Delete have a name to work on.
  bool HasSelection() const { return selected_ >= 0; }

  // Each takes what the name dialog returned, std::nullopt for Cancel. A name
  // that is empty once trimmed counts as Cancel. Returns whether the list
  // changed; refusals are told through the modal seam.
  bool Add(const std::optional<QString>& typed);
  bool Edit(const std::optional<QString>& typed);
  // Asks first (through the modal seam); refuses to delete the last player.
  bool Delete();

  // The list as it stands, alphabetical, with the selected player active
  // (the first one when nobody is selected): what replaces the caller's list
  // however the dialog is closed.
  PlayerList Result() const;

 private:
  void SortKeeping(const QString& selectName);

  PlayerList list_;
  int selected_ = -1;
  bool keepBackup_ = false;  // carried through to the result
};
