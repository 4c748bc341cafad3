// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/CardArt.h"

#include <QColor>
#include <QConicalGradient>
#include <QFont>
#include <QFontInfo>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace CardArt {
namespace {

constexpr int W = kCardWidth;
constexpr int H = kCardHeight;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// The pixel grid an image is made on: its size in device pixels and the
// thickness t of one card pixel of outline (1 up to about 1.7 times the
// card's size, then 2, and so on), so outlines and corners stay whole pixels
// at every size. Designs are painted in card coordinates (71 x 96) through a
// painter scaled to the grid.
struct Grid {
  int w;
  int h;
  int t;
  explicit Grid(QSize size)
      : w(size.width()), h(size.height()), t(qMax(1, (size.height() + 29) / H)) {}
  // Distances from the nearest vertical and horizontal edge.
  int Dx(int x) const { return x < w / 2 ? x : w - 1 - x; }
  int Dy(int y) const { return y < h / 2 ? y : h - 1 - y; }

  // The card shape: a rectangle with its three outermost pixels (at t = 1)
  // cut away at each corner. Faces, backs and the mask share it.
  bool IsCornerPixel(int x, int y) const { return Dx(x) + Dy(y) < 2 * t; }

  // The rounded outline that follows the card shape: the outer ring of
  // pixels inside the shape, t pixels thick.
  bool IsOutlinePixel(int x, int y) const {
    if (IsCornerPixel(x, y)) return false;
    const int dx = Dx(x), dy = Dy(y);
    return dx < t || dy < t || dx + dy < 3 * t;
  }

  // The ring one step further in, used by the bevelled empty-pile look.
  bool IsInnerOutlinePixel(int x, int y) const {
    const int dx = Dx(x), dy = Dy(y);
    if (dx < t || dy < t || dx + dy < 3 * t) return false;
    return dx < 2 * t || dy < 2 * t || dx + dy < 5 * t;
  }
};

// Scales a painter from card coordinates to an image of that size.
void ScaleToCard(QPainter& p, QSize size) {
  if (size != QSize(W, H)) p.scale(size.width() / double(W), size.height() / double(H));
}

// A canvas the card designs are painted on with antialiasing; the result is
// flattened to opaque RGB32 over white.
QImage NewCanvas(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::white);
  return img;
}

