// SPDX-License-Identifier: GPL-3.0-or-later
// Work deferred behind a window's first frame runs once that frame is
// painted, never for a window that is not shown.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "platform/qt/FirstFrame.h"

TEST(FirstFrameTest, RunsQueuedWorkAfterTheFirstPaintOnly) {
  QWidget window;
  window.resize(100, 80);
  std::vector<int> ran;
  AfterFirstFrame(&window, [&] { ran.push_back(1); });
  AfterFirstFrame(&window, [&] { ran.push_back(2); });
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran.empty());  // not shown, not painted

  window.show();
  QElapsedTimer t;
  t.start();
  while (ran.size() < 2 && t.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));

  window.repaint();  // later frames run nothing again
  AfterFirstFrame(&window, [&] { ran.push_back(3); });
  QCoreApplication::processEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}
