// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Raster.h"

namespace {

template <typename Op>
void Blend(QImage& dest, const QRect& dr, const QImage& src, QPoint sOrigin, Op op) {
  for (int row = 0; row < dr.height(); ++row) {
    auto* d = reinterpret_cast<quint32*>(dest.scanLine(dr.top() + row)) + dr.left();
    const auto* s =
        reinterpret_cast<const quint32*>(src.constScanLine(sOrigin.y() + row)) + sOrigin.x();
    for (int col = 0; col < dr.width(); ++col)
      d[col] = op(d[col], s[col]);
  }
}

}  // namespace

void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy, Rop rop,
            const QRect* clip) {
  if (dest.isNull() || src.isNull() || w <= 0 || h <= 0) return;
  if (dest.format() != QImage::Format_RGB32) dest = dest.convertToFormat(QImage::Format_RGB32);
  QImage converted;
  const QImage* sp = &src;
  if (src.format() != QImage::Format_RGB32) {
    converted = src.convertToFormat(QImage::Format_RGB32);
    sp = &converted;
  }
  // Destination rectangle cut to the destination, the clip, and the source.
  QRect dr(x, y, w, h);
  dr &= dest.rect();
  if (clip) dr &= *clip;
  QRect srcInDest(x - sx, y - sy, sp->width(), sp->height());
  dr &= srcInDest;
  if (dr.isEmpty()) return;
  QPoint so(dr.left() - x + sx, dr.top() - y + sy);
  switch (rop) {
    case Rop::Copy:
      Blend(dest, dr, *sp, so, [](quint32, quint32 b) { return b; });
      break;
    case Rop::Or:
      Blend(dest, dr, *sp, so, [](quint32 a, quint32 b) { return a | b; });
      break;
    case Rop::And:
      Blend(dest, dr, *sp, so, [](quint32 a, quint32 b) { return (a & b) | 0xFF000000u; });
      break;
    case Rop::Xor:
      Blend(dest, dr, *sp, so, [](quint32 a, quint32 b) { return (a ^ b) | 0xFF000000u; });
      break;
  }
}

QImage CopyRect(const QImage& src, const QRect& r) {
  QImage out = NewBitmap(r.width(), r.height());
  BitBlt(out, 0, 0, r.width(), r.height(), src, r.left(), r.top(), Rop::Copy);
  return out;
}

QImage NewBitmap(int w, int h) {
  QImage img(qMax(w, 0), qMax(h, 0), QImage::Format_RGB32);
  img.fill(0xFF000000u);
  return img;
}
