// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raster operations on 32-bit framebuffers: the four blits the table is
// drawn with. Written as plain pixel loops over QImage::Format_RGB32 so the
// results are exact (no antialiasing, no alpha), fast and testable.

#include <QImage>
#include <QRect>

enum class Rop {
  Copy,  // dest := src
  Or,    // dest := dest | src   (paints a mask)
  And,   // dest := dest & src   (lays an image over a painted mask)
  Xor,   // dest := dest ^ src   (inverts where src is white)
};

// Combines the w x h block of src at (sx, sy) into dest at (x, y). The block
// is cut to both images and, when clip is given, to that rectangle of dest.
// Images that are not RGB32 are converted on the fly (slow path).
void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop,
            const QRect* clip = nullptr);

// Copies a rectangle of an image into a new image of the rectangle's size
// (areas outside the source stay black).
QImage CopyRect(const QImage& src, const QRect& r);

// A new opaque RGB32 image of the given size, filled with black.
QImage NewBitmap(int w, int h);