QImage Flatten(const QImage& canvas) {
  QImage out(canvas.size(), QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  p.drawImage(0, 0, canvas);
  p.end();
  return out;
}

// Puts the card border on top of a painted design and clears the corners, so
// that every face and back has exactly the same silhouette as the card mask.
void FinishCardShape(QImage& img, QRgb border) {
  const Grid g(img.size());
  for (int y = 0; y < g.h; ++y) {
    for (int x = 0; x < g.w; ++x) {
      if (g.IsCornerPixel(x, y)) {
        img.setPixel(x, y, kWhite);
      } else if (g.IsOutlinePixel(x, y)) {
        img.setPixel(x, y, border);
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Suit symbols, drawn in a 100 x 100 box centred on the origin.

QPainterPath HeartPath() {
  QPainterPath p;
  p.moveTo(0, 46);
  p.cubicTo(-14, 30, -50, 8, -50, -20);
  p.cubicTo(-50, -38, -38, -48, -25, -48);
  p.cubicTo(-12, -48, -3, -40, 0, -28);
  p.cubicTo(3, -40, 12, -48, 25, -48);
  p.cubicTo(38, -48, 50, -38, 50, -20);
  p.cubicTo(50, 8, 14, 30, 0, 46);
  p.closeSubpath();
  return p;
}

QPainterPath DiamondPath() {
  QPainterPath p;
  p.moveTo(0, -50);
  p.quadTo(16, -22, 40, 0);
  p.quadTo(16, 22, 0, 50);
  p.quadTo(-16, 22, -40, 0);
  p.quadTo(-16, -22, 0, -50);
  p.closeSubpath();
  return p;
}

QPainterPath SpadeStem() {
  QPainterPath stem;
  stem.moveTo(-3, 14);
  stem.quadTo(-4, 40, -20, 50);
  stem.lineTo(20, 50);
  stem.quadTo(4, 40, 3, 14);
  stem.closeSubpath();
  return stem;
}

QPainterPath SpadePath() {
  QPainterPath body;
  body.moveTo(0, -50);
  body.cubicTo(-12, -32, -50, -14, -50, 12);
  body.cubicTo(-50, 28, -38, 36, -26, 36);
  body.cubicTo(-14, 36, -5, 29, 0, 20);
  body.cubicTo(5, 29, 14, 36, 26, 36);
  body.cubicTo(38, 36, 50, 28, 50, 12);
  body.cubicTo(50, -14, 12, -32, 0, -50);
  body.closeSubpath();
  return body.united(SpadeStem());
}

QPainterPath ClubPath() {
  QPainterPath p;
  p.addEllipse(QPointF(0, -25), 23, 23);
  p.addEllipse(QPointF(-25, 10), 23, 23);
  p.addEllipse(QPointF(25, 10), 23, 23);
  QPainterPath centre;
  centre.addEllipse(QPointF(0, 4), 12, 12);
  QPainterPath all = p.united(centre);
  return all.united(SpadeStem());
}

// suit 1 clubs, 2 diamonds, 3 hearts, 4 spades
const QPainterPath& SuitPath(int suit) {
  static const std::array<QPainterPath, 4> paths = {ClubPath(), DiamondPath(), HeartPath(),
                                                    SpadePath()};
  return paths[(suit - 1) & 3];
}

bool IsRed(int suit) {
  return suit == 2 || suit == 3;
}

// The ink of a suit's symbols and indices. The four-colour faces keep
// hearts red and spades black and give clubs a blue-leaning green and
// diamonds a violet blue: simulated for protanopia, deuteranopia and
// tritanopia, no two of the four come closer than a CIELAB distance of 29
// (a plain grass green comes within 16 of the red for protanopes, whose red
// looks dark), and both stay above 4.5:1 contrast on the white face.
QColor SuitColor(int suit, FaceStyle faces) {
  if (faces == FaceStyle::FourColour) {
    if (suit == 1) return QColor(0, 128, 110);
    if (suit == 2) return QColor(70, 50, 230);
  }
  return IsRed(suit) ? QColor(206, 22, 32) : QColor(20, 20, 24);
}

// Draws a suit symbol whose box of `size` pixels is centred on (cx, cy).
void DrawSuit(QPainter& p, int suit, QPointF centre, qreal size, const QColor& color,
              bool upsideDown = false) {
  p.save();
  p.translate(centre);
  if (upsideDown) p.rotate(180);
  p.scale(size / 100.0, size / 100.0);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(SuitPath(suit));
  p.restore();
}

// ---------------------------------------------------------------------------
// Lettering: glyph outlines scaled to an exact box, so the index is the same
// height for every rank and lands on whole pixels.

QFont IndexFont() {
  QFont f("DejaVu Sans");
  f.setBold(true);
  f.setPixelSize(100);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

// The glyph outline of an index text. Shaping it is the dearest step of a
// face, and the same dozen texts come back for every card, so each thread
// shapes each text once.
const QPainterPath& GlyphOutline(const QString& text) {
  thread_local const QFont font = IndexFont();
  thread_local QHash<QString, QPainterPath> outlines;
  auto it = outlines.find(text);
  if (it == outlines.end()) {
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    it = outlines.insert(text, raw);
  }
  return *it;
}

// The outline of `text` scaled to cap height `h` (its width follows, capped
// at `maxW` by squeezing), with the top centre at (cx, top).
QPainterPath FittedText(const QString& text, qreal cx, qreal top, qreal h, qreal maxW) {
  const QPainterPath& raw = GlyphOutline(text);
  const QRectF b = raw.boundingRect();
  if (b.isEmpty()) return raw;
  qreal sy = h / b.height();
  qreal sx = sy;
  if (b.width() * sx > maxW) sx = maxW / b.width();
  QTransform t;
  t.translate(cx - b.width() * sx / 2, top);
  t.scale(sx, sy);
  t.translate(-b.left(), -b.top());
  return t.map(raw);
}

QString RankText(int rank) {
  static const char* const names[] = {"A", "2", "3",  "4", "5", "6", "7",
                                      "8", "9", "10", "J", "Q", "K"};
  return QString::fromLatin1(names[(rank - 1) % 13]);
}

// Where an index lies in the top-left corner: the rank's column centre, its
// top and cap height, its widest width, and the suit symbol's centre and size.
struct IndexPlace {
  qreal cx, top, h, maxW;
  QPointF suit;
  qreal suitSize;
  bool splitTen;  // set the 10's digits apart (a narrow column) or squeeze them
};

// The usual index: a narrow column of rank over suit, under the strip a
// fanned column leaves in view.
constexpr IndexPlace kStandardIndex{7.5, 4, 9, 9, {7.5, 17.5}, 7.5, true};
// Large print: the rank more than one and a half times as tall, with the
// suit beside it rather than below, so both fit the strip of a card covered
// by the next one in a fanned column (18 card pixels in most games, 15 in a
// few, where a taller rank would lose the tail of its Q) and can be read at
// the smallest zoom.
constexpr IndexPlace kLargeIndex{9, 1.5, 14.5, 14, {24, 8.75}, 13.5, false};

// The rank letter and suit symbol at the top-left; the caller rotates the
// painter for the bottom-right copy.
void DrawIndex(QPainter& p, int suit, int rank, const QColor& ink, const IndexPlace& at) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (rank == 10 && at.splitTen) {
    // Two digits side by side would not fit the narrow index column at the
    // normal width, so they are set closer and slightly narrower.
    p.drawPath(FittedText("1", at.cx - 3.1, at.top, at.h, 4.6));
    p.drawPath(FittedText("0", at.cx + 2.4, at.top, at.h, 5.6));
  } else {
    p.drawPath(FittedText(RankText(rank), at.cx, at.top, at.h, at.maxW));
  }
  DrawSuit(p, suit, at.suit, at.suitSize, ink);
}

void DrawBothIndices(QPainter& p, int suit, int rank, const QColor& ink, const IndexPlace& at) {
  DrawIndex(p, suit, rank, ink, at);
  p.save();
  p.translate(W, H);
  p.rotate(180);
  DrawIndex(p, suit, rank, ink, at);
  p.restore();
}

// ---------------------------------------------------------------------------
// Pip cards.

struct Pip {
  int col;     // 0 left, 1 centre, 2 right
  double row;  // 0 top .. 1 bottom
};

std::vector<Pip> PipLayout(int rank) {
  switch (rank) {
    case 2:
      return {{1, 0}, {1, 1}};
    case 3:
      return {{1, 0}, {1, 0.5}, {1, 1}};
    case 4:
      return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    case 5:
      return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
    case 6:
      return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 7:
      return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 8:
      return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
    case 9:
      return {{0, 0},       {2, 0},       {0, 1.0 / 3}, {2, 1.0 / 3}, {1, 0.5},
              {0, 2.0 / 3}, {2, 2.0 / 3}, {0, 1},       {2, 1}};
    case 10:
      return {{0, 0},       {2, 0},       {1, 1.0 / 6}, {0, 1.0 / 3}, {2, 1.0 / 3},
              {0, 2.0 / 3}, {2, 2.0 / 3}, {1, 5.0 / 6}, {0, 1},       {2, 1}};
    default:
      return {};
  }
}

void DrawPips(QPainter& p, int suit, int rank, const QColor& c) {
  if (rank == 1) {
    DrawSuit(p, suit, QPointF(W / 2.0, H / 2.0), 36, c);
    return;
  }
  const double colX[3] = {21.0, W / 2.0, 50.0};
  const double top = 20.5;
  const double bottom = H - 20.5;
  for (const Pip& pip : PipLayout(rank)) {
    const double y = top + (bottom - top) * pip.row;
    DrawSuit(p, suit, QPointF(colX[pip.col], y), 12.5, c, pip.row > 0.5);
  }
}

// ---------------------------------------------------------------------------
// Court cards: a framed, double-ended figure. The top half is painted and
// then repeated turned by 180 degrees, as on a classic card.

struct CourtPalette {
  QColor robe;
  QColor robeDark;
  QColor trim;
  QColor accent;
  QColor hair;
  QColor field;
  QColor plume;
};

CourtPalette PaletteFor(int suit) {
  const QColor gold(232, 178, 36);
  switch (suit) {
    case 1:  // clubs: green and gold
      return {QColor(36, 128, 72), QColor(18, 80, 44),    gold, QColor(40, 40, 48),
              QColor(70, 50, 30),  QColor(236, 246, 236), gold};
    case 2:  // diamonds: red and gold, blue accents
      return {QColor(204, 30, 40), QColor(140, 16, 24), gold,
              QColor(40, 80, 170), QColor(150, 90, 30), QColor(252, 240, 236),
              QColor(40, 80, 170)};
    case 3:  // hearts: red with purple
      return {QColor(200, 28, 48),  QColor(120, 30, 110), gold,
              QColor(120, 40, 140), QColor(110, 60, 30),  QColor(252, 236, 240),
              QColor(120, 40, 140)};
    default:  // spades: royal blue and gold
      return {QColor(40, 72, 170), QColor(20, 38, 100),   gold, QColor(30, 30, 36),
              QColor(60, 44, 30),  QColor(234, 240, 252), gold};
  }
}

const QColor kSkin(250, 222, 190);
const QColor kInk(30, 30, 36);

// Frame of the court picture in card coordinates.
const QRectF kFrame(15.5, 10.5, 40, 75);

void DrawCrown(QPainter& p, double cx, double base, const CourtPalette& pal) {
  QPainterPath crown;
  crown.moveTo(cx - 8, base);
  crown.lineTo(cx - 9, base - 8);
  crown.lineTo(cx - 4.5, base - 4);
  crown.lineTo(cx, base - 10);
  crown.lineTo(cx + 4.5, base - 4);
  crown.lineTo(cx + 9, base - 8);
  crown.lineTo(cx + 8, base);
  crown.closeSubpath();
  p.setPen(QPen(kInk, 0.8));
  p.setBrush(pal.trim);
  p.drawPath(crown);
  p.setPen(Qt::NoPen);
  p.setBrush(pal.accent);
  p.drawEllipse(QPointF(cx, base - 2.2), 1.4, 1.4);
  p.setBrush(pal.robe);
  p.drawEllipse(QPointF(cx - 5, base - 1.8), 1.1, 1.1);
  p.drawEllipse(QPointF(cx + 5, base - 1.8), 1.1, 1.1);
  p.setBrush(pal.trim);
  p.setPen(QPen(kInk, 0.6));
  p.drawEllipse(QPointF(cx, base - 10.5), 1.3, 1.3);
  p.drawEllipse(QPointF(cx - 9, base - 8.5), 1.1, 1.1);
  p.drawEllipse(QPointF(cx + 9, base - 8.5), 1.1, 1.1);
}

void DrawTiara(QPainter& p, double cx, double base, const CourtPalette& pal) {
  QPainterPath band;
  band.moveTo(cx - 9, base);
  band.quadTo(cx, base - 9, cx + 9, base);
  band.quadTo(cx, base - 4, cx - 9, base);
  band.closeSubpath();
  p.setPen(QPen(kInk, 0.7));
  p.setBrush(pal.trim);
  p.drawPath(band);
  // A little flower on top of the tiara.
  p.setPen(Qt::NoPen);
  p.setBrush(pal.accent);
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5 - M_PI / 2;
    p.drawEllipse(QPointF(cx + 2.6 * std::cos(a), base - 8.5 + 2.6 * std::sin(a)), 1.6, 1.6);
  }
  p.setBrush(pal.trim);
  p.drawEllipse(QPointF(cx, base - 8.5), 1.3, 1.3);
}

void DrawCap(QPainter& p, double cx, double base, const CourtPalette& pal) {
  // A soft beret worn at a slant, with a plume; the plume goes first so the
  // beret sits in front of it.
  QPainterPath feather;
  feather.moveTo(cx + 4, base - 4);
  feather.cubicTo(cx + 7, base - 12, cx + 12, base - 13, cx + 15, base - 13);
  feather.cubicTo(cx + 13, base - 9, cx + 10, base - 5, cx + 6, base - 2);
  feather.closeSubpath();
  p.setPen(QPen(kInk, 0.6));
  p.setBrush(pal.plume);
  p.drawPath(feather);
  p.save();
  p.translate(cx + 1, base - 3);
  p.rotate(-8);
  p.setBrush(pal.robe);
  p.setPen(QPen(kInk, 0.8));
  p.drawEllipse(QPointF(0, 0), 10.5, 4.2);
  p.restore();
  p.setPen(QPen(kInk, 0.5));
  p.setBrush(pal.trim);
  p.drawRoundedRect(QRectF(cx - 6.5, base - 1.6, 13, 2.2), 1, 1);
}

void DrawCourtHalf(QPainter& p, int suit, int rank, const CourtPalette& pal,
                   const QColor& suitColor) {
  const double cx = kFrame.center().x();
  const double midY = kFrame.center().y();
  const double headY = 32.0;  // centre of the face

  // A small suit symbol in the free corner of the frame.
  p.setPen(Qt::NoPen);
  DrawSuit(p, suit, QPointF(kFrame.left() + 4.5, kFrame.top() + 5), 6.5, suitColor);

  // The figure is drawn a little larger than its sketch coordinates, so it
  // fills the frame; the frame's clip keeps it inside.
  p.translate(cx, midY);
  p.scale(1.2, 1.2);
  p.translate(-cx, -midY);

  // Shoulders and robe, reaching down to the dividing line.
  QPainterPath robe;
  robe.moveTo(kFrame.left() + 1, midY);
  robe.lineTo(kFrame.left() + 1, headY + 12);
  robe.cubicTo(kFrame.left() + 3, headY + 7, cx - 8, headY + 6, cx, headY + 6);
  robe.cubicTo(cx + 8, headY + 6, kFrame.right() - 3, headY + 7, kFrame.right() - 1, headY + 12);
  robe.lineTo(kFrame.right() - 1, midY);
  robe.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(pal.robe);
  p.drawPath(robe);

  // A robe pattern that differs per rank: stripes for the king, a lace
  // neckline for the queen, checks for the jack.
  p.save();
  p.setClipPath(robe, Qt::IntersectClip);
  if (rank == 13) {
    p.setBrush(pal.robeDark);
    for (double x = kFrame.left() + 2; x < kFrame.right(); x += 6) {
      p.drawRect(QRectF(x, headY + 9, 2.2, 20));
    }
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(kFrame.left(), headY + 9.5, kFrame.width(), 2.4));
    p.setBrush(kInk);
    for (double x = kFrame.left() + 3; x < kFrame.right(); x += 4) {
      p.drawEllipse(QPointF(x, headY + 10.7), 0.6, 0.6);
    }
  } else if (rank == 12) {
    p.setBrush(pal.robeDark);
    QPainterPath v;
    v.moveTo(cx - 10, headY + 6);
    v.lineTo(cx, headY + 16);
    v.lineTo(cx + 10, headY + 6);
    v.closeSubpath();
    p.drawPath(v);
    p.setBrush(pal.trim);
    for (int i = -2; i <= 2; ++i) {
      p.drawEllipse(QPointF(cx + i * 3.2, headY + 7.5 + (2 - std::abs(i)) * 1.6), 1.1, 1.1);
    }
  } else {
    p.setBrush(pal.robeDark);
    for (double y = headY + 8; y < midY; y += 4) {
      for (double x = kFrame.left() + ((static_cast<int>(y) / 4) % 2) * 4; x < kFrame.right();
           x += 8) {
        p.drawRect(QRectF(x, y, 4, 2));
      }
    }
  }
  p.restore();

  // Collar trim.
  QPainterPath collar;
  collar.moveTo(cx - 9, headY + 6.2);
  collar.quadTo(cx, headY + 11, cx + 9, headY + 6.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(pal.trim, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(collar);

  // Hair behind the face; the queen's falls to the shoulders.
  p.setPen(Qt::NoPen);
  p.setBrush(pal.hair);
  if (rank == 12) {
    QPainterPath hair;
    hair.moveTo(cx - 6, headY - 5);
    hair.cubicTo(cx - 10, headY, cx - 10, headY + 6, cx - 8, headY + 9);
    hair.lineTo(cx + 8, headY + 9);
    hair.cubicTo(cx + 10, headY + 6, cx + 10, headY, cx + 6, headY - 5);
    hair.closeSubpath();
    p.drawPath(hair);
  } else {
    p.drawEllipse(QPointF(cx, headY - 1), 6.6, 6.4);
  }

  // Face.
  p.setBrush(kSkin);
  p.setPen(QPen(QColor(150, 110, 80), 0.6));
  p.drawEllipse(QPointF(cx, headY), 5.2, 6.0);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(cx - 2.1, headY - 0.8), 0.75, 0.85);
  p.drawEllipse(QPointF(cx + 2.1, headY - 0.8), 0.75, 0.85);
  if (rank == 13) {
    // The king's beard.
    QPainterPath beard;
    beard.moveTo(cx - 5, headY + 1);
    beard.quadTo(cx - 4, headY + 9, cx, headY + 9.5);
    beard.quadTo(cx + 4, headY + 9, cx + 5, headY + 1);
    beard.quadTo(cx, headY + 4.5, cx - 5, headY + 1);
    beard.closeSubpath();
    p.setBrush(pal.hair);
    p.drawPath(beard);
  } else {
    p.setPen(QPen(QColor(170, 80, 70), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 1.3, headY + 3), QPointF(cx + 1.3, headY + 3));
  }

  // Headwear.
  const double headTop = headY - 5.0;
  if (rank == 13) {
    DrawCrown(p, cx, headTop, pal);
  } else if (rank == 12) {
    DrawTiara(p, cx, headTop, pal);
  } else {
    DrawCap(p, cx, headTop, pal);
  }

  // The suit emblem held at the side: a sceptre for the king, a flower for
  // the queen, a shield for the jack, each carrying the suit symbol.
  const QPointF emblem(kFrame.left() + 9, midY - 7.5);
  if (rank == 13) {
    p.setPen(QPen(pal.trim, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(emblem.x(), emblem.y() + 4), QPointF(emblem.x(), midY));
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(Qt::white);
    p.drawEllipse(emblem, 5, 5);
    DrawSuit(p, suit, emblem, 7.0, suitColor);
  } else if (rank == 12) {
    p.setPen(QPen(QColor(40, 120, 50), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(emblem.x() + 1, emblem.y() + 3), QPointF(emblem.x() + 3, midY));
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(Qt::white);
    p.drawEllipse(emblem, 5, 5);
    DrawSuit(p, suit, emblem, 7.0, suitColor);
  } else {
    QPainterPath shield;
    shield.moveTo(emblem.x() - 5, emblem.y() - 5);
    shield.lineTo(emblem.x() + 5, emblem.y() - 5);
    shield.lineTo(emblem.x() + 5, emblem.y() + 1);
    shield.quadTo(emblem.x() + 4, emblem.y() + 5, emblem.x(), emblem.y() + 7);
    shield.quadTo(emblem.x() - 4, emblem.y() + 5, emblem.x() - 5, emblem.y() + 1);
    shield.closeSubpath();
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(Qt::white);
    p.drawPath(shield);
    DrawSuit(p, suit, QPointF(emblem.x(), emblem.y() + 0.3), 7.0, suitColor);
  }
}

void DrawCourt(QPainter& p, int suit, int rank, const QColor& ink) {
  const CourtPalette pal = PaletteFor(suit);
  const double midY = kFrame.center().y();

  p.setPen(Qt::NoPen);
  p.setBrush(pal.field);
  p.drawRect(kFrame);

  p.save();
  p.setClipRect(kFrame);
  QRectF topHalf(kFrame.left(), kFrame.top(), kFrame.width(), midY - kFrame.top());
  p.save();
  p.setClipRect(topHalf, Qt::IntersectClip);
  DrawCourtHalf(p, suit, rank, pal, ink);
  p.restore();
  p.save();
  p.translate(kFrame.center());
  p.rotate(180);
  p.translate(-kFrame.center());
  p.setClipRect(topHalf, Qt::IntersectClip);
  DrawCourtHalf(p, suit, rank, pal, ink);
  p.restore();
  p.restore();

  // Dividing line and frame.
  p.setPen(QPen(pal.trim, 1.0));
  p.drawLine(QPointF(kFrame.left(), midY), QPointF(kFrame.right(), midY));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, 1.0));
  p.drawRect(kFrame);
}

QImage Face(int suit, int rank, QSize size, FaceStyle faces) {
  const QColor ink = SuitColor(suit, faces);
  const bool large = faces == FaceStyle::LargePrint;
  QImage canvas = NewCanvas(size);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ScaleToCard(p, size);
    p.save();
    if (large) {
      // The pips or the figure shrink towards the centre, clear of the large
      // indices in two corners.
      p.translate(W / 2.0, H / 2.0);
      p.scale(0.62, 0.62);
      p.translate(-W / 2.0, -H / 2.0);
    }
    if (rank >= 11) {
      DrawCourt(p, suit, rank, ink);
    } else {
      DrawPips(p, suit, rank, ink);
    }
    p.restore();
    DrawBothIndices(p, suit, rank, ink, large ? kLargeIndex : kStandardIndex);
  }
  QImage out = Flatten(canvas);
  FinishCardShape(out, qRgb(48, 48, 52));
  return out;
}

// ---------------------------------------------------------------------------
// Backs. Each design fills the panel inside a white margin.

const QRectF kPanel(4, 4, W - 8, H - 8);

QPainterPath PanelPath() {
  QPainterPath path;
  path.addRoundedRect(kPanel, 3, 3);
  return path;
}

void BackLattice(QPainter& p) {
  p.fillRect(kPanel, QColor(34, 78, 168));
  // Diagonal lines through every point (4i, 4j) with i + j even; the
  // crossings get a small white knot.
  p.setPen(QPen(QColor(140, 180, 245), 1.3));
  for (int d = -2 * H; d < 2 * H; d += 8) {
    p.drawLine(QPointF(d, 0), QPointF(d + H, H));
    p.drawLine(QPointF(d, 0), QPointF(d - H, H));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int j = 0; j * 4 <= H; ++j) {
    for (int i = 0; i * 4 <= W; ++i) {
      if ((i + j) % 2 == 0) p.drawEllipse(QPointF(i * 4, j * 4), 1.1, 1.1);
    }
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.0));
  p.drawRoundedRect(kPanel.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
}

void BackStripes(QPainter& p) {
  p.fillRect(kPanel, QColor(190, 28, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(140, 14, 26));
  for (int d = -H; d < W + H; d += 8) {
    QPolygonF band;
    band << QPointF(d, 0) << QPointF(d + 4, 0) << QPointF(d + 4 + H, H) << QPointF(d + H, H);
    p.drawPolygon(band);
  }
  p.setBrush(QColor(250, 210, 120));
  for (int d = -H; d < W + H; d += 8) {
    QPolygonF thin;
    thin << QPointF(d + 5.5, 0) << QPointF(d + 6.3, 0) << QPointF(d + 6.3 + H, H)
         << QPointF(d + 5.5 + H, H);
    p.drawPolygon(thin);
  }
}

void BackChecker(QPainter& p) {
  const QColor a(30, 120, 60), b(70, 170, 90);
  const double s = 7;
  for (int j = 0; j * s < H; ++j) {
    for (int i = 0; i * s < W; ++i) {
      p.fillRect(QRectF(kPanel.left() + i * s, kPanel.top() + j * s, s, s), (i + j) % 2 ? a : b);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 250, 230));
  for (int j = 0; j * s < H; ++j) {
    for (int i = 0; i * s < W; ++i) {
      p.drawEllipse(QPointF(kPanel.left() + i * s, kPanel.top() + j * s), 1.1, 1.1);
    }
  }
}

void BackDots(QPainter& p) {
  p.fillRect(kPanel, QColor(24, 36, 92));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 204, 60));
  for (int j = 0; j < 16; ++j) {
    for (int i = 0; i < 12; ++i) {
      const double x = kPanel.left() + 3 + i * 6 + (j % 2) * 3;
      const double y = kPanel.top() + 3 + j * 6;
      p.drawEllipse(QPointF(x, y), 1.7, 1.7);
    }
  }
}

void BackWaves(QPainter& p) {
  p.fillRect(kPanel, QColor(14, 120, 140));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row < 20; ++row) {
    const double y0 = kPanel.top() + row * 5.0;
    QPainterPath wave;
    wave.moveTo(0, y0);
    for (double x = 0; x <= W; x += 1) {
      wave.lineTo(x, y0 + 1.8 * std::sin(x * 2 * M_PI / 14.0));
    }
    p.setPen(QPen(row % 2 ? QColor(160, 230, 230) : QColor(255, 255, 255), 1.1));
    p.drawPath(wave);
  }
}

void BackLandscape(QPainter& p) {
  QLinearGradient sky(0, kPanel.top(), 0, kPanel.top() + 55);
  sky.setColorAt(0, QColor(70, 140, 220));
  sky.setColorAt(1, QColor(200, 230, 250));
  p.fillRect(kPanel, sky);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 60));
  p.drawEllipse(QPointF(50, 20), 7, 7);
  // Mountains.
  p.setBrush(QColor(110, 120, 160));
  QPolygonF m1;
  m1 << QPointF(0, 62) << QPointF(22, 30) << QPointF(44, 62);
  p.drawPolygon(m1);
  p.setBrush(QColor(90, 100, 140));
  QPolygonF m2;
  m2 << QPointF(24, 62) << QPointF(46, 36) << QPointF(74, 62);
  p.drawPolygon(m2);
  p.setBrush(Qt::white);
  QPolygonF snow1;
  snow1 << QPointF(22, 30) << QPointF(27.5, 38) << QPointF(24, 37) << QPointF(21, 40)
        << QPointF(18, 36) << QPointF(16.5, 38);
  p.drawPolygon(snow1);
  QPolygonF snow2;
  snow2 << QPointF(46, 36) << QPointF(51, 42) << QPointF(47.5, 41) << QPointF(45, 43.5)
        << QPointF(42, 40.5);
  p.drawPolygon(snow2);
  // Hills and a lake.
  QPainterPath hill;
  hill.moveTo(0, 60);
  hill.cubicTo(20, 52, 40, 66, 71, 56);
  hill.lineTo(71, 96);
  hill.lineTo(0, 96);
  hill.closeSubpath();
  p.setBrush(QColor(70, 160, 70));
  p.drawPath(hill);
  QPainterPath hill2;
  hill2.moveTo(0, 74);
  hill2.cubicTo(25, 64, 45, 74, 71, 68);
  hill2.lineTo(71, 96);
  hill2.lineTo(0, 96);
  hill2.closeSubpath();
  p.setBrush(QColor(40, 120, 50));
  p.drawPath(hill2);
  p.setBrush(QColor(90, 170, 230));
  p.drawEllipse(QRectF(14, 80, 40, 8));
  // A few trees.
  for (double x : {8.0, 58.0, 64.0}) {
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(x - 0.6, 72, 1.2, 4));
    p.setBrush(QColor(20, 90, 40));
    QPolygonF tree;
    tree << QPointF(x, 62) << QPointF(x + 3.5, 73) << QPointF(x - 3.5, 73);
    p.drawPolygon(tree);
  }
}

