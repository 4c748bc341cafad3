// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

#include "art/CardArt.h"
#include "cardtable/CardImageCache.h"
#include "cardtable/Cardscmp.h"
#include "platform/SafeFile.h"

namespace CardImages {

namespace {
// Drawn images at other sizes. A view uses at most two widths and two
// heights per zoom (its rounding rule), so a few hundred entries hold every
// image of one zoom; beyond that the cache starts again from empty.
constexpr size_t kMaxSized = 640;

QImage AsRgb32(QImage img) {
  if (!img.isNull() && img.format() != QImage::Format_RGB32)
    img = img.convertToFormat(QImage::Format_RGB32);
  return img;
}

std::atomic<int> drawn{0};
std::atomic<CardArt::FaceStyle> faceStyle{CardArt::FaceStyle::Standard};

// Every image the store draws goes through here.
QImage Draw(int k, QSize size) {
  ++drawn;
  return AsRgb32(CardArt::CardImage(k, size, faceStyle));
}

bool IsFace(int k) {
  return k >= 1 && k <= 52;
}

// The file of an earlier start's images, read and checked (not yet matched
// against this art).
struct Kept {
  FileReadStatus status = FileReadStatus::Missing;
  CardImageCache::Contents contents;
  QString why;
};

Kept ReadKept(const QString& file) {
  Kept k;
  const FileRead read = ReadRegularFile(file, CardImageCache::kMaxFileBytes);
  k.status = read.Status;
  k.why = read.Reason;
  if (read.Ok()) {
    k.contents = CardImageCache::Decode(read.Data);
    k.why = k.contents.why;
  }
  return k;
}

// Every image is drawn when first asked for, not all at start: a table shows
// a few dozen of them, and drawing the rest would delay the first frame.
// Sounds are made only when one is first played. One lock guards the store
// because a table on a worker thread (the solver's) may ask for images too.
struct Store {
  std::mutex lock;
  QImage images[kCount + 1];
  std::map<std::tuple<int, int, int>, QImage> sized;
  QImage empty;
  QByteArray plysel;
  QByteArray turn;
  // The file of the last start's images: the sizes it was read for, and
  // which images in the store came from it.
  QString diskFile;
  std::set<std::pair<int, int>> diskTried;
  std::set<std::tuple<int, int, int>> fromDisk;
  // The file as read at start-up on a thread of its own, while the window
  // is being made; the first image asked for waits for it.
  std::future<Kept> early;
};

using Key = std::tuple<int, int, int>;  // image number, width, height

bool IsNative(int w, int h) {
  return w == CardArt::kCardWidth && h == CardArt::kCardHeight;
}

// A view rounds its card rectangles to whole pixels, so one zoom shows
// images a pixel wider or taller than others.
bool Near(int w, int h, QSize size) {
  return std::abs(w - size.width()) <= 1 && std::abs(h - size.height()) <= 1;
}

// Images from the file that are drawn again and compared, per size: any
// renumbering or swap of the whole set shows in the first, and two cost a
// few per cent of drawing the set.
constexpr int kSpotChecks = 2;

// Why the file's images at (about) `size` are not to be believed, or empty.
QString Doubt(const std::vector<CardImageCache::Entry>& entries, QSize size) {
  QString why = CardImageCache::DoubtAbout(entries, size);
  if (!why.isEmpty()) return why;
  std::vector<const CardImageCache::Entry*> near;
  for (const CardImageCache::Entry& e : entries)
    if (Near(e.image.width(), e.image.height(), size)) near.push_back(&e);
  for (int i = 0; i < kSpotChecks && !near.empty(); ++i) {
    const CardImageCache::Entry& e =
        *near[QRandomGenerator::global()->bounded(quint32(near.size()))];
    if (Draw(e.number, e.image.size()) != e.image)
      return QStringLiteral("image %1 is not the one this program draws").arg(e.number);
  }
  return QString();
}

void Warn(const QString& what) {
  std::fprintf(stderr, "wenlo-solitaire: %s\n", qPrintable(what));
}

// Takes from the file the images at (about) `size`, once per size. The lock
// is held.
void LoadNear(Store& s, QSize size) {
  if (size.width() < 8 || size.height() < 8) return;  // too small to draw at all
  if (s.diskFile.isEmpty() || !s.diskTried.insert({size.width(), size.height()}).second) return;
  Kept kept = s.early.valid() ? s.early.get() : ReadKept(s.diskFile);
  if (kept.status == FileReadStatus::Missing) return;
  if (kept.contents.ok && kept.contents.fingerprint != CardArt::CacheFingerprint(faceStyle)) {
    kept.contents.ok = false;
    kept.why = QStringLiteral("made for other card art");
  }
  if (kept.contents.ok) {
    const QString doubt = Doubt(kept.contents.entries, size);
    if (!doubt.isEmpty()) {
      kept.contents.ok = false;
      kept.why = doubt;
    }
  }
  if (!kept.contents.ok) {
    Warn(QStringLiteral("card images of the last start not used (%1): %2")
             .arg(s.diskFile, kept.why));
    return;
  }
  for (CardImageCache::Entry& e : kept.contents.entries) {
    const int w = e.image.width(), h = e.image.height();
    if (!Near(w, h, size)) continue;
    if (IsNative(w, h)) {
      if (s.images[e.number].isNull()) s.images[e.number] = std::move(e.image);
    } else {
      s.sized.emplace(Key(e.number, w, h), std::move(e.image));
    }
    s.fromDisk.insert(Key(e.number, w, h));
  }
}

// Writes the images at (about) `size` for the next start, unless the file
// already holds all of them. The lock is held.
void SaveNear(Store& s, QSize size) {
  if (s.diskFile.isEmpty()) return;
  std::vector<CardImageCache::Entry> entries;
  bool fresh = false;
  auto take = [&](int k, const QImage& img) {
    if (img.isNull() || !Near(img.width(), img.height(), size)) return;
    entries.push_back({k, img});
    fresh = fresh || !s.fromDisk.count(Key(k, img.width(), img.height()));
  };
  for (int k = 1; k <= kCount; ++k)
    take(k, s.images[k]);
  for (const auto& [key, img] : s.sized)
    take(std::get<0>(key), img);
  if (!fresh) return;
  QDir().mkpath(QFileInfo(s.diskFile).absolutePath());
  SafeFileWriter writer(s.diskFile);
  if (!writer.Write(CardImageCache::Encode(CardArt::CacheFingerprint(faceStyle), entries))) {
    Warn(QStringLiteral("card images not kept for the next start (%1): %2")
             .arg(s.diskFile, writer.Reason()));
    s.diskFile.clear();  // one report, not one per size
    return;
  }
  for (const auto& e : entries)
    s.fromDisk.insert(Key(e.number, e.image.width(), e.image.height()));
}

Store& TheStore() {
  // Kept until exit, shared by every card.
  static Store store;
  return store;
}
}  // namespace

const QImage& Image(int k) {
  Store& s = TheStore();
  if (k < 1 || k > kCount) return s.empty;
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.images[k].isNull()) LoadNear(s, QSize(CardArt::kCardWidth, CardArt::kCardHeight));
  if (s.images[k].isNull()) s.images[k] = Draw(k, QSize(CardArt::kCardWidth, CardArt::kCardHeight));
  return s.images[k];
}

