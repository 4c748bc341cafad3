// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's command-line modes take --data-dir as every other mode does:
// checked the same way, and otherwise left alone (the solver keeps nothing).

#include <gtest/gtest.h>

#include <QFileInfo>

#include "support/RunProgram.h"

TEST(SolveCommandLine, DataDirIsTakenAndLeftUntouched) {
  ProgramSandbox box;  // Run adds --data-dir
  ProgramRun one = box.Run({"--solve", "--game", "32", "--number", "1", "--nodes", "2000"});
  EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
  EXPECT_TRUE(one.out.contains(" moves ")) << one.out.toStdString();
  ProgramRun range = box.Run({"--solve-stats", "32", "1", "2", "--nodes", "2000"});
  EXPECT_EQ(range.exitCode, 0) << range.err.toStdString();
  EXPECT_TRUE(range.out.startsWith("game 32 ")) << range.out.toStdString();
  EXPECT_FALSE(QFileInfo::exists(box.DataDir()));

  const QStringList modes[] = {{"--solve", "--game", "32", "--number", "1"},
                               {"--solve-stats", "32", "1", "1"}};
  for (const QStringList& mode : modes) {
    ProgramRun empty = box.RunWithoutDataDir(QStringList(mode) << "--data-dir"
                                                               << "");
    EXPECT_EQ(empty.exitCode, 2) << mode[0].toStdString();
    EXPECT_TRUE(empty.err.contains("--data-dir")) << empty.err.toStdString();
  }
}