QPainterPath StarPath(QPointF c, double outer, double inner, int points, double rot = -90) {
  QPainterPath s;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = qDegreesToRadians(rot + i * 180.0 / points);
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) {
      s.moveTo(pt);
    } else {
      s.lineTo(pt);
    }
  }
  s.closeSubpath();
  return s;
}

void BackStar(QPainter& p) {
  QRadialGradient g(kPanel.center(), 50);
  g.setColorAt(0, QColor(130, 60, 170));
  g.setColorAt(1, QColor(60, 20, 90));
  p.fillRect(kPanel, g);
  const QPointF c = kPanel.center();
  p.setPen(QPen(QColor(250, 220, 120), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 26, 26);
  p.drawEllipse(c, 28.5, 28.5);
  p.setPen(QPen(QColor(90, 40, 20), 0.8));
  p.setBrush(QColor(246, 196, 60));
  p.drawPath(StarPath(c, 25, 11, 8, -90));
  p.setBrush(QColor(130, 60, 170));
  p.drawPath(StarPath(c, 12, 5.5, 8, -90 + 22.5));
  p.setBrush(QColor(250, 230, 160));
  p.drawEllipse(c, 3, 3);
  // Small stars in the four corners.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(246, 196, 60));
  for (QPointF s : {QPointF(12, 12), QPointF(59, 12), QPointF(12, 84), QPointF(59, 84)}) {
    p.drawPath(StarPath(s, 4.5, 1.8, 4));
  }
}

void BackScales(QPainter& p) {
  p.fillRect(kPanel, QColor(200, 100, 20));
  const double r = 6;
  for (int j = 0; j < 24; ++j) {
    for (int i = -1; i < 8; ++i) {
      const QPointF c(kPanel.left() + i * 2 * r + (j % 2) * r, kPanel.top() + j * r * 0.8);
      p.setPen(QPen(QColor(120, 50, 10), 0.9));
      p.setBrush(j % 3 == 0 ? QColor(246, 160, 50) : QColor(232, 130, 34));
      p.drawEllipse(c, r, r);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 210, 120));
      p.drawEllipse(QPointF(c.x(), c.y() + r * 0.55), 1.0, 1.0);
    }
  }
}

