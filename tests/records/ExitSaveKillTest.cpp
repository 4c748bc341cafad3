// SPDX-License-Identifier: GPL-3.0-or-later
// The exit save killed at every step and at random moments: after each kill
// the files hold either the last session's statistics or the new ones, whole,
// and the next start saves again promptly (a stale lock and the temporary
// files of the killed save do not stand in its way).
//
// Each step kill runs the real program with WENLO_SAVE_KILL_AFTER=N, which
// makes it kill itself right after the N-th open, write, sync, close or
// rename of its saves; N goes from 1 until a run is no longer killed. Random
// kills send SIGKILL at a random moment in the later two thirds of a run.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <iostream>
#include <random>

#include "records/SavedGame.h"
#include "support/RunProgram.h"
#include "support/SaveFixtures.h"

#ifdef Q_OS_LINUX

namespace {

const QByteArray kSession = QByteArray(kStartedFreeCell) + "quit\n";

class KilledSave {
 public:
  explicit KilledSave(int players) : players_(players) {
    for (int i = 0; i < players; ++i)
      old_ += MarkedBlock(i);
    // The session loses FreeCell 2 with the score it had.
    fresh_ = old_;
    uchar* rec = reinterpret_cast<uchar*>(fresh_.data()) + 32 * 24;
    qToLittleEndian<quint16>(qFromLittleEndian<quint16>(rec) + 1, rec);
    qToLittleEndian<qint32>(qFromLittleEndian<qint32>(rec + 4) + kStartedFreeCellScore, rec + 4);
    oldSettings_ = PlayersSettings(players);
  }

  QString Data() const { return box_.DataDir(); }
  QString Config() const { return box_.ConfigDir(); }

  void Prepare() const {
    QDir(Data()).removeRecursively();
    QDir(Config()).removeRecursively();
    QDir().mkpath(Data());
    QDir().mkpath(Config());
    WriteBytes(Data() + "/players.dat", old_);
    WriteBytes(Config() + "/Tamsel Cards.conf", oldSettings_);
    WriteBytes(box_.Path("session.txt"), kSession);
  }

  QProcess* Start(QProcess& p, long killAfter) const {
    QProcessEnvironment env = box_.Environment();
    if (killAfter > 0) env.insert("WENLO_SAVE_KILL_AFTER", QString::number(killAfter));
    p.setProcessEnvironment(env);
    p.start(WENLO_BINARY, {"--script", box_.Path("session.txt"), "--data-dir", Data()});
    return &p;
  }

  // 0 old statistics, 1 new, -1 anything else (a mixed, cut or missing file).
  int PlayersState() const {
    const QByteArray now = ReadBytes(Data() + "/players.dat");
    return now == old_ ? 0 : now == fresh_ ? 1 : -1;
  }
  // The same for the settings file (read from a copy): the old bytes, or a
  // whole file as this version writes it.
  int SettingsState() const {
    const QByteArray now = ReadBytes(Config() + "/Tamsel Cards.conf");
    if (now == oldSettings_) return 0;
    QTemporaryDir dir;
    WriteBytes(dir.filePath("copy.conf"), now);
    QSettings s(dir.filePath("copy.conf"), QSettings::IniFormat);
    const QString last = QString("Players/U%1").arg(players_);
    const bool whole = s.status() == QSettings::NoError &&
                       s.value("Cards/Version").toString() == "2.0" &&
                       s.value("Players/Players").toInt() == players_ &&
                       s.value(last).toString() == QString("P%1").arg(players_) &&
                       s.value("Game_Options").toByteArray().size() == 2010;
    return whole ? 1 : -1;
  }
  // Only the two files are left (with the data folder's lock, which stays,
  // the lock of a killed save, and the game history with its journal).
  QStringList Strays() const {
    QStringList strays;
    for (const QString& dir : {Data(), Config()}) {
      for (const QString& n :
           QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (n != "players.dat" && n != "Tamsel Cards.conf" && n != "Tamsel Cards.conf.lock" &&
            n != "instance.lock" && n != "history.db" && n != "history.db-wal" &&
            n != "history.db-shm")
          strays << n;
      }
    }
    return strays;
  }

  // The next start after a kill: it ends promptly with status 0, saves the
  // state it found (old or new, whole) and leaves nothing behind.
  void CheckNextStart(int playersBefore) const {
    QProcess p;
    QElapsedTimer clock;
    clock.start();
    p.setProcessEnvironment(box_.Environment());
    WriteBytes(box_.Path("quit.txt"), "quit\n");
    p.start(WENLO_BINARY, {"--script", box_.Path("quit.txt"), "--data-dir", Data()});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(PlayersState(), playersBefore);
    EXPECT_EQ(SettingsState(), 1);
    EXPECT_EQ(Strays(), QStringList());
    EXPECT_FALSE(QFileInfo::exists(Config() + "/Tamsel Cards.conf.lock"));
  }

 private:
  int players_;
  QByteArray old_, fresh_, oldSettings_;
  ProgramSandbox box_;
};

struct Tally {
  int runs = 0, killed = 0, oldState = 0, newState = 0, broken = 0;
  void Count(bool wasKilled, int state) {
    ++runs;
    killed += wasKilled;
    (state == 0 ? oldState : state == 1 ? newState : broken)++;
  }
  std::string Text() const {
    return std::to_string(runs) + " runs, " + std::to_string(killed) + " killed; players.dat old " +
           std::to_string(oldState) + ", new " + std::to_string(newState) + ", other " +
           std::to_string(broken);
  }
};

}  // namespace

