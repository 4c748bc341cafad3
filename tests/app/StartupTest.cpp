// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real program: the window's first frame comes without the
// audio stack, even with sound on and a game dealt at start.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/RunProgram.h"

TEST(StartupTest, FirstFrameWithoutTheAudioStackEvenWithSoundOn) {
  ProgramSandbox box;
  QDir().mkpath(box.ConfigDir());
  QFile conf(box.ConfigDir() + QStringLiteral("/Tamsel Cards.conf"));
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
  conf.write("[Cards]\nPlay_Sound=1\n");
  conf.close();

  qputenv("WENLO_STARTUP_PROBE", "1");
  ProgramRun run = box.Run({"--game", "32", "--number", "1"});
  qunsetenv("WENLO_STARTUP_PROBE");
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  ASSERT_TRUE(run.out.startsWith("first-frame ")) << run.out.toStdString();
  EXPECT_TRUE(run.out.contains(" multimedia=0 ")) << run.out.toStdString();
}
