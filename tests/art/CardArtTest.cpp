// SPDX-License-Identifier: GPL-3.0-or-later
// The generated artwork: sizes, the image/mask contract the table's
// "OR mask, then AND picture" drawing relies on, the card silhouette, the
// designs being told apart, the cursor's hot spot and the sound files.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <cstdint>
#include <cstring>
#include <vector>

#include "art/CardArt.h"
#include "art/WinArt.h"

namespace {

using CardArt::CardImage;
constexpr int W = CardArt::kCardWidth;
constexpr int H = CardArt::kCardHeight;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// The twelve pixels cut away by the two-pixel rounded corners.
bool IsCorner(int x, int y) {
  const int dx = std::min(x, W - 1 - x);
  const int dy = std::min(y, H - 1 - y);
  return dx + dy < 2;
}

bool IsClearRed(QRgb c) {
  return qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90;
}

// Pixels that are clearly ink rather than paper.
bool IsInk(QRgb c) {
  return qGray(c) < 170;
}

// Counts separate blobs of ink in a region (4-connected).
int CountBlobs(const QImage& img, const QRect& r) {
  std::vector<char> seen(static_cast<size_t>(r.width() * r.height()), 0);
  auto at = [&](int x, int y) -> char& {
    return seen[static_cast<size_t>((y - r.top()) * r.width() + (x - r.left()))];
  };
  int blobs = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (at(x, y) || !IsInk(img.pixel(x, y))) continue;
      ++blobs;
      std::vector<QPoint> stack{{x, y}};
      at(x, y) = 1;
      while (!stack.empty()) {
        const QPoint q = stack.back();
        stack.pop_back();
        const QPoint next[] = {
            {q.x() + 1, q.y()}, {q.x() - 1, q.y()}, {q.x(), q.y() + 1}, {q.x(), q.y() - 1}};
        for (const QPoint& n : next) {
          if (!r.contains(n) || at(n.x(), n.y()) || !IsInk(img.pixel(n))) continue;
          at(n.x(), n.y()) = 1;
          stack.push_back(n);
        }
      }
    }
  }
  return blobs;
}

class CardArtImages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    images_ = new std::vector<QImage>(77);
    for (int k = 1; k <= 76; ++k)
      (*images_)[k] = CardImage(k);
  }
  static void TearDownTestSuite() {
    delete images_;
    images_ = nullptr;
  }
  static const QImage& Img(int k) { return (*images_)[k]; }
  static std::vector<QImage>* images_;
};
std::vector<QImage>* CardArtImages::images_ = nullptr;

TEST_F(CardArtImages, EveryImageIsAnOpaqueCardSizedBitmapExceptSlot66) {
  for (int k = 1; k <= 76; ++k) {
    SCOPED_TRACE(k);
    if (k == 66) {
      EXPECT_TRUE(Img(k).isNull());
      continue;
    }
    ASSERT_FALSE(Img(k).isNull());
    EXPECT_EQ(Img(k).size(), QSize(W, H));
    EXPECT_EQ(Img(k).format(), QImage::Format_RGB32);
  }
  for (int k : {0, -1, 77, 1000, INT32_MIN})
    EXPECT_TRUE(CardImage(k).isNull()) << k;
}

TEST_F(CardArtImages, DrawingIsRepeatable) {
  for (int k : {1, 12, 26, 39, 52, 53, 64, 67, 71})
    EXPECT_TRUE(CardImage(k) == Img(k)) << k;
}

TEST_F(CardArtImages, MasksArePureBlackAndWhite) {
  for (int k : {69, 70, 72, 73, 74, 76}) {
    SCOPED_TRACE(k);
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        const QRgb c = Img(k).pixel(x, y);
        ASSERT_TRUE(c == kWhite || c == kBlack) << x << "," << y;
      }
    }
  }
}

TEST_F(CardArtImages, CardMaskCutsExactlyTheRoundedCornersAndSeventyIsItsInverse) {
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      ASSERT_EQ(Img(69).pixel(x, y), IsCorner(x, y) ? kBlack : kWhite) << x << "," << y;
      ASSERT_EQ(Img(70).pixel(x, y), Img(69).pixel(x, y) ^ 0x00FFFFFF) << x << "," << y;
    }
  }
}

