// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "cardtable/Cardscmp.h"
#include "cardtable/SlidePace.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Raster.h"
#include "platform/Sound.h"

QString CountText(int cards) {
  return QStringLiteral("   ") +
         QCoreApplication::translate("TDeck", "Cards in deck: %1").arg(cards, 3);
}

namespace {

constexpr int kCardW = 71;
constexpr int kCardH = 96;

// Draws an image/mask pair at a device rectangle: OR the mask, then AND the
// image, so the table shows where the mask is black and the image white.
void DrawMasked(QImage& screen, const QRect& at, int image, int mask, const QRect& clip) {
  BitBlt(screen, at.left(), at.top(), at.width(), at.height(), CardImages::Image(mask, at.size()),
         0, 0, Rop::Or, &clip);
  BitBlt(screen, at.left(), at.top(), at.width(), at.height(), CardImages::Image(image, at.size()),
         0, 0, Rop::And, &clip);
}

}  // namespace

void TSlidePace::SetSpeed(int speed) {
  // Frames and their pace: fewer and as quick for fast, more and slower for
  // slow; off shows no frame at all (the card is simply there).
  static constexpr struct { int frames, ms; } kSpeeds[] = {{0, 0}, {3, 8}, {6, 9}, {10, 16}};
  const auto& s = kSpeeds[speed < 0 ? 0 : speed > 3 ? 3 : speed];
  Frames = s.frames;
  FrameMs = s.ms;
}

TSlidePace& SlidePace() {
  static TSlidePace pace;
  return pace;
}

namespace {

// The pile whose count the menu bar shows (there is one menu bar). Its
// destruction clears the text, which would otherwise go on describing a
// pile that is gone; the destruction of any other pile leaves it alone.
const TDeck* countPile = nullptr;

}  // namespace

TDeck::TDeck(TForm* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, kCardW, kCardH);
}

TDeck::~TDeck() {
  if (hostBoard_) {
    if (hostBoard_->SelectedPile == this) hostBoard_->SelectedPile = nullptr;
    if (countPile == this) {
      countPile = nullptr;
      if (Owner()) Owner()->ShowCountText(QString());
    }
  }
  // The cards are not ours, but they must not point at a pile that is gone.
  for (TCard* c = TopCard; c;) {
    TCard* next = c->NextCard;
    if (c->HostDeck == this) {
      c->HostDeck = nullptr;
      c->NextCard = nullptr;
    }
    c = next;
  }
}

void TDeck::SetGShift(int g) {
  gShift_ = g;
  if (gShift_ < 4 && vShift_ < 4) SetWidth(kCardW + 9 * g);
}

void TDeck::SetVShift(int v) {
  vShift_ = v;
  if (gShift_ < 4 && vShift_ < 4) SetHeight(kCardH + 9 * v);
}

void TDeck::SetShowEmpty(int v) {
  showEmpty_ = v;
  ++revision_;
  Invalidate();
}

void TDeck::SetHostBoard(TBoard* b) {
  if (!b) return;
  hostBoard_ = b;
  b->IDCounter += 1;
  deckID_ = b->IDCounter;
}

TCard* TDeck::CardAt(int n) const {
  if (n < 1) return nullptr;
  TCard* c = TopCard;
  for (int i = 1; c && i < n; ++i)
    c = c->NextCard;
  return c;
}

void TDeck::AddCard(TCard* card) {
  if (!card) return;
  ++revision_;
  int k = cardsCount_;
  card->NextCard = TopCard;
  if (!TopCard) {
    card->SetBounds(Left(), Top(), card->Width(), card->Height());
  } else if (Fanned()) {
    card->SetBounds(TopCard->Left() + gShift_, TopCard->Top() + vShift_, card->Width(),
                    card->Height());
  } else {
    TopCard->Hide();
    card->SetBounds(Left() + k / 9 * gShift_, Top() + k / 9 * vShift_, card->Width(),
                    card->Height());
  }
  card->HostDeck = this;
  TopCard = card;
  cardsCount_ += 1;
  Invalidate();
  if (hostBoard_) hostBoard_->CountTableChange();
  if (hostBoard_ && showEmpty_ == 1)
    hostBoard_->SetScore(hostBoard_->Score() + hostBoard_->CardScore);
}

