// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <limits>
#include <random>

#include "records/Players.h"

#ifdef Q_OS_LINUX
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

class PlayersTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath("players.dat"); }
  void WriteFile(const QByteArray& bytes) {
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static AppSettings WithPlayers(const QStringList& names, int active = 0) {
    AppSettings s;
    s.PlayersCount = static_cast<int>(names.size());
    s.PlayerNames = names;
    s.ActivePlayer = active;
    return s;
  }
  // A block whose every field, Reserved included, tells where it came from.
  static TPlayerStats Marked(int seed) {
    TPlayerStats st;
    for (int g = 0; g < kGameSlots; ++g) {
      TGameStats& r = st.Games[static_cast<size_t>(g)];
      r.Lost = static_cast<uint16_t>(seed * 1000 + g);
      r.Won = static_cast<uint16_t>(seed * 7 + g);
      r.TotalScore = -seed * 100000 - g;
      for (int i = 0; i < 16; ++i)
        r.Reserved[static_cast<size_t>(i)] = static_cast<uint8_t>(seed + g + i);
    }
    return st;
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(PlayersTest, BlockLayoutIsTwentyFourBytesPerGameLittleEndian) {
  TPlayerStats st;
  TGameStats& r = st.Games[5];
  r.Lost = 0x1234;
  r.Won = 0xABCD;
  r.TotalScore = -2;
  for (int i = 0; i < 16; ++i)
    r.Reserved[static_cast<size_t>(i)] = static_cast<uint8_t>(0xA0 + i);
  const QByteArray b = st.ToBytes();
  ASSERT_EQ(b.size(), 4824);
  EXPECT_EQ(b.mid(120, 24),
            QByteArray::fromHex("3412cdab feffffff a0a1a2a3a4a5a6a7a8a9aaabacadaeaf"));
  EXPECT_EQ(b.count('\0'), 4824 - 24 + 0);  // nothing else is set (0x12.. has no zero byte)

  TPlayerStats back;
  EXPECT_TRUE(back.ReadBytes(b));
  EXPECT_EQ(back, st);
}

TEST_F(PlayersTest, SaveAndLoadRoundTripKeepsEveryByte) {
  PlayerList list;
  list.Add("Ann", Marked(1));
  list.Add("Bob", Marked(2));
  list.Add("Cy", Marked(3));
  list.SetActivePlayer(2);
  ASSERT_TRUE(SavePlayers(list, Path()));
  const QByteArray file = ReadFile(Path());
  ASSERT_EQ(file.size(), 3 * 4824);
  EXPECT_EQ(file.mid(4824, 4824), Marked(2).ToBytes());  // block k is player k

  AppSettings s;
  StorePlayersInSettings(list, s);
  EXPECT_EQ(s.PlayerNames, (QStringList{"Ann", "Bob", "Cy"}));
  EXPECT_EQ(s.ActivePlayer, 2);
  EXPECT_EQ(s.Statistics[7], (RegStatPair{3007, 28}));  // the active player's counters

  const PlayerList back = LoadPlayers(s, Path());
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(back.ActivePlayer(), 2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(back.Name(i), list.Name(i));
    EXPECT_EQ(back.Stats(i), list.Stats(i));  // Reserved bytes included
  }
  EXPECT_FALSE(back.KeepBackupOnSave());
  EXPECT_FALSE(QFileInfo::exists(Path() + ".bak"));
}

TEST_F(PlayersTest, FirstStartMakesDefaultFromTheStatisticsTable) {
  WriteFile(Marked(9).ToBytes());  // a file lying there is not read
  AppSettings s;
  s.Statistics[3] = {11, 12};
  PlayerList list = LoadPlayers(s, Path());
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Name(0), "Default");
  EXPECT_EQ(list.Stats(0).Games[3].Lost, 11);
  EXPECT_EQ(list.Stats(0).Games[3].Won, 12);
  EXPECT_EQ(list.Stats(0).Games[4], TGameStats{});
  // ...but it is kept beside the new one rather than lost.
  ASSERT_TRUE(SavePlayers(list, Path()));
  EXPECT_EQ(ReadFile(Path()).size(), 4824);
  EXPECT_EQ(ReadFile(Path() + ".bak"), Marked(9).ToBytes());
}

TEST_F(PlayersTest, ShortMissingAndOversizedFiles) {
  // Three players, one block: the first gets it, the others zero counters.
  WriteFile(Marked(1).ToBytes());
  PlayerList list = LoadPlayers(WithPlayers({"Ann", "Bob", "Cy"}), Path());
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Stats(0), Marked(1));
  EXPECT_EQ(list.Stats(1), TPlayerStats{});
  EXPECT_EQ(list.Stats(2), TPlayerStats{});
  EXPECT_TRUE(list.KeepBackupOnSave());

  // A block cut after 100 bytes: its counters are all zero, but what was read
  // of the other fields stays (records 0..3 whole, record 4 only in part).
  WriteFile(Marked(1).ToBytes() + Marked(2).ToBytes().left(100));
  list = LoadPlayers(WithPlayers({"Ann", "Bob"}), Path());
  const TPlayerStats& cut = list.Stats(1);
  EXPECT_EQ(cut.Games[0].Lost, 0);
  EXPECT_EQ(cut.Games[0].Won, 0);
  EXPECT_EQ(cut.Games[3].TotalScore, Marked(2).Games[3].TotalScore);
  EXPECT_EQ(cut.Games[3].Reserved, Marked(2).Games[3].Reserved);
  EXPECT_EQ(cut.Games[4].TotalScore, 0);
  EXPECT_EQ(list.Stats(0), Marked(1));

  // No file: every player with zero counters, nothing to back up.
  QFile::remove(Path());
  list = LoadPlayers(WithPlayers({"Ann", "Bob"}), Path());
  EXPECT_EQ(list.Stats(0), TPlayerStats{});
  EXPECT_FALSE(list.KeepBackupOnSave());

  // More blocks than names: the extra ones are kept in the backup.
  const QByteArray three = Marked(1).ToBytes() + Marked(2).ToBytes() + Marked(3).ToBytes();
  WriteFile(three);
  list = LoadPlayers(WithPlayers({"Ann"}), Path());
  EXPECT_EQ(list.Stats(0), Marked(1));
  ASSERT_TRUE(SavePlayers(list, Path()));
  EXPECT_EQ(ReadFile(Path()), Marked(1).ToBytes());
  EXPECT_EQ(ReadFile(Path() + ".bak"), three);
  // A second save in the same run does not replace that backup.
  ASSERT_TRUE(SavePlayers(list, Path()));
  EXPECT_EQ(ReadFile(Path() + ".bak"), three);
}

