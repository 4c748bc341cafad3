// SPDX-License-Identifier: GPL-3.0-or-later
// The program's behaviour pinned byte for byte: for every game, the dumps of
// five numbered deals and a long seeded random session (tests/golden, made
// by tools/make_golden.py). A change here is a change of behaviour.

#include <gtest/gtest.h>

#include <QFile>

#include "support/RunProgram.h"

namespace {

QString ReadGolden(const QString& name) {
  QFile f(QStringLiteral(WENLO_TEST_DATA) + "/golden/" + name);
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<missing %1>").arg(name);
  return QString::fromUtf8(f.readAll());
}

class Golden : public ::testing::TestWithParam<int> {};

TEST_P(Golden, DumpsAndRandomSessionMatch) {
  const QString g = QStringLiteral("%1").arg(GetParam(), 2, 10, QChar('0'));
  ProgramSandbox box;
  QString dumps;
  for (const char* n : {"1", "2", "3", "1000", "2147483647"})
    dumps += box.Run({"--dump", "--game", QString::number(GetParam()), "--number", n}).out;
  EXPECT_EQ(dumps.toStdString(), ReadGolden("dumps/" + g + ".txt").toStdString());
  ProgramRun play =
      box.Run({"--script", QStringLiteral(WENLO_TEST_DATA) + "/golden/play/" + g + ".script"});
  EXPECT_EQ(play.exitCode, 0) << play.err.toStdString();
  EXPECT_EQ(play.out.toStdString(), ReadGolden("play/" + g + ".out").toStdString());
}

INSTANTIATE_TEST_SUITE_P(AllGames, Golden, ::testing::Range(0, 46));

}  // namespace
