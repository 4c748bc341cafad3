// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window-side view of a TForm: shows its framebuffer, forwards the
// mouse in the desktop's order and shows the cursor of the control under
// the pointer.
//
// The view zooms the board so that the game's layout fits the widget: the
// form's framebuffer is kept in device pixels (zoom times the screen's pixel
// ratio) and shown one to one, so nothing is ever stretched. Window
// positions map to board coordinates through the form's TViewMap.

#include <QWidget>
#include <functional>
#include <optional>

class TForm;

class SurfaceWidget : public QWidget {
  Q_OBJECT
 public:
  // The zoom range: below the minimum cards could not be told apart, above
  // the maximum they would only grow coarse on a big screen.
  static constexpr double kMinZoom = 0.5;
  static constexpr double kMaxZoom = 2.0;

  explicit SurfaceWidget(TForm* form, QWidget* parent = nullptr);
  ~SurfaceWidget() override;

  TForm* Form() const { return form_; }
  // Stops painting and input (the form is about to go away).
  void Detach();

  // The logical rectangle to show whole; an empty one shows the board at
  // zoom 1. Asked again after the table changed, when nothing runs (the
  // provider returns nothing while a move or deal is under way).
  std::function<std::optional<QRect>()> LayoutProvider;
  // Asks the provider again once the current event is done.
  void ScheduleLayoutCheck();
  // Shows the rectangle whole from now on.
  void SetLayout(const QRect& logical);
  QRect Layout() const { return layout_; }
  // Fixes the zoom instead of fitting it (0 fits again).
  void SetFixedZoom(double zoom);
  double Zoom() const { return zoom_; }

  // The zoom that shows a layout whole in an area (logical pixels), within
  // the zoom range; 1 for an empty layout.
  static double FitZoom(QSize area, const QRect& layout);

  // Widget position (window pixels) to board coordinates, and a board
  // rectangle to the widget rectangle that covers its device pixels.
  QPoint ToBoard(QPointF widgetPos) const;
  QRect ToWidget(const QRect& logical) const;

  // Runs after the zoom or the origin changed (child widgets follow).
  std::function<void()> OnViewChanged;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void UpdateView();
  void UpdateCursor();
  void CheckLayout();
  TForm* form_;
  int shownCursor_ = -1;
  QRect layout_;
  double fixedZoom_ = 0;
  double zoom_ = 1;
  qreal viewRatio_ = 0;
  bool checkQueued_ = false;
};