TEST_F(PlayersTest, UnusableNamesAndActiveIndexAreRepairedAtLoad) {
  AppSettings s =
      WithPlayers({"  Bob  ", "", "ann", "ANN", "Abcdefghijklmnopqrstuvwxyz", "ann (2)"}, 17);
  const PlayerList list = LoadPlayers(s, Path());
  EXPECT_EQ(list.Names().join('|').toStdString(),
            "Bob|Default|ann|ANN (2)|Abcdefghijklmnopqrst|ann (2) (2)");
  EXPECT_EQ(list.ActivePlayer(), 0);
}

TEST_F(PlayersTest, AFileThatIsAFolderIsNeitherReadNorReplaced) {
  ASSERT_TRUE(QDir().mkpath(Path()));
  PlayerList list = LoadPlayers(WithPlayers({"Ann"}), Path());
  EXPECT_EQ(list.Stats(0), TPlayerStats{});
  EXPECT_FALSE(SavePlayers(list, Path()));
  EXPECT_TRUE(QFileInfo(Path()).isDir());
}

#ifdef Q_OS_LINUX
// A disk that fills up in the middle of the save: the previous file stays
// whole and no half-written file is left behind.
TEST_F(PlayersTest, AFailedWriteLeavesThePreviousFile) {
  PlayerList old;
  old.Add("Ann", Marked(1));
  ASSERT_TRUE(SavePlayers(old, Path()));

  PlayerList big;
  for (int i = 0; i < 8; ++i)
    big.Add(QString("P%1").arg(i), Marked(i));
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 10000;  // smaller than 8 blocks
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = SavePlayers(big, Path());
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(ReadFile(Path()), Marked(1).ToBytes());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"players.dat"});
}
#endif

TEST_F(PlayersTest, CountersWrapAndScoresAreAddedOnlyWhenKept) {
  PlayerList list;
  list.Add("Ann");
  TGameStats& r = list.Stats(0).Games[32];
  r.Lost = 65535;
  r.Won = 65535;
  r.TotalScore = 2147483647;
  EXPECT_TRUE(list.RecordLost(0, 32, 10));
  EXPECT_EQ(r.Lost, 0);
  EXPECT_EQ(r.TotalScore, -2147483647 + 8);  // 32-bit wrap
  EXPECT_TRUE(list.RecordWon(0, 32, kNoScore));
  EXPECT_EQ(r.Won, 0);
  EXPECT_EQ(r.TotalScore, -2147483639);
  EXPECT_TRUE(list.RecordWon(0, 32, 0));
  EXPECT_EQ(r.Won, 1);
  EXPECT_TRUE(list.RecordLost(0, 32, -9));
  EXPECT_EQ(r.TotalScore, std::numeric_limits<int32_t>::min());
  EXPECT_TRUE(list.RecordLost(0, 32, -43));
  EXPECT_EQ(r.TotalScore, 2147483605);  // wraps downward too
  EXPECT_EQ(r.Lost, 2);

  const TPlayerStats before = list.Stats(0);
  EXPECT_FALSE(list.RecordLost(1, 0, 5));
  EXPECT_FALSE(list.RecordWon(0, 46, 5));
  EXPECT_FALSE(list.RecordLost(0, -1, 5));
  EXPECT_EQ(list.Stats(0), before);
}

