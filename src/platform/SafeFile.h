// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files the program keeps for the player (statistics, settings, a saved
// game) are replaced whole or not at all, and read with a bound.
//
// SafeFileWriter writes the new contents to a temporary file beside the
// target, checks every write, syncs it to the disk and only then renames it
// over the old file; any failure leaves the old file exactly as it was and
// says why. It saves only onto a regular file: a link to a regular file is
// followed, anything else (a folder, a FIFO, a device, a dangling link) is
// refused, so a planted link cannot make us overwrite /dev/null or a file of
// another program.
//
// ReadRegularFile reads only regular files (opening never blocks on a FIFO)
// and never more than the limit plus one byte.

#include <QByteArray>
#include <QString>
#include <utility>

class SafeFileWriter {
 public:
  explicit SafeFileWriter(QString path) : path_(std::move(path)) {}

  // Replaces the file with the contents; returns whether the new contents are
  // in place. On failure Reason() says what went wrong.
  bool Write(const QByteArray& contents);
  const QString& Path() const { return path_; }
  const QString& Reason() const { return reason_; }

  // Removes temporary files (and working folders) that a save killed
  // half-way left in the folder: only ours, only of processes that are gone.
  static void RemoveLeftovers(const QString& folder);

  // Temporary files are named target + kTempMarker + pid + "-" + random.
  static constexpr const char* kTempMarker = ".wenlo-tmp-";

 private:
  bool Fail(const QString& reason);

  QString path_;
  QString reason_;
};

enum class FileReadStatus { Ok, Missing, NotRegular, TooLarge, Failed };

struct FileRead {
  FileReadStatus Status = FileReadStatus::Failed;
  QByteArray Data;  // the whole file when Status is Ok, else empty
  QString Reason;   // what went wrong, for the player
  bool Ok() const { return Status == FileReadStatus::Ok; }
};

FileRead ReadRegularFile(const QString& path, qint64 limit);

// Keeps a copy of `contents` beside `path` under a name of its own,
// path + "." + label + "-" + the date and time (then "-2", "-3"... when that
// is taken), written as safely as SafeFileWriter writes and never replacing
// anything. When a copy with these very contents is already there under
// such a name, that one is named instead of making another. Returns the
// copy's path, or an empty string (the reason in *reason) when none could
// be made.
QString KeepAside(const QString& path, const QByteArray& contents, const QString& label,
                  QString* reason = nullptr);
