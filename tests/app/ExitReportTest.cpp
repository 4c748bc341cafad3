// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window with a save that fails: one message box naming the file
// and the reason, and closing again shows nothing more.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/MainForm.h"
#include "platform/Modal.h"

TEST(ExitReport, AFailedSaveIsShownOnceWhenTheWindowCloses) {
  QTemporaryDir dir;
  const QString players = dir.filePath("players.dat");
  ASSERT_TRUE(QDir().mkpath(players));  // a folder in the way
  QStringList shown;
  ScopedModalResponder answers([&](const ModalRequest& r) -> std::optional<int> {
    if (r.kind == ModalRequest::Message) shown << r.caption + "|" + r.text;
    return r.defaultResult;
  });
  MainOptions options;
  options.DataDir = dir.path();
  TMain_F window(options);
  window.close();
  window.close();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith("Wenlo Solitaire Collection|"));
  EXPECT_TRUE(shown[0].contains(players + ": a folder is in the way")) << shown[0].toStdString();
}
