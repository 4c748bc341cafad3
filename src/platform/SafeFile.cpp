// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString ErrnoText(int err) {
  return QString::fromLocal8Bit(std::strerror(err));
}

// Fault injection for the tests that kill a save at every step: with
// WENLO_SAVE_KILL_AFTER=N the process kills itself right after the N-th step
// (open, write, sync, close, rename) of its saves; 0 or unset means never.
void SaveStepDone() {
  const char* v = std::getenv("WENLO_SAVE_KILL_AFTER");
  const long killAfter = v ? std::strtol(v, nullptr, 10) : 0L;
  static long steps = 0;
  if (killAfter > 0 && ++steps == killAfter) {
#ifdef Q_OS_UNIX
    ::kill(::getpid(), SIGKILL);
#endif
    std::abort();
  }
}

#ifdef Q_OS_UNIX
// Makes `name` (which must not exist) with the contents, every write checked,
// synced and its size checked; 0 when it is complete on the disk, else the
// error, with nothing left behind.
int WriteNewFile(const QByteArray& name, const QByteArray& contents, mode_t mode) {
  const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return errno;
  SaveStepDone();
  auto abandon = [&](int err) {
    ::close(fd);
    ::unlink(name.constData());
    return err;
  };
  // Written in pieces so that a kill can land in the middle of the data too.
  constexpr qsizetype kPiece = 4096;
  qsizetype done = 0;
  while (done < contents.size()) {
    const size_t want = static_cast<size_t>(std::min(kPiece, contents.size() - done));
    const ssize_t n = ::write(fd, contents.constData() + done, want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return abandon(n < 0 ? errno : ENOSPC);
    done += n;
    SaveStepDone();
  }
  // The file system may accept the writes and fail only when the data goes to
  // the disk (a full disk, a quota): sync and check before anything is
  // replaced, and check the size the disk reports.
  if (::fsync(fd) != 0) return abandon(errno);
  SaveStepDone();
  struct stat written {};
  if (::fstat(fd, &written) != 0) return abandon(errno);
  if (written.st_size != contents.size()) return abandon(EIO);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(name.constData());
    return err;
  }
  return 0;
}

bool ProcessAlive(long pid) {
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}
#endif

}  // namespace

bool SafeFileWriter::Fail(const QString& reason) {
  reason_ = reason;
  return false;
}

#ifdef Q_OS_UNIX

