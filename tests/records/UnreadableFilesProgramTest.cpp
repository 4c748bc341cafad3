// SPDX-License-Identifier: GPL-3.0-or-later
// Through the real program: a players file or settings file that is there
// but cannot be read is told and left alone, never taken for a first start;
// a damaged settings file is kept aside once and saved again; a second
// program on the same data folder is refused while others run beside it.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include "support/RunProgram.h"
#include "support/SaveFixtures.h"

#ifdef Q_OS_LINUX

namespace {

class UnreadableFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(box_.DataDir());
    QDir().mkpath(box_.ConfigDir());
  }
  QString PlayersFile() const { return box_.DataDir() + "/players.dat"; }
  QString SettingsFile() const { return box_.ConfigDir() + "/Tamsel Cards.conf"; }
  QByteArray Blocks(int count) const {
    QByteArray blocks;
    for (int i = 0; i < count; ++i)
      blocks += MarkedBlock(i);
    return blocks;
  }
  // The last session's files (players P1.., marked statistics), with the
  // settings as given.
  void WriteSession(int count, const QByteArray& settings) {
    WriteBytes(PlayersFile(), Blocks(count));
    WriteBytes(SettingsFile(), settings);
  }
  QStringList KeptAside() const {
    return QDir(box_.ConfigDir()).entryList({"Tamsel Cards.conf.damaged-*"}, QDir::Files);
  }
  // A script run that plays a started FreeCell and quits, optionally without
  // root's power to read past file modes (so mode 000 means unreadable).
  ProgramRun PlayAndQuit(const ProgramSandbox& box, bool asPlayer = false) const {
    WriteBytes(box.Path("play.script"), QByteArray(kStartedFreeCell) + "quit\n");
    QProcess p;
    p.setProcessEnvironment(box.Environment());
    if (asPlayer) p.setChildProcessModifier([] { GiveUpFileModeOverride(); });
    p.start(WENLO_BINARY, {"--script", box.Path("play.script"), "--data-dir", box.DataDir()});
    return ProgramSandbox::Finish(p, 60000);
  }
  ProgramSandbox box_;
};

}  // namespace

// A players.dat that cannot be read (mode 000): told on stderr once, not
// saved over (the exit save names it), and the settings keep naming its
// blocks.
TEST_F(UnreadableFiles, UnreadablePlayersFileIsToldAndLeftAlone) {
  if (!ModeZeroIsUnreadable(box_.Path(""))) GTEST_SKIP() << "mode 000 files stay readable here";
  WriteSession(3, PlayersSettings(3));
  ASSERT_EQ(chmod(QFile::encodeName(PlayersFile()).constData(), 0), 0);
  const ProgramRun r = PlayAndQuit(box_, true);
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  EXPECT_EQ(r.err.count(PlayersFile() + ": could not be read (Permission denied)"), 1)
      << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("save failed: " + PlayersFile() + ": left as it was"))
      << r.out.toStdString();
  EXPECT_EQ(ReadBytes(PlayersFile()), Blocks(3));
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(PlayersFile()).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0u);
  EXPECT_TRUE(ReadBytes(SettingsFile()).contains("U3=P3"));
}

// Settings that cannot be read are no first start: neither they nor
// players.dat are written in that run, so no name and no block is lost.
TEST_F(UnreadableFiles, UnreadableSettingsAreNoFirstStart) {
  if (!ModeZeroIsUnreadable(box_.Path(""))) GTEST_SKIP() << "mode 000 files stay readable here";
  WriteSession(3, PlayersSettings(3));
  ASSERT_EQ(chmod(QFile::encodeName(SettingsFile()).constData(), 0), 0);
  const ProgramRun r = PlayAndQuit(box_, true);
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(SettingsFile() + ": could not be read (Permission denied)"))
      << r.err.toStdString();
  EXPECT_EQ(ReadBytes(SettingsFile()), PlayersSettings(3));
  EXPECT_EQ(ReadBytes(PlayersFile()), Blocks(3));
  EXPECT_FALSE(QFileInfo::exists(PlayersFile() + ".bak"));
}