// Where a mask is black the picture must be white, or the AND would darken
// the table there instead of letting it show through.
TEST_F(CardArtImages, PicturesAreWhiteWhereverTheirMaskLetsTheTableShow) {
  struct Pair {
    int image, mask;
  };
  std::vector<Pair> pairs = {{67, 74}, {68, 73}, {71, 72}, {75, 76}};
  for (int k = 1; k <= 65; ++k)
    pairs.push_back({k, 69});
  for (const Pair& pr : pairs) {
    SCOPED_TRACE(pr.image);
    int shown = 0;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        if (Img(pr.mask).pixel(x, y) == kBlack) {
          ASSERT_EQ(Img(pr.image).pixel(x, y), kWhite) << x << "," << y;
        } else {
          ++shown;
        }
      }
    }
    EXPECT_GT(shown, 0);
  }
}

TEST_F(CardArtImages, FacesAndBacksHaveTheCardSilhouetteWithADarkBorder) {
  for (int k = 1; k <= 65; ++k) {
    SCOPED_TRACE(k);
    const QImage& img = Img(k);
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        if (IsCorner(x, y)) {
          ASSERT_EQ(img.pixel(x, y), kWhite) << x << "," << y;
        }
      }
    }
    // The border runs along all four edges and across each corner diagonal.
    for (QPoint pt : {QPoint(W / 2, 0), QPoint(W / 2, H - 1), QPoint(0, H / 2),
                      QPoint(W - 1, H / 2), QPoint(1, 1), QPoint(W - 2, 1), QPoint(1, H - 2),
                      QPoint(W - 2, H - 2), QPoint(2, 0), QPoint(0, 2)}) {
      EXPECT_LT(qGray(img.pixel(pt)), 100) << pt.x() << "," << pt.y();
    }
  }
}

// The marks in their roles: an outline that follows the card shape, light or
// dark on the top-left side, and the symbols in their colours.
TEST_F(CardArtImages, EmptyPileMarksHaveTheirOutlinesAndSymbols) {
  auto tone = [](const QImage& img, int x, int y) { return img.pixel(x, y); };
  // Look 0 (75) and look 1 (71): dark on the top and left, light on the
  // bottom and right; looks 2 and 3 (67, 68) the other way round.
  for (int k : {75, 71}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(tone(Img(k), W / 2, 0), kBlack);
    EXPECT_EQ(tone(Img(k), 0, H / 2), kBlack);
    EXPECT_EQ(tone(Img(k), W / 2, H - 1), kWhite);
    EXPECT_EQ(tone(Img(k), W - 1, H / 2), kWhite);
  }
  for (int k : {67, 68}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(tone(Img(k), W / 2, 0), kWhite);
    EXPECT_EQ(tone(Img(k), 0, H / 2), kWhite);
    EXPECT_EQ(tone(Img(k), W / 2, H - 1), kBlack);
    EXPECT_EQ(tone(Img(k), W - 1, H / 2), kBlack);
  }
  // The bevel's inner line: white on the top and left, darker below/right.
  EXPECT_EQ(tone(Img(71), W / 2, 1), kWhite);
  EXPECT_EQ(tone(Img(71), 1, H / 2), kWhite);
  EXPECT_LT(qGray(tone(Img(71), W / 2, H - 2)), 200);
  EXPECT_LT(qGray(tone(Img(71), W - 2, H / 2)), 200);
  // Outline masks: both lines for the bevel, one line for the others, and
  // nothing else for the plain outline.
  EXPECT_EQ(Img(72).pixel(W / 2, 1), kWhite);
  EXPECT_EQ(Img(72).pixel(W / 2, 2), kBlack);
  for (int k : {73, 74, 76}) {
    EXPECT_EQ(Img(k).pixel(W / 2, 0), kWhite) << k;
    EXPECT_EQ(Img(k).pixel(W / 2, 1), kBlack) << k;
    EXPECT_EQ(Img(k).pixel(0, 0), kBlack) << k;
  }
  for (int y = 1; y < H - 1; ++y) {
    for (int x = 1; x < W - 1; ++x) {
      if (x == 1 || y == 1 || x == W - 2 || y == H - 2) continue;  // corner diagonals
      ASSERT_EQ(Img(76).pixel(x, y), kBlack) << x << "," << y;
    }
  }
  // Symbols in the centre: a red cross, a green ring with a hole.
  const QPoint c(W / 2, H / 2);
  EXPECT_TRUE(IsClearRed(Img(67).pixel(c)));
  EXPECT_EQ(Img(74).pixel(c), kWhite);
  EXPECT_EQ(Img(68).pixel(c), kWhite);
  EXPECT_EQ(Img(73).pixel(c), kBlack);
  const QRgb ring = Img(68).pixel(c.x() + 16, c.y());
  EXPECT_GT(qGreen(ring), qRed(ring) + 60);
  EXPECT_EQ(Img(73).pixel(c.x() + 16, c.y()), kWhite);
}

