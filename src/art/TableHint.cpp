// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/TableHint.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kPadX = 28;
constexpr int kPadY = 16;
constexpr int kGap = 6;

QFont TitleFont() {
  QFont f("DejaVu Sans");
  f.setBold(true);
  f.setPixelSize(22);
  return f;
}

QFont LineFont() {
  QFont f("DejaVu Sans");
  f.setPixelSize(14);
  return f;
}

const QFont& FontOf(int line) {
  static const QFont title = TitleFont(), text = LineFont();
  return line == 0 ? title : text;
}

}  // namespace

QStringList TableHintLines(const QString& gameName) {
  return {gameName, QCoreApplication::translate("TableHint", "F2 deals a new game"),
          QCoreApplication::translate("TableHint",
                                      "Game \u203A Select Solitaire\u2026 chooses another")};
}

QRect TableHintRect(const QSize& table, const QStringList& lines) {
  if (lines.isEmpty()) return {};
  int w = 0, h = 0;
  for (int i = 0; i < lines.size(); ++i) {
    QFontMetrics fm(FontOf(i));
    w = qMax(w, fm.horizontalAdvance(lines[i]));
    h += fm.height() + (i ? kGap : 0);
  }
  w += 2 * kPadX;
  h += 2 * kPadY;
  return QRect((table.width() - w) / 2, (table.height() - h) / 2, w, h);
}

namespace {

// The band behind the table's words, darker than the table, so the text
// reads on any picture.
void PaintBand(QPainter& p, const QRect& box, qreal radius, const QColor& fill,
               const QColor& edge) {
  QPainterPath band;
  band.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.fillPath(band, fill);
  p.setPen(QPen(edge, 1));
  p.drawPath(band);
}

QFont NoteFont(int pixelSize) {
  QFont f("DejaVu Sans");
  f.setBold(true);
  f.setPixelSize(qMax(6, pixelSize));
  return f;
}
}  // namespace

QSize TableNoteSize(const QString& text, int pixelSize) {
  const QFontMetrics fm(NoteFont(pixelSize));
  return QSize(fm.horizontalAdvance(text) + pixelSize * 2, fm.height() + pixelSize);
}

void PaintTableNote(QImage& screen, const QRect& clip, const QRect& box, const QString& text,
                    int pixelSize) {
  if (box.isEmpty() || !box.intersects(clip)) return;
  QPainter p(&screen);
  p.setClipRect(clip & screen.rect());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // Darker than the hint of an empty table: it lies over cards as well.
  PaintBand(p, box, 10, QColor(0, 0, 0, 170), QColor(255, 210, 31));
  p.setFont(NoteFont(pixelSize));
  p.setPen(QColor(255, 248, 220));
  p.drawText(box, Qt::AlignCenter, text);
}

void PaintTableHint(QImage& screen, const QRect& clip, const QStringList& lines) {
  const QRect box = TableHintRect(screen.size(), lines);
  if (box.isEmpty() || !box.intersects(clip)) return;
  QPainter p(&screen);
  p.setClipRect(clip & screen.rect());
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintBand(p, box, 12, QColor(0, 0, 0, 70), QColor(255, 255, 255, 60));
  int y = box.top() + kPadY;
  for (int i = 0; i < lines.size(); ++i) {
    const QFont& f = FontOf(i);
    const QFontMetrics fm(f);
    p.setFont(f);
    const QRect line(box.left(), y, box.width(), fm.height());
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(line.translated(1, 1), Qt::AlignHCenter | Qt::AlignVCenter, lines[i]);
    p.setPen(i == 0 ? QColor(255, 248, 220) : QColor(235, 240, 225));
    p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, lines[i]);
    y += fm.height() + kGap;
  }
}
