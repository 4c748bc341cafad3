// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windowless controls on a framebuffer: the stand-in for the desktop's
// graphic controls that cards, piles and the board are built from.
//
// A TForm owns its components in creation order (the walk that finds piles
// and cards by number) and keeps its controls in z-order. Its framebuffer is
// "the screen": invalidating a rectangle recomposes it at once (background,
// then every visible control from back to front, clipped to the rectangle),
// and direct drawing writes into the framebuffer and flushes it to the view.
// A form needs no window at all, so everything is testable headless.
//
// Controls live in logical (board) coordinates; the framebuffer is kept in
// device pixels. TViewMap is the one rule between the two: the view chooses
// the scale (its zoom times the screen's pixel ratio) and the origin, and
// painting, invalidation, direct drawing and mouse input all go through it.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

class TForm;

// Logical coordinates to device pixels. Every edge maps alike,
// x -> origin + round(x * scale), and a rectangle covers the device pixels
// between its mapped edges. Shapes that share an edge therefore share it on
// the screen, a rectangle recomposed twice covers the same pixels twice, and
// a device pixel maps back to exactly the logical pixel whose span holds it.
class TViewMap {
 public:
  TViewMap() = default;
  TViewMap(double scale, QPoint origin);

  double Scale() const { return scale_; }
  QPoint Origin() const { return origin_; }
  int DevX(int x) const { return origin_.x() + Round(x); }
  int DevY(int y) const { return origin_.y() + Round(y); }
  QPoint ToDevice(QPoint p) const { return QPoint(DevX(p.x()), DevY(p.y())); }
  QRect ToDevice(const QRect& r) const;
  // The logical pixel whose device span holds the device pixel.
  QPoint ToLogical(QPoint device) const;
  int LogicalX(int dx) const;
  int LogicalY(int dy) const;

  bool operator==(const TViewMap& o) const = default;

 private:
  int Round(int v) const;
  double scale_ = 1.0;
  QPoint origin_{0, 0};
};

class TComponent {
 public:
  explicit TComponent(TForm* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TForm* Owner() const { return owner_; }

 private:
  TForm* owner_;
};

// Screen cursor numbers used by the controls: 0 is the arrow, 5 the drop
// cursor that the board installs.
constexpr int crDefault = 0;
constexpr int crDrop = 5;

class TGraphicControl : public TComponent {
 public:
  explicit TGraphicControl(TForm* owner);
  ~TGraphicControl() override;

  int Left() const { return rect_.left(); }
  int Top() const { return rect_.top(); }
  int Width() const { return rect_.width(); }
  int Height() const { return rect_.height(); }
  QRect BoundsRect() const { return rect_; }
  // Where the control lies in the owner's framebuffer (device pixels).
  QRect DeviceRect() const;
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  int Tag = 0;
  int Cursor = crDefault;
  // Opaque controls cover their whole rectangle (the background need not be
  // painted beneath them when they alone are repainted).
  bool Opaque = false;

  void BringToFront();
  // Recomposes the control's rectangle on the form.
  void Invalidate();
  void Repaint() { Invalidate(); }

  // Draws the control into the form's framebuffer, restricted to clip; both
  // the framebuffer and clip are in device pixels (see DeviceRect).
  virtual void Paint(QImage& screen, const QRect& clip);

  // Mouse input in form coordinates, delivered in the desktop's order:
  // press, release (a click), second press (the double click), release.
  virtual void MouseDown(Qt::MouseButton button, QPoint pos);
  virtual void MouseUp(Qt::MouseButton button, QPoint pos);
  virtual void MouseMove(QPoint pos);
  virtual void Click();
  virtual void DblClick();
  // Whether the point (form coordinates) hits the control.
  virtual bool HitTest(QPoint pos) const { return rect_.contains(pos); }

  // The control's own events, as the designer would attach them.
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void(QPoint)> OnMouseMove;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;

 private:
  QRect rect_{0, 0, 0, 0};
  bool visible_ = true;

 protected:
  // After Show or Hide changed the control's visibility.
  virtual void VisibilityChanged() {}
};

// Sees the mouse before the controls do: a drag under way takes the moves
// and the release for itself.
class TMouseHook {
 public:
  virtual ~TMouseHook() = default;
  // Every press; target is the control that will receive it (nullptr for
  // the press of a double click, which never starts a drag).
  virtual void Pressed(Qt::MouseButton button, QPoint pos, TGraphicControl* target) = 0;
  // True when the hook took the move (the controls see nothing of it).
  virtual bool Moved(QPoint pos) = 0;
  // True when the hook took the release (no MouseUp, no click).
  virtual bool Released(Qt::MouseButton button, QPoint pos) = 0;
};

class TForm {
 public:
  explicit TForm(int width = 800, int height = 800);
  virtual ~TForm();
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;