TCard* TDeck::RemoveCard(TCard* card) {
  if (!card || card->HostDeck != this) return nullptr;
  ++revision_;
  TCard* result = nullptr;
  if (card == TopCard) {
    card->HostDeck = nullptr;
    TopCard = card->NextCard;
    if (TopCard) TopCard->Show();
    card->NextCard = nullptr;
  } else {
    // Every card above moves down one place, top card first.
    TCard* above = nullptr;
    for (TCard* c = TopCard; c && c != card; c = c->NextCard) {
      TCard* below = c->NextCard;
      if (below) c->SetBounds(below->Left(), below->Top(), c->Width(), c->Height());
      if (below == card) above = c;
    }
    if (above) above->NextCard = card->NextCard;
    card->HostDeck = nullptr;
    card->NextCard = nullptr;
    card->Show();
    result = above;
  }
  cardsCount_ -= 1;
  Invalidate();
  if (hostBoard_ && showEmpty_ == 1)
    hostBoard_->SetScore(hostBoard_->Score() - hostBoard_->CardScore);
  return result;
}

void TDeck::MoveCard(TDeck* source, int n) {
  if (!source || n < 1 || n > source->CardsCount()) return;
  TCard* c = source->CardAt(n);
  source->RemoveCard(c);
  c->Show();
  AddCard(c);
  c->BringToFront();
  if (OnAfterMove) OnAfterMove(source, this, c);
}

void TDeck::MoveCardTo(TCard* card) {
  if (!card) return;
  TBoard* board = hostBoard_;
  if (board) {
    board->Busy = true;
    board->ClearSelection();
  }
  TDeck* src = card->HostDeck;
  if (!src) {
    AddCard(card);
  } else if (src == this) {
    // Onto the pile that holds it already: nothing to move (lifting cards
    // and laying them back on the same pile would never end).
  } else {
    bool recording = board && board->Recording;
    if (recording) {
      if (OnAfterMove) board->BeginMoveGroup();
      board->RecordMove(src, this, card);
    }
    TCard* c = card;
    TCard* last = nullptr;
    while (c) {
      if (board && board->MyPlaySound) PlaySoundData(CardImages::SoundPlysel());
      TCard* above = src->RemoveCard(c);
      c->Hide();
      ProcessMessages();
      SlideCard(src, c);
      AddCard(c);
      c->Show();
      last = c;
      c = above;
    }
    if (board && board->Recording && OnAfterMove) {
      OnAfterMove(src, this, last);
      board->EndMoveGroup();
    }
  }
  if (board) board->Busy = false;
  if (Owner()) Owner()->RefreshHover();
}

QPoint TDeck::Landing() const {
  const QPoint base = TopCard ? TopCard->BoundsRect().topLeft() : BoundsRect().topLeft();
  return (Fanned() && TopCard) ? base + QPoint(gShift_, vShift_) : base;
}

