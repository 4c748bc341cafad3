// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Players.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <cstdio>

#include "platform/SafeFile.h"

namespace {

const QString kDefaultName = QStringLiteral("Default");

// A players.dat larger than this is not ours (1000 players take 4.8 MB).
constexpr qint64 kMaxPlayersFileBytes = 16 * 1024 * 1024;

// Makes names unique regardless of case: "Name", "Name (2)"... Each base
// name remembers the next suffix to try, so a damaged store with a thousand
// equal names costs a thousand look-ups, not a million.
class UniqueNames {
 public:
  QString Take(const QString& name) {
    QString candidate = name;
    int& next = nextSuffix_[name.toCaseFolded()];
    while (taken_.contains(candidate.toCaseFolded())) {
      next = std::max(next, 2);
      const QString suffix = QStringLiteral(" (%1)").arg(next++);
      candidate =
          name.left(kMaxPlayerNameLength - static_cast<int>(suffix.size())).trimmed() + suffix;
    }
    taken_.insert(candidate.toCaseFolded());
    return candidate;
  }

 private:
  QSet<QString> taken_;
  QHash<QString, int> nextSuffix_;
};

}  // namespace

QByteArray TPlayerStats::ToBytes() const {
  QByteArray bytes(kPlayerStatsBytes, '\0');
  char* p = bytes.data();
  for (const TGameStats& g : Games) {
    qToLittleEndian<quint16>(g.Lost, p);
    qToLittleEndian<quint16>(g.Won, p + 2);
    qToLittleEndian<qint32>(g.TotalScore, p + 4);
    std::copy(g.Reserved.begin(), g.Reserved.end(), reinterpret_cast<uint8_t*>(p + 8));
    p += kGameStatsBytes;
  }
  return bytes;
}

bool TPlayerStats::ReadBytes(const QByteArray& bytes) {
  const qsizetype n = std::min<qsizetype>(bytes.size(), kPlayerStatsBytes);
  // Go through a zero-padded copy so a partial record only takes the bytes
  // that were there, exactly as reading into the block would.
  QByteArray full = ToBytes();
  std::copy(bytes.constBegin(), bytes.constBegin() + n, full.begin());
  const char* p = full.constData();
  for (TGameStats& g : Games) {
    g.Lost = qFromLittleEndian<quint16>(p);
    g.Won = qFromLittleEndian<quint16>(p + 2);
    g.TotalScore = qFromLittleEndian<qint32>(p + 4);
    std::copy(p + 8, p + kGameStatsBytes, reinterpret_cast<char*>(g.Reserved.data()));
    p += kGameStatsBytes;
  }
  return n == kPlayerStatsBytes;
}

QString NormalizePlayerName(const QString& typed) {
  return typed.trimmed().left(kMaxPlayerNameLength).trimmed();
}

const QString& PlayerList::Name(int index) const {
  static const QString none;
  return IsIndex(index) ? players_[static_cast<size_t>(index)].Name : none;
}

QStringList PlayerList::Names() const {
  QStringList names;
  for (const Player& p : players_)
    names.append(p.Name);
  return names;
}

TPlayerStats& PlayerList::Stats(int index) {
  Q_ASSERT(IsIndex(index));
  return players_.at(static_cast<size_t>(index)).Stats;
}

const TPlayerStats& PlayerList::Stats(int index) const {
  Q_ASSERT(IsIndex(index));
  return players_.at(static_cast<size_t>(index)).Stats;
}

void PlayerList::SetActivePlayer(int index) {
  active_ = IsIndex(index) ? index : 0;
}

