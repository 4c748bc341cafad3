// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/CardArt.h"
#include "cardtable/Cardscmp.h"
#include "platform/Cursors.h"
#include "platform/Raster.h"

TBoard::TBoard(TForm* owner) : TGraphicControl(owner) {
  PeekSave = NewBitmap(71, 96);
  SlideCardImage = NewBitmap(71, 96);
  SetBounds(0, 0, 800, 800);
  if (!HasScreenCursor(crDrop))
    SetScreenCursor(crDrop, CardArt::DropCursorImage, CardArt::kDropCursorHotX,
                    CardArt::kDropCursorHotY);
  History.reserve(400);
}

TBoard::~TBoard() {
  ClearHistory();
}

void TBoard::SetScore(int v) {
  score_ = v;
  if (OnScoreChange) OnScoreChange(nullptr);
}

void TBoard::EndPeek() {
  if (!PeekCard) return;
  if (Owner()) {
    const QRect r = PeekCard->DeviceRect();
    BitBlt(Owner()->Screen(), r.left(), r.top(), r.width(), r.height(), PeekSave, 0, 0, Rop::Copy);
    Owner()->FlushDevice(r);
  }
  PeekCard = nullptr;
}

void TBoard::MouseUp(Qt::MouseButton button, QPoint pos) {
  EndPeek();
  TGraphicControl::MouseUp(button, pos);
}

void TBoard::PlayerAction(const std::function<void()>& action) {
  const unsigned before = tableChanges_;
  action();
  if (tableChanges_ != before && OnPlayerChange) OnPlayerChange();
}

void TBoard::ClearSelection() {
  if (!SelectedPile) return;
  if (SelectedPile->TopCard) SelectedPile->TopCard->SetSelected(false);
  SelectedPile = nullptr;
}
