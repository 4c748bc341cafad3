// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Hint.h"

#include <algorithm>

#include "cardtable/Cardscmp.h"
#include "platform/Raster.h"
#include "session/TableHost.h"

namespace {

// What a probe could disturb although it only asks: handlers stop or start
// the timer. All of it comes back as it was, the started mark too (only a
// player's click sets that, and a probe is none).
class ProbeGuard {
 public:
  explicit ProbeGuard(TableHost& host)
      : host_(host),
        started_(host.Table.GameStarted),
        timer_(host.Additional_timer.Enabled()),
        animate_(host.Board1->Animate) {}
  ~ProbeGuard() {
    host_.Table.GameStarted = started_;
    host_.Board1->Animate = animate_;
    if (host_.Additional_timer.Enabled() != timer_) host_.Additional_timer.SetEnabled(timer_);
  }

 private:
  TableHost& host_;
  int started_;
  bool timer_;
  bool animate_;
};

// The rank of a move: 0 to a foundation, 1 turns up a card or empties a
// pile, 2 builds on a card, 3 onto an empty pile, -1 pointless (a whole pile
// onto an empty one).
int Kind(TableHost& host, const TDeck* to, const TCard* moved) {
  const TCard* beneath = moved->NextCard;
  if (host.Table.IsFoundation(to)) return 0;
  if (!beneath && !to->TopCard) return -1;
  if (!beneath || !beneath->Face()) return 1;
  return to->TopCard ? 2 : 3;
}

}  // namespace

std::optional<THintMove> FindHint(TableHost& host) {
  TBoard* board = host.Board1;
  if (!board || board->Busy || board->ClickGuard || host.Drag().Dragging()) return std::nullopt;
  std::vector<TDeck*> piles;
  for (TComponent* c : host.Form().Components())
    if (auto* d = dynamic_cast<TDeck*>(c); d && d->Visible() && d->HostBoard() == board)
      piles.push_back(d);

  ProbeGuard guard(host);
  std::optional<THintMove> best;
  int bestKind = 4;
  for (TDeck* from : piles) {
    TCard* top = from->TopCard;
    if (!top || !top->Face()) continue;
    if (from->OnSelect) {
      TCard* c = top;
      bool action = true;
      from->OnSelect(from, c, action, false);
      if (!action) continue;
    }
    for (TDeck* to : piles) {
      if (to == from || !to->OnAddWithRule) continue;
      TCard* c = top;
      bool action = true;
      to->OnAddWithRule(to, c, action, false);
      if (!action || !c || c->HostDeck != from) continue;
      const int kind = Kind(host, to, c);
      if (kind >= 0 && kind < bestKind) {
        best = THintMove{from, to};
        bestKind = kind;
        if (kind == 0) return best;
      }
    }
  }
  return best;
}

// --- The flash -------------------------------------------------------------------

THintFlash::THintFlash(TForm& form) : form_(form) {
  timer_.OnTimer = [this] { Step(); };
}

THintFlash::~THintFlash() {
  timer_.SetEnabled(false);
  timer_.OnTimer = nullptr;
}

void THintFlash::Start(const THintMove& move) {
  Stop();
  const auto spot = [](const TDeck* d) {
    const TGraphicControl* at = d->TopCard ? static_cast<TGraphicControl*>(d->TopCard) : d;
    return QRect(at->Left(), at->Top(), 71, 96);
  };
  // A move of one pile alone (a stock turned, a card sent home by a double
  // click) lights that pile only: the same spot inverted twice would show
  // nothing.
  spots_[0] = spot(move.From);
  spots_[1] = move.To && move.To != move.From ? spot(move.To) : QRect();
  step_ = 0;
  Step();
  timer_.SetEnabled(true);
}

void THintFlash::Step() {
  if (step_ >= kSteps) {
    Stop();
    return;
  }
  Light(step_ % 2 == 0);
  ++step_;
}

void THintFlash::Stop() {
  timer_.SetEnabled(false);
  if (lit_) Light(false);
  step_ = kSteps;
}

void THintFlash::Light(bool on) {
  if (on) {
    // The selection's inversion: the card mask XORed over the spot.
    form_.FlushPending();
    for (const QRect& r : spots_) {
      if (r.isEmpty()) continue;
      const QRect d = form_.DeviceRect(r);  // the framebuffer is in device pixels
      const QImage mask = CardImages::Image(CardImages::kCardMask, d.size());
      BitBlt(form_.Screen(), d.left(), d.top(), d.width(), d.height(), mask, 0, 0, Rop::Xor);
      form_.FlushDevice(d);
    }
  } else {
    for (const QRect& r : spots_)
      if (!r.isEmpty()) form_.Invalidate(r);
  }
  lit_ = on;
}
