// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card faces a player can choose. Backs, empty-pile marks and the card's
// shape are the same whatever the faces; only images 1..52 change.

#include <QImage>
#include <QSize>
#include <QString>

class QColor;

namespace CardArt {

enum class FaceStyle : int {
  Standard = 0,    // the faces the program always had
  LargePrint = 1,  // ranks 1.6 times as tall, the picture smaller
  FourColour = 2,  // clubs green and diamonds blue, told apart without colour vision too
};
constexpr int kFaceStyleCount = 3;

// A stored number as a style: anything unknown is the standard faces.
FaceStyle FaceStyleFromInt(int value);
// The style's name as the Options dialog lists it (translated).
QString FaceStyleName(FaceStyle style);

// A few cards of the style fanned over the table colour, for the Options
// dialog: `size` in logical pixels, drawn at `ratio` device pixels each.
QImage FacesPreview(FaceStyle style, QSize size, const QColor& table, qreal ratio = 1.0);

}  // namespace CardArt
