// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GameClock.h"

#include <QElapsedTimer>

TGameClock::TGameClock(Source now) : now_(std::move(now)) {
  if (!now_) {
    now_ = [] {
      static QElapsedTimer steady = [] {
        QElapsedTimer t;
        t.start();
        return t;
      }();
      return int64_t(steady.elapsed());
    };
  }
}

void TGameClock::Restart() {
  running_ = true;
  banked_ = 0;
  since_ = now_();
}

void TGameClock::Stop() {
  banked_ = ElapsedMs();
  running_ = false;
}

void TGameClock::SetPaused(bool paused) {
  if (paused == paused_) return;
  if (paused) banked_ = ElapsedMs();
  paused_ = paused;
  since_ = now_();
}

int64_t TGameClock::ElapsedMs() const {
  if (!running_ || paused_) return banked_;
  return banked_ + (now_() - since_);
}

QString TGameClock::Text(int64_t ms) {
  const int64_t s = qMax<int64_t>(0, ms) / 1000;
  if (s >= 3600)
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
