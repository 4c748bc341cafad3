// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/FirstFrame.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <vector>

namespace {

// One per window, a child of it: collects the work and posts it when the
// first paint event arrives. The frame is flushed to the screen when that
// event's handling returns, so the posted work runs after it.
class FirstFrameQueue : public QObject {
 public:
  explicit FirstFrameQueue(QWidget* window) : QObject(window) {
    setObjectName(QStringLiteral("FirstFrameQueue"));
    window->installEventFilter(this);
  }

  void Add(std::function<void()> work) {
    work_.push_back(std::move(work));
    if (painted_) Post();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!painted_ && event->type() == QEvent::Paint) {
      painted_ = true;
      Post();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Post() { QMetaObject::invokeMethod(this, &FirstFrameQueue::Run, Qt::QueuedConnection); }
  void Run() {
    std::vector<std::function<void()>> work;
    work.swap(work_);
    for (auto& w : work)
      w();
  }

  std::vector<std::function<void()>> work_;
  bool painted_ = false;
};

}  // namespace

void AfterFirstFrame(QWidget* window, std::function<void()> work) {
  if (!window || !work) return;
  auto* queue = window->findChild<FirstFrameQueue*>(QStringLiteral("FirstFrameQueue"),
                                                    Qt::FindDirectChildrenOnly);
  if (!queue) queue = new FirstFrameQueue(window);
  queue->Add(std::move(work));
}