TEST_F(PlayersTest, FileLocationChoice) {
  const QString over = dir_.filePath("over/ride");
  EXPECT_EQ(ChoosePlayersFilePath(over, dir_.filePath("data")), over + "/players.dat");
  EXPECT_TRUE(QFileInfo(over).isDir());
  // Without a folder given: the user's own folder, never the program's.
  const QString saved = ChoosePlayersFilePath({}, dir_.filePath("data"));
  EXPECT_EQ(saved, dir_.filePath("data/players.dat"));
  EXPECT_TRUE(QFileInfo(dir_.filePath("data")).isDir());
  // An older install's players.dat beside the program (here dir_) is read
  // while the user's folder has none, and never when a folder is given.
  WriteFile("x");
  EXPECT_EQ(ChoosePlayersFileToRead(saved, {}, dir_.path()), Path());
  EXPECT_EQ(ChoosePlayersFileToRead(saved, over, dir_.path()), saved);
  QFile(saved).open(QIODevice::WriteOnly);
  EXPECT_EQ(ChoosePlayersFileToRead(saved, {}, dir_.path()), saved);
  EXPECT_TRUE(PlayersFilePath(over).endsWith("/ride/players.dat"));
}

// The folder an older version kept is moved whole, once: never over a folder
// that exists, never when it is a file, and a move that cannot be made says
// why and leaves it as it was.
TEST_F(PlayersTest, OldFolderIsTakenOverOnlyIntoAFreeName) {
  const QString old = dir_.filePath("share/Wenlo Solitaire Collection");
  const QString now = dir_.filePath("share/io.github.wenlo.solitaire");
  ASSERT_TRUE(QDir().mkpath(old));
  for (const char* name : {"players.dat", "savedgame.txt"}) {
    QFile f(old + '/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(name);
  }
  EXPECT_FALSE(AdoptOldFolder(dir_.filePath("share/missing"), now));
  EXPECT_FALSE(QFileInfo::exists(now));
  EXPECT_TRUE(AdoptOldFolder(old, now));
  EXPECT_FALSE(QFileInfo::exists(old));
  EXPECT_EQ(ReadFile(now + "/players.dat"), "players.dat");
  EXPECT_EQ(ReadFile(now + "/savedgame.txt"), "savedgame.txt");

  // An old folder made again later (an older version started once more).
  ASSERT_TRUE(QDir().mkpath(old));
  EXPECT_FALSE(AdoptOldFolder(old, now));
  EXPECT_TRUE(QFileInfo(old).isDir());
  EXPECT_EQ(ReadFile(now + "/players.dat"), "players.dat");

  // A file under the old name is not a folder to take over; a link to one
  // moves as the link.
  const QString other = dir_.filePath("other");
  ASSERT_TRUE(QDir().rmdir(old));
  QFile(old).open(QIODevice::WriteOnly);
  EXPECT_FALSE(AdoptOldFolder(old, other));
  EXPECT_FALSE(QFileInfo::exists(other));
  ASSERT_TRUE(QFile::remove(old));
  ASSERT_TRUE(QFile::link(now, old));
  EXPECT_TRUE(AdoptOldFolder(old, other));
  EXPECT_TRUE(QFileInfo(other).isSymLink());
  EXPECT_EQ(ReadFile(other + "/players.dat"), "players.dat");

  // No place to move it to: a file stands where the new folder's parent
  // should be.
  ASSERT_TRUE(QDir().mkpath(old));
  QFile(dir_.filePath("file")).open(QIODevice::WriteOnly);
  QString reason;
  EXPECT_FALSE(AdoptOldFolder(old, dir_.filePath("file/new"), &reason));
  EXPECT_TRUE(reason.contains("cannot move")) << reason.toStdString();
  EXPECT_TRUE(QFileInfo(old).isDir());
}

// Random and truncated bytes with random counts: loading never fails, whole
// blocks come through intact, and a save is always count x 4824 bytes.
TEST_F(PlayersTest, FuzzRandomAndTruncatedFiles) {
  std::mt19937 rng(4824);
  for (int round = 0; round < 150; ++round) {
    const int count = static_cast<int>(rng() % 5);
    QByteArray bytes(static_cast<int>(rng() % (4 * 4824 + 50)), '\0');
    for (char& c : bytes)
      c = static_cast<char>(rng());
    WriteFile(bytes);
    QStringList names;
    for (int i = 0; i < count; ++i)
      names << QString("P%1").arg(i);
    PlayerList list = LoadPlayers(WithPlayers(names, static_cast<int>(rng() % 7) - 1), Path());
    ASSERT_EQ(list.Count(), std::max(count, 1));
    EXPECT_TRUE(list.IsIndex(list.ActivePlayer()));
    for (int i = 0; i < count; ++i) {
      const qsizetype start = qsizetype{i} * 4824;
      if (start + 4824 <= bytes.size()) {
        EXPECT_EQ(list.Stats(i).ToBytes(), bytes.mid(start, 4824));
      } else {
        for (const TGameStats& g : list.Stats(i).Games) {
          ASSERT_EQ(g.Lost, 0);
          ASSERT_EQ(g.Won, 0);
        }
      }
    }
    ASSERT_TRUE(SavePlayers(list, Path()));
    EXPECT_EQ(QFileInfo(Path()).size(), qint64{list.Count()} * 4824);
    QFile::remove(Path() + ".bak");
  }
}
