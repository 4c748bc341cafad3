// Test entry: one offscreen application for all suites, deterministic mode
// (no real timers, no message pump), settings kept in a private temporary
// folder so no test touches the user's own, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/Messages.h"
#include "ui/TableDialogs.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  SetDeterministic(true);
  InstallTableDialogs();
  return RUN_ALL_TESTS();
}
