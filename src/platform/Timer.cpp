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

void TTimer::Sync() {
  if (IsDeterministic() || !QCoreApplication::instance()) {
    if (timer_) timer_->stop();
    return;
  }
  if (!timer_) {
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  }
  timer_->setInterval(interval_);
  if (enabled_) {
    if (!timer_->isActive()) timer_->start();
  } else {
    timer_->stop();
  }
}
