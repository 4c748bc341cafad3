// SPDX-License-Identifier: GPL-3.0-or-later
// Winnable-only deals and the deal of the day through the real program:
// the scripted driver's switch, New Game under it, the deal of the day in
// two separate runs, and the solver's command-line answers.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "solver/Winnable.h"
#include "support/RunProgram.h"

namespace {

// The numbers of the deals a script's dumps show, in order.
std::vector<uint32_t> DumpedNumbers(const QString& out) {
  std::vector<uint32_t> numbers;
  const QRegularExpression re(QStringLiteral("^game \\d+ \"[^\"]*\" number (\\d+) "),
                              QRegularExpression::MultilineOption);
  for (auto it = re.globalMatch(out); it.hasNext();)
    numbers.push_back(it.next().captured(1).toUInt());
  return numbers;
}

}  // namespace

TEST(WinnableEndToEnd, NewGameUnderTheSwitchDealsOnlyProvenWinnableNumbers) {
  ProgramSandbox box;
  const ProgramRun run = box.RunScript(
      "deal 3 1\nwinnableonly on\nnew\ndump\nnew\ndump\n"
      "winnableonly easy\nnew\ndump\nwinnableonly off\nnew\ndump\n");
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const std::vector<uint32_t> n = DumpedNumbers(run.out);
  ASSERT_EQ(n.size(), 4u) << run.out.toStdString();
  for (size_t i = 0; i < 3; ++i) {
    const DealJudgement j = JudgeDeal(3, n[i]);
    EXPECT_EQ(j.verdict, Verdict::Winnable) << n[i];
    if (i == 2) {
      EXPECT_EQ(j.grade, Grade::Easy) << n[i];
    }
  }
  // Off: the clock's number again, milliseconds of the day.
  EXPECT_LT(n[3], 86400000u);

  const ProgramRun bad = box.RunScript("winnableonly maybe\n");
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_TRUE(bad.err.contains("winnableonly")) << bad.err.toStdString();
}

TEST(WinnableEndToEnd, TheDealOfTheDayIsTheSameInTwoRunsOnTheSameDate) {
  ProgramSandbox box;
  const QString script =
      "deal 28 5\ndealoftheday 2026-12-08\ndump\ndealoftheday 2026-12-09\ndump\n";
  const ProgramRun first = box.RunScript(script);
  const ProgramRun second = box.RunScript(script);
  ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
  const std::vector<uint32_t> a = DumpedNumbers(first.out), b = DumpedNumbers(second.out);
  ASSERT_EQ(a.size(), 2u) << first.out.toStdString();
  EXPECT_EQ(a, b);
  EXPECT_NE(a[0], a[1]);
  EXPECT_EQ(a[0], DealOfTheDay(28, QDate(2026, 12, 8)).value_or(0));
  EXPECT_EQ(first.out, second.out);  // the whole table, card for card

  const ProgramRun bad = box.RunScript("dealoftheday 2026-13-01\n");
  EXPECT_EQ(bad.exitCode, 2);
}

TEST(WinnableEndToEnd, SolveNamesTheGradeAndNextWinnableFindsTheFirstQualifyingNumber) {
  ProgramSandbox box;
  const ProgramRun solve = box.Run({"--solve", "--game", "32", "--number", "1"});
  ASSERT_EQ(solve.exitCode, 0) << solve.err.toStdString();
  const QString first = solve.out.section('\n', 0, 0);
  const DealJudgement j = JudgeDeal(32, 1);
  EXPECT_TRUE(first.startsWith("winnable ")) << first.toStdString();
  EXPECT_TRUE(first.endsWith(" grade " + GradeText(j.grade))) << first.toStdString();

  const ProgramRun next = box.Run({"--next-winnable", "3", "1"});
  ASSERT_EQ(next.exitCode, 0) << next.err.toStdString();
  const uint32_t expected = NextWinnable(3, 1, Grade::None, 100).value_or(0);
  EXPECT_TRUE(next.out.startsWith(QString::number(expected) + ' ')) << next.out.toStdString();

  const ProgramRun hard = box.Run({"--next-winnable", "32", "1", "--grade", "hard"});
  ASSERT_EQ(hard.exitCode, 0) << hard.err.toStdString();
  EXPECT_TRUE(hard.out.trimmed().endsWith(" Hard")) << hard.out.toStdString();

  for (const QStringList& args :
       {QStringList{"--next-winnable", "46", "1"}, QStringList{"--next-winnable", "3", "0"},
        QStringList{"--next-winnable", "3", "1", "--grade", "easiest"}}) {
    const ProgramRun r = box.Run(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
  }
}
