#pragma once
// TTimer: Interval, Enabled and OnTimer, firing on the user-interface thread.
// In deterministic mode (tests, the scripted driver) no real timer runs:
// Fire() delivers a tick by hand when the timer is enabled.

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

 private:
  void Sync();

  int interval_;
  bool enabled_;
  std::unique_ptr<QTimer> timer_;
};
