// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtable/CardImageCache.h"

#include <QByteArrayView>
#include <cstdlib>
#include <cstring>
#include <set>
#include <tuple>

#include "art/CardArt.h"

namespace CardImageCache {

namespace {
constexpr char kMagic[8] = {'W', 'E', 'N', 'L', 'O', 'C', 'I', '1'};
constexpr int kMaxEntries = 1024;
constexpr int kMaxSide = 4096;

void PutU32(QByteArray& out, quint32 v) {
  out.append(reinterpret_cast<const char*>(&v), 4);
}

// Reads the file front to back, refusing to step past its end. It reads
// through a view: a QByteArray's constData() may point at Qt's one-byte
// empty array, and the optimiser, not seeing that Decode has checked the
// size, warns about copies from it.
class Reader {
 public:
  Reader(QByteArrayView data, qsizetype end) : data_(data), end_(end) {}
  bool U32(quint32* v) { return Bytes(v, 4); }
  bool Bytes(void* to, qsizetype n) {
    if (n < 0 || end_ - at_ < n) return false;
    std::memcpy(to, data_.data() + at_, size_t(n));
    at_ += n;
    return true;
  }
  qsizetype Left() const { return end_ - at_; }
  const char* Here() const { return data_.data() + at_; }
  void Skip(qsizetype n) { at_ += n; }

 private:
  QByteArrayView data_;
  qsizetype end_;
  qsizetype at_ = 0;
};
}  // namespace

// A word-wise digest in four independent lanes (so the processor runs them
// side by side): fast enough for megabytes at start-up, and any bit changed
// anywhere changes it.
quint64 Checksum(const char* p, qsizetype n) {
  constexpr quint64 kPrime = 0x100000001b3ull;
  quint64 lane[4] = {0xcbf29ce484222325ull, 0x84222325cbf29ce4ull, 0x9e3779b97f4a7c15ull,
                     0x7f4a7c159e3779b9ull};
  qsizetype i = 0;
  for (; i + 32 <= n; i += 32)
    for (int j = 0; j < 4; ++j) {
      quint64 w;
      std::memcpy(&w, p + i + 8 * j, 8);
      lane[j] = (lane[j] ^ w) * kPrime;
      lane[j] ^= lane[j] >> 29;
    }
  quint64 h = lane[0] ^ (lane[1] * 3) ^ (lane[2] * 5) ^ (lane[3] * 7);
  for (; i < n; ++i)
    h = (h ^ quint8(p[i])) * kPrime;
  return h ^ quint64(n);
}

QByteArray Encode(const QByteArray& fingerprint, const std::vector<Entry>& entries) {
  qsizetype bytes = qsizetype(sizeof kMagic) + 4 + fingerprint.size() + 4 + 8;
  for (const Entry& e : entries)
    bytes += 12 + qsizetype(e.image.width()) * e.image.height() * 4;
  QByteArray out;
  out.reserve(bytes);
  out.append(kMagic, sizeof kMagic);
  PutU32(out, quint32(fingerprint.size()));
  out.append(fingerprint);
  PutU32(out, quint32(entries.size()));
  for (const Entry& e : entries) {
    const QImage img = e.image.format() == QImage::Format_RGB32
                           ? e.image
                           : e.image.convertToFormat(QImage::Format_RGB32);
    PutU32(out, quint32(e.number));
    PutU32(out, quint32(img.width()));
    PutU32(out, quint32(img.height()));
    for (int y = 0; y < img.height(); ++y)
      out.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
  }
  const quint64 sum = Checksum(out.constData(), out.size());
  out.append(reinterpret_cast<const char*>(&sum), 8);
  return out;
}

Contents Decode(const QByteArray& data) {
  auto fail = [](const char* reason) {
    Contents c;
    c.why = QString::fromLatin1(reason);
    return c;
  };
  if (data.size() < qsizetype(sizeof kMagic) + 16) return fail("too short");
  if (std::memcmp(data.constData(), kMagic, sizeof kMagic) != 0)
    return fail("not a card image file");
  const qsizetype body = data.size() - 8;
  quint64 sum;
  std::memcpy(&sum, data.constData() + body, 8);
  if (Checksum(data.constData(), body) != sum) return fail("checksum does not match");

  Reader r(data, body);
  r.Skip(sizeof kMagic);
  quint32 printSize = 0, count = 0;
  if (!r.U32(&printSize) || printSize > quint32(r.Left())) return fail("truncated");
  Contents c;
  c.fingerprint = QByteArray(r.Here(), printSize);
  r.Skip(printSize);
  if (!r.U32(&count) || count > quint32(kMaxEntries)) return fail("bad image count");
  std::vector<Entry>& entries = c.entries;
  entries.reserve(count);
  for (quint32 i = 0; i < count; ++i) {
    quint32 number = 0, w = 0, h = 0;
    if (!r.U32(&number) || !r.U32(&w) || !r.U32(&h)) return fail("truncated");
    if (number < 1 || number > 76 || w < 1 || h < 1 || w > quint32(kMaxSide) ||
        h > quint32(kMaxSide))
      return fail("bad image header");
    Entry e;
    e.number = int(number);
    e.image = QImage(int(w), int(h), QImage::Format_RGB32);
    if (e.image.isNull()) return fail("out of memory");
    for (int y = 0; y < int(h); ++y)
      if (!r.Bytes(e.image.scanLine(y), qsizetype(w) * 4)) return fail("truncated");
    entries.push_back(std::move(e));
  }
  if (r.Left() != 0) return fail("trailing bytes");
  c.ok = true;
  return c;
}

QString DoubtAbout(const std::vector<Entry>& entries, QSize size) {
  constexpr int kFaces = 52;
  constexpr int kMask = 69;
  std::set<std::tuple<int, int, int>> seen;
  std::set<int> numbers;
  for (const Entry& e : entries) {
    const int w = e.image.width(), h = e.image.height();
    if (std::abs(w - size.width()) > 1 || std::abs(h - size.height()) > 1) continue;
    // A view rounds each edge of a card to a pixel: the size is the card's
    // scaled by one factor, give or take a pixel each way.
    if (std::abs(w * CardArt::kCardHeight - h * CardArt::kCardWidth) >
        CardArt::kCardWidth + CardArt::kCardHeight)
      return QStringLiteral("image %1 is %2 x %3, not a card's shape").arg(e.number).arg(w).arg(h);
    if (!seen.insert({e.number, w, h}).second)
      return QStringLiteral("image %1 is there twice").arg(e.number);
    numbers.insert(e.number);
  }
  if (numbers.empty()) return QString();  // nothing at this size: nothing to doubt
  for (int k = 1; k <= kFaces; ++k)
    if (!numbers.count(k)) return QStringLiteral("face %1 is missing").arg(k);
  if (!numbers.count(kMask)) return QStringLiteral("the empty-pile mark is missing");
  return QString();
}

}  // namespace CardImageCache
