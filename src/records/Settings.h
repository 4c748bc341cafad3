// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's settings store: everything the player chose, read once at
// start-up and written once at exit. The store is QSettings under the
// organisation "Tamsel Cards" (the registry key of that name on Windows, a
// "Tamsel Cards.conf" file on other systems) with the sections "Cards" and
// "Players" and two binary tables kept directly in the key.
//
// Every value that comes back from the store is checked: a missing value, a
// text that is not a number, a value of the wrong type or an absurd number
// gives a defined result (usually the default) and never disturbs the others.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "records/Catalogue.h"
#include "records/SaveReport.h"

class QSettings;
class QVariant;

// Per-game window placement and AutoPlay choice, five signed 16-bit values.
struct TGameOption {
  int16_t Top = 10;
  int16_t Left = 10;
  int16_t Height = 542;
  int16_t Width = 689;
  int16_t AutoPlay = 0;  // 0 On, 1 Off
  bool operator==(const TGameOption&) const = default;
};
using TGameOptions = std::array<TGameOption, kGameSlots>;

// Lost and won counters of the active player, as mirrored in the store.
struct RegStatPair {
  uint16_t Lost = 0;
  uint16_t Won = 0;
  bool operator==(const RegStatPair&) const = default;
};
using RegStatistics = std::array<RegStatPair, kGameSlots>;

inline constexpr int kGameOptionBytes = 10;
inline constexpr int kGameOptionsBytes = kGameSlots * kGameOptionBytes;  // 2010
inline constexpr int kRegStatBytes = 4;
inline constexpr int kRegStatisticsBytes = kGameSlots * kRegStatBytes;  // 804

inline constexpr int kDefaultBoardColor = 32768;  // green, as 0x00BBGGRR
inline constexpr int kBackCount = 12;
// More players than this in the store can only be damage; the count is cut
// down so a corrupt number cannot make us allocate gigabytes.
inline constexpr int kMaxPlayers = 1000;

struct AppSettings {
  // "Cards"
  QString Version = QStringLiteral("1.2");  // read and kept, not used
  int GameIndex = 0;
  int Back = 1;  // card-back design 1..12
  bool Warnings = true;
  int UndoOption = 2;  // 0 none, 1 one move, 2 multi-level
  int BoardColor = kDefaultBoardColor;
  int PatternType = 0;  // 0 colour, 1 built-in picture, 2 picture file
  QString PatternName = QStringLiteral("Wood1");
  QString PatternFile;
  bool PlaySound = false;
  bool Tray = false;
  bool ShowEmpty = false;
  int StatState = 0;  // kept unchanged
  bool StatusBar = false;
  bool Resume = true;         // continue the game in progress at start
  bool SolverVerdict = true;  // the status bar says whether the deal can be won
  bool AskAbandon = true;     // ask before a started game is left and counted lost
  bool Toolbar = true;        // the toolbar with the commands and the game's figures
  int AnimationSpeed = 2;     // card slides: 0 off, 1 fast, 2 normal, 3 slow
  bool WinnableOnly = false;  // New Game deals only numbers the solver proves winnable
  int WinnableGrade = 0;      // of them: 0 any, 1 Easy, 2 Medium, 3 Hard, 4 Expert
  int CardFaces = 0;          // 0 standard, 1 large print, 2 four colours
  QString Language;           // "" follows the system, else "en", "de", "fr" or "es"
  // "Players"
  int PlayersCount = 0;  // 0: first start, players.dat is not read
  int ActivePlayer = 0;
  QStringList PlayerNames;  // "U1".."Un"; read only when PlayersCount > 0
  // Binary tables in the key itself
  TGameOptions GameOptions{};
  RegStatistics Statistics{};
  // What reading found, not values of the store (never written). The file
  // was there but could not be read (the reason): this run neither replaces
  // it nor trusts the player count it would have given, so players.dat is
  // left alone too.
  QString Unreadable;
  // Parts of the file could not be parsed: what could be read is used, and
  // since the player count may be among what was lost, no block of
  // players.dat is dropped for it.
  bool Damaged = false;
  bool operator==(const AppSettings&) const = default;
};

// Integer text as the store keeps it: decimal with an optional sign, or
// hexadecimal after "0x"/"0X" (up to 8 digits, taken as a 32-bit pattern).
// Surrounding blanks are allowed; anything else is not a number.
std::optional<int32_t> ParseStoredInteger(const QString& text);

// Byte layouts of the two tables (little-endian).
QByteArray GameOptionsToBytes(const TGameOptions& options);
QByteArray RegStatisticsToBytes(const RegStatistics& stats);
// Overlay a stored table. A value that is not binary, or longer than the
// table, is rejected: the options all become defaults, the counters all 0.
// A shorter value fills the complete records it holds; a trailing partial
// record is left as it was so no number is ever made of two halves.
// Returns false when the value was rejected.
bool ApplyGameOptionsValue(const QVariant& value, TGameOptions& options);
bool ApplyRegStatisticsValue(const QVariant& value, RegStatistics& stats);

// Reads every value in the store's order over the defaults and brings absurd
// numbers back to a defined value (see Settings.cpp). Damaged says whether
// the store could not parse all of its file.
AppSettings ReadSettings(QSettings& store);
// Writes every value in the store's order; returns whether the store reports
// success after syncing. A failure never stops the remaining values.
bool WriteSettings(QSettings& store, const AppSettings& settings);

// The real store of the running program.
std::unique_ptr<QSettings> OpenSettingsStore();
// The file (or registry key) behind it, as named in a report to the player.
QString SettingsFilePath();
// ReadSettings on the real store, with window placements kept on the screens
// that are connected now (when a GUI is running). Outside Windows leftovers
// of a killed save are removed first, and the file is read only when it is a
// regular file of sensible size. A missing file is a first start; one that
// is there but cannot be read gives the defaults with Unreadable set; a
// damaged one is kept aside under a new name (see KeepAside) and what could
// be parsed is used. Each of these last two adds a line to `problems`.
AppSettings LoadAppSettings(LoadReport* problems = nullptr);
// WriteSettings on the real store. Outside Windows the file is replaced as a
// whole through SafeFileWriter, so a failure keeps the old file; `reason`
// then says why. Settings whose file could not be read at load are not
// saved, nor is a file that cannot be read now; a file damaged since it was
// read is kept aside first.
bool SaveAppSettings(const AppSettings& settings, QString* reason = nullptr);

// The settings file made from what the file holds now (`current`) and the
// settings: every other value of `current` is kept, unless `current` is
// damaged, when the result holds the settings alone. Empty (reason in
// *reason) when it cannot be made.
QByteArray MakeSettingsFile(const QByteArray& current, const AppSettings& settings,
                            QString* reason = nullptr);
// The settings a file's bytes give (Damaged set as ReadSettings sets it).
AppSettings SettingsFromBytes(const QByteArray& bytes);

// Keeps a window rectangle on a visible screen: a rectangle without size gets
// the default size, a rectangle larger than its screen is shrunk to it, and it
// is moved fully inside the screen it overlaps most (or the nearest screen
// when it overlaps none). With no screens the rectangle is returned unchanged.
QRect ClampToScreens(const QRect& window, const QList<QRect>& screens);
// The available geometry of every connected screen, empty without a GUI.
QList<QRect> AvailableScreenRects();
// ClampToScreens applied to the placements of the catalogue's games.
void ClampGameOptions(TGameOptions& options, const QList<QRect>& screens);
QRect GameOptionRect(const TGameOption& option);
