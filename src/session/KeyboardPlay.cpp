// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/KeyboardPlay.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "cardtable/Cardscmp.h"
#include "session/TableHost.h"

std::optional<TPlayKey> PlayKeyFromQt(int key, Qt::KeyboardModifiers modifiers) {
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  if (modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier) ||
      modifiers.testFlag(Qt::MetaModifier))
    return std::nullopt;
  switch (key) {
    case Qt::Key_Left:
      return TPlayKey::Left;
    case Qt::Key_Right:
      return TPlayKey::Right;
    case Qt::Key_Up:
      return TPlayKey::Up;
    case Qt::Key_Down:
      return TPlayKey::Down;
    case Qt::Key_Tab:
      return shift ? TPlayKey::Previous : TPlayKey::Next;
    case Qt::Key_Backtab:
      return TPlayKey::Previous;
    case Qt::Key_Space:
      return TPlayKey::Click;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return shift ? TPlayKey::DoubleClick : TPlayKey::Click;
    case Qt::Key_Escape:
      return TPlayKey::Escape;
    default:
      return std::nullopt;
  }
}

// --- The frame ---------------------------------------------------------------------

TFocusFrame::TFocusFrame(TForm* owner) : TGraphicControl(owner) {
  Hide();
}

void TFocusFrame::Paint(QImage& screen, const QRect& clip) {
  // In device pixels, like everything drawn into the framebuffer; the lines
  // keep at least their width in device pixels at any zoom.
  const QRect b = DeviceRect();
  const int w = std::max(kWidth, Owner()->DeviceRect(QRect(0, 0, kWidth, kWidth)).width());
  const QRect lines[4] = {
      QRect(b.left(), b.top(), b.width(), w),
      QRect(b.left(), b.bottom() - w + 1, b.width(), w),
      QRect(b.left(), b.top(), w, b.height()),
      QRect(b.right() - w + 1, b.top(), w, b.height()),
  };
  for (const QRect& line : lines) {
    const QRect r = line & clip & screen.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* row = reinterpret_cast<quint32*>(screen.scanLine(y));
      std::fill(row + r.left(), row + r.right() + 1, 0xFFFFD21Fu);
    }
  }
}

// --- Keyboard play ---------------------------------------------------------------

TKeyboardPlay::TKeyboardPlay(TableHost& host)
    : host_(host), frame_(new TFocusFrame(&host.Form())) {}

TKeyboardPlay::~TKeyboardPlay() {
  delete frame_;
}

std::vector<TDeck*> TKeyboardPlay::Piles() const {
  std::vector<TDeck*> out;
  for (TComponent* c : host_.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c); d && d->Visible() && d->HostBoard() == host_.Board1)
      out.push_back(d);
  return out;
}

TDeck* TKeyboardPlay::Focused() const {
  const std::vector<TDeck*> piles = Piles();
  for (TDeck* d : piles)
    if (d->DeckID() == focusID_) return d;
  return piles.empty() ? nullptr : piles.front();
}

QRect TKeyboardPlay::Extent(const TDeck* pile) {
  QRect r = pile->BoundsRect();
  for (const TCard* c = pile->TopCard; c; c = c->NextCard)
    if (c->Visible()) r |= c->BoundsRect();
  return r;
}

TDeck* TKeyboardPlay::Neighbour(const std::vector<TDeck*>& piles, TDeck* from, TPlayKey arrow) {
  const QPoint here = from->BoundsRect().center();
  TDeck* best = from;
  long bestScore = LONG_MAX;
  for (TDeck* d : piles) {
    if (d == from) continue;
    const QPoint v = d->BoundsRect().center() - here;
    long along = 0, across = 0;
    switch (arrow) {
      case TPlayKey::Left:
        along = -v.x(), across = v.y();
        break;
      case TPlayKey::Right:
        along = v.x(), across = v.y();
        break;
      case TPlayKey::Up:
        along = -v.y(), across = v.x();
        break;
      case TPlayKey::Down:
        along = v.y(), across = v.x();
        break;
      default:
        return from;
    }
    if (along <= 0) continue;
    // Straight ahead beats a nearer pile off to the side.
    const long score = along + 2 * std::labs(across);
    if (score < bestScore) {
      bestScore = score;
      best = d;
    }
  }
  return best;
}

void TKeyboardPlay::Key(TPlayKey key) {
  TDeck* focus = Focused();
  if (key == TPlayKey::Escape) {
    host_.Board1->ClearSelection();
    return;
  }
  if (!focus) return;
  const bool shown = FrameShown();
  const std::vector<TDeck*> piles = Piles();
  switch (key) {
    case TPlayKey::Left:
    case TPlayKey::Right:
    case TPlayKey::Up:
    case TPlayKey::Down:
      if (shown) focus = Neighbour(piles, focus, key);
      break;
    case TPlayKey::Next:
    case TPlayKey::Previous:
      if (shown) {
        const auto n = std::ptrdiff_t(piles.size());
        auto i = std::find(piles.begin(), piles.end(), focus) - piles.begin();
        i = (i + (key == TPlayKey::Next ? 1 : n - 1)) % n;
        focus = piles[size_t(i)];
      }
      break;
    case TPlayKey::Click:
    case TPlayKey::DoubleClick: {
      // Exactly the mouse's click (and double click) on the pile. The pile
      // may be gone afterwards (a click can end the deal); cards never are.
      focusID_ = focus->DeckID();
      if (TCard* top = focus->TopCard) {
        top->Click();
        if (key == TPlayKey::DoubleClick) top->DblClick();
      } else {
        focus->Click();
      }
      ShowFrame();
      return;
    }
    case TPlayKey::Escape:
      break;
  }
  focusID_ = focus->DeckID();
  ShowFrame();
}

void TKeyboardPlay::ShowFrame() {
  TDeck* focus = Focused();
  if (!focus) {
    HideFrame();
    return;
  }
  const int out = TFocusFrame::kGap + TFocusFrame::kWidth;
  const QRect r = Extent(focus).adjusted(-out, -out, out, out);
  frame_->SetBounds(r.left(), r.top(), r.width(), r.height());
  frame_->BringToFront();
  frame_->Show();
  if (OnFrameChanged) OnFrameChanged();
}

void TKeyboardPlay::HideFrame() {
  const bool was = frame_->Visible();
  frame_->Hide();
  if (was && OnFrameChanged) OnFrameChanged();
}
