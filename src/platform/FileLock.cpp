// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A lock file holds three short lines; anything longer is not one of ours,
// and reading stops here.
constexpr int kMaxLockBytes = 4096;

QString ErrnoText(int err) {
  return QString::fromLocal8Bit(std::strerror(err));
}

QByteArray OwnLockContents() {
  const QString app =
      QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
  return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + app.toUtf8() + '\n' +
         QSysInfo::machineHostName().toUtf8() + '\n';
}

#ifdef Q_OS_UNIX
bool ProcessAlive(qint64 pid) {
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Reads at most kMaxLockBytes of the regular file fd.
QByteArray ReadSome(int fd) {
  QByteArray data(kMaxLockBytes, '\0');
  qsizetype got = 0;
  while (got < data.size()) {
    const ssize_t n = ::pread(fd, data.data() + got, size_t(data.size() - got), got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += n;
  }
  data.truncate(got);
  return data;
}

// Opens `name` for reading only when it is a regular file (not through a
// link), never waiting on it; -1 otherwise, with errno set (ELOOP or
// EINVAL for anything that is not a regular file).
int OpenRegular(const QByteArray& name, struct stat* st) {
  if (::lstat(name.constData(), st) != 0) return -1;
  if (!S_ISREG(st->st_mode)) {
    errno = S_ISLNK(st->st_mode) ? ELOOP : EINVAL;
    return -1;
  }
  const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat opened {};
  // Something else may have been put there between the look and the open.
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != st->st_ino ||
      opened.st_dev != st->st_dev) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}
#endif

}  // namespace

LockFile::LockFile(QString path) : path_(std::move(path)) {}

LockFile::~LockFile() {
  Release();
}

#ifdef Q_OS_UNIX

LockFile::Found LockFile::Inspect() {
  const QByteArray name = QFile::encodeName(path_);
  struct stat st {};
  const int fd = OpenRegular(name, &st);
  if (fd < 0) {
    if (errno == ENOENT) return Found::Free;
    reason_ =
        errno == ELOOP || errno == EINVAL ? QStringLiteral("not a regular file") : ErrnoText(errno);
    return Found::NotALock;
  }
  const QList<QByteArray> lines = ReadSome(fd).split('\n');
  ::close(fd);
  bool ok = false;
  const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
  // Empty or unreadable: its maker was killed while writing it.
  if (!ok) return Found::Stale;
  const QByteArray host = lines.value(2).trimmed();
  const bool here = host.isEmpty() || host == QSysInfo::machineHostName().toUtf8();
  if (here && !ProcessAlive(pid)) return Found::Stale;
  return Found::Live;
}

bool LockFile::Take(int waitMs) {
  if (held_) return true;
  reason_.clear();
  const QByteArray name = QFile::encodeName(path_);
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0) {
      const QByteArray contents = OwnLockContents();
      const bool written =
          ::write(fd, contents.constData(), size_t(contents.size())) == ssize_t(contents.size());
      ::close(fd);
      if (written) {
        held_ = true;
        return true;
      }
      ::unlink(name.constData());
      reason_ = QStringLiteral("cannot write the lock");
      return false;
    }
    if (errno != EEXIST) {
      reason_ = ErrnoText(errno);
      return false;
    }
    switch (Inspect()) {
      case Found::NotALock:
        return false;
      case Found::Stale:
        // Taken over at once; if another copy got there first, the next
        // round sees its lock.
        ::unlink(name.constData());
        continue;
      case Found::Free:
        continue;
      case Found::Live:
        break;
    }
    if (clock.elapsed() >= waitMs) {
      reason_ = QStringLiteral("held by another process");
      return false;
    }
    QThread::msleep(20);
  }
}

void LockFile::Release() {
  if (!held_) return;
  held_ = false;
  ::unlink(QFile::encodeName(path_).constData());
}

ProcessLock::ProcessLock(QString path) : path_(std::move(path)) {}

ProcessLock::~ProcessLock() {
  if (fd_ >= 0) ::close(fd_);  // drops the lock; the file stays for the next one
}

ProcessLock::Result ProcessLock::Take() {
  if (fd_ >= 0) return Result::Taken;
  const QByteArray name = QFile::encodeName(path_);
  struct stat st {};
  if (::lstat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    reason_ = QStringLiteral("not a regular file");
    return Result::Failed;
  }
  const int fd =
      ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    reason_ = ErrnoText(errno);
    return Result::Failed;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    reason_ = QStringLiteral("not a regular file");
    return Result::Failed;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    if (err == EWOULDBLOCK) {
      bool ok = false;
      const qint64 pid = ReadSome(fd).split('\n').value(0).trimmed().toLongLong(&ok);
      holderPid_ = ok ? pid : 0;
      reason_ = QStringLiteral("in use by another process");
    } else {
      reason_ = ErrnoText(err);
    }
    ::close(fd);
    return err == EWOULDBLOCK ? Result::HeldByOther : Result::Failed;
  }
  // Who holds it, for the message the next one shows; the lock itself is
  // the flock, so a failure here changes nothing.
  const QByteArray contents = OwnLockContents();
  if (::ftruncate(fd, 0) == 0) {
    [[maybe_unused]] const ssize_t n =
        ::pwrite(fd, contents.constData(), size_t(contents.size()), 0);
  }
  fd_ = fd;
  return Result::Taken;
}

#else  // Windows: Qt's lock file, which opens nothing but files there

LockFile::Found LockFile::Inspect() {
  return Found::Free;
}

bool LockFile::Take(int waitMs) {
  if (!qtLock_) qtLock_ = std::make_unique<QLockFile>(path_);
  held_ = qtLock_->tryLock(waitMs);
  if (!held_) reason_ = QStringLiteral("held by another process");
  return held_;
}

void LockFile::Release() {
  if (held_) qtLock_->unlock();
  held_ = false;
}

ProcessLock::ProcessLock(QString path) : path_(std::move(path)) {}
ProcessLock::~ProcessLock() = default;

ProcessLock::Result ProcessLock::Take() {
  if (!qtLock_) qtLock_ = std::make_unique<QLockFile>(path_);
  if (qtLock_->tryLock(0)) return Result::Taken;
  qint64 pid = 0;
  QString host, app;
  if (qtLock_->getLockInfo(&pid, &host, &app)) holderPid_ = pid;
  reason_ = QStringLiteral("in use by another process");
  return Result::HeldByOther;
}

#endif
