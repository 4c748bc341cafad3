// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drag and drop on top of the two-click protocol. A press on a pile and a
// move beyond a few pixels lifts the pile's top card: the lift is the
// protocol's first click (so the pile's own pick-up rule decides), the card
// follows the pointer drawn straight into the framebuffer, and the release
// over another pile is the protocol's second click on that pile. A release
// over the bare table or a pile that refuses puts the card back without a
// message and without a history entry. A press and release without moving
// stays an ordinary click; other buttons and double clicks are untouched.
//
// Everything is in the form's (logical board) coordinates.

#include <QImage>
#include <QPoint>
#include <functional>

#include "cardtable/Board.h"

class TDragControl : public TMouseHook {
 public:
  TDragControl(TForm* form, TBoard* board);
  ~TDragControl() override;
  TDragControl(const TDragControl&) = delete;
  TDragControl& operator=(const TDragControl&) = delete;

  // How far the pointer must travel (in either direction) before a press
  // becomes a drag.
  static constexpr int kThreshold = 5;

  bool Dragging() const { return card_ != nullptr; }
  // The pile the lifted card comes from (nullptr when no drag is under way).
  TDeck* Source() const { return Dragging() ? source_ : nullptr; }
  // Puts a lifted card back and forgets the press (the table is about to be
  // cleared, say).
  void Cancel();

  // Every left or right press, before anything else sees it.
  std::function<void()> OnPress;
  // True while a card is lifted: the owner holds automatic play.
  std::function<void(bool)> OnHold;

  void Pressed(Qt::MouseButton button, QPoint pos, TGraphicControl* target) override;
  bool Moved(QPoint pos) override;
  bool Released(Qt::MouseButton button, QPoint pos) override;

 private:
  bool Lift(QPoint pos);
  void Drop(QPoint pos);
  void PutBack();
  // The button is up: no press, no pile it went down on.
  void ForgetPress();
  void DrawAt(QPoint pos);
  void Erase();
  // The pile a control belongs to (a card's pile, or the pile itself).
  static TDeck* PileOf(TGraphicControl* c);

  TForm* form_;
  TBoard* board_;
  bool pressed_ = false;
  bool inert_ = false;  // the press already acted (a refused lift)
  QPoint pressPos_;
  TDeck* pressPile_ = nullptr;
  TDeck* source_ = nullptr;
  TCard* card_ = nullptr;
  TCard* shownBeneath_ = nullptr;  // a stacked pile's next card, shown while lifted
  QPoint grab_;                    // pointer offset inside the card
  QPoint cardHome_;                // the card's place in its pile
  QRect drawn_;                    // where the lifted card lies in the framebuffer
  QImage under_;                   // the pixels it covers there
};
