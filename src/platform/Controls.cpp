#include "platform/Controls.h"

#include <algorithm>

#include "platform/Raster.h"

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

void TForm::Resize(int width, int height) {
  if (width == screen_.width() && height == screen_.height()) return;
  screen_ = NewBitmap(qMax(width, 1), qMax(height, 1));
  Invalidate(screen_.rect());
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

void TForm::Invalidate(const QRect& r) {
  if (destroying_) return;
  QRect cut = r & screen_.rect();
  if (cut.isEmpty()) return;
  if (updateDepth_ > 0) {
    pending_ += cut;
    return;
  }
  Recompose(cut);
  Flush(cut);
}

void TForm::EndUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) FlushPending();
}

void TForm::FlushPending() {
  if (pending_.isEmpty()) return;
  QRegion region = pending_;
  pending_ = QRegion();
  for (const QRect& r : region)
    Recompose(r);
  Flush(region.boundingRect());
}

void TForm::Flush(const QRect& r) {
  if (OnFlush && !r.isEmpty()) OnFlush(r);
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
    QRect part = c->BoundsRect() & r;
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
  if (lastMouse_.x() < 0 || !screen_.rect().contains(lastMouse_)) return;
  TGraphicControl* c = ControlAt(lastMouse_);
  if (c) c->MouseMove(lastMouse_);
}

int TForm::CurrentCursor() const {
  TGraphicControl* c = ControlAt(lastMouse_);
  return c ? c->Cursor : crDefault;
}
