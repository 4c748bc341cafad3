// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>
#include <QtEndian>
#include <algorithm>
#include <limits>

#include "platform/FileLock.h"
#include "platform/Language.h"
#include "platform/SafeFile.h"

namespace {

const QString kCards = QStringLiteral("Cards");
const QString kPlayers = QStringLiteral("Players");
const QString kGameOptionsKey = QStringLiteral("Game_Options");
const QString kStatisticsKey = QStringLiteral("Statistics");
// What this version writes as "Version"; the value read is kept but unused.
const QString kWrittenVersion = QStringLiteral("2.0");

std::optional<int32_t> IntFromVariant(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::QString:
      return ParseStoredInteger(v.toString());
    case QMetaType::QByteArray:
      return ParseStoredInteger(QString::fromUtf8(v.toByteArray()));
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong: {
      const qlonglong n = v.toLongLong();
      if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
      }
      return static_cast<int32_t>(n);
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
      // A registry DWORD arrives unsigned; keep its 32-bit pattern.
      const qulonglong n = v.toULongLong();
      if (n > std::numeric_limits<uint32_t>::max()) return std::nullopt;
      return static_cast<int32_t>(static_cast<uint32_t>(n));
    }
    default:
      return std::nullopt;  // missing value, list, binary of another kind...
  }
}

int ReadInt(QSettings& store, const QString& key, int fallback) {
  return IntFromVariant(store.value(key)).value_or(fallback);
}

bool ReadBool(QSettings& store, const QString& key, bool fallback) {
  return ReadInt(store, key, fallback ? 1 : 0) != 0;
}

QString ReadString(QSettings& store, const QString& key, const QString& fallback) {
  const QVariant v = store.value(key);
  switch (v.typeId()) {
    case QMetaType::QString:
      return v.toString();
    case QMetaType::QStringList:
      // An unquoted text with commas in a hand-edited file comes back as a
      // list; it was meant as one text.
      return v.toStringList().join(QLatin1Char(','));
    default:
      return fallback;
  }
}

void WriteInt(QSettings& store, const QString& key, int value) {
  store.setValue(key, QString::number(value));
}

