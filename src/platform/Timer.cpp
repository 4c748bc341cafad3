// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/Messages.h"

TTimer::TTimer(int intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled) {
  Sync();
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms) {
  interval_ = ms;
  Sync();
}

void TTimer::SetEnabled(bool on) {
  enabled_ = on;
  Sync();
}

bool TTimer::Fire() {
  if (!enabled_ || !OnTimer) return false;
  // Copy first: the handler may replace OnTimer while it runs.
  auto handler = OnTimer;
  handler();
  return true;
}

void TTimer::Wake() {
  if (!resting_) {
    quiet_ = 0;
    return;
  }
  resting_ = false;
  quiet_ = 0;
  Sync();
}

void TTimer::RealTick() {
  if (!RestProbe) {
    Fire();
    return;
  }
  if (resting_) {
    // Nothing a tick acts on has changed: it would do nothing.
    if (RestProbe() == restDigest_) return;
    Wake();
  }
  const uint64_t before = RestProbe();
  inTick_ = true;
  const bool ran = Fire();
  inTick_ = false;
  const uint64_t after = RestProbe();
  if (!ran || !enabled_ || after != before) {
    quiet_ = 0;
    return;
  }
  if (++quiet_ < kQuietTicks) return;
  resting_ = true;
  restDigest_ = after;
  if (timer_) timer_->setInterval(kRestMs);
}

void TTimer::Sync() {
  if (IsDeterministic() || !QCoreApplication::instance()) {
    if (timer_) timer_->stop();
    return;
  }
  if (!timer_) {
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { RealTick(); });
  }
  if (!inTick_) {
    // A change from outside a tick (a move, a deal, the drag letting go) may
    // give the next tick work: leave the rest.
    resting_ = false;
    quiet_ = 0;
  }
  timer_->setInterval(resting_ ? kRestMs : interval_);
  if (enabled_) {
    if (!timer_->isActive()) timer_->start();
  } else {
    timer_->stop();
  }
}
