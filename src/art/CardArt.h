// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table's own artwork, drawn by code at start-up. Nothing here is loaded
// from files: every image is generated, so the program carries its art.

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QSize>

#include "art/FaceStyle.h"

namespace CardArt {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

// Image k of the card image table (1..76), drawn at the given size (71 x 96
// is the card's own size; the table draws at its device size, so cards stay
// sharp when the view is zoomed or the screen has a high pixel ratio),
// QImage::Format_RGB32, every pixel opaque:
//   1..52  faces, image (suit - 1) * 13 + rank; suits clubs, diamonds, hearts, spades
//   53..65 the thirteen backs (back b is image 52 + b)
//   66     unused: a null image
//   67     red cross inside a one-pixel rounded outline, on white (empty look 2)
//   68     green ring inside the same outline, on white (empty look 3)
//   69     card mask: white inside the card shape, black in the rounded corners
//   70     inverse of 69
//   71     two-pixel bevel on white (empty look 1, foundations)
//   72     mask of 71: drawn lines white, the rest black
//   73     mask of 68
//   74     mask of 67
//   75     one-pixel etched outline on white (empty look 0)
//   76     mask of 75
// Faces and backs are white (or their design) inside the card shape and
// white in the corners, so that "OR mask, then AND picture" lets the table
// show through the corners. `faces` chooses how images 1..52 look.
QImage CardImage(int k, QSize size = QSize(kCardWidth, kCardHeight),
                 FaceStyle faces = FaceStyle::Standard);

// What CardImage's pixels depend on besides k and the size: this art's
// source, the faces chosen, the index font as the system resolves it and the
// Qt version. Kept card images are used only when it is the same.
QByteArray CacheFingerprint(FaceStyle faces = FaceStyle::Standard);

// The drop cursor: 32 x 32 cursor pixels (32r x 32r device pixels at pixel
// ratio r), ARGB32, a thick white down arrow with a black outline, its tip
// (the hot spot, in cursor pixels) at (13, 25).
QImage DropCursorImage(int ratio = 1);
constexpr int kDropCursorHotX = 13;
constexpr int kDropCursorHotY = 25;

// Complete WAV files (RIFF, PCM 16-bit mono): "PLYSEL" a short soft card
// click, "TURN" a short riffle. Any other name gives an empty array.
QByteArray SoundWav(const char* name);

// The outline of a suit symbol (1 clubs, 2 diamonds, 3 hearts, 4 spades) in a
// 100 x 100 box centred on the origin, for other pictures that show suits.
QPainterPath SuitSymbol(int suit);

}  // namespace CardArt
