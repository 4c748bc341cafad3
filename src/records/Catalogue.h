// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed table of the collection's games. A game is known everywhere by its
// catalogue index: statistics, window placements, hi-scores and help topics
// are arrays indexed by it, and the index is stored in the settings and in
// players.dat, so the order of the rows is a data format and must never change.

#include <QString>

// Number of games in the catalogue; valid indices are 0..kGameCount-1.
inline constexpr int kGameCount = 46;
// Every per-game table on disk (statistics, window options) has room for this
// many games; only the first kGameCount are used.
inline constexpr int kGameSlots = 201;
// Preview picture shown for an index outside the catalogue.
inline constexpr int kFallbackPreview = 686;

struct GameInfo {
  const char* name;        // at most 29 characters
  const char* difficulty;  // "Easy", "Average" or "Difficult"
  const char* packs;       // "1" or "2", as the selection dialog's "Decks" column shows it
  int preview;             // picture number; several games share one picture
  bool autoPlayOption;     // whether the selection dialog offers the AutoPlay choice
};

int GameCount();
bool IsGameIndex(int index);

// The row of a game, or nullptr for an index outside the catalogue.
const GameInfo* GameAt(int index);

// Empty string for an index outside the catalogue, never a stray name.
// GameName is the name files, the history's CSV, the dump and command-line
// output use; GameTitle is the same name as the window shows it, in the
// language in use (most names are kept, a few have a name of their own).
QString GameName(int index);
QString GameTitle(int index);
// The title with the most characters, for sizing a column or a box.
QString LongestGameTitle();
// "Easy", "Average" or "Difficult", in the language in use.
QString GameDifficulty(int index);
QString GamePacks(int index);
// Number of 52-card packs (1 or 2), 0 outside the catalogue.
int GamePackCount(int index);
bool HasAutoPlayOption(int index);
// kFallbackPreview for an index outside the catalogue.
int PreviewNumber(int index);
// Help context of the game's topic (100 + index); 0 ("no topic") outside the
// catalogue, which the help filter drops.
int HelpContext(int index);
// Catalogue index of the game with this exact name, -1 when there is none.
int GameIndexByName(const QString& name);