TEST_F(CardArtImages, FacesAreAllDifferentAndSoAreBacks) {
  for (int a = 1; a <= 65; ++a) {
    for (int b = a + 1; b <= 65; ++b) {
      ASSERT_FALSE(Img(a) == Img(b)) << a << " vs " << b;
    }
  }
  // Each back is a full design, not a blank panel.
  for (int k = 53; k <= 65; ++k) {
    QSet<QRgb> colours;
    for (int y = 10; y < H - 10; ++y) {
      for (int x = 10; x < W - 10; ++x)
        colours.insert(Img(k).pixel(x, y));
    }
    EXPECT_GE(colours.size(), 3) << k;
  }
}

TEST_F(CardArtImages, RedSuitsAreRedAndBlackSuitsHaveNoRed) {
  for (int k = 1; k <= 52; ++k) {
    const int suit = (k - 1) / 13 + 1;
    const bool red = suit == 2 || suit == 3;
    int redPixels = 0;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x)
        redPixels += IsClearRed(Img(k).pixel(x, y));
    }
    if (red) {
      EXPECT_GT(redPixels, 20) << k;
    } else {
      EXPECT_EQ(redPixels, 0) << k;
    }
  }
}

// The pip area (between the two corner indices) holds exactly `rank` pips
// on the number cards and one large pip on the Ace.
TEST_F(CardArtImages, NumberCardsShowAsManyPipsAsTheirRank) {
  const QRect pipArea(14, 1, W - 28, H - 2);
  for (int suit = 1; suit <= 4; ++suit) {
    for (int rank = 1; rank <= 10; ++rank) {
      const QImage& img = Img((suit - 1) * 13 + rank);
      EXPECT_EQ(CountBlobs(img, pipArea), rank) << "suit " << suit << " rank " << rank;
    }
  }
  // Both corner indices are present and turned: ink near the top-left and
  // the bottom-right, none in the other two corners.
  for (int k = 1; k <= 52; ++k) {
    EXPECT_GT(CountBlobs(Img(k), QRect(2, 2, 11, 24)), 0) << k;
    EXPECT_GT(CountBlobs(Img(k), QRect(W - 13, H - 26, 11, 24)), 0) << k;
    EXPECT_EQ(CountBlobs(Img(k), QRect(2, H - 12, 10, 10)), 0) << k;
  }
}

TEST_F(CardArtImages, CourtCardsAreColourfulPicturesUnlikeTheNumberCards) {
  auto colourCount = [](const QImage& img) {
    QSet<QRgb> s;
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x)
        s.insert(img.pixel(x, y) & 0xF0F0F0);
    }
    return s.size();
  };
  for (int suit = 1; suit <= 4; ++suit) {
    for (int rank = 11; rank <= 13; ++rank) {
      const int k = (suit - 1) * 13 + rank;
      EXPECT_GT(colourCount(Img(k)), 3 * colourCount(Img((suit - 1) * 13 + 2))) << k;
    }
  }
}

