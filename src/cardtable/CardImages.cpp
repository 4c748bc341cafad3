#include <map>
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

struct Store {
  QImage images[kCount + 1];
  std::map<std::tuple<int, int, int>, QImage> sized;
  QImage empty;
  QByteArray plysel;
  QByteArray turn;
  Store() {
    for (int k = 1; k <= kCount; ++k) {
      images[k] = AsRgb32(CardArt::CardImage(k));
    }
    plysel = CardArt::SoundWav("PLYSEL");
    turn = CardArt::SoundWav("TURN");
  }
};

Store& TheStore() {
  // Loaded on first use and kept until exit, shared by every card.
  static Store store;
  return store;
}
}  // namespace

const QImage& Image(int k) {
  Store& s = TheStore();
  if (k < 1 || k > kCount) return s.empty;
  return s.images[k];
}

QImage Image(int k, QSize size) {
  Store& s = TheStore();
  if (k < 1 || k > kCount) return s.empty;
  if (size == QSize(CardArt::kCardWidth, CardArt::kCardHeight)) return s.images[k];
  const auto key = std::make_tuple(k, size.width(), size.height());
  auto it = s.sized.find(key);
  if (it != s.sized.end()) return it->second;
  if (s.sized.size() >= kMaxSized) s.sized.clear();
  return s.sized.emplace(key, AsRgb32(CardArt::CardImage(k, size))).first->second;
}

const QByteArray& SoundPlysel() {
  return TheStore().plysel;
}
const QByteArray& SoundTurn() {
  return TheStore().turn;
}

}  // namespace CardImages