void BackDiamonds(QPainter& p) {
  p.fillRect(kPanel, QColor(120, 20, 40));
  const QPointF c = kPanel.center();
  for (int k = 14; k >= 1; --k) {
    const double s = k * 5.0;
    QPolygonF d;
    d << QPointF(c.x(), c.y() - s * 1.35) << QPointF(c.x() + s, c.y())
      << QPointF(c.x(), c.y() + s * 1.35) << QPointF(c.x() - s, c.y());
    p.setPen(Qt::NoPen);
    p.setBrush(k % 2 ? QColor(120, 20, 40) : QColor(236, 186, 70));
    p.drawPolygon(d);
  }
  p.setBrush(QColor(255, 240, 200));
  p.drawEllipse(c, 2, 2);
}

void BackNight(QPainter& p) {
  QLinearGradient sky(0, kPanel.top(), 0, kPanel.bottom());
  sky.setColorAt(0, QColor(8, 14, 48));
  sky.setColorAt(1, QColor(30, 50, 110));
  p.fillRect(kPanel, sky);
  p.setPen(Qt::NoPen);
  // Crescent moon.
  QPainterPath moon;
  moon.addEllipse(QPointF(44, 26), 12, 12);
  QPainterPath bite;
  bite.addEllipse(QPointF(50, 21), 11, 11);
  p.setBrush(QColor(250, 236, 170));
  p.drawPath(moon.subtracted(bite));
  // Stars at fixed places, so the back is the same every time.
  const QPointF stars[] = {{12, 12}, {24, 22}, {14, 40}, {58, 46}, {34, 52}, {20, 64},
                           {50, 70}, {62, 84}, {30, 82}, {10, 86}, {40, 38}, {60, 60}};
  for (int i = 0; i < 12; ++i) {
    p.setBrush(QColor(255, 255, 220));
    p.drawPath(StarPath(stars[i], i % 3 == 0 ? 3.4 : 2.2, i % 3 == 0 ? 1.2 : 0.8, 4));
  }
  // Distant hills.
  QPainterPath hills;
  hills.moveTo(0, 90);
  hills.cubicTo(20, 82, 40, 92, 71, 84);
  hills.lineTo(71, 96);
  hills.lineTo(0, 96);
  hills.closeSubpath();
  p.setBrush(QColor(6, 10, 30));
  p.drawPath(hills);
}

