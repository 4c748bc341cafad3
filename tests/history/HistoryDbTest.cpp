// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: what goes in comes out, and nothing a file or the disk
// can do loses a committed game or stops the program: damaged, foreign and
// odd files, a newer version, a full disk, two writers at once, and a
// writer killed with SIGKILL between (and during) its writes.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "history/HistoryDb.h"
#include "history/Recorder.h"
#include "support/HistorySample.h"
#include "support/SaveFixtures.h"

namespace {

const qint64 kNow = 1796000000000;

class HistoryDbTest : public ::testing::Test {
 protected:
  QString Path() const { return dir.filePath("history.db"); }
  QStringList Aside() const {
    return QDir(dir.path()).entryList({"history.db.damaged-*"}, QDir::Files);
  }
  void Write(const QByteArray& bytes) {
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray Bytes() const {
    QFile f(Path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir;
};

TEST_F(HistoryDbTest, RowsComeBackWholeNewestFirstAndByPlayer) {
  auto ann = SampleHistory(30, "Ann", kNow, 10, 1);
  auto bo = SampleHistory(5, "Bo", kNow, 10, 2);
  HistoryDb db(Path());
  ASSERT_TRUE(db.Append(ann));
  ASSERT_TRUE(db.Append(bo));
  auto rows = db.Rows("Ann");
  ASSERT_TRUE(rows);
  std::reverse(ann.begin(), ann.end());
  EXPECT_EQ(*rows, ann);
  EXPECT_EQ(db.Rows()->size(), 35u);
  EXPECT_EQ(db.Count(), 35);
  EXPECT_TRUE(db.TakeNotice().isEmpty());
  // A second program reads what the first wrote.
  HistoryDb other(Path());
  EXPECT_EQ(other.Rows("Bo")->size(), 5u);
}

// A file that is there but is no history of ours: kept aside whole, a fresh
// history started, the player told once.
TEST_F(HistoryDbTest, DamagedOrForeignFilesAreKeptAsideAndStartedAfresh) {
  const struct {
    const char* what;
    std::function<void()> make;
  } cases[] = {
      {"text", [&] { Write("players: Ann, Bo\nnot a database at all\n"); }},
      {"another program's database",
       [&] {
         {
           QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
           db.setDatabaseName(Path());
           ASSERT_TRUE(db.open());
           QSqlQuery(db).exec("CREATE TABLE recipes (name TEXT)");
           QSqlQuery(db).exec("INSERT INTO recipes VALUES ('soup')");
           db.close();
         }
         QSqlDatabase::removeDatabase("foreign");
       }},
      {"a header with garbage after it",
       [&] {
         { HistoryDb(Path()).Append(SampleHistory(300, "Ann", kNow, 10)); }
         QByteArray b = Bytes();
         for (qsizetype i = 4096; i < b.size(); i += 7)
           b[i] = char(0xA5);
         Write(b);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
      QFile::remove(dir.filePath(f));
    c.make();
    const QByteArray before = Bytes();
    HistoryDb db(Path());
    db.Open();
    auto rows = db.Rows("Ann");  // the damage may show only when read
    ASSERT_TRUE(rows) << db.Error().toStdString();
    EXPECT_TRUE(rows->empty());
    const QString notice = db.TakeNotice();
    EXPECT_TRUE(notice.contains("a new history was started")) << notice.toStdString();
    EXPECT_TRUE(db.TakeNotice().isEmpty());
    ASSERT_EQ(Aside().size(), 1);
    QFile kept(dir.filePath(Aside()[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_TRUE(db.Append(SampleHistory(1, "Ann", kNow, 1)));
    EXPECT_EQ(db.Count(), 1);
  }
}

// What is not ours to move is left alone, and the history says why it
// cannot be used.
TEST_F(HistoryDbTest, OddFilesAndNewerVersionsAreLeftAlone) {
  for (OddFile kind :
       {OddFile::Folder, OddFile::Fifo, OddFile::DeviceLink, OddFile::DanglingLink}) {
    SCOPED_TRACE(OddFileName(kind));
    QTemporaryDir here;
    const QString path = here.filePath("history.db");
    ASSERT_TRUE(MakeOddFile(path, kind));
    HistoryDb db(path);
    EXPECT_FALSE(db.Open());
    EXPECT_FALSE(db.Error().isEmpty());
    QString reason;
    EXPECT_FALSE(db.Append(SampleHistory(1, "Ann", kNow, 1), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(QDir(here.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{"history.db"});
  }
  {
    HistoryDb db(Path());
    ASSERT_TRUE(db.Open());
  }
  {
    QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "newer");
    raw.setDatabaseName(Path());
    ASSERT_TRUE(raw.open());
    QSqlQuery(raw).exec(QString("PRAGMA user_version = %1").arg(HistoryDb::kSchemaVersion + 1));
    raw.close();
  }
  QSqlDatabase::removeDatabase("newer");
  const QByteArray before = Bytes();
  HistoryDb db(Path());
  EXPECT_FALSE(db.Open());
  EXPECT_TRUE(db.Error().contains("newer version"));
  EXPECT_EQ(Bytes(), before);
  EXPECT_TRUE(Aside().isEmpty());
}

// Two programs (two processes, each with its own connection) write the
// same file at the same time, a transaction per game.
TEST_F(HistoryDbTest, TwoWritersAtOnceLoseNothing) {
  constexpr int kEach = 150;
  std::vector<pid_t> writers;
  for (uint32_t seed : {1u, 2u}) {
    const pid_t pid = fork();
    if (pid == 0) {
      HistoryDb db(Path());
      for (const GameRecord& r : SampleHistory(kEach, seed == 1 ? "Ann" : "Bo", kNow, 10, seed))
        if (!db.Append({r})) _exit(1);
      _exit(0);
    }
    writers.push_back(pid);
  }
  for (pid_t pid : writers) {
    int status = -1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  HistoryDb db(Path());
  EXPECT_EQ(db.Rows("Ann")->size(), size_t(kEach));
  EXPECT_EQ(db.Rows("Bo")->size(), size_t(kEach));
}

// A child writes game after game and says so after each commit; it is
// killed at once after the n-th. Every game it said it wrote is there, and
// the file opens and reads whole.
TEST_F(HistoryDbTest, KillNineBetweenWritesLosesNoCommittedGame) {
  for (int acknowledged : {1, 5, 23}) {
    SCOPED_TRACE(acknowledged);
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
      QFile::remove(dir.filePath(f));
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
      ::close(pipeFds[0]);
      HistoryDb db(Path());
      for (const GameRecord& r : SampleHistory(100000, "Ann", kNow, 300)) {
        if (!db.Append({r})) _exit(1);
        if (::write(pipeFds[1], "w", 1) != 1) _exit(1);
      }
      _exit(0);
    }
    ::close(pipeFds[1]);
    char c;
    int read = 0;
    while (read < acknowledged && ::read(pipeFds[0], &c, 1) == 1)
      ++read;
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ::close(pipeFds[0]);
    ASSERT_EQ(read, acknowledged);
    ASSERT_TRUE(WIFSIGNALED(status));

    HistoryDb db(Path());
    auto rows = db.Rows();
    ASSERT_TRUE(rows) << db.Error().toStdString();
    EXPECT_TRUE(db.TakeNotice().isEmpty());
    EXPECT_GE(int(rows->size()), acknowledged);
    QSqlDatabase check = QSqlDatabase::addDatabase("QSQLITE", "check");
    check.setDatabaseName(Path());
    ASSERT_TRUE(check.open());
    QSqlQuery q(check);
    ASSERT_TRUE(q.exec("PRAGMA integrity_check") && q.next());
    EXPECT_EQ(q.value(0).toString(), "ok");
    q = QSqlQuery();
    check.close();
    check = QSqlDatabase();
    QSqlDatabase::removeDatabase("check");
  }
}

// The disk fills: the games wait in memory and are said unwritten; once
// there is room again the next write takes them all.
TEST_F(HistoryDbTest, FullDiskKeepsGamesUntilThereIsRoom) {
  const int status = InChild([&] {
    HistoryRecorder rec(Path());
    if (!rec.Db().Open()) return 10;
    rec.Db().Close();
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    LimitFileSize(QFileInfo(Path()).size() + 8192);
    int finished = 0;
    while (rec.Pending() == 0 && finished < 5000) {
      rec.BeginDeal("Ann", 32, uint32_t(finished + 1), DealKind::Random);
      rec.NoteMove();
      rec.Finish(GameResult::Lost, -52);
      ++finished;
    }
    if (rec.Pending() == 0) return 11;
    QString reason;
    if (rec.Flush(&reason) || !reason.contains("could not be recorded")) return 12;
    setrlimit(RLIMIT_FSIZE, &old);
    if (!rec.Flush(&reason)) return 13;
    return rec.Db().Count() == finished ? 0 : 14;
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
