// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/SurfaceWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "platform/Controls.h"
#include "platform/Cursors.h"

SurfaceWidget::SurfaceWidget(TForm* form, QWidget* parent) : QWidget(parent), form_(form) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  form_->OnFlush = [this](const QRect& device) {
    // Direct drawing (slide frames) must reach the screen frame by frame.
    if (!isVisible()) return;
    const qreal ratio = viewRatio_ > 0 ? viewRatio_ : 1;
    const QRectF r(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                   device.height() / ratio);
    repaint(r.toAlignedRect());
    ScheduleLayoutCheck();
  };
}

SurfaceWidget::~SurfaceWidget() {
  Detach();
}

void SurfaceWidget::Detach() {
  if (form_) form_->OnFlush = nullptr;
  form_ = nullptr;
}

double SurfaceWidget::FitZoom(QSize area, const QRect& layout) {
  if (layout.isEmpty() || area.isEmpty()) return 1.0;
  const double right = layout.left() + layout.width();
  const double bottom = layout.top() + layout.height();
  const double zoom = std::min(area.width() / right, area.height() / bottom);
  return std::clamp(zoom, kMinZoom, kMaxZoom);
}

void SurfaceWidget::SetLayout(const QRect& logical) {
  if (logical == layout_) return;
  layout_ = logical;
  UpdateView();
}

void SurfaceWidget::SetFixedZoom(double zoom) {
  fixedZoom_ = zoom > 0 ? std::clamp(zoom, 0.1, 8.0) : 0;
  UpdateView();
}

void SurfaceWidget::UpdateView() {
  if (!form_) return;
  viewRatio_ = devicePixelRatioF();
  zoom_ = fixedZoom_ > 0 ? fixedZoom_ : FitZoom(size(), layout_);
  const double scale = zoom_ * viewRatio_;
  const QSize device(int(std::ceil(width() * viewRatio_)), int(std::ceil(height() * viewRatio_)));
  // The layout is centred across the width when there is room to spare; it
  // keeps to the top, where the deal starts.
  int left = 0;
  if (!layout_.isEmpty()) {
    const int used = int(std::lround((layout_.left() + layout_.width()) * scale));
    left = std::max(0, (device.width() - used) / 2);
  }
  const TViewMap view(scale, QPoint(left, 0));
  // A new size with the same map still changes what is in view.
  const bool changed = !(view == form_->View()) || device != form_->Screen().size();
  form_->SetView(device, view);
  if (changed && OnViewChanged) OnViewChanged();
  update();
}

void SurfaceWidget::ScheduleLayoutCheck() {
  if (checkQueued_ || !LayoutProvider) return;
  checkQueued_ = true;
  QTimer::singleShot(0, this, [this] { CheckLayout(); });
}

void SurfaceWidget::CheckLayout() {
  checkQueued_ = false;
  if (!form_ || !LayoutProvider) return;
  if (auto r = LayoutProvider()) SetLayout(*r);
}

QPoint SurfaceWidget::ToBoard(QPointF widgetPos) const {
  if (!form_) return widgetPos.toPoint();
  const qreal ratio = viewRatio_ > 0 ? viewRatio_ : devicePixelRatioF();
  const QPoint device(int(std::floor(widgetPos.x() * ratio)),
                      int(std::floor(widgetPos.y() * ratio)));
  return form_->View().ToLogical(device);
}

QRect SurfaceWidget::ToWidget(const QRect& logical) const {
  if (!form_) return logical;
  const qreal ratio = viewRatio_ > 0 ? viewRatio_ : devicePixelRatioF();
  const QRect d = form_->DeviceRect(logical);
  return QRectF(d.x() / ratio, d.y() / ratio, d.width() / ratio, d.height() / ratio)
      .toAlignedRect();
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  if (!form_) return;
  // A move to a screen with another pixel ratio makes a new framebuffer.
  if (devicePixelRatioF() != viewRatio_) UpdateView();
  // The table is composed once, for this first frame; a first paint of
  // part of the window leaves the rest to the next.
  if (form_->ReleaseHold() && event->rect() != rect()) update();
  QPainter p(this);
  const qreal ratio = viewRatio_;
  const QRect e = event->rect();
  const QRect device =
      QRectF(e.x() * ratio, e.y() * ratio, e.width() * ratio, e.height() * ratio).toAlignedRect() &
      form_->Screen().rect();
  if (device.isEmpty()) return;
  // One framebuffer pixel per device pixel: a plain copy, never a stretch.
  p.drawImage(QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                     device.height() / ratio),
              form_->Screen(), device);
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  UpdateView();
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MousePress(event->button(), ToBoard(event->position()));
  UpdateCursor();
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseRelease(event->button(), ToBoard(event->position()));
  UpdateCursor();
  ScheduleLayoutCheck();
}

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseDoubleClick(event->button(), ToBoard(event->position()));
  UpdateCursor();
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!form_) return;
  form_->MouseMoveTo(ToBoard(event->position()));
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
  setCursor(ScreenCursor(c, devicePixelRatioF()));
}