void BackFlowers(QPainter& p) {
  p.fillRect(kPanel, QColor(230, 110, 160));
  const QPointF mid = kPanel.center();
  for (int j = -4; j <= 4; ++j) {
    for (int i = -3; i <= 3; ++i) {
      const QPointF c(mid.x() + i * 12 + (j % 2 ? 6 : 0), mid.y() + j * 11);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 245, 250));
      for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5 - M_PI / 2;
        p.drawEllipse(QPointF(c.x() + 2.6 * std::cos(a), c.y() + 2.6 * std::sin(a)), 2.0, 2.0);
      }
      p.setBrush(QColor(250, 200, 40));
      p.drawEllipse(c, 1.6, 1.6);
    }
  }
}

// The showpiece: a full-spectrum rosette.
void BackRainbow(QPainter& p) {
  const QPointF c = kPanel.center();
  QConicalGradient g(c, 90);
  for (int i = 0; i <= 12; ++i) {
    g.setColorAt(i / 12.0, QColor::fromHsv((i * 30) % 360, 200, 240));
  }
  p.fillRect(kPanel, g);
  QRadialGradient glow(c, 45);
  glow.setColorAt(0, QColor(255, 255, 255, 200));
  glow.setColorAt(0.35, QColor(255, 255, 255, 40));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(kPanel, glow);
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
  for (int k = 0; k < 12; ++k) {
    p.save();
    p.translate(c);
    p.rotate(k * 30);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(8, -10, 6, -24, 0, -30);
    petal.cubicTo(-6, -24, -8, -10, 0, 0);
    p.setBrush(QColor::fromHsv((k * 30 + 180) % 360, 170, 250, 170));
    p.drawPath(petal);
    p.restore();
  }
  p.setBrush(QColor(255, 250, 230));
  p.setPen(QPen(QColor(200, 120, 40), 0.8));
  p.drawEllipse(c, 4, 4);
}