  // Owned components in creation order; destroying a component removes it.
  const std::vector<TComponent*>& Components() const { return components_; }
  // Controls from back to front.
  const std::vector<TGraphicControl*>& ZOrder() const { return zorder_; }

  // The framebuffer, in device pixels.
  QImage& Screen() { return screen_; }
  const QImage& Screen() const { return screen_; }
  // The client area in logical pixels.
  int ClientWidth() const;
  int ClientHeight() const;
  // Sets the logical client size at the current view.
  void Resize(int width, int height);

  // The view: framebuffer size in device pixels and the logical-to-device
  // map. Changing it recomposes everything.
  void SetView(QSize deviceSize, const TViewMap& view);
  const TViewMap& View() const { return view_; }
  double Scale() const { return view_.Scale(); }
  QRect DeviceRect(const QRect& logical) const { return view_.ToDevice(logical); }

  // Recomposes the logical rectangle r at once (or at EndUpdate while an
  // update is open) and flushes it to the view.
  void Invalidate(const QRect& r);
  void InvalidateAll() { InvalidateDevice(screen_.rect()); }
  // The same for a rectangle of device pixels.
  void InvalidateDevice(const QRect& deviceRect);
  // A form nobody looks at (a search's private table) turns drawing off:
  // invalidating, recomposing and flushing then do nothing, which is most of
  // what a card move costs there. Turning it back on recomposes everything.
  void SetDrawing(bool on);
  bool Drawing() const { return drawing_; }
  // Batches invalidations; the outermost EndUpdate recomposes what changed.
  void BeginUpdate() { ++updateDepth_; }
  void EndUpdate();
  // Recomposes whatever an open update has collected (before direct drawing).
  void FlushPending();
  // Holds every recomposition until ReleaseHold (the view's first paint): a
  // window starting up sets its background, deals and finds its size and
  // zoom in several steps, and composing the table after each of them would
  // only delay the first frame. The first frame composes it once.
  // ReleaseHold composes what was held without telling the view (it is the
  // view painting) and says whether there was a hold.
  void HoldUntilFirstPaint();
  bool ReleaseHold();
  // Tells the view that framebuffer pixels changed by direct drawing: in the
  // device rectangle of the logical r, or in a device rectangle.
  void Flush(const QRect& r) { FlushDevice(DeviceRect(r)); }
  void FlushDevice(const QRect& deviceRect);

  // The topmost visible control that the point hits.
  TGraphicControl* ControlAt(QPoint pos) const;

  // Mouse input from the view (or a script) in form coordinates.
  void MousePress(Qt::MouseButton button, QPoint pos);
  void MouseRelease(Qt::MouseButton button, QPoint pos);
  void MouseDoubleClick(Qt::MouseButton button, QPoint pos);
  void MouseMoveTo(QPoint pos);
  // Sends the control under the last known pointer position a mouse move, so
  // it refreshes its cursor and any hover text.
  void RefreshHover();
  // Cursor of the control under the pointer.
  int CurrentCursor() const;
  QPoint LastMousePos() const { return lastMouse_; }
  // Not owned; nullptr for none.
  TMouseHook* MouseHook = nullptr;

  // Paints the table under all controls: a device rectangle of the
  // framebuffer (the painter may ask View() for the scale).
  std::function<void(QImage&, const QRect&)> PaintBackground;
  // The view repaints this device rectangle of the framebuffer.
  std::function<void(const QRect&)> OnFlush;
  // Text that piles show at the right end of the menu bar.
  std::function<void(const QString&)> OnCountText;
  void ShowCountText(const QString& text) {
    if (OnCountText) OnCountText(text);
  }

  // Called by controls.
  void Register(TComponent* c);
  void Unregister(TComponent* c);
  void AddControl(TGraphicControl* c);
  void RemoveControl(TGraphicControl* c);
  void RaiseControl(TGraphicControl* c);

 private:
  void Recompose(const QRect& r);
  // Recomposes what an update collected; returns it.
  QRegion ComposePending();

  QImage screen_;
  TViewMap view_;
  std::vector<TComponent*> components_;
  std::vector<TGraphicControl*> zorder_;
  int updateDepth_ = 0;
  bool held_ = false;
  QRegion pending_;
  TGraphicControl* captured_ = nullptr;
  bool afterDoubleClick_ = false;
  QPoint lastMouse_{-1, -1};
  bool destroying_ = false;
  bool drawing_ = true;
};