int PlayerList::IndexOf(const QString& name) const {
  for (int i = 0; i < Count(); ++i) {
    if (players_[static_cast<size_t>(i)].Name.compare(name, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

int PlayerList::Add(const QString& name, const TPlayerStats& stats) {
  players_.push_back(Player{name, stats});
  return Count() - 1;
}

bool PlayerList::Remove(int index) {
  if (!IsIndex(index)) return false;
  players_.erase(players_.begin() + index);
  if (active_ == index) {
    active_ = 0;
  } else if (active_ > index) {
    --active_;
  }
  return true;
}

void PlayerList::Clear() {
  players_.clear();
  active_ = 0;
}

bool PlayerList::RecordLost(int player, int gameIndex, int score) {
  if (!IsIndex(player) || !IsGameIndex(gameIndex)) return false;
  TGameStats& g = Stats(player).Games[static_cast<size_t>(gameIndex)];
  g.Lost = static_cast<uint16_t>(g.Lost + 1u);
  if (score != kNoScore) {
    g.TotalScore =
        static_cast<int32_t>(static_cast<uint32_t>(g.TotalScore) + static_cast<uint32_t>(score));
  }
  return true;
}

bool PlayerList::RecordWon(int player, int gameIndex, int score) {
  if (!IsIndex(player) || !IsGameIndex(gameIndex)) return false;
  TGameStats& g = Stats(player).Games[static_cast<size_t>(gameIndex)];
  g.Won = static_cast<uint16_t>(g.Won + 1u);
  if (score != kNoScore) {
    g.TotalScore =
        static_cast<int32_t>(static_cast<uint32_t>(g.TotalScore) + static_cast<uint32_t>(score));
  }
  return true;
}

RegStatistics PlayerList::ActiveRegStatistics() const {
  RegStatistics table{};
  if (!IsIndex(active_)) return table;
  const TPlayerStats& stats = Stats(active_);
  for (size_t i = 0; i < table.size(); ++i) {
    table[i] = RegStatPair{stats.Games[i].Lost, stats.Games[i].Won};
  }
  return table;
}

QString ChoosePlayersFilePath(const QString& dataDirOverride, const QString& userDataDir) {
  const QString folder = dataDirOverride.isEmpty() ? userDataDir : dataDirOverride;
  QDir().mkpath(folder);
  return QDir(folder).filePath(QString::fromLatin1(kPlayersFileName));
}

QString ChoosePlayersFileToRead(const QString& savePath, const QString& dataDirOverride,
                                const QString& programDir) {
  if (!dataDirOverride.isEmpty() || programDir.isEmpty()) return savePath;
  if (QFileInfo::exists(savePath) || QFileInfo(savePath).isSymLink()) return savePath;
  const QString beside = QDir(programDir).filePath(QString::fromLatin1(kPlayersFileName));
  return QFileInfo(beside).isFile() ? beside : savePath;
}

bool AdoptOldFolder(const QString& oldPath, const QString& newPath, QString* reason) {
  const QFileInfo target(newPath);
  if (target.exists() || target.isSymLink()) return false;
  const QFileInfo old(oldPath);
  // A link to a folder (the player's data kept elsewhere) moves as the link.
  if (!old.isDir()) return false;
  if (!QDir().mkpath(target.absolutePath()) || !QDir().rename(oldPath, newPath)) {
    if (reason) *reason = QStringLiteral("cannot move %1 to %2").arg(oldPath, newPath);
    return false;
  }
  return true;
}

QString UserFolder(int standardLocation) {
  const QString path = QStandardPaths::writableLocation(
      static_cast<QStandardPaths::StandardLocation>(standardLocation));
  // Only the program itself takes the old folder over: a test or a tool
  // named otherwise must never move the player's files.
  if (path.isEmpty() || QCoreApplication::applicationName() != QLatin1String(kAppId)) return path;
  const QString old = QFileInfo(path).dir().filePath(QString::fromLatin1(kOldFolderName));
  QString reason;
  if (!AdoptOldFolder(old, path, &reason) && !reason.isEmpty())
    std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(reason));
  return path;
}

QString PlayersFilePath(const QString& dataDirOverride) {
  const QString path = ChoosePlayersFilePath(
      dataDirOverride,
      dataDirOverride.isEmpty() ? UserFolder(QStandardPaths::AppDataLocation) : QString());
  SafeFileWriter::RemoveLeftovers(QFileInfo(path).absolutePath());
  return path;
}

QString PlayersFileToRead(const QString& savePath, const QString& dataDirOverride) {
  const QString programDir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  return ChoosePlayersFileToRead(savePath, dataDirOverride, programDir);
}

PlayerList LoadPlayers(const AppSettings& settings, const QString& filePath, LoadReport* problems) {
  // Only a regular file is read (a FIFO would block start-up, a device never
  // end), and never more than a players file can be. At a first start whose
  // settings are sound it is not read at all.
  const bool countKnown = settings.Unreadable.isEmpty() && !settings.Damaged;
  FileRead file;
  file.Status = FileReadStatus::Missing;
  if (settings.PlayersCount > 0 || !countKnown)
    file = ReadRegularFile(filePath, kMaxPlayersFileBytes);
  return PlayersFromFile(settings, file, filePath, problems);
}

PlayerList PlayersFromFile(const AppSettings& settings, const FileRead& file,
                           const QString& filePath, LoadReport* problems) {
  PlayerList list;
  int count = std::clamp(settings.PlayersCount, 0, kMaxPlayers);
  const bool countKnown = settings.Unreadable.isEmpty() && !settings.Damaged;
  if (!countKnown && file.Ok()) {
    const qsizetype blocks = (file.Data.size() + kPlayerStatsBytes - 1) / kPlayerStatsBytes;
    count = int(std::clamp<qsizetype>(std::max<qsizetype>(count, blocks), 0, kMaxPlayers));
  }

  if (count == 0) {
    // First start, or data from before there were players: one player whose
    // counters come from the table in the settings. players.dat is not read,
    // and if one is lying there it is kept as a backup when we save.
    TPlayerStats stats;
    for (size_t i = 0; i < stats.Games.size(); ++i) {
      stats.Games[i].Lost = settings.Statistics[i].Lost;
      stats.Games[i].Won = settings.Statistics[i].Won;
    }
    list.Add(kDefaultName, stats);
    list.SetActivePlayer(0);
    const QFileInfo existing(filePath);
    list.SetKeepBackupOnSave(existing.isFile() && existing.size() > 0);
  } else {
    UniqueNames unique;
    for (int k = 1; k <= count; ++k) {
      QString name = k <= settings.PlayerNames.size()
                         ? NormalizePlayerName(settings.PlayerNames[k - 1])
                         : kDefaultName;
      if (name.isEmpty()) name = kDefaultName;
      TPlayerStats stats;
      if (file.Ok()) {
        const QByteArray block =
            file.Data.mid(qsizetype{k - 1} * kPlayerStatsBytes, kPlayerStatsBytes);
        if (!stats.ReadBytes(block)) {
          // A block cut short keeps whatever was read except its counters.
          for (TGameStats& g : stats.Games) {
            g.Lost = 0;
            g.Won = 0;
          }
        }
      }
      list.Add(unique.Take(name), stats);
    }
    list.SetActivePlayer(settings.ActivePlayer);
    // A file holding more or less than this list keeps a copy when we save;
    // a file that is missing or could not be read at all has nothing to keep.
    list.SetKeepBackupOnSave(file.Ok() && file.Data.size() != qint64{count} * kPlayerStatsBytes);
  }

  if (file.Status == FileReadStatus::Failed || file.Status == FileReadStatus::TooLarge) {
    // There, but not readable: its statistics are not these zeros, and
    // saving these over it would lose them.
    list.RefuseSave(
        QStringLiteral("left as it was: it could not be read at start (%1)").arg(file.Reason));
    if (problems) {
      problems->Add(filePath, QStringLiteral("could not be read (%1); it is left as it is, and "
                                             "the statistics of this session will not be saved")
                                  .arg(file.Reason));
    }
  } else if (file.Status == FileReadStatus::NotRegular && problems) {
    problems->Add(filePath, QStringLiteral("not a regular file; it is left as it is, and the "
                                           "statistics of this session will not be saved"));
  }
  if (!settings.Unreadable.isEmpty()) {
    list.RefuseSave(
        QStringLiteral("left as it was: the settings that name its players could not be read"));
  }
  return list;
}

bool SavePlayers(PlayerList& players, const QString& filePath, QString* reason) {
  if (!players.SaveRefused().isEmpty()) {
    if (reason) *reason = players.SaveRefused();
    return false;
  }
  QByteArray contents;
  contents.reserve(qsizetype{players.Count()} * kPlayerStatsBytes);
  for (const Player& p : players.Players())
    contents += p.Stats.ToBytes();
  if (players.KeepBackupOnSave()) {
    // The backup is a copy written as safely as the file itself, so a kill
    // at any moment leaves the old players.dat in place. A file that is
    // there but cannot be read now is not replaced without its copy.
    const FileRead old = ReadRegularFile(filePath, kMaxPlayersFileBytes);
    if (!old.Ok() && old.Status != FileReadStatus::Missing) {
      if (reason) *reason = QStringLiteral("cannot keep a backup of the old file: ") + old.Reason;
      return false;
    }
    if (old.Ok()) {
      const QString bak = filePath + QStringLiteral(".bak");
      const FileRead earlier = ReadRegularFile(bak, kMaxPlayersFileBytes);
      // An earlier backup with other contents is kept too: this one gets a
      // name of its own.
      const bool kept = earlier.Status == FileReadStatus::Missing || earlier.Data == old.Data
                            ? SafeFileWriter(bak).Write(old.Data)
                            : !KeepAside(filePath, old.Data, QStringLiteral("bak")).isEmpty();
      if (!kept) {
        if (reason) *reason = QStringLiteral("cannot keep a backup of the old file");
        return false;
      }
    }
  }
  SafeFileWriter writer(filePath);
  if (!writer.Write(contents)) {
    if (reason) *reason = writer.Reason();
    return false;
  }
  players.SetKeepBackupOnSave(false);
  return true;
}

void StorePlayersInSettings(const PlayerList& players, AppSettings& settings) {
  if (!players.SaveRefused().isEmpty()) return;
  settings.PlayersCount = players.Count();
  settings.ActivePlayer = players.ActivePlayer();
  settings.PlayerNames = players.Names();
  settings.Statistics = players.ActiveRegStatistics();
}
