// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Controls.h"

#include <algorithm>
#include <cmath>

#include "platform/Raster.h"

TViewMap::TViewMap(double scale, QPoint origin)
    : scale_(scale > 0.01 ? scale : 0.01), origin_(origin) {}

int TViewMap::Round(int v) const {
  return int(std::lround(v * scale_));
}

QRect TViewMap::ToDevice(const QRect& r) const {
  if (scale_ == 1.0) return r.translated(origin_);
  const int l = DevX(r.left()), t = DevY(r.top());
  return QRect(QPoint(l, t),
               QPoint(DevX(r.left() + r.width()) - 1, DevY(r.top() + r.height()) - 1));
}

namespace {
// The largest logical v whose mapped edge lies at or before device d.
template <typename Map>
int Inverse(int d, int origin, double scale, Map map) {
  int v = int(std::floor((d - origin + 0.5) / scale));
  while (map(v + 1) <= d)
    ++v;
  while (map(v) > d)
    --v;
  return v;
}
}  // namespace

int TViewMap::LogicalX(int dx) const {
  return Inverse(dx, origin_.x(), scale_, [this](int v) { return DevX(v); });
}

int TViewMap::LogicalY(int dy) const {
  return Inverse(dy, origin_.y(), scale_, [this](int v) { return DevY(v); });
}

QPoint TViewMap::ToLogical(QPoint device) const {
  return QPoint(LogicalX(device.x()), LogicalY(device.y()));
}

// ---------------------------------------------------------------------------

TComponent::TComponent(TForm* owner) : owner_(owner) {
  if (owner_) owner_->Register(this);
}

TComponent::~TComponent() {
  if (owner_) owner_->Unregister(this);
}

TGraphicControl::TGraphicControl(TForm* owner) : TComponent(owner) {
  if (owner) owner->AddControl(this);
}

TGraphicControl::~TGraphicControl() {
  if (Owner()) {
    QRect r = rect_;
    bool wasVisible = visible_;
    Owner()->RemoveControl(this);
    if (wasVisible) Owner()->Invalidate(r);
  }
}

QRect TGraphicControl::DeviceRect() const {
  return Owner() ? Owner()->DeviceRect(rect_) : rect_;
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  QRect next(left, top, width, height);
  if (next == rect_) return;
  QRect old = rect_;
  rect_ = next;
  if (visible_ && Owner()) {
    Owner()->Invalidate(old);
    Owner()->Invalidate(rect_);
  }
}

void TGraphicControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  VisibilityChanged();
  if (Owner()) Owner()->Invalidate(rect_);
}

void TGraphicControl::BringToFront() {
  if (!Owner()) return;
  Owner()->RaiseControl(this);
  if (visible_) Owner()->Invalidate(rect_);
}

void TGraphicControl::Invalidate() {
  if (visible_ && Owner()) Owner()->Invalidate(rect_);
}

void TGraphicControl::Paint(QImage&, const QRect&) {}

void TGraphicControl::MouseDown(Qt::MouseButton button, QPoint pos) {
  if (OnMouseDown) OnMouseDown(button, pos);
}
void TGraphicControl::MouseUp(Qt::MouseButton button, QPoint pos) {
  if (OnMouseUp) OnMouseUp(button, pos);
}
void TGraphicControl::MouseMove(QPoint pos) {
  if (OnMouseMove) OnMouseMove(pos);
}
void TGraphicControl::Click() {
  if (OnClick) OnClick();
}
void TGraphicControl::DblClick() {
  if (OnDblClick) OnDblClick();
}

// ---------------------------------------------------------------------------

TForm::TForm(int width, int height) : screen_(NewBitmap(width, height)) {}

TForm::~TForm() {
  destroying_ = true;
  // Components die in reverse creation order; each unregisters itself.
  while (!components_.empty())
    delete components_.back();
}

int TForm::ClientWidth() const {
  return qMax(view_.LogicalX(screen_.width()), 0);
}

int TForm::ClientHeight() const {
  return qMax(view_.LogicalY(screen_.height()), 0);
}

void TForm::Resize(int width, int height) {
  SetView(QSize(view_.DevX(width) - view_.Origin().x(), view_.DevY(height) - view_.Origin().y()),
          view_);
}

void TForm::SetView(QSize deviceSize, const TViewMap& view) {
  deviceSize = deviceSize.expandedTo(QSize(1, 1));
  if (deviceSize == screen_.size() && view == view_) return;
  view_ = view;
  if (deviceSize != screen_.size()) screen_ = NewBitmap(deviceSize.width(), deviceSize.height());
  InvalidateAll();
}

void TForm::Register(TComponent* c) {
  components_.push_back(c);
}

void TForm::Unregister(TComponent* c) {
  auto it = std::find(components_.begin(), components_.end(), c);
  if (it != components_.end()) components_.erase(it);
}

void TForm::AddControl(TGraphicControl* c) {
  zorder_.push_back(c);
}

void TForm::RemoveControl(TGraphicControl* c) {
  auto it = std::find(zorder_.begin(), zorder_.end(), c);
  if (it != zorder_.end()) zorder_.erase(it);
  if (captured_ == c) captured_ = nullptr;
}

