// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtable/Drag.h"

#include "cardtable/Cardscmp.h"
#include "platform/Raster.h"

TDragControl::TDragControl(TForm* form, TBoard* board) : form_(form), board_(board) {
  if (form_) form_->MouseHook = this;
}

TDragControl::~TDragControl() {
  if (form_ && form_->MouseHook == this) form_->MouseHook = nullptr;
}

TDeck* TDragControl::PileOf(TGraphicControl* c) {
  if (auto* card = dynamic_cast<TCard*>(c)) return card->HostDeck;
  return dynamic_cast<TDeck*>(c);
}

void TDragControl::Pressed(Qt::MouseButton button, QPoint pos, TGraphicControl* target) {
  if (OnPress) OnPress();
  if (Dragging()) return;  // another button while a card is lifted
  pressed_ = button == Qt::LeftButton && target;
  inert_ = false;
  pressPos_ = pos;
  pressPile_ = pressed_ ? PileOf(target) : nullptr;
  if (pressPile_ && pressPile_->HostBoard() != board_) pressPile_ = nullptr;
}

bool TDragControl::Moved(QPoint pos) {
  if (Dragging()) {
    DrawAt(pos);
    // The protocol's hover probe shows the drop cursor over a pile that
    // would take the card.
    if (TGraphicControl* c = form_->ControlAt(pos)) c->MouseMove(pos);
    return true;
  }
  if (!pressed_ || inert_ || !pressPile_) return false;
  const QPoint d = pos - pressPos_;
  if (qAbs(d.x()) < kThreshold && qAbs(d.y()) < kThreshold) return false;
  pressed_ = Lift(pos);
  return Dragging();
}

bool TDragControl::Released(Qt::MouseButton button, QPoint pos) {
  if (button != Qt::LeftButton) return false;
  if (Dragging()) {
    Drop(pos);
    return true;
  }
  const bool took = inert_;
  ForgetPress();
  return took;
}

// Returns whether the press still matters: false when nothing was tried (the
// release then clicks as it always does).
bool TDragControl::Lift(QPoint pos) {
  TDeck* p = pressPile_;
  // A face-down top card is a stock's or a covered card: nothing to carry,
  // and a stock must deal on its click, not on a drag.
  if (!p->TopCard || !p->TopCard->Face() || board_->Busy || board_->ClickGuard) return false;
  if (board_->SelectedPile != p) {
    // The press picks up this pile, whatever was selected before.
    board_->ClearSelection();
    p->TopCard->Click();
  }
  if (board_->SelectedPile != p || !p->TopCard) {
    inert_ = true;  // the pick-up was refused (or acted): the release must not click again
    return true;
  }
  source_ = p;
  card_ = p->TopCard;
  cardHome_ = card_->BoundsRect().topLeft();
  grab_ = pressPos_ - cardHome_;
  grab_.setX(qBound(0, grab_.x(), card_->Width() - 1));
  grab_.setY(qBound(0, grab_.y(), card_->Height() - 1));
  // A stacked pile shows only its top card: show the next one while the top
  // one is away.
  if (!p->Fanned() && card_->NextCard && !card_->NextCard->Visible()) {
    shownBeneath_ = card_->NextCard;
    shownBeneath_->Show();
  }
  card_->Hide();
  board_->Busy = true;
  if (OnHold) OnHold(true);
  drawn_ = QRect();
  DrawAt(pos);
  return true;
}

// Draws the lifted card at the pointer and puts back what it covered where
// it was: the framebuffer is in device pixels, so the card is composed at
// its device rectangle (the same art and corners as a card lying on the
// table), and one flush shows both changes together.
void TDragControl::DrawAt(QPoint pos) {
  QImage& screen = form_->Screen();
  form_->FlushPending();
  const QRect next = form_->DeviceRect(QRect(pos - grab_, card_->BoundsRect().size()));
  const QRect changed = drawn_.isNull() ? next : (drawn_ | next);
  if (!drawn_.isNull())
    BitBlt(screen, drawn_.left(), drawn_.top(), drawn_.width(), drawn_.height(), under_, 0, 0,
           Rop::Copy);
  under_ = CopyRect(screen, next);
  ComposeCardImage(screen, next, card_->PictureIndex(), false, next);
  drawn_ = next;
  form_->FlushDevice(changed);
}

void TDragControl::Erase() {
  if (drawn_.isNull()) return;
  BitBlt(form_->Screen(), drawn_.left(), drawn_.top(), drawn_.width(), drawn_.height(), under_, 0,
         0, Rop::Copy);
  form_->FlushDevice(drawn_);
  drawn_ = QRect();
}

void TDragControl::Drop(QPoint pos) {
  const QPoint at = drawn_.topLeft();
  Erase();
  board_->Busy = false;
  TGraphicControl* target = form_->ControlAt(pos);
  TDeck* dest = PileOf(target);
  bool take =
      dest && dest != source_ && dest->HostBoard() == board_ && board_->SelectedPile == source_;
  if (take && dest->OnAddWithRule) {
    // The drop cursor's question first: a pile that would not take the card
    // is never clicked, so a refused drop changes nothing at all (a refused
    // click may still count as the game's start).
    TCard* c = card_;
    bool action = true;
    dest->OnAddWithRule(dest, c, action, false);
    take = action && c;
  }
  if (OnHold) OnHold(false);
  if (take) {
    // The second click of the protocol, on the control under the pointer.
    // Should the rule refuse after all, the card goes back quietly.
    card_->SetBounds(at.x(), at.y(), card_->Width(), card_->Height());
    const bool warn = board_->WarnEnabled;
    board_->WarnEnabled = false;
    target->Click();
    board_->WarnEnabled = warn;
    if (card_->Visible() || card_->HostDeck != source_) {
      // It went (a move shows the card where it lands).
      card_ = nullptr;
      shownBeneath_ = nullptr;
    } else if (card_->BoundsRect().topLeft() == at) {
      card_->SetBounds(cardHome_.x(), cardHome_.y(), card_->Width(), card_->Height());
    }
  }
  PutBack();
  source_ = nullptr;
  ForgetPress();
  form_->RefreshHover();
}

void TDragControl::PutBack() {
  if (!card_) return;
  if (shownBeneath_ && card_->HostDeck == source_ && card_->NextCard == shownBeneath_)
    shownBeneath_->Hide();
  card_->Show();
  if (board_->SelectedPile == source_) board_->ClearSelection();
  card_ = nullptr;
  shownBeneath_ = nullptr;
}

void TDragControl::Cancel() {
  if (Dragging()) {
    Erase();
    board_->Busy = false;
    if (OnHold) OnHold(false);
    if (card_->HostDeck == source_)
      card_->SetBounds(cardHome_.x(), cardHome_.y(), card_->Width(), card_->Height());
    PutBack();
  }
  source_ = nullptr;
  ForgetPress();
}

void TDragControl::ForgetPress() {
  pressed_ = false;
  inert_ = false;
  pressPile_ = nullptr;
}
