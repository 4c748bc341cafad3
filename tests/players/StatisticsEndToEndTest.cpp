// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics as the real program counts and saves them: a move and a
// restart (nothing counted), New Game after a move (one lost game with its
// score), New Game without a move (nothing), then a won game, and quit.

#include <gtest/gtest.h>

#include <QFile>

#include "records/Players.h"
#include "support/RunProgram.h"

TEST(StatisticsEndToEnd, PlayedAbandonedAndWonGamesReachPlayersFileExactly) {
  QFile win(QStringLiteral(WENLO_TEST_DATA) + "/scripts/freecell-win.script");
  ASSERT_TRUE(win.open(QIODevice::ReadOnly));
  // FreeCell 2: the 4H onto the 5C is a real move (a free cell would not be).
  const QString script = QStringLiteral(
                             "deal 32 2\n"
                             "autoplay off\n"
                             "tick 4\n"
                             "pile 15\n"
                             "pile 13\n"
                             "restart\n"
                             "tick 4\n"
                             "pile 15\n"
                             "pile 13\n"
                             "tick 4\n"
                             "dump\n"
                             "new\n"
                             "new\n") +
                         QString::fromUtf8(win.readAll());
  ASSERT_TRUE(script.trimmed().endsWith("quit"));

  ProgramSandbox box;
  const ProgramRun r = box.RunScript(script);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  ASSERT_TRUE(r.out.startsWith("game 32 \"FreeCell\" number 2 score -52 rotation -1 started 1\n"))
      << r.out.left(200).toStdString();
  EXPECT_EQ(r.out.count("won 32 2\n"), 1);

  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  TPlayerStats expected;
  expected.Games[32].Lost = 1;
  expected.Games[32].Won = 1;
  // The abandoned deal's -52 and the won deal's 52 cards at 5 each.
  expected.Games[32].TotalScore = -52 + (-52 + 52 * 5);
  EXPECT_EQ(f.readAll(), expected.ToBytes());
}
