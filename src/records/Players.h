// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Players and their statistics. Each player has a name and one statistics
// block: a record per game index with lost and won counters and the total
// score. The blocks live in players.dat, one 4824-byte block per player in
// the order of the names kept in the settings ("U1", "U2", ...); the file has
// no header, so its length is always a multiple of the block size.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/SafeFile.h"
#include "records/Catalogue.h"
#include "records/Settings.h"

// One game's counters, 24 bytes on disk:
//   0 Lost (u16 LE), 2 Won (u16 LE), 4 TotalScore (i32 LE), 8 Reserved[16].
struct TGameStats {
  uint16_t Lost = 0;
  uint16_t Won = 0;
  int32_t TotalScore = 0;
  // Unused, but whatever an older or newer program put there is written back.
  std::array<uint8_t, 16> Reserved{};
  bool operator==(const TGameStats&) const = default;
};

inline constexpr int kGameStatsBytes = 24;
inline constexpr int kPlayerStatsBytes = kGameSlots * kGameStatsBytes;  // 4824
// The score value meaning "this deal keeps no score".
inline constexpr int kNoScore = -1000;

struct TPlayerStats {
  std::array<TGameStats, kGameSlots> Games{};
  bool operator==(const TPlayerStats&) const = default;

  QByteArray ToBytes() const;
  // Fills the records from the first bytes.size() bytes of a block (a short
  // buffer leaves the rest as it was). Returns true when a whole block was given.
  bool ReadBytes(const QByteArray& bytes);
};

struct Player {
  QString Name;
  TPlayerStats Stats;
};

inline constexpr int kMaxPlayerNameLength = 20;

// A name as the editor stores it: blanks at both ends removed, at most 20
// characters. Empty means "no name".
QString NormalizePlayerName(const QString& typed);

class PlayerList {
 public:
  int Count() const { return static_cast<int>(players_.size()); }
  bool IsIndex(int index) const { return index >= 0 && index < Count(); }
  const QString& Name(int index) const;
  QStringList Names() const;
  // Statistics block of a player; the index must be valid.
  TPlayerStats& Stats(int index);
  const TPlayerStats& Stats(int index) const;
  const std::vector<Player>& Players() const { return players_; }

  int ActivePlayer() const { return active_; }
  // An index outside the list selects the first player.
  void SetActivePlayer(int index);
  const QString& ActiveName() const { return Name(active_); }

  // Case-insensitive lookup; -1 when there is no such player.
  int IndexOf(const QString& name) const;
  bool Contains(const QString& name) const { return IndexOf(name) >= 0; }

  // Appends a player; returns its index.
  int Add(const QString& name, const TPlayerStats& stats = {});
  // Removes a player; the active index follows its player or becomes 0.
  bool Remove(int index);
  void Clear();

  // Counting a finished deal for a player and game. The counters are 16 bits
  // and wrap; the score is added only when the deal kept one (not kNoScore),
  // as a 32-bit sum that wraps too. Invalid indices change nothing.
  bool RecordLost(int player, int gameIndex, int score);
  bool RecordWon(int player, int gameIndex, int score);

  // Copies the active player's counters into the table mirrored in the
  // settings (for older versions that only knew that table).
  RegStatistics ActiveRegStatistics() const;

  // Whether saving should keep the file found at load time as a backup
  // because it held data this list does not carry (see LoadPlayers).
  bool KeepBackupOnSave() const { return keepBackup_; }
  void SetKeepBackupOnSave(bool keep) { keepBackup_ = keep; }

  // Why this list must not be saved over the players file (its file, or the
  // settings naming its blocks, could not be read at load); empty when it
  // may be.
  const QString& SaveRefused() const { return saveRefused_; }
  void RefuseSave(const QString& reason) { saveRefused_ = reason; }

 private:
  std::vector<Player> players_;
  int active_ = 0;
  bool keepBackup_ = false;
  QString saveRefused_;
};

