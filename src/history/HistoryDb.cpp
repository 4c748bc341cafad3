// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryDb.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QAtomicInt connections;

// SQLite's primary result codes for a file that is not a sound database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADb = 26;

bool IsDamage(const QSqlError& e) {
  bool ok = false;
  const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
  return ok && (code == kSqliteCorrupt || code == kSqliteNotADb);
}

QString Reason(const QSqlError& e) {
  return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

// Step i brings the schema from version i to i + 1. A released step is never
// changed: a later version adds a step.
const std::vector<std::vector<const char*>>& Migrations() {
  static const std::vector<std::vector<const char*>> steps = {
      {
          "CREATE TABLE games (id INTEGER PRIMARY KEY, player TEXT NOT NULL,"
          " game INTEGER NOT NULL, number INTEGER NOT NULL, start_ms INTEGER NOT NULL,"
          " end_ms INTEGER NOT NULL, play_ms INTEGER NOT NULL, moves INTEGER NOT NULL,"
          " undos INTEGER NOT NULL, hints INTEGER NOT NULL, solved INTEGER NOT NULL,"
          " score INTEGER NOT NULL, result TEXT NOT NULL, dealt TEXT NOT NULL)",
          "CREATE INDEX games_by_player ON games (player, end_ms)",
          "CREATE TABLE in_play (player TEXT PRIMARY KEY, game INTEGER NOT NULL,"
          " number INTEGER NOT NULL, start_ms INTEGER NOT NULL, play_ms INTEGER NOT NULL,"
          " moves INTEGER NOT NULL, undos INTEGER NOT NULL, hints INTEGER NOT NULL,"
          " solved INTEGER NOT NULL, score INTEGER NOT NULL, dealt TEXT NOT NULL)",
      },
  };
  return steps;
}

const char* const kColumns =
    "player, game, number, start_ms, end_ms, play_ms, moves, undos, hints, solved, score, "
    "result, dealt";
// For reading: the names as numbers (the order of GameResult and
// DealKind, -1 for a name that is not ours), so a long history is read
// without a string per name.
const char* const kDealtAsNumber =
    "CASE dealt WHEN 'chosen number' THEN 0 WHEN 'random' THEN 1 WHEN 'winnable-only' THEN 2 "
    "WHEN 'deal of the day' THEN 3 ELSE -1 END";
QString ReadColumns() {
  return QStringLiteral(
             "game, number, start_ms, end_ms, play_ms, moves, undos, hints, solved, score, "
             "CASE result WHEN 'won' THEN 0 WHEN 'lost' THEN 1 WHEN 'abandoned' THEN 2 ELSE -1 "
             "END, %1, player")
      .arg(QLatin1String(kDealtAsNumber));
}

// One row of ReadColumns() (of the player named, or the one it names);
// nothing when its names are not ours.
std::optional<GameRecord> ReadRow(const QSqlQuery& q, const QString& player) {
  const int result = q.value(10).toInt(), dealt = q.value(11).toInt();
  if (result < 0 || result > int(GameResult::Abandoned) || dealt < 0 ||
      dealt > int(DealKind::DealOfTheDay))
    return std::nullopt;
  GameRecord r;
  r.Player = player.isEmpty() ? q.value(12).toString() : player;
  r.Game = q.value(0).toInt();
  r.Number = uint32_t(q.value(1).toLongLong());
  r.StartMs = q.value(2).toLongLong();
  r.EndMs = q.value(3).toLongLong();
  r.PlayMs = q.value(4).toLongLong();
  r.Moves = q.value(5).toInt();
  r.Undos = q.value(6).toInt();
  r.Hints = q.value(7).toInt();
  r.Solved = q.value(8).toInt() != 0;
  r.Score = q.value(9).toInt();
  r.Result = GameResult(result);
  r.Dealt = DealKind(dealt);
  return r;
}

// Binds a game's values in kColumns order; a game in play has no end and
// no result yet.
void Bind(QSqlQuery& q, const GameRecord& r, bool finished) {
  QVariantList v = {r.Player, r.Game, qint64(r.Number), r.StartMs};
  if (finished) v << r.EndMs;
  v << r.PlayMs << r.Moves << r.Undos << r.Hints << int(r.Solved) << r.Score;
  if (finished) v << ResultName(r.Result);
  v << DealKindName(r.Dealt);
  for (int i = 0; i < v.size(); ++i)
    q.bindValue(i, v[i]);
}

// Ends a write transaction begun with BEGIN IMMEDIATE: commits when ok,
// else rolls back and keeps the first error.
bool Finish(QSqlDatabase& db, bool ok, QSqlError* err) {
  QSqlQuery end(db);
  if (ok && end.exec(QStringLiteral("COMMIT"))) return true;
  if (ok) *err = end.lastError();
  QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
  return false;
}

}  // namespace

