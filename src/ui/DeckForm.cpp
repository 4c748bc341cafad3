// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DeckForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "cardtable/Cardscmp.h"
#include "platform/Modal.h"
#include "platform/qt/ModalQt.h"

QPoint DeckCellOfBack(int back) {
  if (back < 1 || back > kDeckBacks) back = 1;
  return QPoint((back - 1) % kDeckColumns, (back - 1) / kDeckColumns);
}

std::optional<int> NewBackAfterDeckDialog(int result, int current, int chosen) {
  if (result != mrOk || chosen == current || chosen < 1 || chosen > kDeckBacks) return {};
  return chosen;
}

int ApplyCardBack(TForm& form, int back) {
  int changed = 0;
  form.BeginUpdate();
  // Copy the list: repainting must not see it change under us.
  const std::vector<TComponent*> components = form.Components();
  for (TComponent* c : components) {
    if (auto* card = dynamic_cast<TCard*>(c)) {
      card->SetCardBack(back);
      ++changed;
    }
  }
  for (TComponent* c : components)
    if (auto* pile = dynamic_cast<TDeck*>(c)) pile->Invalidate();
  form.EndUpdate();
  return changed;
}

// ---------------------------------------------------------------------------
TBackGrid::TBackGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(kDeckColumns * (kCellWidth + kLine) + kLine,
               kDeckRows * (kCellHeight + kLine) + kLine);
}

QRect TBackGrid::CellRect(int column, int row) const {
  return QRect(kLine + column * (kCellWidth + kLine), kLine + row * (kCellHeight + kLine),
               kCellWidth, kCellHeight);
}

QPoint TBackGrid::CellAt(QPoint pos) const {
  for (int r = 0; r < kDeckRows; ++r)
    for (int c = 0; c < kDeckColumns; ++c)
      if (CellRect(c, r).contains(pos)) return QPoint(c, r);
  return QPoint(-1, -1);
}

void TBackGrid::Select(QPoint cell) {
  if (cell.x() < 0 || cell.x() >= kDeckColumns || cell.y() < 0 || cell.y() >= kDeckRows) return;
  if (cell == selected_) return;
  selected_ = cell;
  update();
}

void TBackGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Mid));
  const QImage& mask = CardImages::Image(CardImages::kCardMask);
  for (int r = 0; r < kDeckRows; ++r) {
    for (int c = 0; c < kDeckColumns; ++c) {
      const QRect cell = CellRect(c, r);
      const bool sel = QPoint(c, r) == selected_;
      const QColor ground =
          sel ? palette().color(QPalette::Highlight) : palette().color(QPalette::Base);
      if (sel)
        p.fillRect(cell.adjusted(-kLine, -kLine, kLine, kLine), ground);
      else
        p.fillRect(cell, ground);
      // The back with the cell showing through its rounded corners.
      QImage back =
          CardImages::Image(52 + BackOfDeckCell(c, r)).convertToFormat(QImage::Format_ARGB32);
      if (!mask.isNull() && mask.size() == back.size()) back.setAlphaChannel(mask);
      p.drawImage(cell.left() + (cell.width() - back.width()) / 2,
                  cell.top() + (cell.height() - back.height()) / 2, back);
      if (sel && hasFocus()) {
        QStyleOptionFocusRect opt;
        opt.initFrom(this);
        opt.rect = cell.adjusted(-1, -1, 1, 1);
        opt.backgroundColor = ground;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
      }
    }
  }
}

void TBackGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Select(CellAt(event->position().toPoint()));
  QWidget::mousePressEvent(event);
}

void TBackGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint cell = CellAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && cell.x() >= 0) {
    Select(cell);
    emit chosen();
  }
}

void TBackGrid::keyPressEvent(QKeyEvent* event) {
  QPoint c = selected_;
  switch (event->key()) {
    case Qt::Key_Left:
      c.rx() = std::max(0, c.x() - 1);
      break;
    case Qt::Key_Right:
      c.rx() = std::min(kDeckColumns - 1, c.x() + 1);
      break;
    case Qt::Key_Up:
      c.ry() = std::max(0, c.y() - 1);
      break;
    case Qt::Key_Down:
      c.ry() = std::min(kDeckRows - 1, c.y() + 1);
      break;
    case Qt::Key_Home:
      c = QPoint(0, c.y());
      break;
    case Qt::Key_End:
      c = QPoint(kDeckColumns - 1, c.y());
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  Select(c);
}

bool TBackGrid::focusNextPrevChild(bool next) {
  // Tab walks through the cells (row by row) and leaves the grid only at
  // either end.
  const int index = selected_.y() * kDeckColumns + selected_.x() + (next ? 1 : -1);
  if (index < 0 || index >= kDeckBacks) return QWidget::focusNextPrevChild(next);
  Select(QPoint(index % kDeckColumns, index / kDeckColumns));
  return true;
}

// ---------------------------------------------------------------------------
TDeckForm::TDeckForm(int back, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Deck Options"));
  DrawGrid1 = new TBackGrid(this);
  DrawGrid1->move(4, 8);
  DrawGrid1->Select(DeckCellOfBack(back));
  const int right = DrawGrid1->x() + DrawGrid1->width();
  Button1 = new QPushButton(tr("&OK"), this);
  Button1->setGeometry(right - 163, 224, 75, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(tr("&Cancel"), this);
  Button2->setGeometry(right - 75, 224, 75, 25);
  setFixedSize(right + 4, 258);
  connect(Button1, &QPushButton::clicked, this, [this] { done(mrOk); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(mrCancel); });
  connect(DrawGrid1, &TBackGrid::chosen, this, [this] { done(mrOk); });
  DrawGrid1->setFocus();
}

int TDeckForm::SelectedBack() const {
  const QPoint c = DrawGrid1->Selected();
  return BackOfDeckCell(c.x(), c.y());
}

int TDeckForm::Execute() {
  return ExecDialog(*this, mrOk);
}