void BackTartan(QPainter& p) {
  p.fillRect(kPanel, QColor(24, 80, 50));
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 8; ++k) {
    const double x = kPanel.left() + 2 + k * 10;
    p.fillRect(QRectF(x, kPanel.top(), 5, kPanel.height()), QColor(20, 40, 100, 150));
    p.fillRect(QRectF(kPanel.left(), kPanel.top() + 2 + k * 10, kPanel.width(), 5),
               QColor(20, 40, 100, 150));
  }
  for (int k = 0; k < 8; ++k) {
    const double x = kPanel.left() + 8 + k * 10;
    p.fillRect(QRectF(x, kPanel.top(), 1, kPanel.height()), QColor(250, 210, 50, 220));
    p.fillRect(QRectF(kPanel.left(), kPanel.top() + 8 + k * 10, kPanel.width(), 1),
               QColor(250, 210, 50, 220));
  }
}

using BackPainter = void (*)(QPainter&);

QImage Back(int b, QSize size) {
  static const BackPainter painters[13] = {
      BackLattice, BackStripes,  BackChecker, BackDots,    BackWaves,   BackLandscape, BackStar,
      BackScales,  BackDiamonds, BackNight,   BackFlowers, BackRainbow, BackTartan};
  QImage canvas = NewCanvas(size);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    ScaleToCard(p, size);
    p.setClipPath(PanelPath());
    painters[(b - 1) % 13](p);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.drawRoundedRect(kPanel.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
  }
  QImage out = Flatten(canvas);
  FinishCardShape(out, qRgb(48, 48, 52));
  return out;
}

