// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress, kept between two runs of the program: which game and
// number, whose it is, every pile with its cards where they lay, the whole
// move history with its position, the score, the redeal counter and the
// AutoPlay choice. Pure data and its file; laying it out on a table is the
// session's business (session/GameResume).
//
// The file is text, one record a line, closed by a SHA-256 of everything
// above it, so a truncated or edited file is refused as a whole:
//
//   wenlo-saved-game 1
//   player Default                         (percent-encoded UTF-8)
//   game 32 number 1234 score -52 rotation -1 redeal -1 autoplay 0
//   pile ID LEFT TOP WIDTH HEIGHT VSHIFT GSHIFT VISIBLE CARDS
//   card ID FACEUP VISIBLE LEFT TOP        (CARDS lines, bottom to top)
//   order ID ID ...        (every card and pile, back to front; a pile as -ID)
//   history INDEX COUNT
//   move ANIMATED LEFT TOP KIND SOURCE DEST FLIP CARD   (COUNT lines)
//   check HEX

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

struct SavedCard {
  int Id = 0;  // pool number 1..104
  bool FaceUp = false;
  bool Visible = true;
  int Left = 0;
  int Top = 0;
  bool operator==(const SavedCard&) const = default;
};

struct SavedPile {
  int Id = 0;  // DeckID 1..255
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int VShift = 0, GShift = 0;
  bool Visible = true;
  std::vector<SavedCard> Cards;  // bottom to top
  bool operator==(const SavedPile&) const = default;
};

// One history entry, field for field.
struct SavedMove {
  bool Animated = true;
  int SourceLeft = 0, SourceTop = 0;
  int Kind = 0;  // 0 move or turn, 1 group begin, 2 group end
  int SourceId = 0, DestId = 0;
  bool Flip = false;
  int CardNo = 0;
  bool operator==(const SavedMove&) const = default;
};

struct SavedGame {
  QString Player;
  int GameIndex = 0;
  uint32_t Number = 0;
  int Score = -1000;
  int Rotation = -1;
  int RedealButton = -1;  // -1 none, 0 disabled, 1 enabled
  int AutoPlay = 0;
  std::vector<SavedPile> Piles;  // in DeckID order
  std::vector<int> ZOrder;       // back to front: card ids, and piles as -DeckID
  int HistoryIndex = -1;
  std::vector<SavedMove> History;
  bool operator==(const SavedGame&) const = default;
};

inline constexpr int kSavedGameVersion = 1;
// Nothing we write comes near this; a larger file is not ours.
inline constexpr qint64 kMaxSavedGameBytes = 4 * 1024 * 1024;
inline constexpr int kMaxSavedMoves = 60000;

// The file beside players.dat that keeps the game in progress.
QString SavedGamePath(const QString& playersFile);

QByteArray FormatSavedGame(const SavedGame& game);
// The strict reader: any line out of place, any number out of range, a
// missing or wrong check line refuses the whole file (reason in error).
std::optional<SavedGame> ParseSavedGame(const QByteArray& bytes, QString* error = nullptr);

// Reads the file: only a regular file (links followed) of at most
// kMaxSavedGameBytes is read at all. nullopt with the reason otherwise,
// "no saved game" when there is none.
std::optional<SavedGame> ReadSavedGame(const QString& path, QString* error = nullptr);
// Writes the whole file through a temporary one renamed into place, so a
// crash or a full disk leaves the previous file or none, never half of one;
// only a regular file (or a link to one) is replaced.
bool WriteSavedGame(const QString& path, const SavedGame& game, QString* error = nullptr);
// Removes the file; true when it is gone (or was never there).
bool RemoveSavedGame(const QString& path);