TEST(ExitSaveKill, KilledAtEveryStepOfTheSave) {
  Tally tally;
  for (int players : {1, 3, 8}) {
    KilledSave save(players);
    for (long n = 1;; ++n) {
      SCOPED_TRACE("players " + std::to_string(players) + ", killed after step " +
                   std::to_string(n));
      save.Prepare();
      QProcess p;
      save.Start(p, n);
      ASSERT_TRUE(p.waitForFinished(20000));
      const bool killed = p.exitStatus() == QProcess::CrashExit;
      const int state = save.PlayersState();
      tally.Count(killed, state);
      EXPECT_NE(state, -1);
      EXPECT_NE(save.SettingsState(), -1);
      save.CheckNextStart(state);
      if (!killed) {
        EXPECT_EQ(p.exitCode(), 0);
        EXPECT_EQ(state, 1);
        break;
      }
      ASSERT_LT(n, 60) << "the save never ends";
    }
  }
  std::cout << "[ step kills ] " << tally.Text() << "\n";
  EXPECT_EQ(tally.broken, 0);
}

TEST(ExitSaveKill, KilledAtRandomMoments) {
  KilledSave save(3);
  // How long a whole session takes here, to aim the kills at its end.
  save.Prepare();
  QElapsedTimer clock;
  clock.start();
  {
    QProcess p;
    save.Start(p, 0);
    ASSERT_TRUE(p.waitForFinished(20000));
  }
  const qint64 whole = std::max<qint64>(clock.elapsed(), 20);
  std::mt19937 rng(17);
  Tally tally;
  // With the step kills above, more than 200 kills in all.
  for (int i = 0; i < 160; ++i) {
    save.Prepare();
    QProcess p;
    save.Start(p, 0);
    p.waitForStarted();
    const qint64 delay = whole / 3 + qint64(rng() % quint32(whole * 2 / 3));
    if (!p.waitForFinished(int(delay))) {
      p.kill();
      p.waitForFinished();
    }
    const bool killed = p.exitStatus() == QProcess::CrashExit;
    const int state = save.PlayersState();
    tally.Count(killed, state);
    ASSERT_NE(state, -1) << "run " << i << " killed after " << delay << " ms";
    ASSERT_NE(save.SettingsState(), -1);
    // The next start is checked on every eighth run, to keep the time down.
    if (i % 8 == 0) save.CheckNextStart(state);
  }
  std::cout << "[ random kills ] " << tally.Text() << " (session " << whole << " ms)\n";
  EXPECT_EQ(tally.broken, 0);
}

// The game in progress under kill -9 at any moment of play and exit: a
// FreeCell game kept by an earlier run is brought back, played on and kept
// again at exit, killed at random. After every kill the statistics are the
// earlier ones (a kept game is not counted), the kept game reads whole (the
// earlier one or the new one), and the next start brings it back promptly.
// CI kills 40 runs; WENLO_KILLS=1000 runs the long form by hand.
TEST(ExitSaveKill, KeptGameSurvivesKillsDuringPlayAndExit) {
  ProgramSandbox box;
  const QString data = box.DataDir(), kept = data + "/savedgame.txt";
  WriteBytes(box.Path("first.txt"), QByteArray(kStartedFreeCell) + "quit\n");
  WriteBytes(box.Path("more.txt"),
             "pile 12\npile 5\ntick 4\nundo\nredo\npile 13\npile 6\n"
             "tick 4\nquit\n");
  WriteBytes(box.Path("quit.txt"), "quit\n");
  auto run = [&](const char* script, QProcess& p) {
    p.setProcessEnvironment(box.Environment());
    p.start(WENLO_BINARY, {"--resume", "--script", box.Path(script), "--data-dir", data});
  };
  {
    QProcess p;
    run("first.txt", p);
    ASSERT_TRUE(p.waitForFinished(20000));
    ASSERT_EQ(p.exitCode(), 0);
  }
  const QByteArray players = ReadBytes(data + "/players.dat"), game = ReadBytes(kept);
  ASSERT_EQ(players.size(), 4824);
  ASSERT_TRUE(ParseSavedGame(game));
  // How long a run takes here, to spread the kills over all of it.
  QElapsedTimer clock;
  clock.start();
  {
    QProcess p;
    run("more.txt", p);
    ASSERT_TRUE(p.waitForFinished(20000));
  }
  const qint64 whole = std::max<qint64>(clock.elapsed(), 20);
  const int kills = qEnvironmentVariableIntValue("WENLO_KILLS") > 0
                        ? qEnvironmentVariableIntValue("WENLO_KILLS")
                        : 40;
  std::mt19937 rng(23);
  int killed = 0, lost = 0, slow = 0;
  for (int i = 0; i < kills; ++i) {
    WriteBytes(data + "/players.dat", players);
    WriteBytes(kept, game);
    QProcess p;
    run("more.txt", p);
    p.waitForStarted();
    if (!p.waitForFinished(int(rng() % quint32(whole)))) {
      p.kill();
      p.waitForFinished();
      ++killed;
    }
    const bool intact =
        ReadBytes(data + "/players.dat") == players && ParseSavedGame(ReadBytes(kept)).has_value();
    QProcess next;
    QElapsedTimer started;
    started.start();
    run("quit.txt", next);
    const bool ended = next.waitForFinished(20000) && next.exitCode() == 0;
    const QString err = QString::fromUtf8(next.readAllStandardError());
    if (!intact || !ended || err.contains("no game resumed")) {
      ++lost;
      ADD_FAILURE() << "run " << i << ": " << err.toStdString();
    }
    if (started.elapsed() > 10000) ++slow;
  }
  std::cout << "[ play kills ] " << kills << " runs, " << killed << " killed, " << lost
            << " lost something, " << slow << " next starts over 10 s\n";
  EXPECT_GT(killed, 0);
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(slow, 0);
}

#endif