// ---------------------------------------------------------------------------
// Empty-pile marks and masks. Marks are drawn without antialiasing: every
// pixel is either part of the mark (white in the mask) or table.

QImage Blank(QRgb fill, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

// The outline in two tones: `lightFirst` gives white on the top and left and
// black on the bottom and right, otherwise the reverse.
void DrawToneOutline(QImage& img, bool lightFirst) {
  const Grid g(img.size());
  const int t = g.t;
  for (int y = 0; y < g.h; ++y) {
    for (int x = 0; x < g.w; ++x) {
      if (!g.IsOutlinePixel(x, y)) continue;
      const bool topLeft = (x < 2 * t && y < g.h - 2 * t) || (y < 2 * t && x < g.w - 2 * t);
      img.setPixel(x, y, topLeft == lightFirst ? kWhite : kBlack);
    }
  }
}

void MarkOutline(QImage& mask) {
  const Grid g(mask.size());
  for (int y = 0; y < g.h; ++y) {
    for (int x = 0; x < g.w; ++x) {
      if (g.IsOutlinePixel(x, y)) mask.setPixel(x, y, kWhite);
    }
  }
}

// Renders a symbol antialiased, then keeps the pixels it covers at least half
// as a hard-edged mark: their colour goes into the picture (un-blended, so no
// pale fringe shows on the table) and white into the mask.
void StampSymbol(QImage& img, QImage& mask, const QPainterPath& shape, const QColor& fill,
                 const QColor& edge) {
  QImage layer(img.size(), QImage::Format_ARGB32);
  layer.fill(Qt::transparent);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    ScaleToCard(p, img.size());
    p.setPen(QPen(edge, 1.6));
    p.setBrush(fill);
    p.drawPath(shape);
  }
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb px = layer.pixel(x, y);
      if (qAlpha(px) < 128) continue;
      // Pixels the outline pen did not touch keep the fill colour; the rest,
      // including the half-covered rim, become the edge colour.
      img.setPixel(x, y, px == fill.rgb() ? fill.rgb() : edge.rgb());
      mask.setPixel(x, y, kWhite);
    }
  }
}

QPainterPath CrossPath() {
  QPainterPath bar;
  bar.addRoundedRect(QRectF(-22, -4.5, 44, 9), 2.5, 2.5);
  QTransform a;
  a.translate(W / 2.0, H / 2.0);
  a.rotate(45);
  QTransform b;
  b.translate(W / 2.0, H / 2.0);
  b.rotate(-45);
  return a.map(bar).united(b.map(bar));
}

QPainterPath RingPath() {
  QPainterPath ring;
  ring.addEllipse(QPointF(W / 2.0, H / 2.0), 20, 20);
  QPainterPath hole;
  hole.addEllipse(QPointF(W / 2.0, H / 2.0), 13, 13);
  return ring.subtracted(hole);
}

void CrossPair(QImage& img, QImage& mask, QSize size) {
  img = Blank(kWhite, size);
  mask = Blank(kBlack, size);
  DrawToneOutline(img, true);
  MarkOutline(mask);
  StampSymbol(img, mask, CrossPath(), QColor(220, 30, 30), QColor(120, 10, 10));
}

void RingPair(QImage& img, QImage& mask, QSize size) {
  img = Blank(kWhite, size);
  mask = Blank(kBlack, size);
  DrawToneOutline(img, true);
  MarkOutline(mask);
  StampSymbol(img, mask, RingPath(), QColor(40, 170, 60), QColor(10, 80, 25));
}

QImage CardMaskImage(bool inverse, QSize size) {
  QImage img = Blank(inverse ? kBlack : kWhite, size);
  const Grid g(size);
  for (int y = 0; y < g.h; ++y) {
    for (int x = 0; x < g.w; ++x) {
      if (g.IsCornerPixel(x, y)) img.setPixel(x, y, inverse ? kWhite : kBlack);
    }
  }
  return img;
}

void BevelPair(QImage& img, QImage& mask, QSize size) {
  img = Blank(kWhite, size);
  mask = Blank(kBlack, size);
  DrawToneOutline(img, false);
  MarkOutline(mask);
  const QRgb grey = qRgb(128, 128, 128);
  const Grid g(size);
  const int t = g.t, w = g.w, h = g.h;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!g.IsInnerOutlinePixel(x, y)) continue;
      mask.setPixel(x, y, kWhite);
      const bool topLeft = (x < 3 * t && y < h - 3 * t) || (y < 3 * t && x < w - 3 * t);
      if (topLeft) {
        img.setPixel(x, y, kWhite);
      } else {
        // The shadow side is grey along its length and black where it turns
        // the corners, which reads as a soft bevel.
        const bool corner = (x >= w - 3 * t && y >= h - 3 * t) || (x >= w - 3 * t && y < 4 * t) ||
                            (y >= h - 3 * t && x < 4 * t);
        img.setPixel(x, y, corner ? kBlack : grey);
      }
    }
  }
}

