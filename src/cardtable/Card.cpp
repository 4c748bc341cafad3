// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "art/CardArt.h"
#include "cardtable/Cardscmp.h"
#include "platform/Raster.h"

namespace {}  // namespace

void ComposeCardImage(QImage& screen, const QRect& at, int picture, bool selected,
                      const QRect& clip) {
  const QImage mask = CardImages::Image(CardImages::kCardMask, at.size());
  const QImage pic = CardImages::Image(picture, at.size());
  BitBlt(screen, at.left(), at.top(), at.width(), at.height(), mask, 0, 0, Rop::Or, &clip);
  BitBlt(screen, at.left(), at.top(), at.width(), at.height(), pic, 0, 0, Rop::And, &clip);
  if (selected)
    BitBlt(screen, at.left(), at.top(), at.width(), at.height(), mask, 0, 0, Rop::Xor, &clip);
}

TCard::TCard(TForm* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 71, 96);
  SetPicture(52 + 1);
}

void TCard::SetFace(bool v) {
  if (TBoard* board = HostDeck ? HostDeck->HostBoard() : nullptr; board && v != face_) {
    board->CountTableChange();
    if (board->Recording) board->RecordTurn(this);
  }
  face_ = v;
  if (HostDeck) HostDeck->Touch();
  SetCardFace(cardFace_);
  SetCardBack(cardBack_);
}

void TCard::SetCardFace(int v) {
  cardFace_ = v;
  if (face_) SetPicture((Suit() - 1) * 13 + Rank());
}

void TCard::SetCardBack(int v) {
  cardBack_ = v;
  if (!face_) SetPicture(std::clamp(52 + v, 53, 65));
}

void TCard::VisibilityChanged() {
  if (HostDeck) HostDeck->Touch();
}

void TCard::SetSelected(bool v) {
  if (v == selected_) return;
  selected_ = v;
  if (HostDeck) HostDeck->Touch();
  Invalidate();
}

void TCard::SetPicture(int index) {
  picture_ = index;
  // Every card picture has the one card size: asking the image for it would
  // draw the art of all cards at start-up, long before a deal shows one.
  SetBounds(Left(), Top(), CardArt::kCardWidth, CardArt::kCardHeight);
  UpdateOpacity();
  Invalidate();
}

void TCard::UpdateOpacity() {
  Opaque = HostDeck && HostDeck->HostBoard() && HostDeck->HostBoard()->Pattern_Type == 0;
}

void TCard::Paint(QImage& screen, const QRect& clip) {
  // Only the number is checked here: asking for the picture would draw it
  // at 71 x 96 whatever size the view shows it at.
  if (picture_ < 1 || picture_ > CardImages::kCount) return;
  ComposeCardImage(screen, DeviceRect(), picture_, selected_, clip);
}

void TCard::Click() {
  TGraphicControl::Click();
  Cursor = crDefault;
  if (HostDeck) HostDeck->Click();
}

void TCard::DblClick() {
  TGraphicControl::DblClick();
  if (HostDeck) HostDeck->DblClick();
}

void TCard::MouseMove(QPoint pos) {
  TGraphicControl::MouseMove(pos);
  if (HostDeck && HostDeck->HostBoard() && HostDeck->HostBoard()->SelectedPile) {
    HostDeck->MouseMove(pos);
  } else if (HostDeck) {
    HostDeck->ShowCount();
    HostDeck->Cursor = crDefault;
    Cursor = crDefault;
  }
}

void TCard::MouseDown(Qt::MouseButton button, QPoint pos) {
  if (button == Qt::RightButton && HostDeck && HostDeck->HostBoard() && HostDeck->CanShowCard &&
      Owner()) {
    TBoard* board = HostDeck->HostBoard();
    board->PeekCard = this;
    // Shown whole over the cards fanned on it, until the button comes up.
    QImage& screen = Owner()->Screen();
    const QRect r = DeviceRect();
    board->PeekSave = CopyRect(screen, r);
    ComposeCardImage(screen, r, picture_, false, screen.rect());
    Owner()->FlushDevice(r);
  }
  TGraphicControl::MouseDown(button, pos);
}

void TCard::MouseUp(Qt::MouseButton button, QPoint pos) {
  if (button == Qt::RightButton && HostDeck && HostDeck->HostBoard() &&
      HostDeck->HostBoard()->PeekCard)
    HostDeck->HostBoard()->EndPeek();
  TGraphicControl::MouseUp(button, pos);
}