// The program's application id: the name of its desktop entry, AppStream
// metainfo and icon, its application name (so also the X11 window class),
// and the name of its data and cache folders. It lies in the namespace of
// the project's hosting account, a domain nobody else hands out.
inline constexpr char kAppId[] = "io.github.wenlo.solitaire";
// The name those folders had before the program had an id.
inline constexpr char kOldFolderName[] = "Wenlo Solitaire Collection";

// Moves the folder oldPath to newPath, with everything in it, when newPath
// does not exist yet and oldPath is a folder or a link to one (moved as the
// link); otherwise changes nothing. So
// an older version's folder is taken over at the first start and never
// again. Returns whether it moved; a failed move leaves the old folder as it
// was and puts the reason in `reason`.
bool AdoptOldFolder(const QString& oldPath, const QString& newPath, QString* reason = nullptr);
// The user's writable folder of this kind (QStandardPaths::AppDataLocation
// or CacheLocation), having taken over its older name beside it when the
// application is named kAppId. A move that fails is reported on stderr.
QString UserFolder(int standardLocation);

// Where players.dat is written: in dataDirOverride when it is given, else in
// the user's own data folder (either created when missing). Never beside the
// program: a shared program folder would let another user plant a link there.
// Temporary files that a killed save left in that folder are removed.
QString PlayersFilePath(const QString& dataDirOverride = QString());
// Where players.dat is read from: the file it is written to, or, while that
// does not exist yet and no folder was given, one that an older version kept
// beside the program (read once; the save goes to the new place).
QString PlayersFileToRead(const QString& savePath, const QString& dataDirOverride);
// The same choices with the folders given, for tests.
QString ChoosePlayersFilePath(const QString& dataDirOverride, const QString& userDataDir);
QString ChoosePlayersFileToRead(const QString& savePath, const QString& dataDirOverride,
                                const QString& programDir);
inline constexpr const char* kPlayersFileName = "players.dat";
// Beside players.dat: the lock a program holds while it runs on that data
// folder (platform/FileLock's ProcessLock), so that only one does.
inline constexpr const char* kDataFolderLockName = "instance.lock";

// Builds the list from the settings and players.dat. With a player count of 0
// (first start) there is one player "Default" whose counters come from the
// settings' statistics table, and the file is not read. Otherwise block k of
// the file belongs to name k; a block that is missing or cut short gives that
// player zero lost and won counters. Names are made usable: trimmed, at most
// 20 characters, never empty, unique regardless of case. Never fails.
//
// "Could not be read" is not "missing": a file that is there but cannot be
// read (no permission, an I/O error, too large) gives zero counters, a line
// in `problems`, and a list that refuses to be saved over it. Settings that
// could not be read whole may have lost the count: then every block of the
// file stays a player (named as a missing name is), so a save never drops
// one; settings that could not be read at all refuse the save too.
PlayerList LoadPlayers(const AppSettings& settings, const QString& filePath,
                       LoadReport* problems = nullptr);
// The same from the file's bytes as read (for the fuzzing harness).
PlayerList PlayersFromFile(const AppSettings& settings, const FileRead& file,
                           const QString& filePath, LoadReport* problems = nullptr);

// Writes every block in list order through SafeFileWriter: the new file is
// complete and on the disk before it replaces the old one, and a failure
// (full disk, read-only folder, something other than a regular file in the
// way) leaves the old file exactly as it was and puts the reason in `reason`.
// When the list asks for it, the file found at load time is first copied to
// filePath + ".bak" (once: the request is cleared after a successful save;
// an older, different .bak is not replaced: the copy then gets a name of its
// own, see KeepAside). A list that refuses the save writes nothing and says
// why. Returns whether the new file is in place.
bool SavePlayers(PlayerList& players, const QString& filePath, QString* reason = nullptr);

// Puts the players into the settings to be written at exit: count, active
// index, names in list order and the active player's counters. A list that
// refuses its save leaves them as they were read, so the names keep naming
// the blocks of the file that is left alone.
void StorePlayersInSettings(const PlayerList& players, AppSettings& settings);
