// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message pump and the clock as the table sees them.

// Lets pending window messages run (paints, clicks, timer ticks). Does
// nothing in deterministic mode, where only the driver decides what happens.
void ProcessMessages();

// Waits about ms milliseconds while the window stays alive; returns at once
// in deterministic mode.
void WaitMs(int ms);

// Deterministic mode: set by tests and the scripted driver before any timer
// is created. Real timers never start and the pump never runs.
void SetDeterministic(bool on);
bool IsDeterministic();

// Makes the calling thread deterministic for as long as it lives, whatever
// the program's mode: a worker thread that plays on a private table (the
// solver) must never pump the window's messages, start real timers or wait.
class ScopedDeterministicThread {
 public:
  ScopedDeterministicThread();
  ~ScopedDeterministicThread();
  ScopedDeterministicThread(const ScopedDeterministicThread&) = delete;
  ScopedDeterministicThread& operator=(const ScopedDeterministicThread&) = delete;
};
