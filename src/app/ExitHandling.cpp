// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExitHandling.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <csignal>

#include "platform/Modal.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ExitHandling {
namespace {

volatile std::sig_atomic_t signalArrived = 0;
int wakeFds[2] = {-1, -1};

#ifdef Q_OS_UNIX
// Only async-signal-safe work here: note the signal and wake the event loop.
void OnSignal(int) {
  signalArrived = 1;
  if (wakeFds[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[1], &byte, 1);
  }
}
#endif

}  // namespace

void IgnoreFileSizeSignal() {
#ifdef Q_OS_UNIX
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void WatchSignals(QObject* context, std::function<void()> onSignal) {
#ifdef Q_OS_UNIX
  if (wakeFds[0] < 0 && ::pipe(wakeFds) == 0) {
    for (int fd : wakeFds)
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  }
  if (wakeFds[0] >= 0) {
    auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onSignal] {
      char buffer[16];
      while (::read(wakeFds[0], buffer, sizeof buffer) > 0) {
      }
      if (onSignal) onSignal();
    });
  }
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
#else
  Q_UNUSED(context);
  Q_UNUSED(onSignal);
#endif
}

bool SignalArrived() {
  return signalArrived != 0;
}

QString SaveFailureText(const SaveReport& report) {
  return QCoreApplication::translate("ExitHandling",
                                     "Your statistics, settings or game in progress could not be "
                                     "saved; the files keep what they held before this session.") +
         QStringLiteral("\n\n") + report.Lines().join(QLatin1Char('\n'));
}

void ReportSaveFailure(const SaveReport& report) {
  if (report.Ok()) return;
  ShowMessage(SaveFailureText(report), QStringLiteral("Wenlo Solitaire Collection"),
              MsgIcon::Error);
}

}  // namespace ExitHandling
