// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the saving tests: work done in a child process (file-size
// limits, a private tmpfs), odd things put in place of a file, and the data
// folder and settings file of a sandboxed program run.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

// Runs body in a forked child and returns its exit status (-1 when it died
// by a signal), so limits and mounts never reach the test process.
inline int InChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -2;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child: files may grow to `bytes` at most; writes beyond fail (EFBIG)
// instead of killing the process.
inline void LimitFileSize(rlim_t bytes) {
  signal(SIGXFSZ, SIG_IGN);
  struct rlimit limit {};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

// In a child: a private tmpfs of `bytes` on `dir`, gone with the child.
// False where mounting is not permitted.
inline bool MountSmallTmpfs(const QString& dir, qint64 bytes) {
  if (unshare(CLONE_NEWNS) != 0) return false;
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  const QByteArray opts = "size=" + QByteArray::number(bytes);
  return mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, opts.constData()) == 0;
}

// Whether this test process may mount a tmpfs in a child (root with the
// capability, outside a container that forbids it).
inline bool CanMountTmpfs(const QString& scratch) {
  QDir().mkpath(scratch);
  return InChild([&] { return MountSmallTmpfs(scratch, 65536) ? 0 : 1; }) == 0;
}

// Fills the file system holding `dir` until fewer than `leave` bytes are free.
inline void FillDisk(const QString& dir, qint64 leave) {
  QFile filler(QDir(dir).filePath("filler"));
  if (!filler.open(QIODevice::WriteOnly)) return;
  const QByteArray page(4096, 'f');
  QByteArray one(1, 'f');
  while (filler.write(page) == page.size() && filler.flush()) {
  }
  while (filler.write(one) == 1 && filler.flush()) {
  }
  filler.close();
  if (leave > 0) filler.resize(filler.size() - leave);
}

// In a child process: gives up root's power to read and write past a file's
// mode, here and in every program it starts, so that a mode-000 file is as
// unreadable as it is for a player. Does nothing for other users, who have
// no such power.
inline void GiveUpFileModeOverride() {
  const int caps[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH};
  for (int cap : caps)
    prctl(PR_CAPBSET_DROP, cap, 0, 0, 0);
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2]{};
  if (syscall(SYS_capget, &header, data) != 0) return;
  for (int cap : caps) {
    const __u32 keep = ~(1u << cap);  // both are below 32
    data[0].effective &= keep;
    data[0].permitted &= keep;
    data[0].inheritable &= keep;
  }
  syscall(SYS_capset, &header, data);
}

// Whether a child that gave that power up really cannot read a mode-000
// file (false where the system grants it some other way).
inline bool ModeZeroIsUnreadable(const QString& scratch) {
  const QByteArray path = QFile::encodeName(scratch + "/mode-zero-probe");
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0000);
  if (fd < 0) return false;
  ::close(fd);
  const int status = InChild([&] {
    GiveUpFileModeOverride();
    return ::open(path.constData(), O_RDONLY) < 0 ? 0 : 1;
  });
  ::unlink(path.constData());
  return status == 0;
}

// What a test can put in place of a file.
enum class OddFile { Folder, Fifo, DeviceLink, DanglingLink };

inline const char* OddFileName(OddFile k) {
  switch (k) {
    case OddFile::Folder:
      return "a folder";
    case OddFile::Fifo:
      return "a FIFO";
    case OddFile::DeviceLink:
      return "a link to /dev/zero";
    default:
      return "a dangling link";
  }
}

// Makes `path` one of those. The device is reached through a temporary link
// to /dev/zero; nothing under /dev is ever touched.
inline bool MakeOddFile(const QString& path, OddFile kind) {
  const QByteArray p = QFile::encodeName(path);
  switch (kind) {
    case OddFile::Folder:
      return QDir().mkpath(path);
    case OddFile::Fifo:
      return mkfifo(p.constData(), 0644) == 0;
    case OddFile::DeviceLink:
      return symlink("/dev/zero", p.constData()) == 0;
    default:
      return symlink((p + ".nowhere").constData(), p.constData()) == 0;
  }
}
#endif

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// FreeCell 2 played until a card is on a foundation: the game has started,
// so the exit counts it as lost, with this score.
inline constexpr const char* kStartedFreeCell =
    "deal 32 2\nautoplay off\ntick 4\npile 17\npile 7\ntick 4\npile 14\npile 8\ntick 4\n"
    "pile 15\npile 13\ntick 4\npile 15\npile 9\ntick 4\npile 11\npile 10\ntick 4\n"
    "pile 11\npile 16\ntick 4\npile 11\npile 4\ntick 4\n";
inline constexpr int kStartedFreeCellScore = -32;

// Lost counter of FreeCell in block `block` of a players file, -1 when the
// file is too short.
inline int FreeCellLost(const QByteArray& file, int block = 0) {
  const int at = block * 4824 + 32 * 24;
  if (file.size() < at + 2) return -1;
  return int(uchar(file[at])) | int(uchar(file[at + 1])) << 8;
}

// A statistics block whose bytes tell the player apart.
inline QByteArray MarkedBlock(int seed) {
  QByteArray b(4824, '\0');
  for (int i = 0; i < b.size(); ++i)
    b[i] = char((i * 7 + seed * 31) % 251);
  return b;
}

// The settings file of a program run with `count` players Ann, Bob, ...
inline QByteArray PlayersSettings(int count) {
  QByteArray s = "[Players]\nActive_Player=0\nPlayers=" + QByteArray::number(count) + "\n";
  for (int k = 1; k <= count; ++k)
    s += "U" + QByteArray::number(k) + "=P" + QByteArray::number(k) + "\n";
  return s;
}
