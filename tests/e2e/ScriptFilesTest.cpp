// SPDX-License-Identifier: GPL-3.0-or-later
// Every tests/scripts/NAME.script runs through the real program; its
// standard output must equal tests/scripts/NAME.out exactly.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/RunProgram.h"

namespace {

QStringList ScriptNames() {
  QDir dir(QStringLiteral(WENLO_TEST_DATA) + "/scripts");
  QStringList names;
  for (const QString& f : dir.entryList({"*.script"}, QDir::Files, QDir::Name))
    names << f.chopped(7);
  return names;
}

QString ReadText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<missing %1>").arg(path);
  return QString::fromUtf8(f.readAll());
}

class ScriptFile : public ::testing::TestWithParam<QString> {};

TEST_P(ScriptFile, OutputMatchesExpectation) {
  const QString base = QStringLiteral(WENLO_TEST_DATA) + "/scripts/" + GetParam();
  ProgramSandbox box;
  ProgramRun r = box.Run({"--script", base + ".script"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.toStdString(), ReadText(base + ".out").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptFile, ::testing::ValuesIn(ScriptNames().toVector()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                           QString n = info.param;
                           n.replace('-', '_');
                           return n.toStdString();
                         });

}  // namespace

// --- The command line itself ---------------------------------------------------

TEST(CommandLine, BadValuesExitWithStatusTwo) {
  ProgramSandbox box;
  for (QStringList args :
       {QStringList{"--game", "46", "--dump"}, QStringList{"--game", "x", "--dump"},
        QStringList{"--number", "0", "--dump"}, QStringList{"--number", "2147483648", "--dump"},
        QStringList{"--bogus"}, QStringList{"--game"}}) {
    ProgramRun r = box.Run(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(r.err.isEmpty());
  }
}

TEST(CommandLine, MalformedScriptLineStopsBeforeAnythingRuns) {
  ProgramSandbox box;
  ProgramRun r = box.RunScript("deal 32 1\n# fine\ntick 2\nfly away\nquit\n");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.err.contains("script:4:")) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_FALSE(QFile::exists(box.DataDir() + "/players.dat"));
  for (QString bad : {"deal 32", "deal 46 1", "deal 32 0", "tick -1", "answer 3", "autoplay maybe",
                      "undooption 3", "pile x"}) {
    ProgramRun b = box.RunScript(bad + "\n");
    EXPECT_EQ(b.exitCode, 2) << bad.toStdString();
    EXPECT_TRUE(b.err.startsWith("script:1:")) << b.err.toStdString();
  }
}

TEST(CommandLine, DumpOfTheEmptyTableAndAMissingScript) {
  ProgramSandbox box;
  ProgramRun r = box.Run({"--dump"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.endsWith("selected none\nhistory -1 0\n\n")) << r.out.toStdString();
  ProgramRun m = box.Run({"--script", box.Path("nope.script")});
  EXPECT_EQ(m.exitCode, 2);
}

// A script reads the same in every language: the player's language choice,
// the system's and the pseudo catalogue all leave its lines (the dialogs'
// texts, the dump) in English.
TEST(ScriptLanguage, OutputIsTheSameWhateverTheLanguage) {
  const QString base = QStringLiteral(WENLO_TEST_DATA) + "/scripts/abandon-question";
  const QString expected = ReadText(base + ".out");
  for (const char* pseudo : {"0", "1"}) {
    ProgramSandbox box;
    QDir().mkpath(box.ConfigDir());
    QFile settings(box.ConfigDir() + "/Tamsel Cards.conf");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Cards]\nLanguage=de\n");
    settings.close();
    QProcess p;
    QProcessEnvironment env = box.Environment();
    env.insert("LANG", "fr_FR.UTF-8");
    env.insert("LANGUAGE", "fr");
    env.insert("WENLO_PSEUDO_TRANSLATION", pseudo);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(WENLO_BINARY),
            {"--script", base + ".script", "--data-dir", box.DataDir()});
    const ProgramRun r = ProgramSandbox::Finish(p, 60000);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), expected.toStdString()) << "pseudo " << pseudo;
  }
}
