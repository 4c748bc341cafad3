#include "fuzz/FuzzTargets.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <variant>

#include "app/ScriptDriver.h"
#include "art/Background.h"
#include "cardtable/CardImageCache.h"
#include "platform/Jpeg.h"
#include "records/Players.h"
#include "records/SavedGame.h"
#include "records/Settings.h"

namespace Fuzz {
namespace {

[[noreturn]] void Broken(const char* target, const char* promise, const QString& detail) {
  std::fprintf(stderr, "fuzz target %s: broken promise: %s %s\n", target, promise,
               qPrintable(detail));
  std::abort();
}

#define FUZZ_CHECK(target, cond, detail) \
  if (!(cond)) Broken(target, #cond, detail)

QByteArray Bytes(const uint8_t* d, size_t n) {
  return QByteArray(reinterpret_cast<const char*>(d), qsizetype(n));
}

// --- players.dat ------------------------------------------------------------
// Byte 0: the player count in the settings; byte 1: whether the settings were
// damaged or unreadable and the active index; the rest is the file.

void Players(const uint8_t* d, size_t n) {
  if (n < 2) return;
  AppSettings s;
  s.PlayersCount = d[0] % 9;
  s.Damaged = d[1] & 1;
  if (d[1] & 2) s.Unreadable = QStringLiteral("fuzz");
  s.ActivePlayer = int(d[1] >> 2) - 2;
  for (int k = 1; k <= s.PlayersCount; ++k)
    s.PlayerNames << (d[0] & 0x80 ? QStringLiteral(" same ") : QStringLiteral("P%1").arg(k));
  FileRead file;
  file.Status = FileReadStatus::Ok;
  file.Data = Bytes(d + 2, n - 2);
  const PlayerList list = PlayersFromFile(s, file, QStringLiteral("players.dat"));
  const bool countKnown = !s.Damaged && s.Unreadable.isEmpty();
  const char* t = "players";
  FUZZ_CHECK(t, list.Count() >= 1 && list.Count() <= kMaxPlayers, QString::number(list.Count()));
  FUZZ_CHECK(t, list.IsIndex(list.ActivePlayer()), QString::number(list.ActivePlayer()));
  if (countKnown && s.PlayersCount > 0) FUZZ_CHECK(t, list.Count() == s.PlayersCount, "");
  // Settings that lost their count never make a save drop a block.
  if (!countKnown) {
    FUZZ_CHECK(t, qint64{list.Count()} * kPlayerStatsBytes >= file.Data.size(),
               QString::number(list.Count()));
  }
  FUZZ_CHECK(t, list.SaveRefused().isEmpty() == s.Unreadable.isEmpty(), list.SaveRefused());
  QSet<QString> seen;
  for (int i = 0; i < list.Count(); ++i) {
    const QString& name = list.Name(i);
    FUZZ_CHECK(t, !name.isEmpty() && name.size() <= kMaxPlayerNameLength, name);
    FUZZ_CHECK(t, !seen.contains(name.toCaseFolded()), name);
    seen.insert(name.toCaseFolded());
    const QByteArray block = file.Data.mid(qsizetype{i} * kPlayerStatsBytes, kPlayerStatsBytes);
    if ((s.PlayersCount > 0 || !countKnown) && block.size() == kPlayerStatsBytes)
      FUZZ_CHECK(t, list.Stats(i).ToBytes() == block, QString::number(i));
  }
}

std::vector<QByteArray> PlayersSeeds() {
  QByteArray blocks;
  for (int i = 0; i < 3 * kPlayerStatsBytes; ++i)
    blocks += char(i * 7 % 251);
  return {QByteArray("\x03\x00", 2) + blocks, QByteArray("\x00\x01", 2) + blocks,
          QByteArray("\x02\x0a", 2) + blocks.left(5000)};
}

// --- the settings file --------------------------------------------------------
// The bytes are the file. Whatever it holds, reading gives values in their
// ranges, and a file made from it afterwards is sound and reads back the same.

void Settings(const uint8_t* d, size_t n) {
  const QByteArray bytes = Bytes(d, n);
  const AppSettings s = SettingsFromBytes(bytes);
  const char* t = "settings";
  FUZZ_CHECK(t, IsGameIndex(s.GameIndex), "");
  FUZZ_CHECK(t, s.Back >= 1 && s.Back <= kBackCount, "");
  FUZZ_CHECK(t, s.UndoOption >= 0 && s.UndoOption <= 2, "");
  FUZZ_CHECK(t, s.BoardColor >= 0 && s.BoardColor <= 0xFFFFFF, "");
  FUZZ_CHECK(t, s.PatternType >= 0 && s.PatternType <= 2, "");
  FUZZ_CHECK(t, s.PlayersCount >= 0 && s.PlayersCount <= kMaxPlayers, "");
  FUZZ_CHECK(t, s.PlayerNames.size() == s.PlayersCount, "");
  FUZZ_CHECK(t, s.ActivePlayer >= 0 && s.ActivePlayer < std::max(1, s.PlayersCount), "");
  QString why;
  const QByteArray made = MakeSettingsFile(bytes, s, &why);
  FUZZ_CHECK(t, !made.isEmpty(), why);
  const AppSettings back = SettingsFromBytes(made);
  FUZZ_CHECK(t, !back.Damaged, QString::fromUtf8(made.toHex()));
  FUZZ_CHECK(t,
             back.GameIndex == s.GameIndex && back.PlayersCount == s.PlayersCount &&
                 back.PlayerNames == s.PlayerNames && back.PatternFile == s.PatternFile &&
                 back.GameOptions == s.GameOptions && back.Statistics == s.Statistics,
             QString::fromUtf8(made.toHex()));
}

std::vector<QByteArray> SettingsSeeds() {
  AppSettings s;
  s.GameIndex = 32;
  s.PlayersCount = 2;
  s.PlayerNames = {QStringLiteral("Ann"), QStringLiteral("Zoë, #1")};
  s.PatternFile = QStringLiteral("/home/ann/a b=c;d.jpg");
  s.GameOptions[3] = {-2, 300, 400, 500, 1};
  const QByteArray sound = MakeSettingsFile(QByteArray(), s);
  return {sound, "[Cards]\nGame=0x1f\nBack=banana\n[Players]\nPlayers=3\nU1=\"a,b\"\n",
          QByteArray("[Players]\nPlayers=3\nU1=A\0B\n", 26), "\xff\xfe[Players]\nPlayers=2\n",
          "[Other]\nKey=@ByteArray(\\0\\x1)\nList=a, b, c\n"};
}

// --- card-images.bin ----------------------------------------------------------
// Byte 0 odd: the file is sealed again (its checksum made right), so the
// checks behind the checksum are reached.

void CardImages(const uint8_t* d, size_t n) {
  if (n < 1) return;
  QByteArray data = Bytes(d + 1, n - 1);
  if ((d[0] & 1) && data.size() >= 8) {
    const quint64 sum = CardImageCache::Checksum(data.constData(), data.size() - 8);
    std::memcpy(data.data() + data.size() - 8, &sum, 8);
  }
  const CardImageCache::Contents c = CardImageCache::Decode(data);
  const char* t = "card-images";
  if (!c.ok) {
    FUZZ_CHECK(t, c.entries.empty() && !c.why.isEmpty(), c.why);
    return;
  }
  for (const CardImageCache::Entry& e : c.entries) {
    FUZZ_CHECK(t, e.number >= 1 && e.number <= 76, QString::number(e.number));
    FUZZ_CHECK(t, e.image.format() == QImage::Format_RGB32 && e.image.width() >= 1, "");
  }
  if (!c.entries.empty()) (void)CardImageCache::DoubtAbout(c.entries, c.entries[0].image.size());
  const CardImageCache::Contents again =
      CardImageCache::Decode(CardImageCache::Encode(c.fingerprint, c.entries));
  FUZZ_CHECK(t, again.ok && again.entries.size() == c.entries.size(), again.why);
  for (size_t i = 0; i < c.entries.size(); ++i)
    FUZZ_CHECK(t, again.entries[i].image == c.entries[i].image, QString::number(i));
}

std::vector<QByteArray> CardImagesSeeds() {
  auto image = [](QSize size, QRgb colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
  };
  std::vector<CardImageCache::Entry> entries;
  for (int k = 1; k <= 4; ++k)
    entries.push_back({k, image(QSize(8, 11), qRgb(k * 40, 10, 200))});
  entries.push_back({69, image(QSize(9, 12), qRgb(1, 2, 3))});
  const QByteArray file = CardImageCache::Encode("fingerprint", entries);
  return {"\x01" + file, QByteArray(1, '\0') + file, "\x01" + file.left(40)};
}

// --- savedgame.txt ------------------------------------------------------------
// Byte 0 odd: the check line is made right, so the parser behind it is
// reached. A game read is written and read again to the same game.

QByteArray SealSavedGame(QByteArray body) {
  const qsizetype at = body.lastIndexOf("\ncheck ");
  if (at >= 0) body.truncate(at + 1);
  if (!body.endsWith('\n')) body += '\n';
  return body + "check " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() +
         '\n';
}

void SavedGameFile(const uint8_t* d, size_t n) {
  if (n < 1) return;
  QByteArray bytes = Bytes(d + 1, n - 1);
  if (d[0] & 1) bytes = SealSavedGame(bytes);
  const std::optional<SavedGame> g = ParseSavedGame(bytes);
  if (!g) return;
  const std::optional<SavedGame> again = ParseSavedGame(FormatSavedGame(*g));
  FUZZ_CHECK("saved-game", again && *again == *g, QString());
}

std::vector<QByteArray> SavedGameSeeds() {
  SavedGame g;
  g.Player = QStringLiteral("Zoë 100%");
  g.GameIndex = 32;
  g.Number = 1234;
  g.Score = -52;
  for (int p = 1; p <= 3; ++p) {
    SavedPile pile;
    pile.Id = p;
    pile.Left = 10 * p;
    pile.Top = 115;
    pile.Width = 71;
    pile.Height = 96;
    pile.VShift = p == 2 ? 20 : 0;
    for (int c = 0; c < 3; ++c) {
      const int id = (p - 1) * 3 + c + 1;
      pile.Cards.push_back({id, c == 2, true, pile.Left, 115 + 20 * c});
      g.ZOrder.push_back(id);
    }
    g.ZOrder.push_back(-p);
    g.Piles.push_back(pile);
  }
  g.History = {{true, 10, 115, 1, 0, 0, false, 0},
               {true, 10, 155, 0, 1, 2, false, 3},
               {true, 0, 0, 2, 0, 0, false, 0}};
  g.HistoryIndex = 2;
  const QByteArray file = FormatSavedGame(g);
  return {"\x01" + file, QByteArray(1, '\0') + file};
}

// --- scripts ------------------------------------------------------------------

void Script(const uint8_t* d, size_t n) {
  const auto parsed = ParseScript(QString::fromUtf8(Bytes(d, n)));
  if (const auto* commands = std::get_if<std::vector<ScriptCommand>>(&parsed)) {
    for (const ScriptCommand& c : *commands)
      FUZZ_CHECK("script", c.line >= 1 && !c.verb.isEmpty(), c.verb);
  } else {
    FUZZ_CHECK("script", !std::get<ScriptError>(parsed).reason.isEmpty(), QString());
  }
}

std::vector<QByteArray> ScriptSeeds() {
  return {
      "# a comment\ndeal 32 1\nautoplay off\ntick 4\npile 17\npile 7\ndblpile 3\n"
      "click 10 120\ndblclick 300 40\nanswer 6\nundo\nredo\nwarnings on\nundooption 1\n"
      "drag 11 12\nkey Shift+Return\nkey Left\nhint\ndump\nnew\nrestart\nquit\n",
      "deal 45 2147483647\ntick\ntick 100000\n"};
}

// --- pictures -----------------------------------------------------------------
// Read from a file, as the background chooser's file is.

void Picture(const uint8_t* d, size_t n) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("picture"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  f.write(reinterpret_cast<const char*>(d), qint64(n));
  f.close();
  QImage img;
  if (!LoadPictureFile(img, path)) return;
  FUZZ_CHECK("picture", !img.isNull() && qint64{img.width()} * img.height() <= Jpeg::kMaxPixels,
             QString());
}

std::vector<QByteArray> PictureSeeds() {
  QImage img(13, 7, QImage::Format_RGB32);
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      img.setPixel(x, y, qRgb(x * 19, y * 30, 90));
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, "BMP");
  return {Jpeg::Encode(img, 80), bmp};
}

}  // namespace

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"players", Players, PlayersSeeds, 5 * kPlayerStatsBytes},
      {"settings", Settings, SettingsSeeds, 8192},
      {"card-images", CardImages, CardImagesSeeds, 4096},
      {"saved-game", SavedGameFile, SavedGameSeeds, 8192},
      {"script", Script, ScriptSeeds, 4096},
      {"picture", Picture, PictureSeeds, 8192},
  };
  return targets;
}

const Target* FindTarget(const char* name) {
  for (const Target& t : Targets())
    if (std::strcmp(t.name, name) == 0) return &t;
  return nullptr;
}

}  // namespace Fuzz
