#include "platform/Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {
bool g_deterministic = false;
}

void SetDeterministic(bool on) {
  g_deterministic = on;
}
bool IsDeterministic() {
  return g_deterministic;
}

void ProcessMessages() {
  if (g_deterministic || !QCoreApplication::instance()) return;
  QCoreApplication::processEvents();
}

void WaitMs(int ms) {
  if (g_deterministic) return;
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    ProcessMessages();
    QThread::msleep(5);
  }
}
