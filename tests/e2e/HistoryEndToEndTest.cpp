// SPDX-License-Identifier: GPL-3.0-or-later
// The history as the real program records it from a script, read back with
// --history-csv: every field of a lost, a random, a Solve-won and a
// Solve-abandoned game, and the counters of players.dat, which count only
// the player's own games.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "records/Players.h"
#include "support/RunProgram.h"
#include "support/SaveFixtures.h"

namespace {

QStringList Fields(const QString& line) {
  return line.split(',');
}

TEST(HistoryEndToEnd, EveryFieldOfAScriptedSessionIsRecorded) {
  const QString script = QStringLiteral(
      "deal 32 2\n"
      "autoplay off\n"
      "tick 4\n"
      "pile 15\n"
      "pile 13\n"  // a move: the 4H onto the 5C
      "hint\n"
      "undo\n"
      "pile 15\n"
      "pile 13\n"
      "restart\n"  // the same deal goes on: nothing counted, nothing recorded
      "tick 4\n"
      "pile 15\n"
      "pile 13\n"
      "new\n"  // left: lost; a random deal follows
      "tick 4\n"
      "pile 11\n"
      "pile 7\n"  // a column's top card into a free cell is always a move
      "deal 32 1\n"
      "autoplay on\n"
      "tick 4\n"
      "solve\n"   // played to the win
      "tick 2\n"  // the win display: "Once more?" deals a game nobody plays
      "deal 32 3\n"
      "tick 4\n"
      "solve 3\n"  // stopped after three moves, then left
      "new\n"
      "quit\n");
  ProgramSandbox box;
  const ProgramRun r = box.RunScript(script);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  ASSERT_EQ(r.out.count("won 32 1\n"), 1) << r.out.toStdString();
  const QRegularExpression solved("solve winnable (\\d+) moves\n");
  auto matches = solved.globalMatch(r.out);
  QStringList moves;
  while (matches.hasNext())
    moves << matches.next().captured(1);
  ASSERT_EQ(moves.size(), 2) << r.out.toStdString();
  moves[1] = "3";

  const ProgramRun csv = box.Run({"--history-csv"});
  ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
  QStringList lines = csv.out.split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 5) << csv.out.toStdString();
  EXPECT_EQ(lines[0],
            "player,game,game name,number,start,end,seconds,moves,undos,hints,solve,score,"
            "result,dealt");
  // Newest first.
  const QStringList abandoned = Fields(lines[1]), won = Fields(lines[2]), random = Fields(lines[3]),
                    lost = Fields(lines[4]);
  auto check = [](const QStringList& f, const QStringList& expected) {
    ASSERT_EQ(f.size(), 14);
    // Times: UTC, start not after end, the seconds between.
    const QDateTime start = QDateTime::fromString(f[4], Qt::ISODate);
    const QDateTime end = QDateTime::fromString(f[5], Qt::ISODate);
    EXPECT_TRUE(start.isValid() && end.isValid()) << f.join(',').toStdString();
    EXPECT_LE(start, end);
    EXPECT_LE(f[6].toLongLong(), start.secsTo(end) + 1);
    EXPECT_EQ(f.mid(0, 4) + f.mid(7), expected) << f.join(',').toStdString();
  };
  check(lost,
        {"Default", "32", "FreeCell", "2", "3", "1", "1", "no", "-52", "lost", "chosen number"});
  ASSERT_EQ(random.size(), 14);
  EXPECT_NE(random[3], "2");
  check(random, {"Default", "32", "FreeCell", random[3], "1", "0", "0", "no", random[11], "lost",
                 "random"});
  check(won, {"Default", "32", "FreeCell", "1", moves[0], "0", "0", "yes", "208", "won",
              "chosen number"});
  ASSERT_EQ(abandoned.size(), 14);
  check(abandoned, {"Default", "32", "FreeCell", "3", moves[1], "0", "0", "yes", abandoned[11],
                    "abandoned", "chosen number"});

  // players.dat: the two games the player left are lost; the Solve win and
  // the game left after Solve are neither won nor lost.
  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  TPlayerStats expected;
  expected.Games[32].Lost = 2;
  expected.Games[32].TotalScore = -52 + random[11].toInt();
  EXPECT_EQ(f.readAll(), expected.ToBytes());
}

