// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/FaceStyle.h"

#include <QColor>
#include <QCoreApplication>
#include <QPainter>

#include "art/CardArt.h"

namespace CardArt {

FaceStyle FaceStyleFromInt(int value) {
  return value >= 0 && value < kFaceStyleCount ? FaceStyle(value) : FaceStyle::Standard;
}

QString FaceStyleName(FaceStyle style) {
  switch (style) {
    case FaceStyle::LargePrint:
      return QCoreApplication::translate("CardFaces", "Large print");
    case FaceStyle::FourColour:
      return QCoreApplication::translate("CardFaces", "Four colours");
    case FaceStyle::Standard:
      break;
  }
  return QCoreApplication::translate("CardFaces", "Standard");
}

QImage FacesPreview(FaceStyle style, QSize size, const QColor& table, qreal ratio) {
  QImage out(size * ratio, QImage::Format_RGB32);
  out.setDevicePixelRatio(ratio);
  out.fill(table);
  // One card of each suit, fanned as a column would show them, so the
  // indices, the suits' colours and one full face are all in view.
  constexpr int kCards[] = {13 + 3 * 13, 12 + 2 * 13, 10, 7 + 13};  // K♠ Q♥ 10♣ 7♦
  constexpr int kCount = int(std::size(kCards));
  const int h = size.height() - 8;
  const int w = h * kCardWidth / kCardHeight;
  const int step = (size.width() - 8 - w) / (kCount - 1);
  const QImage mask = CardImage(69, QSize(w, h) * ratio);
  QPainter p(&out);
  for (int i = 0; i < kCount; ++i) {
    QImage face = CardImage(kCards[i], QSize(w, h) * ratio, style);
    // The table shows through the card's cut corners, as on the table.
    face.setAlphaChannel(mask.convertToFormat(QImage::Format_Grayscale8));
    face.setDevicePixelRatio(ratio);
    p.drawImage(QPointF(4 + i * step, 4), face);
  }
  return out;
}

}  // namespace CardArt
