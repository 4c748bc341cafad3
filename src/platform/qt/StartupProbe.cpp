// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QSet>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Paint events reach the window while its first frame is being composed; the
// frame is flushed to the screen when that event's handling returns, so the
// report is queued behind it.
class FirstFrameProbe : public QObject {
 public:
  explicit FirstFrameProbe(QWidget* window) : QObject(window), window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!queued_ && event->type() == QEvent::Paint) {
      queued_ = true;
      QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Report() {
    long long now = MonotonicNanoseconds();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf(
        "first-frame monotonic-ns=%lld cpu-ns=%lld rss-kib=%ld libs=%d multimedia=%d size=%dx%d\n",
        now, (long long)cpu.tv_sec * 1000000000LL + cpu.tv_nsec, ResidentKiB(),
        LoadedSharedLibraries(), LibraryLoaded("libQt6Multimedia") ? 1 : 0, window_->width(),
        window_->height());
    std::fflush(stdout);
    std::_Exit(0);  // the measurement ends here: no saving, no teardown
  }

  QWidget* window_;
  bool queued_ = false;
};

QSet<QByteArray> MappedLibraries() {
  QSet<QByteArray> libs;
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return libs;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    int slash = line.indexOf('/');
    if (slash < 0) continue;
    QByteArray path = line.mid(slash);
    if (path.endsWith(".so") || path.contains(".so.")) libs.insert(path);
  }
  return libs;
}

}  // namespace

void InstallStartupProbe(QWidget* window) {
  if (!window || qEnvironmentVariableIsEmpty("WENLO_STARTUP_PROBE")) return;
  window->installEventFilter(new FirstFrameProbe(window));
}

long long MonotonicNanoseconds() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long ResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

int LoadedSharedLibraries() {
  return int(MappedLibraries().size());
}

bool LibraryLoaded(const char* nameFragment) {
  const QSet<QByteArray> libs = MappedLibraries();
  for (const QByteArray& path : libs)
    if (path.contains(nameFragment)) return true;
  return false;
}
