// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardtable/Drag.h"

#include "cardtable/Cardscmp.h"
#include "cardtable/SlidePace.h"
#include "platform/Messages.h"
#include "platform/Raster.h"

namespace {

// The lifted cards still in their pile take their places there again.
void SendHome(const std::vector<TCard*>& run, const std::vector<QPoint>& homes, TDeck* source) {
  for (size_t i = 0; i < run.size(); ++i)
    if (run[i]->HostDeck == source)
      run[i]->SetBounds(homes[i].x(), homes[i].y(), run[i]->Width(), run[i]->Height());
}

}  // namespace

TDropTint::TDropTint(TForm* owner) : TGraphicControl(owner) {
  Hide();
}

void TDropTint::Paint(QImage& screen, const QRect& clip) {
  // A green-gold wash over what lies there, so the cards stay readable.
  const QRect r = DeviceRect() & clip & screen.rect();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* row = reinterpret_cast<quint32*>(screen.scanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) {
      const quint32 p = row[x];
      const quint32 red = (((p >> 16) & 0xFF) * 5 + 0xFF * 3) / 8;
      const quint32 green = (((p >> 8) & 0xFF) * 5 + 0xF0 * 3) / 8;
      const quint32 blue = ((p & 0xFF) * 5 + 0x60 * 3) / 8;
      row[x] = 0xFF000000u | (red << 16) | (green << 8) | blue;
    }
  }
}

TDragControl::TDragControl(TForm* form, TBoard* board)
    : form_(form), board_(board), tint_(form ? new TDropTint(form) : nullptr) {
  if (form_) form_->MouseHook = this;
}

TDragControl::~TDragControl() {
  if (form_ && form_->MouseHook == this) form_->MouseHook = nullptr;
}

TDeck* TDragControl::PileOf(TGraphicControl* c) {
  if (auto* card = dynamic_cast<TCard*>(c)) return card->HostDeck;
  return dynamic_cast<TDeck*>(c);
}

TDeck* TDragControl::Tinted() const {
  return tint_ && tint_->Visible() ? tinted_ : nullptr;
}

QPoint TDragControl::GrabPoint(const TCard* card) {
  const QRect r = card->BoundsRect();
  const TDeck* pile = card->HostDeck;
  const TCard* above = nullptr;
  for (const TCard* c = pile ? pile->TopCard : nullptr; c && c != card; c = c->NextCard)
    above = c;
  if (!above || !above->Visible()) return r.center();
  // The strip the card above leaves uncovered: its top edge in a column,
  // its left edge in a row.
  const QRect a = above->BoundsRect();
  if (a.top() > r.top()) return QPoint(r.center().x(), (r.top() + a.top()) / 2);
  if (a.left() > r.left()) return QPoint((r.left() + a.left()) / 2, r.center().y());
  return r.center();
}

void TDragControl::Pressed(Qt::MouseButton button, QPoint pos, TGraphicControl* target) {
  if (OnPress) OnPress();
  if (Dragging()) return;  // another button while cards are lifted
  pressed_ = button == Qt::LeftButton && target;
  inert_ = false;
  pressPos_ = pos;
  pressPile_ = pressed_ ? PileOf(target) : nullptr;
  if (pressPile_ && pressPile_->HostBoard() != board_) pressPile_ = nullptr;
  pressCard_ = pressPile_ ? dynamic_cast<TCard*>(target) : nullptr;
}

