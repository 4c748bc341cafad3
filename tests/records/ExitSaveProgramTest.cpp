// SPDX-License-Identifier: GPL-3.0-or-later
// The exit save and the start-up readers through the real program: a failed
// save is reported and changes the exit status, odd inputs give a prompt and
// defined outcome, SIGTERM and SIGHUP save like the Exit command.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>

#include "support/RunProgram.h"
#include "support/SaveFixtures.h"

#ifdef Q_OS_LINUX

namespace {

// Runs `shell` (a /bin/sh command line in which $0 is the program) with the
// sandbox's settings folder; for limits and argument bytes QProcess cannot pass.
ProgramRun RunShell(const ProgramSandbox& box, const QString& shell, int timeoutMs = 20000) {
  QProcess p;
  p.setProcessEnvironment(box.Environment());
  p.start("/bin/sh", {"-c", shell, QStringLiteral(WENLO_BINARY)});
  return ProgramSandbox::Finish(p, timeoutMs);
}

class ExitSaveProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir().mkpath(box_.DataDir());
    QDir().mkpath(box_.ConfigDir());
  }
  QString PlayersFile() const { return box_.DataDir() + "/players.dat"; }
  QString SettingsFile() const { return box_.ConfigDir() + "/Tamsel Cards.conf"; }
  // The last session's files: `count` players with marked statistics.
  void WriteOldSession(int count) {
    QByteArray blocks;
    for (int i = 0; i < count; ++i)
      blocks += MarkedBlock(i);
    WriteBytes(PlayersFile(), blocks);
    WriteBytes(SettingsFile(), PlayersSettings(count));
  }
  ProgramSandbox box_;
};

}  // namespace

TEST_F(ExitSaveProgram, QuitReportsAFailedSaveAndExitsNonZero) {
  WriteOldSession(1);
  QFile::remove(PlayersFile());
  ASSERT_TRUE(MakeOddFile(PlayersFile(), OddFile::Folder));
  ProgramRun r = box_.RunScript(QString(kStartedFreeCell) + "quit\n");
  EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
  EXPECT_EQ(r.out.count("save failed: "), 1) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains("save failed: " + PlayersFile() + ": a folder is in the way\n"));
  EXPECT_TRUE(QFileInfo(PlayersFile()).isDir());
}

// A full disk for the whole program (a file-size limit of 2 or 4 KiB, by the
// shell's unit, for it and its children): neither file is cut, both failures
// are named, status 1.
TEST_F(ExitSaveProgram, FullDiskAtExitKeepsBothFiles) {
  for (int count : {1, 3}) {
    WriteOldSession(count);
    const QByteArray players = ReadBytes(PlayersFile());
    const QByteArray settings = ReadBytes(SettingsFile());
    WriteBytes(box_.Path("script.txt"), QByteArray(kStartedFreeCell) + "quit\n");
    ProgramRun r = RunShell(box_, QString("ulimit -f 4; exec \"$0\" --data-dir '%1' --script '%2'")
                                      .arg(box_.DataDir(), box_.Path("script.txt")));
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("save failed: " + PlayersFile() + ": ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("save failed: " + SettingsFile() + ": ")) << r.out.toStdString();
    EXPECT_EQ(ReadBytes(PlayersFile()), players);
    EXPECT_EQ(ReadBytes(SettingsFile()), settings);
  }
}

// Odd things where the program reads at start: it neither waits nor reads
// without end. A script from them is an error (status 2); a picture from them
// leaves the plain table colour; players.dat and the settings read as absent.
TEST_F(ExitSaveProgram, OddInputsGiveAPromptDefinedOutcome) {
  for (OddFile kind : {OddFile::Fifo, OddFile::DeviceLink}) {
    SCOPED_TRACE(OddFileName(kind));
    const QString odd = box_.Path(QString("odd%1").arg(int(kind)));
    ASSERT_TRUE(MakeOddFile(odd, kind));
    QElapsedTimer clock;
    clock.start();
    ProgramRun script = box_.Run({"--script", odd}, 20000);
    EXPECT_EQ(script.exitCode, 2);
    EXPECT_TRUE(script.err.contains("cannot read script")) << script.err.toStdString();

    WriteBytes(SettingsFile(), "[Cards]\nPattern_Type=2\nPattern_File=" + odd.toUtf8() + "\n");
    ProgramRun picture = box_.Run({"--game", "0", "--number", "1", "--dump"}, 20000);
    EXPECT_EQ(picture.exitCode, 0) << picture.err.toStdString();

    QFile::remove(SettingsFile());
    QFile::remove(PlayersFile());
    ASSERT_TRUE(MakeOddFile(SettingsFile(), kind));
    ASSERT_TRUE(MakeOddFile(PlayersFile(), kind));
    ProgramRun start = box_.Run({"--game", "0", "--number", "1", "--dump"}, 20000);
    EXPECT_EQ(start.exitCode, 0) << start.err.toStdString();
    EXPECT_LT(clock.elapsed(), 15000);
    QFile::remove(SettingsFile());
    QFile::remove(PlayersFile());
  }
}

TEST_F(ExitSaveProgram, EmptyOrUnencodableOptionsAreErrors) {
  for (const char* opt : {"--script", "--data-dir", "--screenshot"}) {
    ProgramRun r = box_.Run({opt, ""}, 20000);
    EXPECT_EQ(r.exitCode, 2) << opt;
    EXPECT_TRUE(r.err.contains(opt)) << r.err.toStdString();
  }
  // A folder name that is not valid UTF-8 would come back as another name.
  ProgramRun r = RunShell(box_, "exec \"$0\" --data-dir \"$(printf 'x\\377')\" --dump");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("--data-dir")) << r.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists("x\377"));
}

// SIGTERM or SIGHUP during a started game: counted as lost and saved, as
// the Exit command would, then the program ends with status 0.
TEST_F(ExitSaveProgram, TerminationSignalsSaveLikeExit) {
  for (int sig : {SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    WriteOldSession(1);
    WriteBytes(box_.Path("script.txt"), QByteArray(kStartedFreeCell) + "dump\n" +
                                            QByteArray("tick 100000\n").repeated(1000));
    QProcess p;
    p.setProcessEnvironment(box_.Environment());
    p.start(WENLO_BINARY, {"--script", box_.Path("script.txt"), "--data-dir", box_.DataDir()});
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("game 32") && clock.elapsed() < 20000 && p.waitForReadyRead(20000))
      out += p.readAllStandardOutput();
    ASSERT_TRUE(out.contains("game 32"));
    kill(pid_t(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(FreeCellLost(ReadBytes(PlayersFile())), FreeCellLost(MarkedBlock(0)) + 1);
  }
}

#endif