QString HistoryFilePath(const QString& playersFile) {
  return QFileInfo(playersFile).dir().filePath(QString::fromLatin1(HistoryDb::kFileName));
}

HistoryDb::HistoryDb(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("wenlo-history-%1").arg(connections.fetchAndAddRelaxed(1))) {}

HistoryDb::~HistoryDb() {
  Close();
}

QString HistoryDb::TakeNotice() {
  return std::exchange(notice_, QString());
}

void HistoryDb::Close() {
  open_ = false;
  if (!QSqlDatabase::contains(connection_)) return;
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

HistoryDb::Opened HistoryDb::Connect() {
  const QFileInfo fi(path_);
  // SQLite would open a FIFO or a device as well; neither can hold a
  // history, and neither is ours to move away.
  if ((fi.exists() && !fi.isFile()) || (fi.isSymLink() && !fi.exists())) {
    error_ = QStringLiteral("not a regular file");
    return Opened::Unusable;
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  if (!db.isValid()) {
    error_ = QStringLiteral("Qt's SQLite driver is not installed");
    return Opened::Unusable;
  }
  db.setDatabaseName(path_);
  // Another process writing the same file holds it for a moment; wait.
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  if (!db.open()) {
    error_ = Reason(db.lastError());
    return Opened::Unusable;
  }
  QSqlQuery q(db);
  auto number = [&](const QString& sql, qint64* out) {
    if (!q.exec(sql) || !q.next()) return false;
    *out = q.value(0).toLongLong();
    return true;
  };
  qint64 appId = 0, version = 0, objects = 0;
  if (!number(QStringLiteral("PRAGMA application_id"), &appId) ||
      !number(QStringLiteral("PRAGMA user_version"), &version) ||
      !number(QStringLiteral("SELECT count(*) FROM sqlite_master"), &objects)) {
    error_ = Reason(q.lastError());
    return IsDamage(q.lastError()) ? Opened::Damaged : Opened::Unusable;
  }
  if (appId != kApplicationId && (appId != 0 || objects > 0)) {
    error_ = QStringLiteral("it is not a game history");
    return Opened::Damaged;
  }
  if (version > kSchemaVersion) {
    error_ = QStringLiteral("it was written by a newer version of the program");
    return Opened::Unusable;
  }
  // WAL: a commit is one append to the log, readers never block the writer.
  // NORMAL syncs at checkpoints: a killed process loses nothing committed,
  // only a power cut may lose the last games (never the file).
  q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
  q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
  return Opened::Ours;
}

bool HistoryDb::Migrate() {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  QSqlQuery q(db);
  // IMMEDIATE: two programs upgrading at once take turns, and the second
  // then finds the work done.
  if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    error_ = Reason(q.lastError());
    return false;
  }
  QSqlError err;
  bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
  const int from = ok ? q.value(0).toInt() : 0;
  for (int step = from; ok && step < kSchemaVersion; ++step)
    for (const char* sql : Migrations()[size_t(step)])
      if (ok && !q.exec(QString::fromLatin1(sql))) ok = false;
  if (ok && from < kSchemaVersion)
    ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) &&
         q.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
  if (!ok) err = q.lastError();
  if (!Finish(db, ok, &err)) {
    error_ = Reason(err);
    return false;
  }
  return true;
}

bool HistoryDb::Open() {
  if (open_) return true;
  error_.clear();
  switch (Connect()) {
    case Opened::Damaged:
      return StartAfresh(error_);
    case Opened::Unusable:
      Close();
      return false;
    case Opened::Ours:
      break;
  }
  if (!Migrate()) {
    Close();
    return false;
  }
  open_ = true;
  return true;
}