bool TDragControl::Moved(QPoint pos) {
  if (Dragging()) {
    TDeck* dest = PileOf(form_->ControlAt(pos));
    const QRect was = drawn_;
    if (dest != tinted_ || !tint_->Visible()) {
      // The tint is composed into the table under the run: the run comes
      // off first and is drawn again over the new table.
      Erase(false);
      SetTint(dest);
    }
    DrawAt(pos - grab_);
    if (drawn_ != was) form_->FlushDevice(was);
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
  // The grabbed card and every card on it, all face up and in view; a press
  // on anything else of the pile grabs its top card.
  std::vector<TCard*> run;
  for (TCard* c = p->TopCard; c; c = c->NextCard) {
    if (!c->Face() || !c->Visible()) break;
    run.insert(run.begin(), c);
    if (c == pressCard_) break;
  }
  if (!pressCard_ || run.empty() || run.front() != pressCard_) run = {p->TopCard};
  if (board_->SelectedPile != p) {
    // The press picks up this pile, whatever was selected before.
    board_->ClearSelection();
    p->TopCard->Click();
  }
  if (board_->SelectedPile != p || !p->TopCard || p->TopCard != run.back()) {
    inert_ = true;  // the pick-up was refused (or acted): the release must not click again
    return true;
  }
  source_ = p;
  run_ = std::move(run);
  const QPoint base = run_.front()->BoundsRect().topLeft();
  offsets_.clear();
  homes_.clear();
  for (TCard* c : run_) {
    homes_.push_back(c->BoundsRect().topLeft());
    offsets_.push_back(homes_.back() - base);
  }
  grab_ = pressPos_ - base;
  grab_.setX(qBound(0, grab_.x(), run_.front()->Width() - 1));
  grab_.setY(qBound(0, grab_.y(), run_.front()->Height() - 1));
  // A stacked pile shows only its top card: show the next one while the top
  // one is away.
  TCard* top = run_.back();
  if (!p->Fanned() && top->NextCard && !top->NextCard->Visible()) {
    shownBeneath_ = top->NextCard;
    shownBeneath_->Show();
  }
  for (TCard* c : run_)
    c->Hide();
  board_->Busy = true;
  if (OnHold) OnHold(true);
  drawn_ = QRect();
  SetTint(PileOf(form_->ControlAt(pos)));
  DrawAt(pos - grab_);
  return true;
}

bool TDragControl::Takes(TDeck* dest) const {
  if (!dest || dest == source_ || dest->HostBoard() != board_ || !dest->Visible() ||
      board_->SelectedPile != source_ || run_.empty())
    return false;
  TCard* top = source_->TopCard;
  if (!dest->OnAddWithRule) return run_.size() == 1;  // such a pile takes the top card
  // The drop cursor's question: which card would the rule move there? A
  // rule names the deepest card of a run it moves; an empty pile may ask
  // how much to move, and then the player's answer decides.
  TCard* c = top;
  bool action = true;
  dest->OnAddWithRule(dest, c, action, false);
  if (!action || !c) return false;
  return c == run_.front() || (c == top && !dest->TopCard);
}

void TDragControl::SetTint(TDeck* dest) {
  if (!tint_) return;
  if (!Takes(dest)) dest = nullptr;
  tinted_ = dest;
  if (!dest) {
    tint_->Hide();
    return;
  }
  QRect r = dest->TopCard ? dest->TopCard->BoundsRect() : dest->BoundsRect();
  if (!dest->TopCard || !dest->TopCard->Visible()) r = dest->BoundsRect();
  tint_->SetBounds(r.left(), r.top(), r.width(), r.height());
  tint_->BringToFront();
  tint_->Show();
}

// Draws the run with the grabbed card at `corner` and puts back what it
// covered where it was: the framebuffer is in device pixels, so each card
// is composed at its device rectangle (the same art and corners as a card
// lying on the table), and one flush shows both changes together.
void TDragControl::DrawAt(QPoint corner) {
  QImage& screen = form_->Screen();
  form_->FlushPending();
  corner_ = corner;
  QRect logical;
  for (size_t i = 0; i < run_.size(); ++i)
    logical |= QRect(corner + offsets_[i], run_[i]->BoundsRect().size());
  const QRect next = form_->DeviceRect(logical);
  const QRect changed = drawn_.isNull() ? next : (drawn_ | next);
  if (!drawn_.isNull())
    BitBlt(screen, drawn_.left(), drawn_.top(), drawn_.width(), drawn_.height(), under_, 0, 0,
           Rop::Copy);
  under_ = CopyRect(screen, next);
  for (size_t i = 0; i < run_.size(); ++i) {
    const QRect at = form_->DeviceRect(QRect(corner + offsets_[i], run_[i]->BoundsRect().size()));
    ComposeCardImage(screen, at, run_[i]->PictureIndex(), false, next);
  }
  drawn_ = next;
  form_->FlushDevice(changed);
}

void TDragControl::Erase(bool flush) {
  if (drawn_.isNull()) return;
  BitBlt(form_->Screen(), drawn_.left(), drawn_.top(), drawn_.width(), drawn_.height(), under_, 0,
         0, Rop::Copy);
  if (flush) form_->FlushDevice(drawn_);
  drawn_ = QRect();
}

void TDragControl::SlideBack(QPoint from) {
  // The way home in the board's slide frames (none with animation off);
  // the player who acts meanwhile hurries it to the end.
  const QPoint home = homes_.front();
  const int frames = board_->Animate ? SlidePace().Frames : 0;
  const bool paced = !IsDeterministic() && form_->OnFlush;
  if (drawn_.isNull()) DrawAt(from);
  for (int f = 1; f <= frames && !SlidePace().Hurry; ++f) {
    DrawAt(from + (home - from) * f / frames);
    if (paced) WaitMs(SlidePace().FrameMs);
  }
  SlidePace().Hurry = false;
  Erase();
}

void TDragControl::Drop(QPoint pos) {
  const QPoint at = corner_;
  TDeck* dest = PileOf(form_->ControlAt(pos));
  const bool take = Takes(dest);
  Erase();
  if (tint_) tint_->Hide();
  tinted_ = nullptr;
  board_->Busy = false;
  if (OnHold) OnHold(false);
  TCard* grabbed = run_.front();
  if (take) {
    // The second click of the protocol, on the pile under the pointer. The
    // cards slide on from where they were dropped; should the rule refuse
    // after all, they go back quietly.
    for (size_t i = 0; i < run_.size(); ++i)
      run_[i]->SetBounds(at.x() + offsets_[i].x(), at.y() + offsets_[i].y(), run_[i]->Width(),
                         run_[i]->Height());
    const bool warn = board_->WarnEnabled;
    board_->WarnEnabled = false;
    TGraphicControl* target = dest->TopCard && dest->TopCard->Visible()
                                  ? static_cast<TGraphicControl*>(dest->TopCard)
                                  : dest;
    target->Click();
    board_->WarnEnabled = warn;
    if (grabbed->Visible() || grabbed->HostDeck != source_) {
      // They went (a move shows each card where it lands).
      run_.clear();
      shownBeneath_ = nullptr;
    } else {
      SendHome(run_, homes_, source_);
    }
  }
  if (!run_.empty()) SlideBack(at);
  PutBack();
  source_ = nullptr;
  ForgetPress();
  form_->RefreshHover();
}

void TDragControl::PutBack() {
  if (run_.empty()) return;
  TCard* top = run_.back();
  if (shownBeneath_ && top->HostDeck == source_ && top->NextCard == shownBeneath_)
    shownBeneath_->Hide();
  for (TCard* c : run_)
    c->Show();
  if (board_->SelectedPile == source_) board_->ClearSelection();
  run_.clear();
  shownBeneath_ = nullptr;
}

void TDragControl::Cancel() {
  if (Dragging()) {
    Erase();
    if (tint_) tint_->Hide();
    tinted_ = nullptr;
    board_->Busy = false;
    if (OnHold) OnHold(false);
    SendHome(run_, homes_, source_);
    PutBack();
  }
  source_ = nullptr;
  ForgetPress();
}

void TDragControl::ForgetPress() {
  pressed_ = false;
  inert_ = false;
  pressPile_ = nullptr;
  pressCard_ = nullptr;
}
