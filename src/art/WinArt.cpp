// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/WinArt.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "art/CardArt.h"

namespace WinArt {
namespace {

QColor SuitColour(int suit) {
  return suit == 2 || suit == 3 ? QColor(206, 22, 32) : QColor(20, 20, 24);
}

QPainterPath Star(QPointF c, double outer, double inner, int points) {
  QPainterPath s;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = qDegreesToRadians(-90.0 + i * 180.0 / points);
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

// A small card drawn from vector shapes: white with a thin border, a big
// suit symbol and, when there is room, the rank in the top-left corner.
// `centre` is the card's centre after the painter's transform.
void MiniCard(QPainter& p, QSizeF size, int suit, const QString& rank, const QFont& font) {
  const QRectF r(-size.width() / 2, -size.height() / 2, size.width(), size.height());
  p.setPen(QPen(QColor(60, 60, 70), 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, size.width() * 0.1, size.width() * 0.1);
  p.setPen(Qt::NoPen);
  p.setBrush(SuitColour(suit));
  const double pip = size.width() * 0.62;
  p.save();
  p.translate(0, size.height() * 0.06);
  p.scale(pip / 100.0, pip / 100.0);
  p.drawPath(CardArt::SuitSymbol(suit));
  p.restore();
  if (!rank.isEmpty()) {
    QPainterPath text;
    text.addText(0, 0, font, rank);
    const QRectF b = text.boundingRect();
    if (!b.isEmpty()) {
      const double h = size.height() * 0.2;
      const double s = h / b.height();
      QTransform t;
      t.translate(r.left() + size.width() * 0.1, r.top() + size.height() * 0.07);
      t.scale(s, s);
      t.translate(-b.left(), -b.top());
      p.drawPath(t.map(text));
    }
  }
}

// A card back for the fans: blue lattice inside a white margin.
void MiniBack(QPainter& p, QSizeF size) {
  const QRectF r(-size.width() / 2, -size.height() / 2, size.width(), size.height());
  p.setPen(QPen(QColor(60, 60, 70), 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, size.width() * 0.1, size.width() * 0.1);
  const QRectF inner = r.adjusted(3, 3, -3, -3);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(inner, 2, 2);
  p.setClipPath(clip);
  p.fillRect(inner, QColor(34, 78, 168));
  p.setPen(QPen(QColor(150, 190, 250), 1.0));
  for (double d = -size.height() * 2; d < size.height() * 2; d += 5) {
    p.drawLine(QPointF(d, r.top()), QPointF(d + r.height(), r.bottom()));
    p.drawLine(QPointF(d + r.height(), r.top()), QPointF(d, r.bottom()));
  }
  p.restore();
}

QFont BoldFont() {
  QFont f("DejaVu Sans");
  f.setBold(true);
  f.setPixelSize(100);
  return f;
}

struct FanCard {
  int suit;  // 0 for a back
  const char* rank;
};

// Cards fanned around a pivot below their centres.
void Fan(QPainter& p, QPointF pivot, double radius, QSizeF size, double spread,
         const FanCard* cards, int count, const QFont& font) {
  for (int i = 0; i < count; ++i) {
    const double angle = count > 1 ? -spread / 2 + spread * i / (count - 1) : 0;
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.translate(0, -radius);
    if (cards[i].suit == 0) {
      MiniBack(p, size);
    } else {
      MiniCard(p, size, cards[i].suit, QString::fromLatin1(cards[i].rank), font);
    }
    p.restore();
  }
}

}  // namespace

QImage WinPicture(double scale) {
  const int w = kWinPictureWidth;
  const int h = kWinPictureHeight;
  scale = std::clamp(scale, 0.25, 8.0);
  const QSize size(int(std::lround(w * scale)), int(std::lround(h * scale)));
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(QColor(22, 34, 92));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn in picture coordinates at the size the table shows it.
  p.scale(size.width() / double(w), size.height() / double(h));

  // Confetti and stars. Each is also drawn shifted by a whole tile, so the
  // parts that cross an edge come back on the opposite one and the tiles join.
  struct Spark {
    double x, y, size;
    int kind;  // 0 star, 1 dot, 2 diamond
    QColor colour;
  };
  const Spark sparks[] = {
      {8, 10, 5, 0, QColor(255, 214, 70)},      {36, 76, 4, 0, QColor(255, 255, 255)},
      {70, 6, 2.0, 1, QColor(120, 220, 255)},   {250, 14, 4.5, 0, QColor(255, 214, 70)},
      {264, 70, 2.2, 1, QColor(255, 140, 200)}, {96, 79, 2.0, 1, QColor(255, 214, 70)},
      {178, 4, 3.5, 0, QColor(255, 255, 255)},  {206, 80, 3.0, 2, QColor(140, 240, 150)},
      {58, 44, 1.6, 1, QColor(255, 255, 255)},  {214, 42, 1.6, 1, QColor(255, 255, 255)},
      {124, 8, 2.5, 2, QColor(255, 140, 200)},  {150, 80, 4.0, 0, QColor(255, 214, 70)},
      {2, 52, 2.5, 2, QColor(120, 220, 255)},   {232, 62, 2.0, 1, QColor(255, 214, 70)},
      {40, 24, 2.0, 2, QColor(255, 214, 70)},   {236, 26, 2.0, 2, QColor(120, 220, 255)},
  };
  for (const Spark& s : sparks) {
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const QPointF c(s.x + dx * w, s.y + dy * h);
        p.setPen(Qt::NoPen);
        p.setBrush(s.colour);
        if (s.kind == 0) {
          p.drawPath(Star(c, s.size, s.size * 0.42, 5));
        } else if (s.kind == 1) {
          p.drawEllipse(c, s.size, s.size);
        } else {
          p.drawPath(Star(c, s.size, s.size * 0.55, 2));
        }
      }
    }
  }

  const QFont font = BoldFont();

  // Two fans of cards, one on each side of the lettering.
  const FanCard left[] = {{0, ""}, {4, "A"}, {3, "A"}};
  const FanCard right[] = {{2, "A"}, {1, "A"}, {0, ""}};
  Fan(p, QPointF(36, 80), 36, QSizeF(20, 28), 34, left, 3, font);
  Fan(p, QPointF(236, 80), 36, QSizeF(20, 28), 34, right, 3, font);

  // The lettering: gold with a dark outline and a soft shadow.
  QPainterPath text;
  text.addText(0, 0, font, QCoreApplication::translate("WinArt", "You won!"));
  const QRectF b = text.boundingRect();
  if (!b.isEmpty()) {
    const double targetH = 32;
    double s = targetH / b.height();
    if (b.width() * s > 126) s = 126 / b.width();
    QTransform t;
    t.translate(w / 2.0 - b.width() * s / 2, h / 2.0 - b.height() * s / 2);
    t.scale(s, s);
    t.translate(-b.left(), -b.top());
    const QPainterPath letters = t.map(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(letters.translated(1.5, 2));
    QLinearGradient gold(0, h / 2.0 - targetH / 2, 0, h / 2.0 + targetH / 2);
    gold.setColorAt(0, QColor(255, 244, 170));
    gold.setColorAt(0.5, QColor(250, 200, 50));
    gold.setColorAt(1, QColor(210, 140, 20));
    p.setPen(QPen(QColor(90, 50, 10), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(letters);
  }
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

QImage WinIcon() {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient gold(6, 0, 26, 0);
  gold.setColorAt(0, QColor(200, 130, 20));
  gold.setColorAt(0.4, QColor(255, 230, 120));
  gold.setColorAt(1, QColor(190, 120, 10));
  const QPen outline(QColor(100, 60, 10), 1.0);

  // Handles behind the cup.
  p.setPen(QPen(QColor(100, 60, 10), 3.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7.5, 9.5), 4.2, 4.6);
  p.drawEllipse(QPointF(24.5, 9.5), 4.2, 4.6);
  p.setPen(QPen(QColor(240, 190, 60), 1.6));
  p.drawEllipse(QPointF(7.5, 9.5), 4.2, 4.6);
  p.drawEllipse(QPointF(24.5, 9.5), 4.2, 4.6);

  // Cup.
  QPainterPath cup;
  cup.moveTo(7, 3.5);
  cup.lineTo(25, 3.5);
  cup.cubicTo(25, 14, 21, 19, 16, 19.5);
  cup.cubicTo(11, 19, 7, 14, 7, 3.5);
  cup.closeSubpath();
  p.setPen(outline);
  p.setBrush(gold);
  p.drawPath(cup);
  // Stem and base.
  p.drawRect(QRectF(14.5, 19.5, 3, 4));
  p.drawRoundedRect(QRectF(10.5, 23.5, 11, 3), 1, 1);
  p.setBrush(QColor(110, 60, 30));
  p.setPen(QPen(QColor(60, 30, 10), 1.0));
  p.drawRoundedRect(QRectF(8.5, 26.5, 15, 4), 1, 1);
  // A star on the cup.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawPath(Star(QPointF(16, 10), 4.2, 1.8, 5));
  p.end();
  return img;
}

QImage AppIcon(int size) {
  size = qBound(8, size, 1024);
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn on a 64-pixel grid and scaled, so every size shows the same fan.
  p.scale(size / 64.0, size / 64.0);
  const FanCard cards[] = {{0, ""}, {4, "A"}, {3, "A"}};
  Fan(p, QPointF(32, 66), 34, QSizeF(28, 39), 40, cards, 3, BoldFont());
  p.end();
  return img;
}

}  // namespace WinArt
