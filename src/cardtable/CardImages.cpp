#include "art/CardArt.h"
#include "cardtable/Cardscmp.h"

namespace CardImages {

namespace {
struct Store {
  QImage images[kCount + 1];
  QImage empty;
  QByteArray plysel;
  QByteArray turn;
  Store() {
    for (int k = 1; k <= kCount; ++k) {
      QImage img = CardArt::CardImage(k);
      if (!img.isNull() && img.format() != QImage::Format_RGB32)
        img = img.convertToFormat(QImage::Format_RGB32);
      images[k] = img;
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

const QByteArray& SoundPlysel() {
  return TheStore().plysel;
}
const QByteArray& SoundTurn() {
  return TheStore().turn;
}

}  // namespace CardImages