void TDeck::SlideCard(TDeck* src, TCard* card) {
  TBoard* board = hostBoard_;
  if (!board || !Owner()) return;
  const int frames = board->Animate ? SlidePace().Frames : 0;
  TForm* form = Owner();
  if (!form->Drawing()) {
    // Nothing to show: the card only takes its place (no copies of the
    // screen under it, which would cost more than the move itself).
    card->BringToFront();
    const QPoint at = Landing();
    card->SetBounds(at.x(), at.y(), card->Width(), card->Height());
    return;
  }
  form->FlushPending();
  QImage& screen = form->Screen();
  card->BringToFront();
  QPoint landing = Landing();
  const QPoint start = card->BoundsRect().topLeft();
  const bool paced = !IsDeterministic() && form->OnFlush;
  // Each frame puts back what the card covered in the frame before, keeps
  // what it covers now and draws it there. Every rectangle is the device
  // rectangle of the card's logical place, so a frame covers exactly the
  // pixels the table would give the card there and takes back exactly what
  // it covered: nothing of the slide stays behind at any zoom.
  QRect prev = form->DeviceRect(QRect(start, QSize(kCardW, kCardH)));
  board->PeekSave = CopyRect(screen, prev);
  for (int f = 1; f <= frames; ++f) {
    // The player acted while the card slid: the rest of the way at once.
    if (SlidePace().Hurry) f = frames;
    QPoint at(start.x() + (landing.x() - start.x()) * f / frames,
              start.y() + (landing.y() - start.y()) * f / frames);
    const QRect cur = form->DeviceRect(QRect(at, QSize(kCardW, kCardH)));
    BitBlt(screen, prev.left(), prev.top(), prev.width(), prev.height(), board->PeekSave, 0, 0,
           Rop::Copy);
    board->PeekSave = CopyRect(screen, cur);
    ComposeCardImage(screen, cur, card->PictureIndex(), false, screen.rect());
    form->FlushDevice(prev | cur);
    prev = cur;
    if (paced && !SlidePace().Hurry) WaitMs(SlidePace().FrameMs);
  }
  SlidePace().Hurry = false;
  // The last frame's card stays on the screen until the card itself is
  // shown there; the framebuffer underneath is the table without it.
  if (frames > 0)
    BitBlt(screen, prev.left(), prev.top(), prev.width(), prev.height(), board->PeekSave, 0, 0,
           Rop::Copy);
  if (src->CardsCount() == 0) src->Repaint();
  card->SetBounds(landing.x(), landing.y(), card->Width(), card->Height());
}

void TDeck::TurnOver(TDeck* source) {
  if (!source) return;
  if (hostBoard_ && hostBoard_->MyPlaySound) PlaySoundData(CardImages::SoundTurn());
  while (TCard* c = source->TopCard) {
    source->RemoveCard(c);
    c->Show();
    // Turned once it lies here, so the history sees the turn of a card on a
    // board pile (the move itself is not recorded).
    AddCard(c);
    c->SetFace(!c->Face());
    c->BringToFront();
  }
}

void TDeck::ShowCount() {
  if (!hostBoard_ || !Owner()) return;
  countPile = this;
  Owner()->ShowCountText(CountText(cardsCount_));
}

void TDeck::Paint(QImage& screen, const QRect& clip) {
  if (cardsCount_ == 0) {
    const QRect mark = Owner()->DeviceRect(QRect(Left(), Top(), kCardW, kCardH));
    switch (showEmpty_) {
      case 0:
        if (hostBoard_ && hostBoard_->ShowEmptyPiles) DrawMasked(screen, mark, 75, 76, clip);
        break;
      case 1:
        DrawMasked(screen, mark, 71, 72, clip);
        break;
      case 2:
        DrawMasked(screen, mark, 67, 74, clip);
        break;
      case 3:
        DrawMasked(screen, mark, 68, 73, clip);
        break;
      default:
        break;
    }
    return;
  }
  if (Fanned() || !TopCard) return;
  const int edges = (cardsCount_ - 1) / 9;
  for (int i = 1; i <= edges; ++i) {
    const QRect at = Owner()->DeviceRect(
        QRect(Left() + (i - 1) * gShift_, Top() + (i - 1) * vShift_, kCardW, kCardH));
    const int pic = (!TopCard->Face() || i == edges) ? TopCard->PictureIndex() : 1;
    ComposeCardImage(screen, at, pic, false, clip);
  }
}