QImage Image(int k, QSize size) {
  if (size == QSize(CardArt::kCardWidth, CardArt::kCardHeight)) return Image(k);
  Store& s = TheStore();
  if (k < 1 || k > kCount) return s.empty;
  std::lock_guard<std::mutex> hold(s.lock);
  const auto key = std::make_tuple(k, size.width(), size.height());
  auto it = s.sized.find(key);
  if (it != s.sized.end()) return it->second;
  LoadNear(s, size);
  it = s.sized.find(key);
  if (it != s.sized.end()) return it->second;
  if (s.sized.size() >= kMaxSized) {
    s.sized.clear();
    s.fromDisk.clear();
  }
  return s.sized.emplace(key, Draw(k, size)).first->second;
}

void Prepare(QSize size, int back) {
  for (int k = 1; k <= 52; ++k)
    Image(k, size);
  Image(kCardMask, size);
  if (back >= 1 && back <= 13) Image(52 + back, size);
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  SaveNear(s, size);
}

int DrawnCount() {
  return drawn;
}

void SetFaceStyle(CardArt::FaceStyle faces) {
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  if (faces == faceStyle) return;
  faceStyle = faces;
  for (int k = 1; k <= 52; ++k)
    s.images[k] = QImage();
  std::erase_if(s.sized, [](const auto& entry) { return IsFace(std::get<0>(entry.first)); });
  // Whatever came from the file was of the other faces. The sizes it was
  // tried at stay tried: it holds no faces of this style until Prepare
  // writes them.
  std::erase_if(s.fromDisk, [](const Key& key) { return IsFace(std::get<0>(key)); });
}

CardArt::FaceStyle FaceStyle() {
  return faceStyle;
}

void UseDiskCache(const QString& file) {
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.early.valid()) s.early.get();  // another file's: not for this one
  s.diskFile = file;
  s.diskTried.clear();
}

void ReadKeptAhead() {
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.diskFile.isEmpty() || s.early.valid() || !s.diskTried.empty()) return;
  s.early = std::async(std::launch::async, ReadKept, s.diskFile);
}

const QByteArray& SoundPlysel() {
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.plysel.isEmpty()) s.plysel = CardArt::SoundWav("PLYSEL");
  return s.plysel;
}
const QByteArray& SoundTurn() {
  Store& s = TheStore();
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.turn.isEmpty()) s.turn = CardArt::SoundWav("TURN");
  return s.turn;
}

}  // namespace CardImages