// Damaged settings (a NUL byte; a stray \xff\xfe line that swallows the
// [Players] header, and with it the count; garbage): the player is told
// once, the file is kept aside under a new name, what could be read is used,
// the exit save works, and players.dat keeps every block.
TEST_F(UnreadableFiles, DamagedSettingsAreKeptAsideOnceAndSavedAgain) {
  const QByteArray names = PlayersSettings(3);
  const QByteArray damages[] = {
      QByteArray("[Cards]\nGame=32\n") + names.left(40) + QByteArray(1, '\0') + names.mid(40),
      QByteArray("[Cards]\nGame=32\n\xff\xfe") + names,
      QByteArray("\x01\x80\xff\xfe[]]\n=\n\"", 11) + QByteArray(300, '\xee') + names,
  };
  int round = 0;
  for (const QByteArray& damaged : damages) {
    SCOPED_TRACE(round);
    WriteSession(3, damaged);
    ProgramRun r = PlayAndQuit(box_);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_EQ(r.err.count(SettingsFile() + ": damaged; a copy is kept as "), 1)
        << r.err.toStdString();
    const QStringList kept = KeptAside();
    ASSERT_EQ(kept.size(), round + 1);
    // Every earlier copy is still there as it was; the new one holds this file.
    int matches = 0;
    for (const QString& name : kept)
      matches += ReadBytes(box_.ConfigDir() + "/" + name) == damaged;
    EXPECT_EQ(matches, 1);
    const QByteArray players = ReadBytes(PlayersFile());
    EXPECT_GE(players.size(), 3 * 4824);
    EXPECT_EQ(players.mid(4824, 2 * 4824), Blocks(3).mid(4824));
    EXPECT_EQ(FreeCellLost(players, 0), FreeCellLost(MarkedBlock(0)) + 1);

    // The next start finds sound settings: nothing to tell, nothing kept.
    r = PlayAndQuit(box_);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("damaged")) << r.err.toStdString();
    EXPECT_EQ(KeptAside().size(), round + 1);
    ++round;
  }
}

// One program per data folder: while A plays, B on the same folder is
// refused (status 3) and writes nothing, C on its own folder runs; A's exit
// saves as usual; a killed A leaves no lock behind.
TEST_F(UnreadableFiles, OneProgramPerDataFolder) {
  WriteSession(1, PlayersSettings(1));
  WriteBytes(box_.Path("long.script"),
             QByteArray(kStartedFreeCell) + "dump\n" + QByteArray("tick 100000\n").repeated(1000));
  auto startA = [&](QProcess& a) {
    a.setProcessEnvironment(box_.Environment());
    a.start(WENLO_BINARY, {"--script", box_.Path("long.script"), "--data-dir", box_.DataDir()});
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("game 32") && clock.elapsed() < 20000 && a.waitForReadyRead(20000))
      out += a.readAllStandardOutput();
    return out.contains("game 32");
  };
  QProcess a;
  ASSERT_TRUE(startA(a));
  const QByteArray before = ReadBytes(PlayersFile());
  ProgramRun b = PlayAndQuit(box_);
  EXPECT_EQ(b.exitCode, 3) << b.out.toStdString();
  EXPECT_TRUE(b.err.contains("already running with the data folder " + box_.DataDir()))
      << b.err.toStdString();
  EXPECT_TRUE(b.err.contains(QString("(process %1)").arg(a.processId()))) << b.err.toStdString();
  EXPECT_EQ(ReadBytes(PlayersFile()), before);
  ProgramSandbox other;
  EXPECT_EQ(PlayAndQuit(other).exitCode, 0);
  // Runs that only look need no lock.
  EXPECT_EQ(box_.Run({"--game", "0", "--number", "1", "--dump"}).exitCode, 0);

  kill(pid_t(a.processId()), SIGTERM);
  ASSERT_TRUE(a.waitForFinished(20000));
  EXPECT_EQ(a.exitCode(), 0);
  EXPECT_EQ(FreeCellLost(ReadBytes(PlayersFile())), FreeCellLost(MarkedBlock(0)) + 1);

  QProcess killed;
  ASSERT_TRUE(startA(killed));
  kill(pid_t(killed.processId()), SIGKILL);
  ASSERT_TRUE(killed.waitForFinished(20000));
  b = PlayAndQuit(box_);
  EXPECT_EQ(b.exitCode, 0) << b.err.toStdString();
  EXPECT_EQ(FreeCellLost(ReadBytes(PlayersFile())), FreeCellLost(MarkedBlock(0)) + 2);
}

#endif