void WriteBool(QSettings& store, const QString& key, bool value) {
  store.setValue(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

// QSettings parses a section only when it is first used, and only then
// notes that it could not: every section is parsed here so the status tells.
bool Unparsable(QSettings& store) {
  (void)store.allKeys();
  return store.status() == QSettings::FormatError;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int16_t LoadI16(const char* p) {
  return qFromLittleEndian<qint16>(p);
}
uint16_t LoadU16(const char* p) {
  return qFromLittleEndian<quint16>(p);
}

// Absurd numbers from a damaged or hand-edited store come back to a value the
// rest of the program can use; see the header of each rule.
void Sanitize(AppSettings& s) {
  const AppSettings defaults;
  if (!IsGameIndex(s.GameIndex)) s.GameIndex = defaults.GameIndex;
  if (s.Back < 1 || s.Back > kBackCount) s.Back = defaults.Back;
  if (s.UndoOption < 0 || s.UndoOption > 2) s.UndoOption = defaults.UndoOption;
  if (s.BoardColor < 0 || s.BoardColor > 0xFFFFFF) s.BoardColor = defaults.BoardColor;
  if (s.PatternType < 0 || s.PatternType > 2) s.PatternType = defaults.PatternType;
  if (s.AnimationSpeed < 0 || s.AnimationSpeed > 3) s.AnimationSpeed = defaults.AnimationSpeed;
  if (s.WinnableGrade < 0 || s.WinnableGrade > 4) s.WinnableGrade = defaults.WinnableGrade;
  if (s.CardFaces < 0 || s.CardFaces > 2) s.CardFaces = defaults.CardFaces;
  s.Language = Language::Normalized(s.Language);
  s.PlayersCount = std::clamp(s.PlayersCount, 0, kMaxPlayers);
  if (s.ActivePlayer < 0 || s.ActivePlayer >= std::max(s.PlayersCount, 1)) s.ActivePlayer = 0;
  // Games test AutoPlay == 0 for "On"; anything but the two known values
  // falls back to the default so the dialog's choice shows what games do.
  for (int i = 0; i < kGameCount; ++i) {
    TGameOption& o = s.GameOptions[static_cast<size_t>(i)];
    if (o.AutoPlay != 0 && o.AutoPlay != 1) o.AutoPlay = 0;
  }
}

}  // namespace

std::optional<int32_t> ParseStoredInteger(const QString& text) {
  const QString t = text.trimmed();
  if (t.size() >= 2 && t[0] == QLatin1Char('0') &&
      (t[1] == QLatin1Char('x') || t[1] == QLatin1Char('X'))) {
    const qsizetype digits = t.size() - 2;
    if (digits < 1 || digits > 8) return std::nullopt;
    uint32_t v = 0;
    for (qsizetype i = 2; i < t.size(); ++i) {
      const char16_t c = t[i].unicode();
      uint32_t d;
      if (c >= u'0' && c <= u'9') {
        d = c - u'0';
      } else if (c >= u'a' && c <= u'f') {
        d = c - u'a' + 10;
      } else if (c >= u'A' && c <= u'F') {
        d = c - u'A' + 10;
      } else {
        return std::nullopt;
      }
      v = v * 16 + d;
    }
    return static_cast<int32_t>(v);
  }
  qsizetype i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
    negative = t[i] == QLatin1Char('-');
    ++i;
  }
  if (i >= t.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    const char16_t c = t[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c - u'0');
    if (v > int64_t{1} << 31) return std::nullopt;  // beyond any 32-bit value
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(v);
}

QByteArray GameOptionsToBytes(const TGameOptions& options) {
  QByteArray bytes(kGameOptionsBytes, '\0');
  char* p = bytes.data();
  for (const TGameOption& o : options) {
    qToLittleEndian<qint16>(o.Top, p);
    qToLittleEndian<qint16>(o.Left, p + 2);
    qToLittleEndian<qint16>(o.Height, p + 4);
    qToLittleEndian<qint16>(o.Width, p + 6);
    qToLittleEndian<qint16>(o.AutoPlay, p + 8);
    p += kGameOptionBytes;
  }
  return bytes;
}

QByteArray RegStatisticsToBytes(const RegStatistics& stats) {
  QByteArray bytes(kRegStatisticsBytes, '\0');
  char* p = bytes.data();
  for (const RegStatPair& s : stats) {
    qToLittleEndian<quint16>(s.Lost, p);
    qToLittleEndian<quint16>(s.Won, p + 2);
    p += kRegStatBytes;
  }
  return bytes;
}

bool ApplyGameOptionsValue(const QVariant& value, TGameOptions& options) {
  if (!value.isValid()) return true;  // no value: the defaults stay
  if (value.typeId() != QMetaType::QByteArray || value.toByteArray().size() > kGameOptionsBytes) {
    options = TGameOptions{};
    return false;
  }
  const QByteArray bytes = value.toByteArray();
  const qsizetype records = bytes.size() / kGameOptionBytes;
  for (qsizetype i = 0; i < records; ++i) {
    const char* p = bytes.constData() + i * kGameOptionBytes;
    TGameOption& o = options[static_cast<size_t>(i)];
    o.Top = LoadI16(p);
    o.Left = LoadI16(p + 2);
    o.Height = LoadI16(p + 4);
    o.Width = LoadI16(p + 6);
    o.AutoPlay = LoadI16(p + 8);
  }
  return true;
}

bool ApplyRegStatisticsValue(const QVariant& value, RegStatistics& stats) {
  if (!value.isValid()) return true;
  if (value.typeId() != QMetaType::QByteArray || value.toByteArray().size() > kRegStatisticsBytes) {
    stats = RegStatistics{};
    return false;
  }
  const QByteArray bytes = value.toByteArray();
  const qsizetype records = bytes.size() / kRegStatBytes;
  for (qsizetype i = 0; i < records; ++i) {
    const char* p = bytes.constData() + i * kRegStatBytes;
    stats[static_cast<size_t>(i)] = RegStatPair{LoadU16(p), LoadU16(p + 2)};
  }
  return true;
}

AppSettings ReadSettings(QSettings& store) {
  AppSettings s;
  store.beginGroup(kCards);
  s.Version = ReadString(store, QStringLiteral("Version"), s.Version);
  s.GameIndex = ReadInt(store, QStringLiteral("Game"), s.GameIndex);
  s.Back = ReadInt(store, QStringLiteral("Back"), s.Back);
  s.Warnings = ReadBool(store, QStringLiteral("Warnings"), s.Warnings);
  s.UndoOption = ReadInt(store, QStringLiteral("UndoOption"), s.UndoOption);
  s.BoardColor = ReadInt(store, QStringLiteral("BoardColor"), s.BoardColor);
  s.PatternType = ReadInt(store, QStringLiteral("Pattern_Type"), s.PatternType);
  s.PatternName = ReadString(store, QStringLiteral("Pattern_Name"), s.PatternName);
  s.PatternFile = ReadString(store, QStringLiteral("Pattern_File"), s.PatternFile);
  s.PlaySound = ReadBool(store, QStringLiteral("Play_Sound"), s.PlaySound);
  s.Tray = ReadBool(store, QStringLiteral("Tray"), s.Tray);
  store.endGroup();

  store.beginGroup(kPlayers);
  s.PlayersCount = ReadInt(store, QStringLiteral("Players"), s.PlayersCount);
  s.ActivePlayer = ReadInt(store, QStringLiteral("Active_Player"), s.ActivePlayer);
  store.endGroup();

  store.beginGroup(kCards);
  s.ShowEmpty = ReadBool(store, QStringLiteral("Show_Empty"), s.ShowEmpty);
  s.StatState = ReadInt(store, QStringLiteral("StatState"), s.StatState);
  s.StatusBar = ReadBool(store, QStringLiteral("StatusBar"), s.StatusBar);
  s.Resume = ReadBool(store, QStringLiteral("Resume"), s.Resume);
  s.SolverVerdict = ReadBool(store, QStringLiteral("SolverVerdict"), s.SolverVerdict);
  s.AskAbandon = ReadBool(store, QStringLiteral("AskAbandon"), s.AskAbandon);
  s.Toolbar = ReadBool(store, QStringLiteral("Toolbar"), s.Toolbar);
  s.AnimationSpeed = ReadInt(store, QStringLiteral("AnimationSpeed"), s.AnimationSpeed);
  s.WinnableOnly = ReadBool(store, QStringLiteral("WinnableOnly"), s.WinnableOnly);
  s.WinnableGrade = ReadInt(store, QStringLiteral("WinnableGrade"), s.WinnableGrade);
  s.CardFaces = ReadInt(store, QStringLiteral("CardFaces"), s.CardFaces);
  s.Language = ReadString(store, QStringLiteral("Language"), s.Language);
  store.endGroup();

  ApplyGameOptionsValue(store.value(kGameOptionsKey), s.GameOptions);

  // The count decides both what follows and how much we allocate, so it is
  // brought into range before it is used.
  s.PlayersCount = std::clamp(s.PlayersCount, 0, kMaxPlayers);
  if (s.PlayersCount > 0) {
    store.beginGroup(kPlayers);
    for (int k = 1; k <= s.PlayersCount; ++k) {
      s.PlayerNames.append(
          ReadString(store, QStringLiteral("U") + QString::number(k), QStringLiteral("Default")));
    }
    store.endGroup();
  } else {
    ApplyRegStatisticsValue(store.value(kStatisticsKey), s.Statistics);
  }

  s.Damaged = Unparsable(store);
  Sanitize(s);
  return s;
}

bool WriteSettings(QSettings& store, const AppSettings& s) {
  const bool garbled = Unparsable(store);
  const QByteArray garbledBytes = garbled ? ReadWholeFile(store.fileName()) : QByteArray();

  store.beginGroup(kCards);
  store.setValue(QStringLiteral("Version"), kWrittenVersion);
  WriteInt(store, QStringLiteral("Game"), s.GameIndex);
  WriteInt(store, QStringLiteral("Back"), s.Back);
  WriteBool(store, QStringLiteral("Warnings"), s.Warnings);
  WriteInt(store, QStringLiteral("UndoOption"), s.UndoOption);
  WriteInt(store, QStringLiteral("BoardColor"), s.BoardColor);
  WriteInt(store, QStringLiteral("Pattern_Type"), s.PatternType);
  store.setValue(QStringLiteral("Pattern_Name"), s.PatternName);
  store.setValue(QStringLiteral("Pattern_File"), s.PatternFile);
  WriteBool(store, QStringLiteral("Play_Sound"), s.PlaySound);
  WriteBool(store, QStringLiteral("Tray"), s.Tray);
  WriteBool(store, QStringLiteral("Show_Empty"), s.ShowEmpty);
  store.endGroup();

  store.beginGroup(kPlayers);
  WriteInt(store, QStringLiteral("Active_Player"), s.ActivePlayer);
  WriteInt(store, QStringLiteral("Players"), s.PlayersCount);
  store.endGroup();

  store.beginGroup(kCards);
  WriteInt(store, QStringLiteral("StatState"), s.StatState);
  WriteBool(store, QStringLiteral("StatusBar"), s.StatusBar);
  WriteBool(store, QStringLiteral("Resume"), s.Resume);
  WriteBool(store, QStringLiteral("SolverVerdict"), s.SolverVerdict);
  WriteBool(store, QStringLiteral("AskAbandon"), s.AskAbandon);
  WriteBool(store, QStringLiteral("Toolbar"), s.Toolbar);
  WriteInt(store, QStringLiteral("AnimationSpeed"), s.AnimationSpeed);
  WriteBool(store, QStringLiteral("WinnableOnly"), s.WinnableOnly);
  WriteInt(store, QStringLiteral("WinnableGrade"), s.WinnableGrade);
  WriteInt(store, QStringLiteral("CardFaces"), s.CardFaces);
  store.setValue(QStringLiteral("Language"), s.Language);
  store.endGroup();

  store.setValue(kStatisticsKey, RegStatisticsToBytes(s.Statistics));

  store.beginGroup(kPlayers);
  for (int k = 1; k <= s.PlayersCount; ++k) {
    const QString name =
        k <= s.PlayerNames.size() ? s.PlayerNames[k - 1] : QStringLiteral("Default");
    store.setValue(QStringLiteral("U") + QString::number(k), name);
  }
  store.endGroup();

  store.setValue(kGameOptionsKey, GameOptionsToBytes(s.GameOptions));

  store.sync();
  switch (store.status()) {
    case QSettings::NoError:
      return true;
    case QSettings::FormatError:
      // The status keeps the first error met, so a store whose old contents
      // could not be parsed still says FormatError after a good write; the
      // file itself tells whether the write happened.
      return garbled && ReadWholeFile(store.fileName()) != garbledBytes;
    default:
      return false;
  }
}

std::unique_ptr<QSettings> OpenSettingsStore() {
#ifdef Q_OS_WIN
  return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Tamsel Cards"),
                                     QSettings::NativeFormat);
#else
  // Organisation only, no application: "$XDG_CONFIG_HOME/Tamsel Cards.conf".
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Tamsel Cards"));
#endif
}

namespace {

// A settings file larger than this is not ours.
constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

// QSettings never touches the real file: it would follow links, block on a
// FIFO, read without bound and replace the file without syncing it. It works
// on a private copy instead, and the real file is read with a bound and
// replaced through SafeFileWriter.
class ScratchStore {
 public:
  // A private file holding `contents`: beside `besidePath` when it is given,
  // where a killed run's copy is found and removed at the next start, else
  // (or when that fails) in the system's temporary folder.
  explicit ScratchStore(const QByteArray& contents, const QString& besidePath = QString()) {
    QStringList patterns;
    if (!besidePath.isEmpty()) {
      patterns << besidePath + QLatin1String(SafeFileWriter::kTempMarker) +
                      QString::number(QCoreApplication::applicationPid()) +
                      QStringLiteral("-XXXXXX");
    }
    patterns << QString();
    for (const QString& pattern : patterns) {
      dir_.reset();
      if (pattern.isEmpty()) {
        dir_.emplace();
      } else {
        dir_.emplace(pattern);
      }
      if (!dir_->isValid()) continue;
      path_ = dir_->filePath(QStringLiteral("settings.conf"));
      QFile copy(path_);
      if (copy.open(QIODevice::WriteOnly) && copy.write(contents) == contents.size() &&
          copy.flush()) {
        return;
      }
      path_.clear();
    }
  }
  bool Valid() const { return !path_.isEmpty(); }
  // Whether `bytes` as a settings file holds exactly the keys and values of
  // `store`. Parsed from a second file, because QSettings objects on one file
  // share what they hold in memory.
  bool HoldsAllOf(QSettings& store, const QByteArray& bytes) const {
    const QString checkPath = dir_->filePath(QStringLiteral("check.conf"));
    QFile check(checkPath);
    if (!check.open(QIODevice::WriteOnly) || check.write(bytes) != bytes.size() || !check.flush())
      return false;
    check.close();
    QSettings read(checkPath, QSettings::IniFormat);
    if (Unparsable(read)) return false;
    const QStringList keys = store.allKeys();
    if (read.allKeys() != keys) return false;
    for (const QString& key : keys) {
      if (read.value(key) != store.value(key)) return false;
    }
    return true;
  }
  const QString& Path() const { return path_; }

 private:
  std::optional<QTemporaryDir> dir_;
  QString path_;
};

// A settings file holds text: a NUL byte is damage even where QSettings
// passes over it.
AppSettings ReadBytes(const QByteArray& bytes, const QString& besidePath) {
  AppSettings s;
  ScratchStore scratch(bytes, besidePath);
  if (!scratch.Valid()) return s;
  QSettings store(scratch.Path(), QSettings::IniFormat);
  s = ReadSettings(store);
  s.Damaged = s.Damaged || bytes.contains('\0');
  return s;
}

// MakeSettingsFile with the scratch copy beside besidePath; `damaged` says
// whether `current` was.
QByteArray MakeFile(const QByteArray& current, const AppSettings& settings,
                    const QString& besidePath, bool* damaged, QString* reason) {
  auto fail = [&](const QString& why) {
    if (reason) *reason = why;
    return QByteArray();
  };
  // A damaged file is not carried on: what QSettings makes of it may not
  // even be written back (a key it cannot name), and the player was given
  // the file as it was.
  bool bad = current.contains('\0');
  if (!bad) {
    ScratchStore probe(current, besidePath);
    if (!probe.Valid()) return fail(QStringLiteral("no room for a temporary copy"));
    QSettings store(probe.Path(), QSettings::IniFormat);
    bad = Unparsable(store);
  }
  // A sound file whose other values do not come back the same once written
  // (a key QSettings reads but cannot name again) is treated as damaged: it
  // is kept aside by the caller and our values are written alone.
  for (;;) {
    if (damaged) *damaged = bad;
    ScratchStore scratch(bad ? QByteArray() : current, besidePath);
    if (!scratch.Valid()) return fail(QStringLiteral("no room for a temporary copy"));
    QSettings store(scratch.Path(), QSettings::IniFormat);
    // A private copy: the real file is replaced safely afterwards, so the
    // copy needs no save file of its own (and no sync to the disk).
    store.setAtomicSyncRequired(false);
    if (!WriteSettings(store, settings))
      return fail(QStringLiteral("cannot write a temporary copy"));
    const FileRead made = ReadRegularFile(scratch.Path(), kMaxSettingsFileBytes);
    if (!made.Ok()) return fail(made.Reason);
    // QSettings reports success even when its file was cut short (a full
    // disk, a size limit): what it wrote is read back and must hold every
    // value.
    if (scratch.HoldsAllOf(store, made.Data)) return made.Data;
    if (bad) return fail(QStringLiteral("the settings could not be written whole (disk full?)"));
    bad = true;
  }
}

constexpr int kLockWaitMs = 2000;

}  // namespace

AppSettings SettingsFromBytes(const QByteArray& bytes) {
  return ReadBytes(bytes, QString());
}

QByteArray MakeSettingsFile(const QByteArray& current, const AppSettings& settings,
                            QString* reason) {
  return MakeFile(current, settings, QString(), nullptr, reason);
}

#ifdef Q_OS_WIN

QString SettingsFilePath() {
  return OpenSettingsStore()->fileName();
}

AppSettings LoadAppSettings(LoadReport*) {
  std::unique_ptr<QSettings> store = OpenSettingsStore();
  AppSettings s = ReadSettings(*store);
  ClampGameOptions(s.GameOptions, AvailableScreenRects());
  return s;
}

bool SaveAppSettings(const AppSettings& settings, QString* reason) {
  std::unique_ptr<QSettings> store = OpenSettingsStore();
  const bool ok = WriteSettings(*store, settings);
  if (!ok && reason) *reason = QStringLiteral("the registry refused the values");
  return ok;
}

#else

// The name QSettings gives the organisation's file, worked out without
// opening it: QSettings reads the file as soon as it is made.
QString SettingsFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Tamsel Cards.conf");
}