// How each deal was dealt, and a started deal left for a chosen shuffle:
// neither won nor lost, kept in the history as abandoned.
TEST(HistoryEndToEnd, HowADealWasDealtAndADealLeftForAChosenShuffle) {
  const QString move = QStringLiteral("pile 11\npile 7\n");  // a top card into a free cell
  ProgramSandbox box;
  const ProgramRun r = box.RunScript("deal 32 5\n" + move + "dealoftheday 2026-12-08\n" + move +
                                     "winnableonly on\nnew\n" + move + "new\nquit\n");
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QStringList lines = box.Run({"--history-csv"}).out.split("\r\n", Qt::SkipEmptyParts).mid(1);
  ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
  const struct {
    const char* result;
    const char* dealt;
  } expected[] = {{"lost", "winnable-only"},
                  {"lost", "deal of the day"},
                  {"abandoned", "chosen number"}};  // newest first
  for (size_t i = 0; i < std::size(expected); ++i) {
    const QStringList f = Fields(lines[int(i)]);
    ASSERT_EQ(f.size(), 14);
    EXPECT_EQ(f[7], "1") << lines[int(i)].toStdString();
    EXPECT_EQ(f[12], expected[i].result) << lines[int(i)].toStdString();
    EXPECT_EQ(f[13], expected[i].dealt) << lines[int(i)].toStdString();
  }
  EXPECT_EQ(Fields(lines[2])[3], "5");
  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  TPlayerStats stats;
  ASSERT_TRUE(stats.ReadBytes(f.readAll()));
  EXPECT_EQ(stats.Games[32].Lost, 2);
}

TEST(HistoryEndToEnd, SolvesMarkSurvivesRestartUndoAndAnExit) {
  ProgramSandbox box;
  // Solve plays one move, which is undone, the deal restarted, and the game
  // kept at exit; brought back, it is won by hand, and still counts as
  // Solve's.
  ProgramRun r = box.RunScript(
      "deal 32 2\nautoplay off\ntick 4\nsolve 1\nundo\nrestart\ntick 4\npile 15\npile 13\n"
      "undo\nquit\n",
      {"--resume"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  QFile win(QStringLiteral(WENLO_TEST_DATA) + "/scripts/freecell-win.script");
  ASSERT_TRUE(win.open(QIODevice::ReadOnly));
  QString byHand = QString::fromUtf8(win.readAll());
  // Its moves from the dealt table on: the deal itself is the kept game.
  byHand = byHand.mid(byHand.indexOf("tick 4"));
  r = box.RunScript(byHand, {"--resume"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  ASSERT_TRUE(r.out.contains("won 32 2")) << r.out.toStdString();
  const ProgramRun csv = box.Run({"--history-csv"});
  const QStringList lines = csv.out.split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << csv.out.toStdString();
  EXPECT_TRUE(lines[1].endsWith(",yes,208,won,chosen number")) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].startsWith("Default,32,FreeCell,2,")) << lines[1].toStdString();
  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), TPlayerStats{}.ToBytes());
}

TEST(HistoryEndToEnd, CsvOfAFolderWithoutHistoryIsTheHeaderAlone) {
  ProgramSandbox box;
  const ProgramRun csv = box.Run({"--history-csv"});
  EXPECT_EQ(csv.exitCode, 0);
  EXPECT_EQ(csv.out,
            "player,game,game name,number,start,end,seconds,moves,undos,hints,solve,"
            "score,result,dealt\r\n");
  EXPECT_FALSE(QFile::exists(box.DataDir() + "/history.db"));
}

}  // namespace

namespace {

const char* const kLoseOneGame = "deal 32 2\nautoplay off\ntick 4\npile 15\npile 13\nnew\nquit\n";

TEST(HistoryEndToEnd, ADamagedHistoryIsKeptAsideAndToldOnce) {
  ProgramSandbox box;
  QDir().mkpath(box.DataDir());
  {
    QFile f(box.DataDir() + "/history.db");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is no database\n");
  }
  ProgramRun r = box.RunScript(kLoseOneGame);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("history.db: could not be read")) << r.err.toStdString();
  EXPECT_EQ(QDir(box.DataDir()).entryList({"history.db.damaged-*"}).size(), 1);
  r = box.RunScript(kLoseOneGame);
  EXPECT_FALSE(r.err.contains("history.db")) << r.err.toStdString();
  EXPECT_EQ(box.Run({"--history-csv"}).out.count("\r\n"), 3);  // the header and two games
}

// A history that cannot be written is reported at exit like a failed save;
// players.dat is saved as ever.
TEST(HistoryEndToEnd, AnUnwritableHistoryIsReportedAtExitAndPlayersAreSaved) {
  ProgramSandbox box;
  QDir().mkpath(box.DataDir());
  ASSERT_TRUE(MakeOddFile(box.DataDir() + "/history.db", OddFile::Fifo));
  const ProgramRun r = box.RunScript(kLoseOneGame);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.out.contains("save failed: " + box.DataDir() +
                             "/history.db: 1 finished game(s) could not be recorded: not a "
                             "regular file"))
      << r.out.toStdString();
  QFile f(box.DataDir() + "/players.dat");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  TPlayerStats expected;
  expected.Games[32].Lost = 1;
  expected.Games[32].TotalScore = -52;
  EXPECT_EQ(f.readAll(), expected.ToBytes());
}

}  // namespace
