// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WinnableDeals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>
#include <chrono>

#include "platform/Messages.h"
#include "platform/Threads.h"
#include "session/Shuffle.h"

QString WinnableDeals::LookingText() {
  return QCoreApplication::translate("WinnableDeals", "Looking for a winnable deal\u2026");
}

WinnableDeals::WinnableDeals(uint32_t seed) : seed_(seed), worker_([this] { Run(); }) {}

WinnableDeals::~WinnableDeals() {
  for (auto& j : judging_) {
    j.first->cancel = true;
    j.second.join();
  }
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    abort_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void WinnableDeals::LookAhead(int game, Grade wanted) {
  std::lock_guard lock(mutex_);
  const Want w{game, wanted};
  if (w == want_) return;
  want_ = w;
  failed_ = false;
  tried_ = 0;
  abort_ = true;  // the candidate of another game or grade is of no use now
  changed_.notify_all();
}

std::optional<uint32_t> WinnableDeals::Take(int game, Grade wanted) {
  std::lock_guard lock(mutex_);
  auto it = ready_.find({game, wanted});
  if (it == ready_.end()) return std::nullopt;
  const uint32_t n = it->second;
  ready_.erase(it);
  if (want_ == Want{game, wanted}) {
    failed_ = false;
    tried_ = 0;
  }
  changed_.notify_all();
  return n;
}

std::optional<uint32_t> WinnableDeals::Pick(int game, Grade wanted, QWidget* window, bool* gaveUp) {
  if (gaveUp) *gaveUp = false;
  LookAhead(game, wanted);
  if (std::optional<uint32_t> n = Take(game, wanted)) return n;
  // The player waits: candidates are judged here too, at the ordinary
  // priority (the look-ahead's thread yields to everything), and whichever
  // finds a number first gives it.
  ShuffleGenerator candidates;
  {
    std::lock_guard lock(mutex_);
    candidates.Seed(seed_ ^ 0x9E3779B9u);
    seed_ = seed_ * 69069u + 1u;
  }
  return WaitWithProgress(window, LookingText(),
                          [&](const std::atomic<bool>& cancel) -> std::optional<uint32_t> {
                            for (int tried = 0; !cancel; ++tried) {
                              if (std::optional<uint32_t> n = Take(game, wanted)) return n;
                              if (tried >= kTries) {
                                if (gaveUp) *gaveUp = true;
                                return std::nullopt;
                              }
                              const uint32_t n = candidates.Range(2147483647u) + 1;
                              if (Qualifies(game, JudgeDeal(game, n, &cancel), wanted)) return n;
                            }
                            return std::nullopt;
                          });
}

void WinnableDeals::JudgeLater(int game, uint32_t number,
                               std::function<void(const QString&)> done) {
  for (auto it = judging_.begin(); it != judging_.end();) {
    it->first->cancel = true;
    if (it->first->done) {
      it->second.join();
      it = judging_.erase(it);
    } else {
      ++it;
    }
  }
  auto state = std::make_shared<Judging>();
  std::thread t([state, game, number, done = std::move(done)] {
    const DealJudgement j = JudgeDeal(game, number, &state->cancel);
    if (!j.cancelled && !state->cancel) {
      const QString text = JudgementText(j);
      QMetaObject::invokeMethod(
          qApp, [done, text] { done(text); }, Qt::QueuedConnection);
    }
    state->done = true;
  });
  judging_.emplace_back(state, std::move(t));
}

void WinnableDeals::Run() {
  LowerThisThreadPriority();
  ShuffleGenerator candidates;
  std::unique_lock lock(mutex_);
  candidates.Seed(seed_);
  seed_ = seed_ * 69069u + 1u;
  for (;;) {
    changed_.wait(
        lock, [this] { return stop_ || (want_.game >= 0 && !failed_ && !ready_.count(want_)); });
    if (stop_) return;
    const Want w = want_;
    const uint32_t n = candidates.Range(2147483647u) + 1;
    abort_ = false;
    lock.unlock();
    const DealJudgement j = JudgeDeal(w.game, n, &abort_);
    lock.lock();
    if (stop_) return;
    if (!(want_ == w) || j.cancelled) continue;
    if (Qualifies(w.game, j, w.grade)) {
      ready_[w] = n;
    } else if (++tried_ >= kTries) {
      failed_ = true;
    }
    changed_.notify_all();
  }
}

std::optional<uint32_t> WinnableDeals::DayDeal(int game, const QDate& date, QWidget* window) {
  return WaitWithProgress(
      window, QCoreApplication::translate("WinnableDeals", "Looking for the deal of the day\u2026"),
      [&](const std::atomic<bool>& cancel) { return DealOfTheDay(game, date, &cancel); });
}

std::optional<uint32_t> WaitWithProgress(
    QWidget* window, const QString& label,
    const std::function<std::optional<uint32_t>(const std::atomic<bool>& cancel)>& work) {
  std::atomic<bool> cancel{false};
  if (IsDeterministic() || !window) return work(cancel);
  std::optional<uint32_t> result;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    result = work(cancel);
    done = true;
  });
  // Most waits are short: the dialog shows only when one is not.
  QElapsedTimer waited;
  waited.start();
  while (!done && waited.elapsed() < 300)
    QThread::msleep(5);
  if (!done) {
    QProgressDialog dialog(label, QCoreApplication::translate("WinnableDeals", "Cancel"), 0, 0,
                           window);
    dialog.setWindowTitle(QStringLiteral("Wenlo Solitaire Collection"));  // the program's name
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.show();
    while (!done && !dialog.wasCanceled()) {
      QApplication::processEvents(QEventLoop::AllEvents, 30);
      QThread::msleep(10);
    }
    if (!done) cancel = true;
  }
  worker.join();
  if (cancel) return std::nullopt;
  return result;
}
