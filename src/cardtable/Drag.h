// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drag and drop on top of the two-click protocol. A press on a face-up card
// and a move beyond a few pixels lifts that card with every card lying on
// it: the lift is the protocol's first click on the pile (so the pile's own
// pick-up rule decides), the run follows the pointer drawn straight into
// the framebuffer, and the pile under the pointer is tinted when the drop
// would be taken. The release over another pile is the protocol's second
// click on that pile, made only when the pile's rule would move exactly
// the lifted cards; anywhere else the run slides back to its place, without
// a message and without a history entry. A press and release without
// moving stays an ordinary click; other buttons and double clicks are
// untouched.
//
// Everything is in the form's (logical board) coordinates.

#include <QImage>
#include <QPoint>
#include <functional>
#include <vector>

#include "cardtable/Board.h"

// The tint over the pile a drop would go to: a control of the form that
// takes no mouse input, so the table's recomposition draws it.
class TDropTint : public TGraphicControl {
 public:
  explicit TDropTint(TForm* owner);
  bool HitTest(QPoint) const override { return false; }
  void Paint(QImage& screen, const QRect& clip) override;
};

class TDragControl : public TMouseHook {
 public:
  TDragControl(TForm* form, TBoard* board);
  ~TDragControl() override;
  TDragControl(const TDragControl&) = delete;
  TDragControl& operator=(const TDragControl&) = delete;

  // How far the pointer must travel (in either direction) before a press
  // becomes a drag.
  static constexpr int kThreshold = 5;

  bool Dragging() const { return !run_.empty(); }
  // The pile the lifted cards come from (nullptr when no drag is under way).
  TDeck* Source() const { return Dragging() ? source_ : nullptr; }
  // The lifted cards, the grabbed one first and the pile's top card last.
  const std::vector<TCard*>& Lifted() const { return run_; }
  // The pile tinted as taking the drop, or nullptr.
  TDeck* Tinted() const;
  // Puts lifted cards back and forgets the press (the table is about to be
  // cleared, say).
  void Cancel();

  // A point of the card that no card lying on it covers: where a player
  // grabs it.
  static QPoint GrabPoint(const TCard* card);

  // Every left or right press, before anything else sees it.
  std::function<void()> OnPress;
  // True while cards are lifted: the owner holds automatic play.
  std::function<void(bool)> OnHold;

  void Pressed(Qt::MouseButton button, QPoint pos, TGraphicControl* target) override;
  bool Moved(QPoint pos) override;
  bool Released(Qt::MouseButton button, QPoint pos) override;

 private:
  bool Lift(QPoint pos);
  void Drop(QPoint pos);
  // Whether the pile's rule would move exactly the lifted cards there.
  bool Takes(TDeck* dest) const;
  void SetTint(TDeck* dest);
  void SlideBack(QPoint from);
  void PutBack();
  // The button is up: no press, no pile it went down on.
  void ForgetPress();
  // Draws the run with the grabbed card's corner at `corner`.
  void DrawAt(QPoint corner);
  // Puts back what the run covered (flushed to the view when asked).
  void Erase(bool flush = true);
  // The pile a control belongs to (a card's pile, or the pile itself).
  static TDeck* PileOf(TGraphicControl* c);

  TForm* form_;
  TBoard* board_;
  TDropTint* tint_;
  TDeck* tinted_ = nullptr;
  bool pressed_ = false;
  bool inert_ = false;  // the press already acted (a refused lift)
  QPoint pressPos_;
  TDeck* pressPile_ = nullptr;
  TCard* pressCard_ = nullptr;  // the card the press went down on
  TDeck* source_ = nullptr;
  std::vector<TCard*> run_;        // lifted, grabbed card first
  std::vector<QPoint> offsets_;    // each card's place from the grabbed card's
  std::vector<QPoint> homes_;      // each card's place in its pile
  TCard* shownBeneath_ = nullptr;  // a stacked pile's next card, shown while lifted
  QPoint grab_;                    // pointer offset inside the grabbed card
  QPoint corner_;                  // where the grabbed card is drawn now
  QRect drawn_;                    // where the run lies in the framebuffer
  QImage under_;                   // the pixels it covers there
};
