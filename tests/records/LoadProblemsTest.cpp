// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up does with files it cannot read whole, below the program:
// players that must not be saved over an unreadable file or with a lost
// count, settings files that are damaged yet can be written again, and a
// backup that never replaces an earlier one.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "records/Players.h"
#include "records/Settings.h"
#include "support/SaveFixtures.h"

namespace {

AppSettings Named(int count) {
  AppSettings s;
  s.PlayersCount = count;
  for (int k = 1; k <= count; ++k)
    s.PlayerNames << QString("P%1").arg(k);
  return s;
}

QByteArray Blocks(int count) {
  QByteArray b;
  for (int i = 0; i < count; ++i)
    b += MarkedBlock(i);
  return b;
}

FileRead ReadAs(FileReadStatus status, const QByteArray& data = {}) {
  FileRead f;
  f.Status = status;
  f.Data = data;
  f.Reason = status == FileReadStatus::Ok ? QString() : QStringLiteral("Permission denied");
  return f;
}

}  // namespace

// Which settings and players files give which list, and whether it may be
// saved: the count is trusted only from sound settings, and a file that is
// there but unreadable is never saved over.
TEST(LoadProblems, PlayersFromWhatCouldBeRead) {
  AppSettings unreadable = Named(0);
  unreadable.Unreadable = "Permission denied";
  AppSettings damagedNoCount = Named(0);
  damagedNoCount.Damaged = true;
  AppSettings damagedTwo = Named(2);
  damagedTwo.Damaged = true;
  struct Case {
    const char* what;
    AppSettings settings;
    FileRead file;
    int count;     // players in the list
    bool refused;  // the save is refused
    int problems;  // lines for the player
  } cases[] = {
      {"sound settings, readable file", Named(3), ReadAs(FileReadStatus::Ok, Blocks(3)), 3, false,
       0},
      {"unreadable file", Named(3), ReadAs(FileReadStatus::Failed), 3, true, 1},
      {"file too large", Named(3), ReadAs(FileReadStatus::TooLarge), 3, true, 1},
      {"not a file", Named(3), ReadAs(FileReadStatus::NotRegular), 3, false, 1},
      {"missing file", Named(3), ReadAs(FileReadStatus::Missing), 3, false, 0},
      {"unreadable settings", unreadable, ReadAs(FileReadStatus::Ok, Blocks(3)), 3, true, 0},
      {"damaged settings, count lost", damagedNoCount, ReadAs(FileReadStatus::Ok, Blocks(3) + "x"),
       4, false, 0},
      {"damaged settings, count low", damagedTwo, ReadAs(FileReadStatus::Ok, Blocks(3)), 3, false,
       0},
      {"damaged settings, no file", damagedNoCount, ReadAs(FileReadStatus::Missing), 1, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoadReport problems;
    const PlayerList list = PlayersFromFile(c.settings, c.file, "players.dat", &problems);
    EXPECT_EQ(list.Count(), c.count);
    EXPECT_EQ(!list.SaveRefused().isEmpty(), c.refused);
    ASSERT_EQ(int(problems.Problems.size()), c.problems);
    if (c.problems) {
      EXPECT_TRUE(problems.Lines()[0].startsWith("players.dat: "));
    }
    if (c.file.Ok()) {
      EXPECT_EQ(list.Stats(0).ToBytes(), MarkedBlock(0));
    }
    // A refused list leaves the names in the settings as they were read.
    AppSettings stored = c.settings;
    StorePlayersInSettings(list, stored);
    if (c.refused) {
      EXPECT_EQ(stored, c.settings);
    }
  }
}

TEST(LoadProblems, ARefusedSaveWritesNothingAndABackupNeverReplacesAnother) {
  QTemporaryDir dir;
  const QString path = dir.filePath("players.dat");
  WriteBytes(path, Blocks(3));
  PlayerList list = PlayersFromFile(Named(3), ReadAs(FileReadStatus::Failed), path);
  QString why;
  EXPECT_FALSE(SavePlayers(list, path, &why));
  EXPECT_TRUE(why.startsWith("left as it was: it could not be read at start")) << why.toStdString();
  EXPECT_EQ(ReadBytes(path), Blocks(3));

  // Two starts, each with fewer names than blocks: both old files are kept.
  WriteBytes(path + ".bak", "an earlier backup");
  list = LoadPlayers(Named(1), path);
  ASSERT_TRUE(SavePlayers(list, path, &why)) << why.toStdString();
  EXPECT_EQ(ReadBytes(path + ".bak"), "an earlier backup");
  const QStringList kept = QDir(dir.path()).entryList({"players.dat.bak-*"}, QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_EQ(ReadBytes(dir.filePath(kept[0])), Blocks(3));
}

// Damaged settings files are flagged, and a new file can always be made
// from them; sound ones are not flagged and keep their other values.
TEST(LoadProblems, DamagedSettingsAreFlaggedAndCanBeWrittenAgain) {
  AppSettings wanted = Named(2);
  wanted.GameIndex = 7;
  const QByteArray sound = "[Cards]\nGame=3\n[Other]\nKept=yes\n";
  const QByteArray damaged[] = {
      QByteArray("[Players]\nPlayers=3\nU1=A\0B\nU2=C\n", 32),
      "[Cards]\nGame=3\n\xff\xfe[Players]\nPlayers=3\n",
      QByteArray(3, '\0') + sound,
      "\"[Cards]\n\x01\xff=\xfe\n[[[\n",
  };
  EXPECT_FALSE(SettingsFromBytes(sound).Damaged);
  EXPECT_EQ(SettingsFromBytes(sound).GameIndex, 3);
  QString why;
  const QByteArray fromSound = MakeSettingsFile(sound, wanted, &why);
  EXPECT_TRUE(fromSound.contains("Kept=yes")) << why.toStdString();
  for (const QByteArray& bytes : damaged) {
    SCOPED_TRACE(bytes.toHex().toStdString());
    EXPECT_TRUE(SettingsFromBytes(bytes).Damaged);
    const QByteArray made = MakeSettingsFile(bytes, wanted, &why);
    ASSERT_FALSE(made.isEmpty()) << why.toStdString();
    const AppSettings back = SettingsFromBytes(made);
    EXPECT_FALSE(back.Damaged);
    EXPECT_EQ(back.GameIndex, 7);
    EXPECT_EQ(back.PlayerNames, wanted.PlayerNames);
  }
}
