// SPDX-License-Identifier: GPL-3.0-or-later
// The user's data folder through the real program, run as installed (no
// --data-dir): the folder an older version kept under the program's title is
// taken over at the first start with the players and the game in progress,
// and an old folder that turns up again later is left alone.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/RunProgram.h"

namespace {

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(DataFolderEndToEnd, AnOlderVersionsFolderIsTakenOverOnce) {
  // What an older version left: players and a started FreeCell kept at exit.
  ProgramSandbox box;
  const QString script = box.Path("play.txt");
  QFile f(script);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("deal 32 2\nwarnings off\npile 18\npile 7\ndump\nquit\n");
  f.close();
  ProgramRun before = box.Run({"--resume", "--script", script});
  ASSERT_EQ(before.exitCode, 0) << before.err.toStdString();
  const QString old = box.Path("share/Wenlo Solitaire Collection");
  ASSERT_TRUE(QDir().mkpath(box.Path("share")));
  ASSERT_TRUE(QDir().rename(box.DataDir(), old));
  const QByteArray players = Read(old + "/players.dat");
  ASSERT_FALSE(players.isEmpty());
  ASSERT_TRUE(QFileInfo(old + "/savedgame.txt").isFile());

  // The new version's first start finds the game and the players there.
  QFile(script).remove();
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("dump\nquit\n");
  f.close();
  ProgramRun after = box.RunWithoutDataDir({"--resume", "--script", script});
  ASSERT_EQ(after.exitCode, 0) << after.err.toStdString();
  EXPECT_EQ(after.out, before.out);  // the same table, history and score
  const QString now = box.Path("share/io.github.wenlo.solitaire");
  EXPECT_FALSE(QFileInfo::exists(old));
  EXPECT_EQ(Read(now + "/players.dat"), players);
  EXPECT_TRUE(QFileInfo(now + "/savedgame.txt").isFile());  // kept again at exit

  // Read once: an old folder made again (an older version started once more)
  // is not mixed in.
  ASSERT_TRUE(QDir().mkpath(old));
  QFile junk(old + "/players.dat");
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("old");
  junk.close();
  ProgramRun again = box.RunWithoutDataDir({"--resume", "--script", script});
  ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
  EXPECT_EQ(again.out, before.out);
  EXPECT_EQ(Read(old + "/players.dat"), "old");
  EXPECT_EQ(Read(now + "/players.dat"), players);
}