bool HistoryDb::StartAfresh(const QString& why) {
  Close();
  QString aside;
  if (QFileInfo::exists(path_)) {
    const QString base = path_ + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= 1000 && aside.isEmpty(); ++n) {
      const QString name = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
      // QFile::rename never replaces a file that is there.
      if (!QFileInfo::exists(name) && QFile::rename(path_, name)) aside = name;
    }
    if (aside.isEmpty()) {
      error_ = QStringLiteral("it is damaged (%1) and could not be moved aside").arg(why);
      return false;
    }
    // The log belongs to the damaged file: it goes with it.
    if (QFileInfo::exists(path_ + QStringLiteral("-wal")))
      QFile::rename(path_ + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(path_ + QStringLiteral("-shm"));
  }
  notice_ = aside.isEmpty()
                ? QStringLiteral("could not be read (%1); a new history was started.").arg(why)
                : QStringLiteral(
                      "could not be read (%1). It was kept as %2 and a new history "
                      "was started.")
                      .arg(why, aside);
  error_.clear();
  if (Connect() != Opened::Ours || !Migrate()) {
    Close();
    return false;
  }
  open_ = true;
  return true;
}

template <typename Work>
bool HistoryDb::WithRetry(Work work, QString* reason) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!Open()) {
      if (reason) *reason = error_;
      return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlError err;
    if (work(db, &err)) return true;
    if (attempt == 0 && IsDamage(err) && StartAfresh(Reason(err))) continue;
    if (reason) *reason = Reason(err);
    return false;
  }
  return false;
}

bool HistoryDb::Append(const std::vector<GameRecord>& rows, QString* reason) {
  return WithRetry(
      [&](QSqlDatabase& db, QSqlError* err) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
          *err = q.lastError();
          return false;
        }
        bool ok = q.prepare(QStringLiteral("INSERT INTO games (%1) VALUES "
                                           "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                .arg(QLatin1String(kColumns)));
        for (size_t i = 0; ok && i < rows.size(); ++i) {
          Bind(q, rows[i], true);
          ok = q.exec();
        }
        if (!ok) *err = q.lastError();
        return Finish(db, ok, err);
      },
      reason);
}

std::optional<std::vector<GameRecord>> HistoryDb::Rows(const QString& player, QString* reason) {
  std::vector<GameRecord> rows;
  const bool ok = WithRetry(
      [&](QSqlDatabase& db, QSqlError* err) {
        rows.clear();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString sql = QStringLiteral("SELECT %1 FROM games").arg(ReadColumns());
        if (!player.isEmpty()) sql += QStringLiteral(" WHERE player = ?");
        sql += QStringLiteral(" ORDER BY end_ms DESC, id DESC");
        if (!q.prepare(sql)) {
          *err = q.lastError();
          return false;
        }
        if (!player.isEmpty()) q.bindValue(0, player);
        if (!q.exec()) {
          *err = q.lastError();
          return false;
        }
        while (q.next())
          if (auto r = ReadRow(q, player)) rows.push_back(std::move(*r));
        // A damaged page may show only when the reading reaches it.
        if (q.lastError().isValid()) {
          *err = q.lastError();
          return false;
        }
        return true;
      },
      reason);
  if (!ok) return std::nullopt;
  return rows;
}

qint64 HistoryDb::Count() {
  qint64 n = -1;
  WithRetry(
      [&](QSqlDatabase& db, QSqlError* err) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT count(*) FROM games")) || !q.next()) {
          *err = q.lastError();
          return false;
        }
        n = q.value(0).toLongLong();
        return true;
      },
      nullptr);
  return n;
}

bool HistoryDb::KeepInPlay(const GameRecord& r, QString* reason) {
  return WithRetry(
      [&](QSqlDatabase& db, QSqlError* err) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO in_play (player, game, number, start_ms, play_ms, moves, "
            "undos, hints, solved, score, dealt) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Bind(q, r, false);
        if (q.exec()) return true;
        *err = q.lastError();
        return false;
      },
      reason);
}

std::optional<GameRecord> HistoryDb::TakeInPlay(const QString& player) {
  std::optional<GameRecord> found;
  WithRetry(
      [&](QSqlDatabase& db, QSqlError* err) {
        found.reset();
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
          *err = q.lastError();
          return false;
        }
        // In the games' column order, so ReadRow reads it; it has no end yet.
        bool ok = q.prepare(
            QStringLiteral("SELECT game, number, start_ms, 0, play_ms, moves, undos, hints, "
                           "solved, score, 1, %1 FROM in_play WHERE player = ?")
                .arg(QLatin1String(kDealtAsNumber)));
        q.bindValue(0, player);
        ok = ok && q.exec();
        if (ok && q.next()) found = ReadRow(q, player);
        q.finish();
        if (ok) {
          q.prepare(QStringLiteral("DELETE FROM in_play WHERE player = ?"));
          q.bindValue(0, player);
          ok = q.exec();
        }
        if (!ok) *err = q.lastError();
        return Finish(db, ok, err);
      },
      nullptr);
  return found;
}
