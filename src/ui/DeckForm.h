// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card-back chooser "Deck Options": the twelve backs in a grid of six
// columns and two rows; the selected cell is the chosen back.

#include <QDialog>
#include <QPoint>
#include <optional>

class QPushButton;
class TForm;

constexpr int kDeckColumns = 6;
constexpr int kDeckRows = 2;
constexpr int kDeckBacks = kDeckColumns * kDeckRows;

// Grid cell (column, row) of back 1..12; a back outside that range is shown
// as back 1, so the grid always has a selection.
QPoint DeckCellOfBack(int back);
// Back 1..12 of a cell.
inline int BackOfDeckCell(int column, int row) {
  return row * kDeckColumns + column + 1;
}

// Deck_MIClick after the dialog closed: the new back when OK chose another
// one than `current`, otherwise nothing (the same back again changes nothing).
std::optional<int> NewBackAfterDeckDialog(int result, int current, int chosen);

// Gives every card owned by the form the back and repaints every pile, so
// face-down cards show it at once. Returns the number of cards changed.
int ApplyCardBack(TForm& form, int back);

// The grid control: cells of 73 x 98 pixels, each showing one back, the
// selected cell drawn in the highlight colour. Arrow keys and Tab move the
// selection; a double click chooses.
class TBackGrid : public QWidget {
  Q_OBJECT
 public:
  explicit TBackGrid(QWidget* parent = nullptr);

  static constexpr int kCellWidth = 73;
  static constexpr int kCellHeight = 98;
  static constexpr int kLine = 3;

  QPoint Selected() const { return selected_; }
  void Select(QPoint cell);
  // The cell under a point of the widget, or (-1, -1).
  QPoint CellAt(QPoint pos) const;
  QRect CellRect(int column, int row) const;

 signals:
  void chosen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  QPoint selected_{0, 0};
};

class TDeckForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDeckForm(int back, QWidget* parent = nullptr);

  // Back of the selected cell: row * 6 + column + 1.
  int SelectedBack() const;
  int Execute();

  TBackGrid* DrawGrid1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
};