void TDeck::SetCursors(int cursor) {
  Cursor = cursor;
  if (TopCard) TopCard->Cursor = cursor;
}

void TDeck::Click() {
  TGraphicControl::Click();
  if (hostBoard_) hostBoard_->PlayerAction([this] { TwoClickProtocol(); });
}

void TDeck::TwoClickProtocol() {
  TBoard* board = hostBoard_;
  bool action = true;
  if (board->ClickGuard) return;
  board->ClickGuard = true;
  if (TopCard && !board->SelectedPile) {
    TCard* aCard = TopCard;
    if (OnSelect) OnSelect(this, aCard, action, true);
    if (action && TopCard) {
      board->SelectedPile = this;
      TopCard->SetSelected(true);
    }
  } else if (!TopCard && !board->SelectedPile) {
    if (OnEmptySelect) OnEmptySelect(this);
  } else {
    TDeck* s = board->SelectedPile;
    if (s == this) {
      if (TopCard) TopCard->SetSelected(false);
      board->SelectedPile = nullptr;
    } else {
      TCard* aCard = s->TopCard;
      if (aCard) aCard->SetSelected(false);
      board->SelectedPile = nullptr;
      if (OnAddWithRule) OnAddWithRule(this, aCard, action, true);
      if (action && aCard) {
        MoveCardTo(aCard);
      } else if (!action && aCard) {
        if (board->WarnEnabled) {
          ShowMessage(QCoreApplication::translate("TDeck", "This move is not allowed"),
                      QStringLiteral("Wenlo Solitaire Collection"), MsgIcon::Information);
          if (s->TopCard) s->TopCard->SetSelected(false);
        } else {
          // The player may try another destination with the same card.
          TDeck* holder = aCard->HostDeck ? aCard->HostDeck : s;
          board->SelectedPile = s;
          if (holder->TopCard) holder->TopCard->SetSelected(true);
        }
      }
    }
  }
  board->ClickGuard = false;
}

void TDeck::DblClick() {
  TGraphicControl::DblClick();
  if (TopCard && hostBoard_ && hostBoard_->SelectedPile == this && OnDoubleSelect)
    hostBoard_->PlayerAction([this] { OnDoubleSelect(this); });
}

void TDeck::MouseMove(QPoint pos) {
  TGraphicControl::MouseMove(pos);
  ShowCount();
  TBoard* board = hostBoard_;
  if (board && board->SelectedPile && board->SelectedPile != this && OnAddWithRule) {
    bool action = true;
    TCard* aCard = board->SelectedPile->TopCard;
    OnAddWithRule(this, aCard, action, false);
    if (action) {
      SetCursors(crDrop);
      return;
    }
  }
  SetCursors(crDefault);
}

void TDeck::MouseUp(Qt::MouseButton button, QPoint pos) {
  if (button == Qt::RightButton && hostBoard_ && hostBoard_->PeekCard) hostBoard_->EndPeek();
  TGraphicControl::MouseUp(button, pos);
}

TDeck* FindPileByID(TForm* form, int id) {
  if (!form) return nullptr;
  for (TComponent* c : form->Components())
    if (auto* d = dynamic_cast<TDeck*>(c); d && d->DeckID() == id) return d;
  return nullptr;
}

TCard* FindCardByID(TForm* form, int id) {
  if (!form) return nullptr;
  for (TComponent* c : form->Components())
    if (auto* k = dynamic_cast<TCard*>(c); k && k->CardID == id) return k;
  return nullptr;
}

QRect PileLayoutBounds(const TForm& form) {
  QRect used;
  for (const TGraphicControl* c : form.ZOrder()) {
    if (!c->Visible()) continue;
    if (auto* d = dynamic_cast<const TDeck*>(c)) {
      used |= d->BoundsRect();
    } else if (auto* k = dynamic_cast<const TCard*>(c); k && k->HostDeck) {
      used |= k->BoundsRect();
    }
  }
  return used;
}
