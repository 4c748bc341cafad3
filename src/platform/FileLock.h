// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two kinds of lock, both taken without ever opening anything but a regular
// file and without ever waiting longer than asked:
//
// LockFile: the lock older versions and other copies of the program take
// around a write of a shared file (the settings), in the format QLockFile
// writes: the holder's pid, application name and host name, one a line. A
// FIFO in its place would block QLockFile's open, a link to /dev/zero would
// be read without end; here anything but a regular file is left alone, and
// at most a few kilobytes of a regular one are read.
//
// ProcessLock: held for the whole life of the process (one program per data
// folder). It is flock() on a regular file, which the system drops however
// the process ends, kill -9 included, so there is never a stale one.

#include <QString>
#include <memory>

class QLockFile;

class LockFile {
 public:
  explicit LockFile(QString path);
  ~LockFile();
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;

  // Takes the lock, waiting at most waitMs for a holder that is still alive.
  // A lock whose holder is gone, or that is empty (its maker was killed while
  // writing it), is taken over at once. False when it could not be had in
  // time or something other than a regular file is in its place; Reason()
  // then says why.
  bool Take(int waitMs);
  bool Held() const { return held_; }
  const QString& Reason() const { return reason_; }
  // Removes the lock file when this object made it.
  void Release();

 private:
  enum class Found { Free, Live, Stale, NotALock };
  Found Inspect();

  QString path_;
  QString reason_;
  bool held_ = false;
  std::unique_ptr<QLockFile> qtLock_;  // where there is no flock (Windows)
};

class ProcessLock {
 public:
  enum class Result { Taken, HeldByOther, Failed };

  explicit ProcessLock(QString path);
  ~ProcessLock();
  ProcessLock(const ProcessLock&) = delete;
  ProcessLock& operator=(const ProcessLock&) = delete;

  // Never waits. HeldByOther: another process holds it (HolderPid() names it
  // when the file says); Failed: no lock could be made here (Reason()).
  Result Take();
  qint64 HolderPid() const { return holderPid_; }
  const QString& Reason() const { return reason_; }

 private:
  QString path_;
  QString reason_;
  qint64 holderPid_ = 0;
  int fd_ = -1;
  std::unique_ptr<QLockFile> qtLock_;  // where there is no flock (Windows)
};
