// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time of the game on the table: starts at the deal, stands still while
// the window is minimised, stops when the game ends.

#include <QString>
#include <cstdint>
#include <functional>

class TGameClock {
 public:
  // Milliseconds of a steady clock (tests give their own).
  using Source = std::function<int64_t()>;
  explicit TGameClock(Source now = {});

  void Restart();  // a new deal: from 0, running
  void Stop();     // the game ended: the time stays as it is
  // Minimised (or otherwise out of sight): the clock waits.
  void SetPaused(bool paused);
  bool Running() const { return running_; }
  int64_t ElapsedMs() const;
  // "0:07", "12:34", "1:02:03".
  static QString Text(int64_t ms);

 private:
  Source now_;
  bool running_ = false;
  bool paused_ = false;
  int64_t since_ = 0;   // when the running stretch began
  int64_t banked_ = 0;  // time of the stretches before it
};
