// SPDX-License-Identifier: GPL-3.0-or-later
// Saving players.dat and the settings when the disk is full, the folder is
// read-only or something other than a regular file is in the way: the old
// file stays exactly as it was and the reason comes back. Reading them never
// blocks or runs without bound; damaged stores cost no more than good ones.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include "platform/SafeFile.h"
#include "records/Players.h"
#include "records/Settings.h"
#include "support/SaveFixtures.h"

#ifdef Q_OS_LINUX

namespace {

PlayerList MarkedPlayers(int count, int seed) {
  PlayerList list;
  for (int i = 0; i < count; ++i) {
    TPlayerStats stats;
    stats.ReadBytes(MarkedBlock(seed + i));
    list.Add(QString("P%1").arg(i + 1), stats);
  }
  return list;
}

QByteArray FileOf(const PlayerList& list) {
  QByteArray bytes;
  for (const Player& p : list.Players())
    bytes += p.Stats.ToBytes();
  return bytes;
}

class FullDiskPlayers : public ::testing::TestWithParam<int> {
 protected:
  // The file as the last session left it, and this session's new counters.
  void SetUp() override {
    old_ = MarkedPlayers(GetParam(), 1);
    fresh_ = MarkedPlayers(GetParam(), 50);
  }
  QTemporaryDir dir_;
  PlayerList old_, fresh_;
};

}  // namespace

// Writes beyond one page fail (a file-size limit in a child): with one to
// three players the whole file fits in a write buffer, which once hid the
// failure and replaced a good file by an empty one.
TEST_P(FullDiskPlayers, FileSizeLimitKeepsTheOldFileAndSaysWhy) {
  const QString path = dir_.filePath("players.dat");
  WriteBytes(path, FileOf(old_));
  for (rlim_t limit : {rlim_t{0}, rlim_t{4096}}) {
    const int status = InChild([&] {
      LimitFileSize(limit);
      QString why;
      if (SavePlayers(fresh_, path, &why)) return 1;
      return why.isEmpty() ? 2 : 0;
    });
    EXPECT_EQ(status, 0) << "limit " << limit;
    EXPECT_EQ(ReadBytes(path), FileOf(old_));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"players.dat"});
  }
}

// The same on a really full file system: a 64 KiB tmpfs filled to the last
// byte, and filled but for one page.
TEST_P(FullDiskPlayers, FullFileSystemKeepsTheOldFile) {
  if (!CanMountTmpfs(dir_.filePath("probe"))) GTEST_SKIP() << "not permitted to mount a tmpfs";
  const QString disk = dir_.filePath("disk");
  QDir().mkpath(disk);
  const int status = InChild([&] {
    if (!MountSmallTmpfs(disk, 65536)) return 10;
    const QString path = disk + "/players.dat";
    for (qint64 leave : {0, 4096}) {
      WriteBytes(path, FileOf(old_));
      FillDisk(disk, leave);
      QString why;
      if (SavePlayers(fresh_, path, &why)) return 11;
      if (why.isEmpty()) return 12;
      if (ReadBytes(path) != FileOf(old_)) return 13;
      if (QDir(disk).entryList(QDir::Files | QDir::Hidden).size() != 2) return 14;
      QFile::remove(disk + "/filler");
    }
    return 0;
  });
  EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(Players, FullDiskPlayers, ::testing::Values(1, 3, 8));

namespace {

// The real settings store of the test process (a private folder, see the
// test entry), emptied before and after each test.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  void Clean() {
    const QString path = SettingsFilePath();
    QDir(path).removeRecursively();
    QFile::remove(path);
    QFile::remove(path + ".lock");
  }
  static AppSettings Changed() {
    AppSettings s;
    s.GameIndex = 32;
    s.PlayersCount = 2;
    s.PlayerNames = {"Ann", "Bob"};
    return s;
  }
};

}  // namespace

TEST_F(SettingsFileTest, FullDiskKeepsTheOldSettings) {
  ASSERT_TRUE(SaveAppSettings(AppSettings{}));
  const QByteArray old = ReadBytes(SettingsFilePath());
  ASSERT_GT(old.size(), 1000);
  const int limited = InChild([&] {
    LimitFileSize(4096);
    QString why;
    return SaveAppSettings(Changed(), &why) ? 1 : why.isEmpty() ? 2 : 0;
  });
  EXPECT_EQ(limited, 0);
  EXPECT_EQ(ReadBytes(SettingsFilePath()), old);

  const QString folder = QFileInfo(SettingsFilePath()).absolutePath();
  if (!CanMountTmpfs(folder + "/probe")) GTEST_SKIP() << "not permitted to mount a tmpfs";
  QDir(folder + "/probe").removeRecursively();
  const int full = InChild([&] {
    if (!MountSmallTmpfs(folder, 65536)) return 10;
    WriteBytes(SettingsFilePath(), old);
    FillDisk(folder, 0);
    QString why;
    if (SaveAppSettings(Changed(), &why) || why.isEmpty()) return 11;
    return ReadBytes(SettingsFilePath()) == old ? 0 : 12;
  });
  EXPECT_EQ(full, 0);
}

