#pragma once
// The window-side view of a TForm: shows its framebuffer, forwards the
// mouse in the desktop's order and shows the cursor of the control under
// the pointer.

#include <QWidget>

class TForm;

class SurfaceWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceWidget(TForm* form, QWidget* parent = nullptr);
  ~SurfaceWidget() override;

  TForm* Form() const { return form_; }
  // Stops painting and input (the form is about to go away).
  void Detach();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void UpdateCursor();
  TForm* form_;
  int shownCursor_ = -1;
};
