// SPDX-License-Identifier: GPL-3.0-or-later
// The safe writer and the bounded reader on their own: what they refuse,
// what they leave behind, and how they treat links, FIFOs and devices.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/SafeFile.h"
#include "support/SaveFixtures.h"

#ifdef Q_OS_LINUX

namespace {

class SafeFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name = "file") const { return dir_.filePath(name); }
  QStringList Entries() const {
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(SafeFileTest, ReplacesTheWholeFileAndFollowsALinkToARegularFile) {
  WriteBytes(Path(), "old contents that are longer");
  SafeFileWriter writer(Path());
  ASSERT_TRUE(writer.Write("new")) << writer.Reason().toStdString();
  EXPECT_EQ(ReadBytes(Path()), "new");
  EXPECT_EQ(Entries(), QStringList{"file"});

  // The link stays a link; the file it names gets the contents.
  ASSERT_EQ(symlink("file", QFile::encodeName(Path("link")).constData()), 0);
  ASSERT_TRUE(SafeFileWriter(Path("link")).Write("through the link"));
  EXPECT_TRUE(QFileInfo(Path("link")).isSymLink());
  EXPECT_EQ(ReadBytes(Path()), "through the link");
  EXPECT_EQ(Entries(), (QStringList{"file", "link"}));
}

TEST_F(SafeFileTest, RefusesEverythingButARegularFileAndLeavesItAlone) {
  for (OddFile kind :
       {OddFile::Folder, OddFile::Fifo, OddFile::DeviceLink, OddFile::DanglingLink}) {
    SCOPED_TRACE(OddFileName(kind));
    QTemporaryDir dir;
    const QString path = dir.filePath("players.dat");
    ASSERT_TRUE(MakeOddFile(path, kind));
    const QFileInfo before(path);
    SafeFileWriter writer(path);
    EXPECT_FALSE(writer.Write("data"));
    EXPECT_FALSE(writer.Reason().isEmpty());
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isDir(), before.isDir());
    if (kind == OddFile::DeviceLink) {
      EXPECT_EQ(after.symLinkTarget(), "/dev/zero");
    }
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"players.dat"});
  }
}

TEST_F(SafeFileTest, ReaderReadsOnlyRegularFilesWithinTheLimit) {
  EXPECT_EQ(ReadRegularFile(Path("missing"), 10).Status, FileReadStatus::Missing);
  WriteBytes(Path(), "0123456789");
  FileRead exact = ReadRegularFile(Path(), 10);
  ASSERT_TRUE(exact.Ok());
  EXPECT_EQ(exact.Data, "0123456789");
  FileRead over = ReadRegularFile(Path(), 9);
  EXPECT_EQ(over.Status, FileReadStatus::TooLarge);
  EXPECT_TRUE(over.Data.isEmpty());
  EXPECT_TRUE(ReadRegularFile(Path(), 0).Status == FileReadStatus::TooLarge);

  // None of these may block or read without end.
  QElapsedTimer clock;
  clock.start();
  for (OddFile kind : {OddFile::Folder, OddFile::Fifo, OddFile::DeviceLink}) {
    SCOPED_TRACE(OddFileName(kind));
    const QString odd = Path(QString("odd%1").arg(int(kind)));
    ASSERT_TRUE(MakeOddFile(odd, kind));
    FileRead r = ReadRegularFile(odd, 1 << 20);
    EXPECT_EQ(r.Status, FileReadStatus::NotRegular);
    EXPECT_TRUE(r.Data.isEmpty());
  }
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(SafeFileTest, LeftoversOfGoneProcessesAreRemovedOthersKept) {
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const QString marker = SafeFileWriter::kTempMarker;
  const QString dead = "players.dat" + marker + QString::number(gone) + "-abc";
  const QString mine = "players.dat" + marker + QString::number(getpid()) + "-abc";
  for (const QString& n : {dead, mine, QString("players.dat"), QString("players.dat.1234")})
    WriteBytes(Path(n), "x");
  ASSERT_TRUE(MakeOddFile(Path("x" + marker + QString::number(gone) + "-dir"), OddFile::Folder));
  SafeFileWriter::RemoveLeftovers(dir_.path());
  EXPECT_EQ(Entries(), (QStringList{"players.dat", "players.dat.1234", mine}));
}

// A read-only folder: the reason comes back and the old file stays. Root may
// write anywhere, so there the folder is a read-only tmpfs when we may mount.
TEST_F(SafeFileTest, ReadOnlyFolderIsReported) {
  if (geteuid() != 0) {
    WriteBytes(Path(), "old");
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path()).constData(), 0555), 0);
    SafeFileWriter writer(Path());
    EXPECT_FALSE(writer.Write("new"));
    EXPECT_FALSE(writer.Reason().isEmpty());
    chmod(QFile::encodeName(dir_.path()).constData(), 0755);
    EXPECT_EQ(ReadBytes(Path()), "old");
    return;
  }
  if (!CanMountTmpfs(Path("probe"))) GTEST_SKIP() << "running as root without permission to mount";
  const QString ro = Path("ro");
  QDir().mkpath(ro);
  const int status = InChild([&] {
    if (!MountSmallTmpfs(ro, 65536)) return 10;
    WriteBytes(ro + "/file", "old");
    if (mount(nullptr, QFile::encodeName(ro).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
              nullptr) != 0)
      return 11;
    SafeFileWriter writer(ro + "/file");
    if (writer.Write("new")) return 12;
    if (!writer.Reason().contains("Read-only")) return 13;
    return ReadBytes(ro + "/file") == "old" ? 0 : 14;
  });
  EXPECT_EQ(status, 0);
}

#endif
