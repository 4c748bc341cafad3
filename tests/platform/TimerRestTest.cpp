// SPDX-License-Identifier: GPL-3.0-or-later
// A running timer whose ticks change nothing rests, and comes back the
// moment there is something for a tick to do.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

#include "platform/Messages.h"
#include "platform/Timer.h"

namespace {

// The real timer runs only outside deterministic mode.
class TimerRestTest : public ::testing::Test {
 protected:
  TimerRestTest() { SetDeterministic(false); }
  ~TimerRestTest() override { SetDeterministic(true); }

  // Runs the event loop until `done` or `ms` have passed; says whether done.
  static bool RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
  }

  uint64_t digest = 0;
  int ticks = 0;
};

TEST_F(TimerRestTest, QuietTicksRestUntilTheDigestChangesOrAWake) {
  TTimer timer(5, false);
  timer.RestProbe = [this] { return digest; };
  timer.OnTimer = [this] { ++ticks; };
  timer.SetEnabled(true);

  // Three ticks that change nothing, then rest: far more than three
  // intervals pass without another tick.
  ASSERT_TRUE(RunUntil([&] { return timer.Resting(); }, 2000));
  EXPECT_EQ(ticks, TTimer::kQuietTicks);
  RunUntil([] { return false; }, 150);
  EXPECT_EQ(ticks, TTimer::kQuietTicks);

  // Something a tick acts on changed behind the timer's back: the next look
  // delivers the tick and the timer runs at its interval again.
  ++digest;
  ASSERT_TRUE(RunUntil([&] { return ticks > TTimer::kQuietTicks; }, 3000));
  EXPECT_FALSE(timer.Resting());

  // A wake (the player's click) ends the rest at once.
  ASSERT_TRUE(RunUntil([&] { return timer.Resting(); }, 2000));
  const int before = ticks;
  timer.Wake();
  EXPECT_FALSE(timer.Resting());
  EXPECT_TRUE(RunUntil([&] { return ticks > before; }, 500));

  // Disabled while resting: no more ticks, and enabling starts afresh.
  ASSERT_TRUE(RunUntil([&] { return timer.Resting(); }, 2000));
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Resting());
  const int stopped = ticks;
  RunUntil([] { return false; }, 50);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(TimerRestTest, TicksThatChangeTheTableNeverRest) {
  TTimer timer(5, false);
  timer.RestProbe = [this] { return digest; };
  // Like a game playing a card up on every tick, with the timer disabled and
  // enabled again inside the tick as the rules do.
  timer.OnTimer = [&] {
    timer.SetEnabled(false);
    ++ticks;
    ++digest;
    timer.SetEnabled(true);
  };
  timer.SetEnabled(true);
  EXPECT_TRUE(RunUntil([&] { return ticks >= 4 * TTimer::kQuietTicks; }, 3000));
  EXPECT_FALSE(timer.Resting());
}

TEST_F(TimerRestTest, WithoutAProbeTheTimerNeverRests) {
  TTimer timer(5, false);
  timer.OnTimer = [this] { ++ticks; };
  timer.SetEnabled(true);
  EXPECT_TRUE(RunUntil([&] { return ticks >= 4 * TTimer::kQuietTicks; }, 3000));
  EXPECT_FALSE(timer.Resting());
}

}  // namespace
