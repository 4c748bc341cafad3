// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTimer: Interval, Enabled and OnTimer, firing on the user-interface thread.
// In deterministic mode (tests, the scripted driver) no real timer runs:
// Fire() delivers a tick by hand when the timer is enabled.

#include <cstdint>
#include <functional>
#include <memory>

class QTimer;

class TTimer {
 public:
  TTimer(int intervalMs = 1000, bool enabled = false);
  ~TTimer();
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  std::function<void()> OnTimer;

  // Delivers one tick now if the timer is enabled and has a handler.
  // Returns whether a handler ran.
  bool Fire();

  // Resting. A table at rest would wake the process ten times a second for
  // ticks that find nothing to do. Given a probe (a digest of everything a
  // tick acts on), the real timer counts the ticks that left the digest as it
  // was; after kQuietTicks of them in a row it only looks once per kRestMs,
  // skipping the tick while the digest is unchanged and going back to its
  // interval (with the tick) as soon as it differs. Wake(), and any change of
  // Interval or Enabled from outside a tick, end the rest at once. Ticks
  // delivered by hand (Fire) never rest.
  static constexpr int kQuietTicks = 3;
  static constexpr int kRestMs = 1000;
  std::function<uint64_t()> RestProbe;
  void Wake();
  bool Resting() const { return resting_; }

 private:
  void Sync();
  void RealTick();

  int interval_;
  bool enabled_;
  bool inTick_ = false;
  bool resting_ = false;
  int quiet_ = 0;
  uint64_t restDigest_ = 0;
  std::unique_ptr<QTimer> timer_;
};
