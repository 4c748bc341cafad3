// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress through the real program: a FreeCell game left with
// moves undone and redone comes back at the next start exactly, and is
// counted lost only once it is abandoned; a damaged saved game gives an
// empty table; runs without --resume and the option turned off leave the
// saved game alone and count as before.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "support/RunProgram.h"

namespace {

// Two cards to free cells, a click on a foundation (refused, but the game is
// started), the Ace of spades up by the timer, a third card to a cell; two
// steps undone and one redone: the history stands one step before its end.
const QString kPlayed =
    "deal 32 2\nwarnings off\npile 18\npile 7\npile 17\npile 8\npile 17\npile 3\ntick\n"
    "pile 16\npile 9\nundo\nundo\nredo\ndump\n";
const QString kGoOn = "undo\ndump\nredo\nredo\ndump\n";

QStringList Dumps(const QString& out) {
  QStringList blocks = out.split("\n\n", Qt::SkipEmptyParts);
  for (QString& b : blocks)
    b = b.trimmed();
  return blocks;
}

int LostFreeCell(const ProgramSandbox& box) {
  QFile f(box.DataDir() + "/players.dat");
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray data = f.readAll();
  const int at = 32 * 24;
  return data.size() < at + 2 ? -1 : int(uchar(data[at])) | int(uchar(data[at + 1])) << 8;
}

QString SavedGameFile(const ProgramSandbox& box) {
  return box.DataDir() + "/savedgame.txt";
}

}  // namespace

TEST(ResumeEndToEnd, FreeCellComesBackWithItsHistoryAndIsCountedWhenAbandoned) {
  // The same play in one run, for reference.
  ProgramSandbox reference;
  ProgramRun whole = reference.RunScript(kPlayed + kGoOn);
  ASSERT_EQ(whole.exitCode, 0) << whole.err.toStdString();
  const QStringList expected = Dumps(whole.out);
  ASSERT_EQ(expected.size(), 3);
  ASSERT_TRUE(expected[0].contains(" started 1\n")) << expected[0].toStdString();
  ASSERT_TRUE(expected[0].endsWith("history 2 4")) << expected[0].toStdString();

  ProgramSandbox box;
  ProgramRun first = box.RunScript(kPlayed + "quit\n", {"--resume"});
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  EXPECT_EQ(Dumps(first.out), QStringList{expected[0]});
  EXPECT_TRUE(QFile::exists(SavedGameFile(box)));
  EXPECT_EQ(LostFreeCell(box), 0);  // kept, not counted

  ProgramRun second = box.RunScript("dump\n" + kGoOn + "quit\n", {"--resume"});
  ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
  EXPECT_EQ(Dumps(second.out), expected);  // the table, then undo and redo as if never left
  EXPECT_EQ(LostFreeCell(box), 0);

  // Kept again at that exit; abandoning it for a new deal counts it, once.
  ProgramRun third = box.RunScript("new\nquit\n", {"--resume"});
  ASSERT_EQ(third.exitCode, 0) << third.err.toStdString();
  EXPECT_EQ(LostFreeCell(box), 1);
  EXPECT_FALSE(QFile::exists(SavedGameFile(box)));  // the new deal was never started
}

TEST(ResumeEndToEnd, ScreenshotShowsTheResumedGame) {
  ProgramSandbox box;
  ASSERT_EQ(box.RunScript(kPlayed + "quit\n", {"--resume"}).exitCode, 0);
  const QString png = box.Path("resumed.png");
  ProgramRun shot = box.Run({"--resume", "--screenshot", png});
  ASSERT_EQ(shot.exitCode, 0) << shot.err.toStdString();
  EXPECT_TRUE(QFile::exists(png));
  // The screenshot run ends without the exit sequence, and the game it
  // showed has not ended: it stays kept.
  EXPECT_TRUE(QFile::exists(SavedGameFile(box)));
}

TEST(ResumeEndToEnd, DamagedSavedGameGivesAnEmptyTable) {
  ProgramSandbox good;
  ASSERT_EQ(good.RunScript(kPlayed + "quit\n", {"--resume"}).exitCode, 0);
  QFile saved(SavedGameFile(good));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  for (const QByteArray& damaged : {bytes.left(bytes.size() / 3), QByteArray("\x00\xff junk", 7),
                                    QByteArray(bytes).replace("score", "scorn")}) {
    ProgramSandbox box;
    ASSERT_TRUE(QDir().mkpath(box.DataDir()));
    QFile f(SavedGameFile(box));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(damaged);
    f.close();
    ProgramRun r = box.RunScript("dump\n", {"--resume"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("\npile ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("history -1 0")) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("no game resumed")) << r.err.toStdString();
  }
}

TEST(ResumeEndToEnd, WithoutResumeOrWithTheOptionOffNothingIsKept) {
  ProgramSandbox box;
  ASSERT_EQ(box.RunScript(kPlayed + "quit\n", {"--resume"}).exitCode, 0);
  QFile saved(SavedGameFile(box));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray before = saved.readAll();
  saved.close();
  // A run without --resume neither brings the game back nor touches it; its
  // own unfinished game is counted at exit as always.
  ProgramRun other = box.RunScript(kPlayed + "quit\n");
  ASSERT_EQ(other.exitCode, 0);
  EXPECT_EQ(LostFreeCell(box), 1);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), before);
  saved.close();

  // The option off: --resume changes nothing, the game is counted at exit.
  ProgramSandbox off;
  ASSERT_TRUE(QDir().mkpath(off.ConfigDir()));
  QFile conf(off.ConfigDir() + "/Tamsel Cards.conf");
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
  conf.write("[Cards]\nResume=0\n");
  conf.close();
  ASSERT_EQ(off.RunScript(kPlayed + "quit\n", {"--resume"}).exitCode, 0);
  EXPECT_FALSE(QFile::exists(SavedGameFile(off)));
  EXPECT_EQ(LostFreeCell(off), 1);
}

TEST(ResumeEndToEnd, HelpAndVersion) {
  ProgramSandbox box;
  ProgramRun help = box.Run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--game", "--number", "--data-dir", "--resume", "--dump", "--script",
                             "--screenshot", "--help", "--version"})
    EXPECT_TRUE(help.out.contains(option)) << option;
  ProgramRun version = box.Run({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("wenlo-solitaire 2.")) << version.out.toStdString();
}