AppSettings LoadAppSettings(LoadReport* problems) {
  const QString path = SettingsFilePath();
  SafeFileWriter::RemoveLeftovers(QFileInfo(path).absolutePath());
  auto report = [&](const QString& what) {
    if (problems) problems->Add(path, what);
  };
  const QString leftAlone = QStringLiteral(
      "it is left as it is, and neither the settings nor the statistics of this session will "
      "be saved");
  AppSettings s;
  const FileRead file = ReadRegularFile(path, kMaxSettingsFileBytes);
  if (file.Ok()) {
    s = ReadBytes(file.Data, path);
    if (s.Damaged) {
      QString why;
      const QString kept = KeepAside(path, file.Data, QStringLiteral("damaged"), &why);
      if (kept.isEmpty()) {
        s.Unreadable = QStringLiteral("damaged, and no copy of it could be kept: ") + why;
        report(s.Unreadable + QStringLiteral("; ") + leftAlone);
      } else {
        report(QStringLiteral("damaged; a copy is kept as %1 and the settings that could still "
                              "be read are used")
                   .arg(QFileInfo(kept).fileName()));
      }
    }
  } else if (file.Status != FileReadStatus::Missing) {
    // There, but not readable (no permission, an I/O error, too large,
    // not a file): not a first start, and nothing may be saved over it.
    s.Unreadable = file.Reason;
    report(QStringLiteral("could not be read (%1); ").arg(file.Reason) + leftAlone);
  }
  ClampGameOptions(s.GameOptions, AvailableScreenRects());
  return s;
}

