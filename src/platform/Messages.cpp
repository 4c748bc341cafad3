// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {
bool g_deterministic = false;
thread_local int t_deterministic = 0;
}  // namespace

ScopedDeterministicThread::ScopedDeterministicThread() {
  ++t_deterministic;
}
ScopedDeterministicThread::~ScopedDeterministicThread() {
  --t_deterministic;
}

void SetDeterministic(bool on) {
  g_deterministic = on;
}
bool IsDeterministic() {
  return g_deterministic || t_deterministic > 0;
}

void ProcessMessages() {
  if (IsDeterministic() || !QCoreApplication::instance()) return;
  QCoreApplication::processEvents();
}

void WaitMs(int ms) {
  if (IsDeterministic()) return;
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    ProcessMessages();
    QThread::msleep(5);
  }
}
