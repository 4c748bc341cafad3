#include "records/Players.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>
#include <algorithm>

namespace {

const QString kDefaultName = QStringLiteral("Default");

// Really creating a file is the only reliable test: permission bits do not
// tell about read-only mounts, ACLs or a folder that does not exist.
bool CanCreateFilesIn(const QString& dir) {
  if (dir.isEmpty() || !QFileInfo(dir).isDir()) return false;
  QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".wenlo-probe-XXXXXX")));
  return probe.open();
}

// A name that is unique in the list regardless of case: "Name", "Name (2)"...
QString UniqueName(const PlayerList& list, const QString& name) {
  if (!list.Contains(name)) return name;
  for (int n = 2;; ++n) {
    const QString suffix = QStringLiteral(" (%1)").arg(n);
    const QString candidate =
        name.left(kMaxPlayerNameLength - static_cast<int>(suffix.size())).trimmed() + suffix;
    if (!list.Contains(candidate)) return candidate;
  }
}

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

QString ChoosePlayersFilePath(const QString& dataDirOverride, const QString& programDir,
                              const QString& userDataDir) {
  const QString fileName = QString::fromLatin1(kPlayersFileName);
  if (!dataDirOverride.isEmpty()) {
    QDir().mkpath(dataDirOverride);
    return QDir(dataDirOverride).filePath(fileName);
  }
  if (CanCreateFilesIn(programDir)) return QDir(programDir).filePath(fileName);
  QDir().mkpath(userDataDir);
  return QDir(userDataDir).filePath(fileName);
}

// An installed program has its desktop entry in the same prefix; it keeps
// its players in the user's data folder even where it could write beside
// itself (as root can in /usr/bin).
static bool IsInstalledProgramDir(const QString& dir) {
  return !dir.isEmpty() &&
         QFileInfo::exists(QDir(dir).filePath(QStringLiteral("../share/applications/") +
                                              QString::fromLatin1(kDesktopEntryId) + ".desktop"));
}

QString PlayersFilePath(const QString& dataDirOverride) {
  QString programDir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
  if (IsInstalledProgramDir(programDir)) programDir.clear();
  return ChoosePlayersFilePath(dataDirOverride, programDir,
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

PlayerList LoadPlayers(const AppSettings& settings, const QString& filePath) {
  PlayerList list;
  const QFileInfo existing(filePath);
  const bool fileExists = existing.exists() && existing.isFile();
  const int count = std::clamp(settings.PlayersCount, 0, kMaxPlayers);

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
    list.SetKeepBackupOnSave(fileExists && existing.size() > 0);
    return list;
  }

  QFile file(filePath);
  const bool opened = file.open(QIODevice::ReadOnly);
  for (int k = 1; k <= count; ++k) {
    QString name = k <= settings.PlayerNames.size()
                       ? NormalizePlayerName(settings.PlayerNames[k - 1])
                       : kDefaultName;
    if (name.isEmpty()) name = kDefaultName;
    TPlayerStats stats;
    if (opened) {
      const QByteArray block = file.read(kPlayerStatsBytes);
      if (!stats.ReadBytes(block)) {
        // A block cut short keeps whatever was read except its counters.
        for (TGameStats& g : stats.Games) {
          g.Lost = 0;
          g.Won = 0;
        }
      }
    }
    list.Add(UniqueName(list, name), stats);
  }
  list.SetActivePlayer(settings.ActivePlayer);
  list.SetKeepBackupOnSave(fileExists &&
                           (!opened || existing.size() != qint64{count} * kPlayerStatsBytes));
  return list;
}

bool SavePlayers(PlayerList& players, const QString& filePath) {
  QSaveFile file(filePath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const Player& p : players.Players()) {
    const QByteArray block = p.Stats.ToBytes();
    if (file.write(block) != block.size()) {
      file.cancelWriting();
      file.commit();  // discards the temporary file; the old file stays
      return false;
    }
  }
  QString backup;
  if (players.KeepBackupOnSave() && QFileInfo::exists(filePath)) {
    backup = filePath + QStringLiteral(".bak");
    QFile::remove(backup);
    if (!QFile::rename(filePath, backup)) backup.clear();
  }
  if (!file.commit()) {
    if (!backup.isEmpty()) QFile::rename(backup, filePath);
    return false;
  }
  players.SetKeepBackupOnSave(false);
  return true;
}

void StorePlayersInSettings(const PlayerList& players, AppSettings& settings) {
  settings.PlayersCount = players.Count();
  settings.ActivePlayer = players.ActivePlayer();
  settings.PlayerNames = players.Names();
  settings.Statistics = players.ActiveRegStatistics();
}