bool SafeFileWriter::Write(const QByteArray& contents) {
  reason_.clear();
  if (path_.isEmpty()) return Fail(QStringLiteral("no file name"));
  const QByteArray name = QFile::encodeName(path_);

  // Where the new contents go: the file itself, or the regular file a link
  // names; nothing else.
  QByteArray target = name;
  mode_t mode = 0644;
  struct stat st {};
  if (::lstat(name.constData(), &st) == 0) {
    if (S_ISLNK(st.st_mode)) {
      if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return Fail(QStringLiteral("not a regular file (a link to something else)"));
      const QString resolved = QFileInfo(path_).canonicalFilePath();
      if (resolved.isEmpty()) return Fail(QStringLiteral("the link cannot be followed"));
      target = QFile::encodeName(resolved);
    } else if (!S_ISREG(st.st_mode)) {
      return Fail(S_ISDIR(st.st_mode) ? QStringLiteral("a folder is in the way")
                                      : QStringLiteral("not a regular file"));
    }
    mode = st.st_mode & 07777;
  } else if (errno != ENOENT) {
    return Fail(ErrnoText(errno));
  }

  const QByteArray temp = target + kTempMarker + QByteArray::number(::getpid()) + '-' +
                          QByteArray::number(QRandomGenerator::global()->generate(), 36);
  if (const int err = WriteNewFile(temp, contents, mode)) return Fail(ErrnoText(err));
  SaveStepDone();
  if (::rename(temp.constData(), target.constData()) != 0) {
    const int err = errno;
    ::unlink(temp.constData());
    return Fail(ErrnoText(err));
  }
  SaveStepDone();
  // The rename itself lasts only once the folder is synced; the new contents
  // are in place either way, so a failure here is not reported.
  const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
  const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

void SafeFileWriter::RemoveLeftovers(const QString& folder) {
  const QDir dir(folder);
  const QStringList names =
      dir.entryList({QStringLiteral("*") + kTempMarker + QStringLiteral("*")},
                    QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& n : names) {
    const qsizetype at = n.lastIndexOf(QLatin1String(kTempMarker));
    const QString rest = n.mid(at + qsizetype(std::strlen(kTempMarker)));
    bool ok = false;
    const long pid = rest.section(QLatin1Char('-'), 0, 0).toLong(&ok);
    if (!ok || ProcessAlive(pid)) continue;
    struct stat st {};
    const QByteArray path = QFile::encodeName(dir.filePath(n));
    if (::lstat(path.constData(), &st) != 0) continue;
    if (S_ISREG(st.st_mode)) ::unlink(path.constData());
    // A folder of ours holds the settings' working copy.
    if (S_ISDIR(st.st_mode)) QDir(dir.filePath(n)).removeRecursively();
  }
}

FileRead ReadRegularFile(const QString& path, qint64 limit) {
  FileRead r;
  const QByteArray name = QFile::encodeName(path);
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    r.Status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed;
    r.Reason = ErrnoText(errno);
    return r;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    r.Status = FileReadStatus::NotRegular;
    r.Reason = QStringLiteral("not a regular file");
    return r;
  }
  // A regular file never blocks, but read it in the normal mode anyway.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  QByteArray data;
  const qint64 want = limit + 1;
  data.resize(static_cast<qsizetype>(std::min<qint64>(want, std::max<qint64>(st.st_size, 0) + 1)));
  qint64 got = 0;
  for (;;) {
    if (got == data.size()) {
      if (got >= want) break;
      data.resize(static_cast<qsizetype>(std::min<qint64>(want, got * 2 + 4096)));
    }
    const ssize_t n = ::read(fd, data.data() + got, static_cast<size_t>(data.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      r.Reason = ErrnoText(errno);
      ::close(fd);
      return r;
    }
    if (n == 0) break;
    got += n;
  }
  ::close(fd);
  if (got > limit) {
    r.Status = FileReadStatus::TooLarge;
    r.Reason = QStringLiteral("file too large");
    return r;
  }
  data.truncate(static_cast<qsizetype>(got));
  r.Status = FileReadStatus::Ok;
  r.Data = std::move(data);
  return r;
}

namespace {

// An earlier copy kept aside with exactly these contents, or empty.
QString SameCopyAside(const QString& path, const QByteArray& contents, const QString& label) {
  const QFileInfo info(path);
  const QDir dir = info.absoluteDir();
  const QStringList names = dir.entryList({info.fileName() + QLatin1Char('.') + label + "-*"},
                                          QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& n : names) {
    const QString copy = dir.filePath(n);
    if (QFileInfo(copy).size() != contents.size()) continue;
    const FileRead read = ReadRegularFile(copy, contents.size());
    if (read.Ok() && read.Data == contents) return copy;
  }
  return QString();
}

}  // namespace

QString KeepAside(const QString& path, const QByteArray& contents, const QString& label,
                  QString* reason) {
  if (QString same = SameCopyAside(path, contents, label); !same.isEmpty()) return same;
  const QString base = path + QLatin1Char('.') + label + QLatin1Char('-') +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  const QByteArray temp = QFile::encodeName(path) + SafeFileWriter::kTempMarker +
                          QByteArray::number(::getpid()) + '-' +
                          QByteArray::number(QRandomGenerator::global()->generate(), 36);
  if (const int err = WriteNewFile(temp, contents, 0600)) {
    if (reason) *reason = ErrnoText(err);
    return QString();
  }
  // link() never replaces a file that is there: a name that is taken is
  // passed over for the next.
  QString kept;
  int err = 0;
  for (int n = 1; n <= 1000 && kept.isEmpty(); ++n) {
    const QString name = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
    if (::link(temp.constData(), QFile::encodeName(name).constData()) == 0) {
      kept = name;
    } else if (errno != EEXIST) {
      err = errno;
      break;
    }
  }
  ::unlink(temp.constData());
  if (kept.isEmpty() && reason) *reason = err ? ErrnoText(err) : QStringLiteral("no free name");
  return kept;
}

#else  // Windows: Qt's own save file and reader, with the same checks

#include <QSaveFile>

bool SafeFileWriter::Write(const QByteArray& contents) {
  reason_.clear();
  const QFileInfo info(path_);
  if (info.exists() && !info.isFile()) return Fail(QStringLiteral("not a regular file"));
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return Fail(file.errorString());
  if (file.write(contents) != contents.size() || !file.flush()) {
    const QString why = file.errorString();
    file.cancelWriting();
    file.commit();
    return Fail(why);
  }
  if (!file.commit()) return Fail(file.errorString());
  return true;
}

void SafeFileWriter::RemoveLeftovers(const QString&) {}

FileRead ReadRegularFile(const QString& path, qint64 limit) {
  FileRead r;
  const QFileInfo info(path);
  if (!info.exists()) {
    r.Status = FileReadStatus::Missing;
    r.Reason = QStringLiteral("no such file");
    return r;
  }
  if (!info.isFile()) {
    r.Status = FileReadStatus::NotRegular;
    r.Reason = QStringLiteral("not a regular file");
    return r;
  }
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    r.Reason = f.errorString();
    return r;
  }
  QByteArray data = f.read(limit + 1);
  if (data.size() > limit) {
    r.Status = FileReadStatus::TooLarge;
    r.Reason = QStringLiteral("file too large");
    return r;
  }
  r.Status = FileReadStatus::Ok;
  r.Data = std::move(data);
  return r;
}

QString KeepAside(const QString& path, const QByteArray& contents, const QString& label,
                  QString* reason) {
  const QString base = path + QLatin1Char('.') + label + QLatin1Char('-') +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int n = 1; n <= 1000; ++n) {
    const QString name = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) continue;
    if (f.write(contents) == contents.size() && f.flush()) return name;
    f.remove();
    break;
  }
  if (reason) *reason = QStringLiteral("cannot write a copy");
  return QString();
}

#endif