// The faces to choose from. Four colours: hearts and spades as always,
// clubs and diamonds in inks of their own, all four far apart. Large print:
// the rank at least one and a half times as tall, and still tall enough at
// the smallest zoom.
TEST(CardArtFaceStyles, FourColoursKeepSuitsApartAndLargePrintEnlargesTheRank) {
  using CardArt::FaceStyle;
  // The ink at the centre of each Ace, inside its one large pip.
  auto ink = [](int suit, FaceStyle faces) {
    return CardImage((suit - 1) * 13 + 1, QSize(W, H), faces).pixel(W / 2, H / 2);
  };
  std::vector<QRgb> four;
  for (int suit = 1; suit <= 4; ++suit) {
    four.push_back(ink(suit, FaceStyle::FourColour));
    EXPECT_EQ(four.back() == ink(suit, FaceStyle::Standard), suit >= 3) << suit;
  }
  for (size_t a = 0; a < 4; ++a) {
    for (size_t b = a + 1; b < 4; ++b) {
      const int dr = qRed(four[a]) - qRed(four[b]), dg = qGreen(four[a]) - qGreen(four[b]),
                db = qBlue(four[a]) - qBlue(four[b]);
      EXPECT_GT(dr * dr + dg * dg + db * db, 100 * 100) << a << " vs " << b;
    }
  }

  // The first run of ink rows from the top in the index's corner: the rank.
  auto rankRows = [](FaceStyle faces, QSize size, int right) {
    const QImage img = CardImage(1, size, faces);               // the Ace of clubs
    const int outline = std::max(1, (size.height() + 29) / H);  // the border's thickness
    int rows = 0;
    for (int y = outline; y < size.height() / 2; ++y) {
      bool inked = false;
      for (int x = 2 * outline + 1; x < right; ++x)
        inked = inked || IsInk(img.pixel(x, y));
      if (inked) {
        ++rows;
      } else if (rows > 0) {
        break;
      }
    }
    return rows;
  };
  const QSize twice(2 * W, 2 * H);
  const int standard = rankRows(FaceStyle::Standard, twice, 33);
  const int large = rankRows(FaceStyle::LargePrint, twice, 33);
  EXPECT_GE(large * 10, standard * 15) << standard << " rows against " << large;
  EXPECT_GE(rankRows(FaceStyle::LargePrint, QSize(W / 2, H / 2), 17), 7);
  // Only the faces change.
  for (int k : {53, 69, 71})
    EXPECT_EQ(CardImage(k, QSize(W, H), FaceStyle::LargePrint), CardImage(k)) << k;
}

TEST(CardArtCursor, ArrowPointsDownAtTheHotSpot) {
  const QImage cur = CardArt::DropCursorImage();
  ASSERT_EQ(cur.size(), QSize(32, 32));
  ASSERT_TRUE(cur.hasAlphaChannel());
  const int hx = CardArt::kDropCursorHotX;
  const int hy = CardArt::kDropCursorHotY;
  auto alpha = [&](int x, int y) { return qAlpha(cur.pixel(x, y)); };
  // The tip pixel is solid black outline, nothing lies below it.
  EXPECT_EQ(alpha(hx, hy), 255);
  EXPECT_LT(qGray(cur.pixel(hx, hy)), 60);
  for (int y = hy + 1; y < 32; ++y) {
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(alpha(x, y), 0) << x << "," << y;
  }
  // A white body above the tip, centred on the hot spot's column.
  EXPECT_EQ(cur.pixel(hx, 8), kWhite);
  EXPECT_EQ(cur.pixel(hx, 18), kWhite);
  // The head is wider than the shaft.
  auto width = [&](int y) {
    int n = 0;
    for (int x = 0; x < 32; ++x)
      n += alpha(x, y) > 128;
    return n;
  };
  int head = 0;
  for (int y = 13; y < hy; ++y)
    head = std::max(head, width(y));
  EXPECT_GT(head, width(8) + 6);
  // Narrowing towards the tip, row by row.
  for (int y = hy - 4; y < hy; ++y)
    EXPECT_GT(width(y), width(y + 1)) << y;
  EXPECT_EQ(alpha(0, 0), 0);
  EXPECT_EQ(alpha(31, 0), 0);
}

struct Wav {
  bool ok = false;
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};

