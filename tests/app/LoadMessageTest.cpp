// SPDX-License-Identifier: GPL-3.0-or-later
// The window tells the player what start-up could not read: one message box
// naming every such file, before the window shows.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/MainForm.h"
#include "platform/Modal.h"
#include "records/Settings.h"
#include "support/SaveFixtures.h"

TEST(LoadMessage, OneBoxNamesEveryFileThatCouldNotBeRead) {
  QTemporaryDir dir;
  const QString settings = SettingsFilePath();
  QDir().mkpath(QFileInfo(settings).absolutePath());
  WriteBytes(settings, QByteArray("[Cards]\nGame=3\n\xff\xfe[Players]\nPlayers=2\n"));
  ASSERT_TRUE(QDir().mkpath(dir.filePath("players.dat")));  // a folder in its place
  std::vector<ModalRequest> asked;
  {
    ScopedModalResponder answer([&](const ModalRequest& r) -> std::optional<int> {
      asked.push_back(r);
      return r.defaultResult;
    });
    MainOptions options;
    options.DataDir = dir.path();
    options.ResumeAtStart = false;
    TMain_F window(options);
    window.MarkClosed();
  }
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_TRUE(asked[0].text.startsWith("Some of your files could not be read:\n\n"));
  EXPECT_TRUE(asked[0].text.contains(settings + ": damaged; a copy is kept as "));
  EXPECT_TRUE(asked[0].text.contains(dir.filePath("players.dat") + ": not a regular file"));
  QFile::remove(settings);
  for (const QString& n : QDir(QFileInfo(settings).absolutePath())
                              .entryList({"Tamsel Cards.conf.damaged-*"}, QDir::Files))
    QFile::remove(QFileInfo(settings).absolutePath() + "/" + n);
}
