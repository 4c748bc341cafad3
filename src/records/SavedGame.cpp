// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/SavedGame.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <set>

#include "platform/SafeFile.h"
#include "records/Catalogue.h"
#include "records/Players.h"

namespace {

const QByteArray kMagic = "wenlo-saved-game";
constexpr int kMaxPiles = 255;
constexpr int kPoolCards = 104;
// Table coordinates and sizes are a few thousand pixels at most; anything
// beyond this is damage, not a table.
constexpr int kMaxCoordinate = 100000;

QByteArray Checksum(const QByteArray& body) {
  return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

QByteArray Num(qint64 v) {
  return QByteArray::number(v);
}

// The reader: one line at a time, each split on single blanks.
class Reader {
 public:
  explicit Reader(QList<QByteArray> lines) : lines_(std::move(lines)) {}

  // The next line's words when it starts with `keyword` and has `words`
  // words in all; otherwise fails with a reason.
  bool Line(const char* keyword, int words, QList<QByteArray>& out) {
    if (pos_ >= lines_.size()) return Fail(QStringLiteral("ends before '%1'").arg(keyword));
    out = lines_[pos_].split(' ');
    ++pos_;
    if (out.isEmpty() || out[0] != keyword)
      return Fail(QStringLiteral("line %1: expected '%2'").arg(pos_).arg(keyword));
    if (out.size() != words)
      return Fail(
          QStringLiteral("line %1: '%2' needs %3 fields").arg(pos_).arg(keyword).arg(words));
    return true;
  }

  // A decimal number in lo..hi: an optional minus and 1..10 digits, nothing else.
  bool Int(const QByteArray& text, qint64 lo, qint64 hi, qint64& value) {
    const int start = text.startsWith('-') ? 1 : 0;
    const int digits = int(text.size()) - start;
    bool ok = digits >= 1 && digits <= 10;
    for (int i = start; ok && i < text.size(); ++i)
      ok = text[i] >= '0' && text[i] <= '9';
    if (ok) value = text.toLongLong(&ok);
    if (!ok || value < lo || value > hi)
      return Fail(
          QStringLiteral("line %1: bad number '%2'").arg(pos_).arg(QString::fromLatin1(text)));
    return true;
  }
  template <typename T>
  bool Get(const QByteArray& text, qint64 lo, qint64 hi, T& out) {
    qint64 v = 0;
    if (!Int(text, lo, hi, v)) return false;
    out = T(v);
    return true;
  }
  bool Label(const QByteArray& text, const char* label) {
    if (text == label) return true;
    return Fail(QStringLiteral("line %1: expected '%2'").arg(pos_).arg(label));
  }
  bool AtEnd() const { return pos_ >= lines_.size(); }
  bool Fail(const QString& why) {
    if (error_.isEmpty()) error_ = why;
    return false;
  }
  const QString& Error() const { return error_; }

 private:
  QList<QByteArray> lines_;
  int pos_ = 0;
  QString error_;
};

bool ParseHeader(Reader& r, SavedGame& g) {
  QList<QByteArray> w;
  int version = 0;
  if (!r.Line(kMagic.constData(), 2, w) || !r.Get(w[1], 0, 1000000, version)) return false;
  if (version != kSavedGameVersion)
    return r.Fail(QStringLiteral("written by another version (%1)").arg(version));
  if (!r.Line("player", 2, w)) return false;
  g.Player = QString::fromUtf8(QByteArray::fromPercentEncoding(w[1]));
  if (g.Player.isEmpty() || g.Player != NormalizePlayerName(g.Player))
    return r.Fail(QStringLiteral("bad player name"));
  if (!r.Line("game", 12, w)) return false;
  return r.Get(w[1], 0, kGameCount - 1, g.GameIndex) && r.Label(w[2], "number") &&
         r.Get(w[3], 0, 4294967295LL, g.Number) && r.Label(w[4], "score") &&
         r.Get(w[5], -2147483647LL - 1, 2147483647LL, g.Score) && r.Label(w[6], "rotation") &&
         r.Get(w[7], -1, 1000000, g.Rotation) && r.Label(w[8], "redeal") &&
         r.Get(w[9], -1, 1, g.RedealButton) && r.Label(w[10], "autoplay") &&
         r.Get(w[11], 0, 1, g.AutoPlay);
}

bool ParsePiles(Reader& r, SavedGame& g) {
  QList<QByteArray> w;
  int pileCount = 0;
  if (!r.Line("piles", 2, w) || !r.Get(w[1], 0, kMaxPiles, pileCount)) return false;
  std::set<int> pileIds, cardIds;
  for (int p = 0; p < pileCount; ++p) {
    SavedPile pile;
    int cards = 0;
    const int c = kMaxCoordinate;
    if (!r.Line("pile", 10, w) || !r.Get(w[1], 1, kMaxPiles, pile.Id) ||
        !r.Get(w[2], -c, c, pile.Left) || !r.Get(w[3], -c, c, pile.Top) ||
        !r.Get(w[4], 0, c, pile.Width) || !r.Get(w[5], 0, c, pile.Height) ||
        !r.Get(w[6], -c, c, pile.VShift) || !r.Get(w[7], -c, c, pile.GShift) ||
        !r.Get(w[8], 0, 1, pile.Visible) || !r.Get(w[9], 0, kPoolCards, cards))
      return false;
    if (!pileIds.insert(pile.Id).second) return r.Fail(QStringLiteral("pile listed twice"));
    for (int k = 0; k < cards; ++k) {
      SavedCard card;
      if (!r.Line("card", 6, w) || !r.Get(w[1], 1, kPoolCards, card.Id) ||
          !r.Get(w[2], 0, 1, card.FaceUp) || !r.Get(w[3], 0, 1, card.Visible) ||
          !r.Get(w[4], -c, c, card.Left) || !r.Get(w[5], -c, c, card.Top))
        return false;
      if (!cardIds.insert(card.Id).second) return r.Fail(QStringLiteral("card listed twice"));
      pile.Cards.push_back(card);
    }
    g.Piles.push_back(std::move(pile));
  }
  // The drawing order names every card on the table and every pile once.
  if (!r.Line("order", int(cardIds.size() + pileIds.size()) + 1, w)) return false;
  std::set<int> ordered;
  for (int k = 1; k < w.size(); ++k) {
    int id = 0;
    if (!r.Get(w[k], -kMaxPiles, kPoolCards, id)) return false;
    const bool known = id > 0 ? cardIds.count(id) > 0 : pileIds.count(-id) > 0;
    if (!known || !ordered.insert(id).second)
      return r.Fail(QStringLiteral("drawing order does not match the piles and cards"));
    g.ZOrder.push_back(id);
  }
  return true;
}

bool ParseHistory(Reader& r, SavedGame& g) {
  QList<QByteArray> w;
  int count = 0;
  if (!r.Line("history", 3, w) || !r.Get(w[2], 0, kMaxSavedMoves, count) ||
      !r.Get(w[1], -1, count - 1, g.HistoryIndex))
    return false;
  g.History.reserve(size_t(count));
  for (int k = 0; k < count; ++k) {
    SavedMove m;
    const int c = kMaxCoordinate;
    if (!r.Line("move", 9, w) || !r.Get(w[1], 0, 1, m.Animated) ||
        !r.Get(w[2], -c, c, m.SourceLeft) || !r.Get(w[3], -c, c, m.SourceTop) ||
        !r.Get(w[4], 0, 2, m.Kind) || !r.Get(w[5], 0, kMaxPiles, m.SourceId) ||
        !r.Get(w[6], 0, kMaxPiles, m.DestId) || !r.Get(w[7], 0, 1, m.Flip) ||
        !r.Get(w[8], 0, 255, m.CardNo))
      return false;
    g.History.push_back(m);
  }
  return true;
}

}  // namespace

QString SavedGamePath(const QString& playersFile) {
  return QFileInfo(playersFile).dir().filePath(QStringLiteral("savedgame.txt"));
}

QByteArray FormatSavedGame(const SavedGame& g) {
  QByteArray out;
  out += kMagic + ' ' + Num(kSavedGameVersion) + '\n';
  out += "player " + g.Player.toUtf8().toPercentEncoding() + '\n';
  out += "game " + Num(g.GameIndex) + " number " + Num(g.Number) + " score " + Num(g.Score) +
         " rotation " + Num(g.Rotation) + " redeal " + Num(g.RedealButton) + " autoplay " +
         Num(g.AutoPlay) + '\n';
  out += "piles " + Num(qint64(g.Piles.size())) + '\n';
  for (const SavedPile& p : g.Piles) {
    out += "pile " + Num(p.Id) + ' ' + Num(p.Left) + ' ' + Num(p.Top) + ' ' + Num(p.Width) + ' ' +
           Num(p.Height) + ' ' + Num(p.VShift) + ' ' + Num(p.GShift) + ' ' + Num(p.Visible) + ' ' +
           Num(qint64(p.Cards.size())) + '\n';
    for (const SavedCard& c : p.Cards)
      out += "card " + Num(c.Id) + ' ' + Num(c.FaceUp) + ' ' + Num(c.Visible) + ' ' + Num(c.Left) +
             ' ' + Num(c.Top) + '\n';
  }
  out += "order";
  for (int id : g.ZOrder)
    out += ' ' + Num(id);
  out += '\n';
  out += "history " + Num(g.HistoryIndex) + ' ' + Num(qint64(g.History.size())) + '\n';
  for (const SavedMove& m : g.History)
    out += "move " + Num(m.Animated) + ' ' + Num(m.SourceLeft) + ' ' + Num(m.SourceTop) + ' ' +
           Num(m.Kind) + ' ' + Num(m.SourceId) + ' ' + Num(m.DestId) + ' ' + Num(m.Flip) + ' ' +
           Num(m.CardNo) + '\n';
  out += "check " + Checksum(out) + '\n';
  return out;
}

std::optional<SavedGame> ParseSavedGame(const QByteArray& bytes, QString* error) {
  auto fail = [&](const QString& why) -> std::optional<SavedGame> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (bytes.size() > kMaxSavedGameBytes) return fail(QStringLiteral("too large"));
  // The check line closes the file; it covers every byte before it.
  if (!bytes.endsWith('\n')) return fail(QStringLiteral("truncated"));
  const qsizetype checkAt = bytes.lastIndexOf("\ncheck ", bytes.size() - 2);
  if (checkAt < 0) return fail(QStringLiteral("no check line"));
  const QByteArray body = bytes.left(checkAt + 1);
  const QByteArray sum = bytes.mid(checkAt + 7, bytes.size() - checkAt - 8);
  if (sum != Checksum(body)) return fail(QStringLiteral("check does not match (damaged file)"));

  QList<QByteArray> lines = body.split('\n');
  lines.removeLast();  // after the final newline
  Reader r(std::move(lines));
  SavedGame g;
  if (!ParseHeader(r, g) || !ParsePiles(r, g) || !ParseHistory(r, g)) return fail(r.Error());
  if (!r.AtEnd()) return fail(QStringLiteral("unexpected lines after the history"));
  return g;
}

std::optional<SavedGame> ReadSavedGame(const QString& path, QString* error) {
  auto fail = [&](const QString& why) -> std::optional<SavedGame> {
    if (error) *error = why;
    return std::nullopt;
  };
  const QFileInfo info(path);
  if (!info.exists()) return fail(QStringLiteral("no saved game"));
  // A FIFO or a device would block or never end: only plain files are read.
  if (!info.isFile()) return fail(QStringLiteral("not a regular file"));
  if (info.size() > kMaxSavedGameBytes) return fail(QStringLiteral("too large"));
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return fail(f.errorString());
  // Read at most one byte past the limit, in case the file grew meanwhile.
  const QByteArray bytes = f.read(kMaxSavedGameBytes + 1);
  return ParseSavedGame(bytes, error);
}

bool WriteSavedGame(const QString& path, const SavedGame& game, QString* error) {
  // The same writer as the statistics: only onto a regular file (a planted
  // link to a device or a dangling one is refused), the old file kept whole
  // until the new one is complete and synced.
  SafeFileWriter writer(path);
  if (writer.Write(FormatSavedGame(game))) return true;
  if (error) *error = writer.Reason();
  return false;
}

bool RemoveSavedGame(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return true;
  return QFile::remove(path);
}