bool SaveAppSettings(const AppSettings& settings, QString* reason) {
  auto fail = [&](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  if (!settings.Unreadable.isEmpty())
    return fail(QStringLiteral("left as it was: it could not be read at start (%1)")
                    .arg(settings.Unreadable));
  const QString path = SettingsFilePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  const FileRead current = ReadRegularFile(path, kMaxSettingsFileBytes);
  // What cannot be read is not replaced: its values would be lost. Something
  // that is not a file at all is refused by the writer, which says what.
  if (current.Status == FileReadStatus::Failed || current.Status == FileReadStatus::TooLarge)
    return fail(QStringLiteral("left as it was: it cannot be read (%1)").arg(current.Reason));
  bool damaged = false;
  QString why;
  const QByteArray contents = MakeFile(current.Data, settings, path, &damaged, &why);
  if (contents.isEmpty()) return fail(why);
  // Damaged since start-up (else this names the copy made then).
  if (damaged && KeepAside(path, current.Data, QStringLiteral("damaged"), &why).isEmpty())
    return fail(QStringLiteral("damaged, and no copy of it could be kept: ") + why);
  // The lock older versions take around this write. The save is atomic, so
  // it goes ahead when the lock cannot be had in time.
  LockFile lock(path + QStringLiteral(".lock"));
  lock.Take(kLockWaitMs);
  SafeFileWriter writer(path);
  if (!writer.Write(contents)) return fail(writer.Reason());
  return true;
}

#endif

QRect ClampToScreens(const QRect& window, const QList<QRect>& screens) {
  QList<QRect> usable;
  for (const QRect& s : screens) {
    if (s.isValid() && !s.isEmpty()) usable.append(s);
  }
  if (usable.isEmpty()) return window;

  const TGameOption defaults;
  const int width = window.width() > 0 ? window.width() : defaults.Width;
  const int height = window.height() > 0 ? window.height() : defaults.Height;
  const QRect wanted(window.left(), window.top(), width, height);

  // The screen showing most of the window; when it shows on none, the screen
  // whose centre is nearest to the window's.
  qsizetype best = -1;
  int64_t bestArea = 0;
  for (qsizetype i = 0; i < usable.size(); ++i) {
    const QRect overlap = wanted.intersected(usable[i]);
    const int64_t area = int64_t{overlap.width()} * overlap.height();
    if (!overlap.isEmpty() && area > bestArea) {
      bestArea = area;
      best = i;
    }
  }
  if (best < 0) {
    const auto centreX = [](const QRect& r) { return int64_t{r.left()} * 2 + r.width(); };
    const auto centreY = [](const QRect& r) { return int64_t{r.top()} * 2 + r.height(); };
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (qsizetype i = 0; i < usable.size(); ++i) {
      const int64_t dx = centreX(usable[i]) - centreX(wanted);
      const int64_t dy = centreY(usable[i]) - centreY(wanted);
      // Coordinates are well inside 32 bits, so the squares fit in 64.
      const int64_t distance = dx * dx + dy * dy;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = i;
      }
    }
  }
  const QRect& screen = usable[best];
  const int w = std::min(width, screen.width());
  const int h = std::min(height, screen.height());
  const int left = std::clamp(wanted.left(), screen.left(), screen.left() + screen.width() - w);
  const int top = std::clamp(wanted.top(), screen.top(), screen.top() + screen.height() - h);
  return QRect(left, top, w, h);
}

QList<QRect> AvailableScreenRects() {
  QList<QRect> rects;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return rects;
  for (const QScreen* screen : QGuiApplication::screens()) {
    rects.append(screen->availableGeometry());
  }
  return rects;
}

QRect GameOptionRect(const TGameOption& option) {
  return QRect(option.Left, option.Top, option.Width, option.Height);
}

void ClampGameOptions(TGameOptions& options, const QList<QRect>& screens) {
  const auto to16 = [](int v) {
    return static_cast<int16_t>(std::clamp<int>(v, std::numeric_limits<int16_t>::min(),
                                                std::numeric_limits<int16_t>::max()));
  };
  for (int i = 0; i < kGameCount; ++i) {
    TGameOption& o = options[static_cast<size_t>(i)];
    const QRect r = ClampToScreens(GameOptionRect(o), screens);
    o.Left = to16(r.left());
    o.Top = to16(r.top());
    o.Width = to16(r.width());
    o.Height = to16(r.height());
  }
}
