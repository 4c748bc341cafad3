// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every image the table carries onto one labelled sheet, so the art
// can be reviewed at a glance: art_sheet OUTPUT.png

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "art/CardArt.h"
#include "art/WinArt.h"

namespace {

const QColor kTable(0, 128, 64);
const QColor kPaper(236, 236, 232);
constexpr int kGap = 10;
constexpr int kLabel = 16;
constexpr int kCellW = CardArt::kCardWidth + kGap;
constexpr int kCellH = CardArt::kCardHeight + kLabel + 6;

// Draws `image` the way the table does: OR the mask, then AND the picture.
void Blit(QImage& dest, int x0, int y0, const QImage& image, const QImage& mask, bool invert) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int dx = x0 + x;
      const int dy = y0 + y;
      if (dx < 0 || dy < 0 || dx >= dest.width() || dy >= dest.height()) continue;
      QRgb d = dest.pixel(dx, dy);
      const QRgb m = mask.isNull() ? 0xFFFFFFFF : mask.pixel(x, y);
      d = (d | m) & image.pixel(x, y);
      if (invert) d ^= (m & 0x00FFFFFF);
      dest.setPixel(dx, dy, d | 0xFF000000);
    }
  }
}

void Label(QPainter& p, int x, int y, int w, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(QRect(x, y, w, kLabel), Qt::AlignCenter, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const int cols = 13;
  const int width = kGap + cols * kCellW;
  const int titleH = 34;
  const int sectionH = 22;
  const int winH = 2 * WinArt::kWinPictureHeight;
  const int height = titleH + 5 * (sectionH + kCellH) + 2 * (sectionH + kCellH) +
                     (sectionH + winH + kGap) + 2 * kCellH;
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(kTable);

  QImage images[77];
  for (int k = 1; k <= 76; ++k)
    images[k] = CardArt::CardImage(k);
  const QImage& cardMask = images[69];

  QFont labelFont("DejaVu Sans");
  labelFont.setPixelSize(11);
  QFont headFont("DejaVu Sans");
  headFont.setPixelSize(14);
  headFont.setBold(true);

  int y = 0;
  {
    QPainter p(&sheet);
    p.setFont(headFont);
    p.setPen(Qt::white);
    p.drawText(QRect(kGap, 0, width, titleH), Qt::AlignVCenter,
               "Wenlo Solitaire Collection: card art (all at 100%, on the table)");
  }
  y += titleH;

  auto section = [&](const QString& title) {
    QPainter p(&sheet);
    p.setFont(headFont);
    p.setPen(QColor(220, 240, 220));
    p.drawText(QRect(kGap, y, width, sectionH), Qt::AlignVCenter, title);
    y += sectionH;
  };

  // Faces, one suit per row, and the backs, drawn through the card mask.
  const char* suitNames[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
  for (int suit = 0; suit < 5; ++suit) {
    section(suit < 4 ? QString("Faces: %1 (images %2..%3)")
                           .arg(suitNames[suit])
                           .arg(suit * 13 + 1)
                           .arg(suit * 13 + 13)
                     : QString("Backs 1..13 (images 53..65)"));
    for (int i = 0; i < 13; ++i) {
      const int k = suit * 13 + i + 1;
      const int x = kGap + i * kCellW;
      Blit(sheet, x, y, images[k], cardMask, false);
      QPainter p(&sheet);
      p.setFont(labelFont);
      Label(p, x, y + CardArt::kCardHeight + 2, CardArt::kCardWidth, QString::number(k), Qt::white);
    }
    y += kCellH;
  }

  // The marks and masks as stored, on paper so white and black both show.
  section("Images 66..76 as stored (66 is null)");
  {
    QPainter p(&sheet);
    p.fillRect(QRect(0, y - 2, width, kCellH), kPaper);
  }
  for (int k = 66; k <= 76; ++k) {
    const int x = kGap + (k - 66) * kCellW;
    if (!images[k].isNull()) {
      QPainter p(&sheet);
      p.drawImage(x, y, images[k]);
    } else {
      QPainter p(&sheet);
      p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
      p.drawRect(x, y, CardArt::kCardWidth - 1, CardArt::kCardHeight - 1);
    }
    QPainter p(&sheet);
    p.setFont(labelFont);
    Label(p, x, y + CardArt::kCardHeight + 2, CardArt::kCardWidth, QString::number(k), Qt::black);
  }
  y += kCellH;

  // How the table shows them: empty looks 0..3, selected cards, cursor, icons.
  section("On the table: empty looks 0..3, selected card and back, drop cursor, icons");
  {
    struct Pair {
      int image, mask;
      const char* label;
    };
    const Pair looks[] = {
        {75, 76, "look 0"}, {71, 72, "look 1"}, {67, 74, "look 2"}, {68, 73, "look 3"}};
    int x = kGap;
    for (const Pair& l : looks) {
      Blit(sheet, x, y, images[l.image], images[l.mask], false);
      QPainter p(&sheet);
      p.setFont(labelFont);
      Label(p, x, y + CardArt::kCardHeight + 2, CardArt::kCardWidth, l.label, Qt::white);
      x += kCellW;
    }
    Blit(sheet, x, y, images[13 * 2 + 12], cardMask, true);
    {
      QPainter p(&sheet);
      p.setFont(labelFont);
      Label(p, x, y + CardArt::kCardHeight + 2, CardArt::kCardWidth, "selected", Qt::white);
    }
    x += kCellW;
    Blit(sheet, x, y, images[53], cardMask, true);
    {
      QPainter p(&sheet);
      p.setFont(labelFont);
      Label(p, x, y + CardArt::kCardHeight + 2, CardArt::kCardWidth, "selected", Qt::white);
    }
    x += kCellW;
    // A little fanned column, as in play.
    for (int i = 0; i < 4; ++i) {
      Blit(sheet, x, y + i * 4 - 6, images[i == 3 ? 44 : 57], cardMask, false);
    }
    x += kCellW;
    QPainter p(&sheet);
    const QImage cursor = CardArt::DropCursorImage();
    p.drawImage(x, y, cursor);
    p.drawImage(QRect(x, y + 34, 64, 64), cursor);
    p.setFont(labelFont);
    Label(p, x - 4, y + CardArt::kCardHeight + 2, 80, "drop cursor", Qt::white);
    x += kCellW;
    p.drawImage(x, y, WinArt::WinIcon());
    p.drawImage(QRect(x, y + 34, 64, 64), WinArt::WinIcon());
    Label(p, x, y + CardArt::kCardHeight + 2, 70, "win icon", Qt::white);
    x += kCellW;
    p.drawImage(x, y, WinArt::AppIcon());
    p.drawImage(QRect(x + 70, y, 32, 32),
                WinArt::AppIcon().scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Label(p, x, y + CardArt::kCardHeight + 2, 110, "program icon 64, 32", Qt::white);
  }
  y += kCellH;

  section("At 200%, as a 2x display scales them");
  {
    QPainter p(&sheet);
    int x = kGap;
    for (int k : {11, 25, 39, 52, 10, 59}) {
      QImage onTable(CardArt::kCardWidth, CardArt::kCardHeight, QImage::Format_RGB32);
      onTable.fill(kTable);
      Blit(onTable, 0, 0, images[k], cardMask, false);
      p.drawImage(QRect(x, y, 2 * CardArt::kCardWidth, 2 * CardArt::kCardHeight),
                  onTable.scaled(2 * CardArt::kCardWidth, 2 * CardArt::kCardHeight,
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      x += 2 * CardArt::kCardWidth + kGap;
    }
  }
  y += kCellH;
  y += kCellH - sectionH;

  section("Win picture, tiled 2 x 2");
  {
    QPainter p(&sheet);
    const QImage win = WinArt::WinPicture();
    for (int ty = 0; ty < 2; ++ty) {
      for (int tx = 0; tx < 2; ++tx) {
        p.drawImage(kGap + tx * win.width(), y + ty * win.height(), win);
      }
    }
  }

  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
