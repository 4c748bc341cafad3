#include <map>
#include <mutex>
#include <tuple>

#include "art/CardArt.h"
#include "cardtable/Cardscmp.h"

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
};

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
  if (s.images[k].isNull()) s.images[k] = AsRgb32(CardArt::CardImage(k));
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
  if (s.sized.size() >= kMaxSized) s.sized.clear();
  return s.sized.emplace(key, AsRgb32(CardArt::CardImage(k, size))).first->second;
}

void Prepare(QSize size, int back) {
  for (int k = 1; k <= 52; ++k)
    Image(k, size);
  Image(kCardMask, size);
  if (back >= 1 && back <= 13) Image(52 + back, size);
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