void TForm::RaiseControl(TGraphicControl* c) {
  auto it = std::find(zorder_.begin(), zorder_.end(), c);
  if (it == zorder_.end() || it + 1 == zorder_.end()) return;
  zorder_.erase(it);
  zorder_.push_back(c);
}

void TForm::SetDrawing(bool on) {
  if (on == drawing_) return;
  drawing_ = on;
  pending_ = QRegion();
  if (on) InvalidateAll();
}

void TForm::Invalidate(const QRect& r) {
  if (destroying_ || !drawing_ || r.isEmpty()) return;
  InvalidateDevice(DeviceRect(r));
}

void TForm::InvalidateDevice(const QRect& deviceRect) {
  if (destroying_ || !drawing_) return;
  QRect cut = deviceRect & screen_.rect();
  if (cut.isEmpty()) return;
  if (updateDepth_ > 0) {
    pending_ += cut;
    return;
  }
  Recompose(cut);
  FlushDevice(cut);
}

void TForm::EndUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) FlushPending();
}

void TForm::HoldUntilFirstPaint() {
  if (held_) return;
  held_ = true;
  BeginUpdate();
}

bool TForm::ReleaseHold() {
  if (!held_) return false;
  held_ = false;
  if (--updateDepth_ == 0) ComposePending();
  return true;
}

QRegion TForm::ComposePending() {
  // The framebuffer may have shrunk since a rectangle was collected.
  QRegion region = pending_ & screen_.rect();
  pending_ = QRegion();
  for (const QRect& r : region)
    Recompose(r);
  return region;
}

void TForm::FlushPending() {
  const QRegion region = ComposePending();
  if (region.isEmpty()) return;
  FlushDevice(region.boundingRect());
}

void TForm::FlushDevice(const QRect& deviceRect) {
  if (!drawing_) return;
  QRect cut = deviceRect & screen_.rect();
  if (OnFlush && !cut.isEmpty()) OnFlush(cut);
}

void TForm::Recompose(const QRect& r) {
  if (PaintBackground) {
    PaintBackground(screen_, r);
  } else {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* line = reinterpret_cast<quint32*>(screen_.scanLine(y));
      std::fill(line + r.left(), line + r.right() + 1, 0xFF008000u);
    }
  }
  for (TGraphicControl* c : zorder_) {
    if (!c->Visible()) continue;
    QRect part = DeviceRect(c->BoundsRect()) & r;
    if (part.isEmpty()) continue;
    c->Paint(screen_, part);
  }
}

TGraphicControl* TForm::ControlAt(QPoint pos) const {
  for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
    if ((*it)->Visible() && (*it)->HitTest(pos)) return *it;
  }
  return nullptr;
}

void TForm::MousePress(Qt::MouseButton button, QPoint pos) {
  lastMouse_ = pos;
  afterDoubleClick_ = false;
  captured_ = ControlAt(pos);
  if (MouseHook) MouseHook->Pressed(button, pos, captured_);
  if (captured_) captured_->MouseDown(button, pos);
}

void TForm::MouseRelease(Qt::MouseButton button, QPoint pos) {
  lastMouse_ = pos;
  TGraphicControl* c = captured_ ? captured_ : ControlAt(pos);
  captured_ = nullptr;
  bool wasDouble = afterDoubleClick_;
  afterDoubleClick_ = false;
  if (MouseHook && MouseHook->Released(button, pos)) return;
  if (!c) return;
  c->MouseUp(button, pos);
  // The control may be gone now (a release can clear the table); only click
  // a control that still exists and still lies under the pointer.
  if (button != Qt::LeftButton || wasDouble) return;
  if (std::find(zorder_.begin(), zorder_.end(), c) == zorder_.end()) return;
  if (c->Visible() && c->HitTest(pos)) c->Click();
}

void TForm::MouseDoubleClick(Qt::MouseButton button, QPoint pos) {
  lastMouse_ = pos;
  TGraphicControl* c = ControlAt(pos);
  captured_ = c;
  if (MouseHook) MouseHook->Pressed(button, pos, nullptr);
  if (!c) return;
  c->MouseDown(button, pos);
  if (button != Qt::LeftButton) return;
  afterDoubleClick_ = true;
  if (std::find(zorder_.begin(), zorder_.end(), c) != zorder_.end()) c->DblClick();
}

void TForm::MouseMoveTo(QPoint pos) {
  lastMouse_ = pos;
  if (MouseHook && MouseHook->Moved(pos)) return;
  TGraphicControl* c = captured_ ? captured_ : ControlAt(pos);
  if (c) c->MouseMove(pos);
}

void TForm::RefreshHover() {
  if (lastMouse_.x() < 0 || !screen_.rect().contains(DeviceRect(QRect(lastMouse_, QSize(1, 1)))))
    return;
  TGraphicControl* c = ControlAt(lastMouse_);
  if (c) c->MouseMove(lastMouse_);
}

int TForm::CurrentCursor() const {
  TGraphicControl* c = ControlAt(lastMouse_);
  return c ? c->Cursor : crDefault;
}