// A folder, FIFO or device link in place of either file: start-up reads
// nothing and does not wait, the save refuses and says why, and the thing in
// the way is left as it was.
TEST_F(SettingsFileTest, OddFilesAreNeitherReadNorReplaced) {
  QTemporaryDir dir;
  for (OddFile kind : {OddFile::Folder, OddFile::Fifo, OddFile::DeviceLink}) {
    SCOPED_TRACE(OddFileName(kind));
    Clean();
    const QString players = dir.filePath(QString("players%1.dat").arg(int(kind)));
    ASSERT_TRUE(MakeOddFile(SettingsFilePath(), kind));
    ASSERT_TRUE(MakeOddFile(players, kind));
    QElapsedTimer clock;
    clock.start();
    const AppSettings read = LoadAppSettings();
    EXPECT_EQ(read.PlayersCount, 0);
    PlayerList list = LoadPlayers(Changed(), players);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Stats(0), TPlayerStats{});
    EXPECT_LT(clock.elapsed(), 2000);

    QString why;
    EXPECT_FALSE(SaveAppSettings(Changed(), &why));
    EXPECT_FALSE(why.isEmpty());
    why.clear();
    EXPECT_FALSE(SavePlayers(list, players, &why));
    EXPECT_FALSE(why.isEmpty());
    for (const QString& p : {SettingsFilePath(), players}) {
      EXPECT_EQ(QFileInfo(p).isSymLink(), kind == OddFile::DeviceLink);
      EXPECT_EQ(QFileInfo(p).isDir(), kind == OddFile::Folder);
    }
  }
}

// A lock left by a killed process (empty: the kill came while it was made;
// or naming a process that is gone) is taken over at once, and temporary
// files of a killed save are removed at start.
TEST_F(SettingsFileTest, StaleLockAndLeftoversOfAKilledSave) {
  const QString lock = SettingsFilePath() + ".lock";
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  for (const QByteArray& contents :
       {QByteArray(), QByteArray::number(gone) + "\nwenlo-solitaire\n" +
                          QSysInfo::machineHostName().toUtf8() + "\n"}) {
    WriteBytes(lock, contents);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(SaveAppSettings(Changed()));
    EXPECT_LT(clock.elapsed(), 1500);
  }
  const QString leftover =
      SettingsFilePath() + SafeFileWriter::kTempMarker + QString::number(gone) + "-x";
  WriteBytes(leftover, "half");
  EXPECT_EQ(LoadAppSettings().GameIndex, 32);
  EXPECT_FALSE(QFileInfo::exists(leftover));
}

// Something odd where the lock belongs: a FIFO (opening it would wait for a
// writer forever), a link to /dev/zero (reading it never ends), a huge file
// without a line break, a lock held by a live process. The save opens none
// but the regular file, reads a few bytes of it, waits two seconds at most,
// saves, and leaves the thing where it was. Run in a child that an alarm
// ends, so a hang fails the test instead of stopping it.
TEST_F(SettingsFileTest, AnOddOrHeldLockNeverHoldsUpTheSave) {
  const QString lock = SettingsFilePath() + ".lock";
  auto saveInTime = [&] {
    return InChild([&] {
      alarm(10);
#ifndef __SANITIZE_ADDRESS__
      const struct rlimit memory { rlim_t{1} << 30, rlim_t{1} << 30 };
      setrlimit(RLIMIT_AS, &memory);
#endif
      QElapsedTimer clock;
      clock.start();
      try {
        if (!SaveAppSettings(Changed())) return 1;
      } catch (...) {
        return 3;  // out of memory: the lock was read without bound
      }
      return clock.elapsed() < 4000 ? 0 : 2;
    });
  };
  for (OddFile kind : {OddFile::Fifo, OddFile::DeviceLink}) {
    SCOPED_TRACE(OddFileName(kind));
    Clean();
    ASSERT_TRUE(MakeOddFile(lock, kind));
    EXPECT_EQ(saveInTime(), 0);
    EXPECT_EQ(LoadAppSettings().GameIndex, 32);
    EXPECT_EQ(QFileInfo(lock).isSymLink(), kind == OddFile::DeviceLink);
    QFile::remove(lock);
  }
  Clean();
  QFile huge(lock);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(qint64{4} << 30));  // sparse: no disk is used
  huge.close();
  EXPECT_EQ(saveInTime(), 0);
  QFile::remove(lock);
  WriteBytes(lock, QByteArray::number(getpid()) + "\nwenlo-solitaire\n" +
                       QSysInfo::machineHostName().toUtf8() + "\n");
  EXPECT_EQ(saveInTime(), 0);
  EXPECT_TRUE(QFileInfo::exists(lock));  // a live holder's lock is not taken away
}

TEST(PlayersLoad, AThousandEqualOrMissingNamesLoadQuicklyAndUnique) {
  AppSettings s;
  s.PlayersCount = kMaxPlayers;
  for (const QStringList& names : {QStringList(), QStringList(kMaxPlayers, "Same")}) {
    s.PlayerNames = names;
    QElapsedTimer clock;
    clock.start();
    PlayerList list = LoadPlayers(s, QString());
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_EQ(list.Count(), kMaxPlayers);
    QSet<QString> seen;
    for (const QString& n : list.Names()) {
      EXPECT_LE(n.size(), kMaxPlayerNameLength);
      seen.insert(n.toCaseFolded());
    }
    EXPECT_EQ(seen.size(), kMaxPlayers);
    EXPECT_EQ(list.Name(999), list.Name(0) + " (1000)");
  }
}

#endif
