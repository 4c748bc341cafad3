#include "platform/qt/SurfaceWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Controls.h"
#include "platform/Cursors.h"

SurfaceWidget::SurfaceWidget(TForm* form, QWidget* parent) : QWidget(parent), form_(form) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  form_->OnFlush = [this](const QRect& r) {
    // Direct drawing (slide frames) must reach the screen frame by frame.
    if (isVisible()) repaint(r);
  };
}

SurfaceWidget::~SurfaceWidget() {
  Detach();
}

void SurfaceWidget::Detach() {
  if (form_) form_->OnFlush = nullptr;
  form_ = nullptr;
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  if (!form_) return;
  QPainter p(this);
  // The table is composed at one pixel per logical pixel; on a scaled
  // (high-DPI) screen it is enlarged smoothly rather than in blocks.
  if (devicePixelRatioF() != 1.0) p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(event->rect(), form_->Screen(), event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (form_) form_->Resize(qMax(width(), 1), qMax(height(), 1));
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MousePress(event->button(), event->position().toPoint());
  UpdateCursor();
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseRelease(event->button(), event->position().toPoint());
  UpdateCursor();
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseDoubleClick(event->button(), event->position().toPoint());
  UpdateCursor();
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseMoveTo(event->position().toPoint());
  UpdateCursor();
}

void SurfaceWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  shownCursor_ = -1;
}

void SurfaceWidget::UpdateCursor() {
  if (!form_) return;
  int c = form_->CurrentCursor();
  if (c == shownCursor_) return;
  shownCursor_ = c;
  setCursor(ScreenCursor(c));
}