uint32_t Le32(const QByteArray& b, int at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}
uint16_t Le16(const QByteArray& b, int at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// A strict reader: the chunk sizes must agree with the file.
Wav ParseWav(const QByteArray& b) {
  Wav w;
  if (b.size() < 12 || std::memcmp(b.constData(), "RIFF", 4) != 0 ||
      std::memcmp(b.constData() + 8, "WAVE", 4) != 0 ||
      Le32(b, 4) != static_cast<uint32_t>(b.size() - 8)) {
    return w;
  }
  int at = 12;
  bool fmt = false;
  while (at + 8 <= b.size()) {
    const QByteArray id = b.mid(at, 4);
    const uint32_t size = Le32(b, at + 4);
    if (size > static_cast<uint32_t>(b.size() - at - 8)) return w;
    if (id == "fmt " && size >= 16) {
      w.format = Le16(b, at + 8);
      w.channels = Le16(b, at + 10);
      w.rate = static_cast<int>(Le32(b, at + 12));
      w.bits = Le16(b, at + 22);
      fmt = true;
    } else if (id == "data" && fmt) {
      for (uint32_t i = 0; i + 1 < size; i += 2) {
        w.samples.push_back(static_cast<int16_t>(Le16(b, at + 8 + static_cast<int>(i))));
      }
      w.ok = true;
      return w;
    }
    at += 8 + static_cast<int>(size) + static_cast<int>(size & 1);
  }
  return w;
}

TEST(CardArtSounds, BothSoundsAreShortAudiblePcmWaves) {
  struct Expect {
    const char* name;
    double minMs, maxMs;
  };
  for (const Expect& e : {Expect{"PLYSEL", 40, 120}, Expect{"TURN", 150, 400}}) {
    SCOPED_TRACE(e.name);
    const Wav w = ParseWav(CardArt::SoundWav(e.name));
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    const double ms = 1000.0 * static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GE(ms, e.minMs);
    EXPECT_LE(ms, e.maxMs);
    int peak = 0;
    for (int16_t s : w.samples)
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 4000);
    // Ends quietly, so no click is heard when it stops.
    EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 500);
  }
}

TEST(CardArtSounds, TheRiffleIsATrainOfClicks) {
  const Wav w = ParseWav(CardArt::SoundWav("TURN"));
  ASSERT_TRUE(w.ok);
  // Count bursts: 2 ms windows that are loud after a quiet one.
  const size_t win = 44;
  int bursts = 0;
  bool loud = false;
  for (size_t i = 0; i + win <= w.samples.size(); i += win) {
    int peak = 0;
    for (size_t j = i; j < i + win; ++j)
      peak = std::max(peak, std::abs(int(w.samples[j])));
    if (!loud && peak > 3000) ++bursts;
    loud = peak > 800;
  }
  EXPECT_GE(bursts, 8);
  EXPECT_LE(bursts, 12);
}

TEST(CardArtSounds, UnknownOrMissingNamesGiveNothing) {
  EXPECT_TRUE(CardArt::SoundWav("").isEmpty());
  EXPECT_TRUE(CardArt::SoundWav("plysel").isEmpty());
  EXPECT_TRUE(CardArt::SoundWav("PLYSELX").isEmpty());
  EXPECT_TRUE(CardArt::SoundWav(nullptr).isEmpty());
}

TEST(CardArtWin, WinPictureTilesWithoutSeams) {
  const QImage pic = WinArt::WinPicture();
  ASSERT_EQ(pic.size(), QSize(WinArt::kWinPictureWidth, WinArt::kWinPictureHeight));
  EXPECT_EQ(pic.format(), QImage::Format_RGB32);
  // Opposite edges must continue each other: compare each edge pixel with its
  // neighbour across the seam and with its neighbour inside the tile. A seam
  // shows as a jump much larger than the picture's own variation.
  auto diff = [](QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
  };
  long across = 0, inside = 0;
  for (int y = 0; y < pic.height(); ++y) {
    across += diff(pic.pixel(pic.width() - 1, y), pic.pixel(0, y));
    inside += diff(pic.pixel(0, y), pic.pixel(1, y));
  }
  for (int x = 0; x < pic.width(); ++x) {
    across += diff(pic.pixel(x, pic.height() - 1), pic.pixel(x, 0));
    inside += diff(pic.pixel(x, 0), pic.pixel(x, 1));
  }
  EXPECT_LE(across, 2 * inside + 200);
  QSet<QRgb> colours;
  for (int y = 0; y < pic.height(); ++y) {
    for (int x = 0; x < pic.width(); ++x)
      colours.insert(pic.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 20);
}

TEST(CardArtWin, IconsHaveTheirSizesAndTransparentSurroundings) {
  for (const QImage& icon : {WinArt::WinIcon(), WinArt::AppIcon()}) {
    SCOPED_TRACE(icon.width());
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(icon.width() - 1, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255);
  }
  EXPECT_EQ(WinArt::WinIcon().size(), QSize(32, 32));
  EXPECT_EQ(WinArt::AppIcon().size(), QSize(64, 64));
}

}  // namespace
