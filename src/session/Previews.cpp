// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Previews.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include "records/Catalogue.h"
#include "rules/Game.h"
#include "session/TableHost.h"

namespace {

const QColor kTableGreen(0, 128, 0);
// Room left around the piles so the outermost cards do not touch the edge.
constexpr int kMargin = 10;

QImage FitPreview(const QImage& image) {
  if (image.width() <= kPreviewWidth && image.height() <= kPreviewHeight) return image;
  return image.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The push button some deals put on the window is not on the table image;
// draw a likeness of it so the preview shows it where the player sees it.
void DrawRedealButton(QImage& screen, const TRedealButton& button) {
  QPainter p(&screen);
  const QRect r = button.Geometry.adjusted(0, 0, -1, -1);
  p.fillRect(r, QColor(212, 208, 200));
  p.setPen(Qt::white);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(64, 64, 64));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  QString caption = button.Caption;
  caption.remove(QLatin1Char('&'));
  p.setPen(Qt::black);
  p.drawText(r, Qt::AlignCenter, caption);
}

}  // namespace

int PreviewOwner(int picture) {
  for (int i = 0; i < GameCount(); ++i)
    if (PreviewNumber(i) == picture) return i;
  return -1;
}

bool PreviewIsRendered(int index) {
  const int owner = PreviewOwner(PreviewNumber(index));
  return owner >= 0 && HasDealRoutine(owner);
}

QImage PlaceholderPreview(const QString& name) {
  QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  image.fill(kTableGreen);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // A faint outline of a card in the middle, so the panel reads as a table.
  const QRect card(kPreviewWidth / 2 - 18, 18, 36, 50);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
  p.setBrush(QColor(255, 255, 255, 25));
  p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(QColor(255, 255, 255, 230));
  p.drawText(QRect(6, card.bottom() + 8, kPreviewWidth - 12, kPreviewHeight - card.bottom() - 14),
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, name);
  return image;
}

QImage RenderGamePreview(int game) {
  if (!HasDealRoutine(game)) return PlaceholderPreview(GameTitle(game));
  TableHost host;
  TForm& form = host.Form();
  form.PaintBackground = [](QImage& screen, const QRect& r) {
    QPainter p(&screen);
    p.fillRect(r, kTableGreen);
  };
  if (!host.DealGame(game, kPreviewDealNumber)) return PlaceholderPreview(GameTitle(game));
  // The picture is the table as dealt: no automatic move may run first.
  host.Additional_timer.SetEnabled(false);
  form.InvalidateAll();
  QImage screen = form.Screen().copy();

  QRect used;
  for (const TGraphicControl* c : form.ZOrder()) {
    if (c == host.Board1 || !c->Visible() || c->BoundsRect().isEmpty()) continue;
    used |= c->BoundsRect();
  }
  if (const TRedealButton* button = host.Table.RedealButton.get()) {
    DrawRedealButton(screen, *button);
    used |= button->Geometry;
  }
  used = used.adjusted(-kMargin, -kMargin, kMargin, kMargin) & screen.rect();
  if (used.isEmpty()) return PlaceholderPreview(GameTitle(game));
  return FitPreview(screen.copy(used));
}

namespace {
QHash<int, QImage>& PreviewCache() {
  static QHash<int, QImage> cache;
  return cache;
}
}  // namespace

void ReleaseGamePreviews() {
  PreviewCache() = QHash<int, QImage>();
}

QImage GamePreview(int index) {
  QHash<int, QImage>& cache = PreviewCache();
  const int picture = PreviewNumber(index);
  auto it = cache.constFind(picture);
  if (it != cache.constEnd()) return *it;
  int owner = PreviewOwner(picture);
  if (owner < 0) owner = PreviewOwner(kFallbackPreview);
  const QImage image = RenderGamePreview(owner);
  cache.insert(picture, image);
  return image;
}
