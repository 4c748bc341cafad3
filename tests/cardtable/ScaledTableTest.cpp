// SPDX-License-Identifier: GPL-3.0-or-later
// The table drawn at a zoom: the logical-to-device rule, slides and peeks
// that leave exactly what a fresh recompose gives, and sharp card edges.

#include <gtest/gtest.h>

#include "art/CardArt.h"
#include "support/TableFixture.h"

namespace {

const double kScales[] = {0.75, 1.0, 1.37, 1.5, 2.0, 3.0};

// The framebuffer as a full recompose draws it now.
QImage Fresh(TForm& form) {
  form.InvalidateAll();
  return form.Screen().copy();
}

int Differences(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

class ScaledTable : public TableFixture, public ::testing::WithParamInterface<double> {
 protected:
  void SetUp() override {
    const double s = GetParam();
    form.SetView(QSize(int(800 * s) + 7, int(600 * s) + 3), TViewMap(s, QPoint(5, 0)));
  }
};

}  // namespace

TEST(ViewMap, EveryDevicePixelMapsBackIntoTheRectangleThatCoversIt) {
  for (double s : kScales) {
    const TViewMap m(s, QPoint(7, 3));
    for (int x = -3; x < 120; ++x) {
      const QRect r = m.ToDevice(QRect(x, x / 2, 71, 96));
      // Neighbouring rectangles share their edge on the screen.
      EXPECT_EQ(m.ToDevice(QRect(x + 71, 0, 5, 5)).left(), r.right() + 1) << s << " " << x;
      for (int d : {r.left(), r.left() + r.width() / 2, r.right()}) {
        const QPoint back = m.ToLogical(QPoint(d, r.top()));
        EXPECT_TRUE(QRect(x, x / 2, 71, 96).contains(back)) << s << " " << x << " " << d;
      }
      EXPECT_FALSE(QRect(x, x / 2, 71, 96).contains(m.ToLogical(QPoint(r.right() + 1, r.top()))));
      EXPECT_EQ(m.ToDevice(QRect(x, 0, 71, 96)).width(), r.width());
      EXPECT_LE(std::abs(r.width() - 71 * s), 1.0);
    }
  }
}

TEST_P(ScaledTable, SlidesAndPeeksLeaveWhatARecomposeDraws) {
  TDeck* a = Pile(20, 30, 17);
  TDeck* b = Pile(121, 30, 17);
  TDeck* c = Pile(333, 251, 0, 0, 1);
  TDeck* stacked = Pile(500, 40, 2, 2);
  Put(a, {1, 2, 3, 4, 5});
  Put(b, {14, 15});
  for (int i = 20; i <= 40; ++i)
    Put(stacked, {i}, false);
  Fresh(form);
  struct Move {
    TDeck* to;
    TDeck* from;
  };
  for (Move m : {Move{b, a}, Move{c, b}, Move{a, stacked}, Move{c, a}, Move{stacked, c}}) {
    m.to->MoveCardTo(m.from->TopCard);
    const QImage slid = form.Screen().copy();
    ASSERT_EQ(Differences(slid, Fresh(form)), 0) << "scale " << GetParam();
  }
  // A peek shows the card whole and gives back every pixel.
  a->CanShowCard = true;
  const QImage before = form.Screen().copy();
  const QRect first = form.DeviceRect(a->CardAt(a->CardsCount())->BoundsRect());
  const QPoint on = form.View().ToLogical(first.topLeft() + QPoint(3, 3));
  form.MousePress(Qt::RightButton, on);
  EXPECT_NE(board->PeekCard, nullptr);
  EXPECT_GT(Differences(before, form.Screen()), 0);
  form.MouseRelease(Qt::RightButton, on);
  EXPECT_EQ(Differences(before, form.Screen()), 0);
  // Selection inverts the same device pixels at every zoom.
  a->TopCard->SetSelected(true);
  a->TopCard->SetSelected(false);
  EXPECT_EQ(Differences(before, form.Screen()), 0);
}

TEST_P(ScaledTable, CardEdgesAreSharpDevicePixels) {
  TDeck* d = Pile(100, 100);
  Put(d, {13});
  const QRect r = d->TopCard->DeviceRect();
  const QRgb table = 0xFF008000u;
  const QRgb border = qRgb(48, 48, 52);
  // Along the middle of each side: table right up to the edge, the card's
  // border right after it, no blend between.
  const int midY = r.center().y(), midX = r.center().x();
  EXPECT_EQ(form.Screen().pixel(r.left() - 1, midY), table);
  EXPECT_EQ(form.Screen().pixel(r.left(), midY), border);
  EXPECT_EQ(form.Screen().pixel(r.right(), midY), border);
  EXPECT_EQ(form.Screen().pixel(r.right() + 1, midY), table);
  EXPECT_EQ(form.Screen().pixel(midX, r.top() - 1), table);
  EXPECT_EQ(form.Screen().pixel(midX, r.top()), border);
  EXPECT_EQ(form.Screen().pixel(midX, r.bottom()), border);
  // The card is drawn at its device size, not enlarged from the small one:
  // the size matches the device rectangle.
  EXPECT_EQ(CardImages::Image(13, r.size()).size(), r.size());
  // The corner is cut at the card's own rounding: the corner pixel is table.
  EXPECT_EQ(form.Screen().pixel(r.topLeft()), table);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ScaledTable, ::testing::ValuesIn(kScales));

TEST(CardArtSizes, OneToOneImagesAreTheCardsOwnAndOthersKeepTheShape) {
  for (int k : {1, 13, 53, 67, 69, 71, 75}) {
    EXPECT_EQ(CardImages::Image(k, QSize(71, 96)), CardImages::Image(k)) << k;
    const QImage big = CardImages::Image(k, QSize(142, 192));
    ASSERT_EQ(big.size(), QSize(142, 192));
    EXPECT_EQ(big.format(), QImage::Format_RGB32);
  }
  // The mask at twice the size cuts each corner twice as deep and nothing else.
  const QImage mask = CardImages::Image(CardImages::kCardMask, QSize(142, 192));
  int cut = 0;
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 142; ++x)
      cut += mask.pixel(x, y) != 0xFFFFFFFFu;
  EXPECT_EQ(cut, 4 * 10);  // x + y < 4 in each corner: 4 + 3 + 2 + 1 pixels
  // The drop cursor at ratio 2 covers four times the pixels, tip on the hot
  // spot.
  const QImage one = CardArt::DropCursorImage(1), two = CardArt::DropCursorImage(2);
  ASSERT_EQ(two.size(), QSize(64, 64));
  auto opaque = [](const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        n += qAlpha(img.pixel(x, y)) > 0;
    return n;
  };
  EXPECT_NEAR(opaque(two), 4.0 * opaque(one), 0.05 * 4 * opaque(one));
  EXPECT_GT(qAlpha(one.pixel(CardArt::kDropCursorHotX, CardArt::kDropCursorHotY)), 0);
  EXPECT_GT(qAlpha(two.pixel(2 * CardArt::kDropCursorHotX + 1, 2 * CardArt::kDropCursorHotY)), 0);
  EXPECT_EQ(qAlpha(two.pixel(2 * CardArt::kDropCursorHotX + 1, 2 * CardArt::kDropCursorHotY + 2)),
            0);
}