void EtchedPair(QImage& img, QImage& mask, QSize size) {
  img = Blank(kWhite, size);
  mask = Blank(kBlack, size);
  DrawToneOutline(img, false);
  MarkOutline(mask);
}

// ---------------------------------------------------------------------------
// Sounds.

class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
  }

 private:
  uint32_t state_;
};

constexpr int kRate = 22050;

QByteArray WavFile(const std::vector<double>& samples) {
  QByteArray wav;
  auto put32 = [&wav](uint32_t v) {
    for (int i = 0; i < 4; ++i)
      wav.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto put16 = [&wav](uint16_t v) {
    wav.append(static_cast<char>(v & 0xFF));
    wav.append(static_cast<char>(v >> 8));
  };
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  wav.append("RIFF", 4);
  put32(36 + dataBytes);
  wav.append("WAVE", 4);
  wav.append("fmt ", 4);
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(kRate);
  put32(kRate * 2);
  put16(2);
  put16(16);
  wav.append("data", 4);
  put32(dataBytes);
  for (double s : samples) {
    const double c = std::clamp(s, -1.0, 1.0);
    put16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(c * 32000))));
  }
  return wav;
}

// One soft tick: low-passed noise with a quick attack and exponential decay.
void AddClick(std::vector<double>& out, size_t start, double amplitude, double decayMs,
              double brightness, Noise& noise) {
  double lp = 0;
  const double k = std::exp(-1.0 / (decayMs * kRate / 1000.0));
  double env = 1.0;
  for (size_t i = start; i < out.size(); ++i) {
    const size_t n = i - start;
    const double attack = n < 22 ? n / 22.0 : 1.0;
    lp += brightness * (noise.Next() - lp);
    out[i] += amplitude * attack * env * lp;
    env *= k;
    if (env < 1e-4) break;
  }
}

QByteArray SelectSound() {
  std::vector<double> s(kRate * 60 / 1000, 0.0);
  Noise noise(0x5e1ec7u);
  AddClick(s, 0, 0.9, 7.0, 0.45, noise);
  AddClick(s, 60, 0.35, 4.0, 0.25, noise);
  return WavFile(s);
}

QByteArray TurnSound() {
  std::vector<double> s(kRate * 250 / 1000, 0.0);
  Noise noise(0x7a2bu);
  const int clicks = 10;
  for (int i = 0; i < clicks; ++i) {
    // The clicks speed up a little and fade, like cards leaving the thumb.
    const double t =
        0.006 + 0.2 * (1.0 - std::pow(1.0 - i / double(clicks), 1.3)) + 0.003 * noise.Next();
    const double amp = 0.75 * (1.0 - 0.05 * i) * (0.85 + 0.15 * noise.Next());
    AddClick(s, static_cast<size_t>(t * kRate), amp, 3.0, 0.5, noise);
  }
  // Fade the tail out so the sound ends at silence.
  const size_t fade = kRate / 100;
  for (size_t i = 0; i < fade; ++i)
    s[s.size() - 1 - i] *= i / double(fade);
  return WavFile(s);
}

}  // namespace

QByteArray CacheFingerprint(FaceStyle faces) {
  static const QByteArray print = [] {
    const QFontInfo font(IndexFont());
    return QByteArray("art " WENLO_ART_DIGEST " qt ") + qVersion() + " font " +
           font.family().toUtf8() + " " + font.styleName().toUtf8() + " " +
           QByteArray::number(font.weight());
  }();
  return print + " faces " + QByteArray::number(int(faces));
}

QImage CardImage(int k, QSize size, FaceStyle faces) {
  if (size.width() < 8 || size.height() < 8) return QImage();
  if (k >= 1 && k <= 52) return Face((k - 1) / 13 + 1, (k - 1) % 13 + 1, size, faces);
  if (k >= 53 && k <= 65) return Back(k - 52, size);
  QImage img, mask;
  switch (k) {
    case 67:
      CrossPair(img, mask, size);
      return img;
    case 74:
      CrossPair(img, mask, size);
      return mask;
    case 68:
      RingPair(img, mask, size);
      return img;
    case 73:
      RingPair(img, mask, size);
      return mask;
    case 69:
      return CardMaskImage(false, size);
    case 70:
      return CardMaskImage(true, size);
    case 71:
      BevelPair(img, mask, size);
      return img;
    case 72:
      BevelPair(img, mask, size);
      return mask;
    case 75:
      EtchedPair(img, mask, size);
      return img;
    case 76:
      EtchedPair(img, mask, size);
      return mask;
    default:
      return QImage();
  }
}

QImage DropCursorImage(int ratio) {
  // Pixel art rather than a painted path: whole pixels keep its outline
  // crisp and put the tip exactly on the hot spot. The shaft is nine cursor
  // pixels wide, the head a 45-degree triangle; at a pixel ratio r every
  // cursor pixel is r x r device pixels, measured at the device pixel's
  // centre so the head's slope stays a fine diagonal, and the outline is r
  // device pixels thick.
  const int r = qBound(1, ratio, 8);
  const double cx = kDropCursorHotX + 0.5;
  const double tip = kDropCursorHotY + 1;
  const double headTop = kDropCursorHotY - 9;
  auto inside = [&](int x, int y) {
    const double u = (x + 0.5) / r, v = (y + 0.5) / r;
    if (v >= 3 && v < headTop) return std::abs(u - cx) <= 4.5;
    if (v >= headTop && v < tip) return std::abs(u - cx) <= tip - 0.5 - v;
    return false;
  };
  const int side = 32 * r;
  QImage img(side, side, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (!inside(x, y)) continue;
      bool edge = false;
      for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx)
          edge = edge || !inside(x + dx, y + dy);
      }
      img.setPixel(x, y, edge ? kBlack : kWhite);
    }
  }
  return img;
}

QPainterPath SuitSymbol(int suit) {
  return SuitPath(suit);
}

QByteArray SoundWav(const char* name) {
  if (name == nullptr) return QByteArray();
  if (std::strcmp(name, "PLYSEL") == 0) return SelectSound();
  if (std::strcmp(name, "TURN") == 0) return TurnSound();
  return QByteArray();
}

}  // namespace CardArt
