// Test entry: one offscreen application for all suites, deterministic mode
// (no real timers, no message pump), then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/Messages.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  SetDeterministic(true);
  return RUN_ALL_TESTS();
}
