// SPDX-License-Identifier: GPL-3.0-or-later
// The frame family for the native search: In a frame (4), Desire (44),
// Doubt (45) and Rectangle (43). A row of piles built down in suit one card
// at a time (a King on an Ace; an empty pile takes any card), foundations
// up in suit from their base card (In a frame: the Twos, round to the Ace;
// Rectangle: the rank of the card the deal put on the first foundation), a
// stock turned one card at a time onto the waste (Doubt: three passes).
// Desire and Doubt add a face-down reserve whose top card shows and fills
// an empty pile by itself. The timer places the base cards and, with
// AutoPlay On, Desire and Doubt send up any card that follows, Rectangle
// only a card no more than one rank above the lowest foundation.
//
// Doubt's counter 0 is the pass through the stock (1..3).

#include "rules/PileLayout.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFirstFoundation = 2;
constexpr int kPasses = 3;

struct Shape {
  int packs;
  int foundations;
  int piles;
  bool reserve;
  int baseRank;
  bool autoPlays;         // the timer plays more than the base cards (AutoPlay On)
  bool redeals;           // three passes through the stock
  bool safeOnly = false;  // ... but only the cards that are safe to send up
  TTable::PileList TTable::*row = &TTable::Tableau;
  // What a card on the waste costs a position's rating. Rectangle goes
  // through its stock once and keeps no reserve: a card left on the waste
  // costs half a card home there (deals 1..30 won: 25 at a half, 23 at a
  // quarter, 19 at a sixteenth).
  int wasteWeight = 4;
};

class FrameFamily : public Family {
 public:
  FrameFamily(const Shape& s, int autoPlay)
      : s_(s),
        autoPlay_(s.autoPlays && autoPlay == 0),
        F_{kFirstFoundation, s.foundations},
        reserve_(s.reserve ? kFirstFoundation + s.foundations : -1),
        piles_{kFirstFoundation + s.foundations + s.reserve,
               kFirstFoundation + s.foundations + s.reserve + s.piles} {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(F_.Has(i) ? 0 : i >= piles_.first && i < piles_.last ? 1 : -1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  // A card taken off the reserve uncovers the next, face up.
  void TurnUpReserve(Pos& p) const {
    if (reserve_ >= 0 && !p.Empty(reserve_)) p.At(reserve_, p.Size(reserve_) - 1) |= kFaceUp;
  }

  // One tick: the reserve's top into the first empty pile, base cards up
  // (piles and waste, then the reserve), then (On) one card that follows
  // from each of the same two groups; ticks until nothing moves.
  bool Settle(Pos& p) const override {
    const kit::Row rows[2] = {{piles_.first, piles_.last, kWaste}, {reserve_, reserve_ + 1}};
    const int nRows = reserve_ >= 0 ? 2 : 1;
    const kit::Foundations targets{piles_.first, s_.piles};
    for (;;) {
      bool moved = false;
      if (const Code r = reserve_ >= 0 ? p.Top(reserve_) : 0)
        moved |= kit::PlaceBase(p, rows[1], targets, Rank(r));
      TurnUpReserve(p);
      for (int r = 0; r < nRows; ++r) {
        moved |= kit::PlaceBase(p, rows[r], F_, s_.baseRank);
        TurnUpReserve(p);
      }
      if (autoPlay_)
        for (int r = 0; r < nRows; ++r) {
          moved |= kit::PlayUp(p, rows[r], F_, s_.safeOnly, s_.baseRank, FollowsInSuit);
          TurnUpReserve(p);
        }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    if (!p.Empty(kStock) || (s_.redeals && p.counters[0] < kPasses)) {
      Child& c = out.emplace_back();
      c.pos = p;
      if (!p.Empty(kStock)) {
        c.pos.Move(kStock, 1, kWaste);
        c.pos.At(kWaste, c.pos.Size(kWaste) - 1) |= kFaceUp;
      } else {
        // The waste turned back, its bottom card on top, face down.
        c.pos.MoveReversed(kWaste, p.Size(kWaste), kStock);
        for (int k = 0; k < c.pos.Size(kStock); ++k)
          c.pos.At(kStock, k) &= Code(~kFaceUp);
        ++c.pos.counters[0];
      }
      c.Add({Step::Click, uint8_t(kStock)});
      c.won = Settle(c.pos);
    }
    auto add = [&](const kit::Made& m) {
      Child& c = out.emplace_back();
      c.pos = p;
      c.pos.Move(m.from, 1, m.to);
      TurnUpReserve(c.pos);
      c.Add({Step::Click, uint8_t(m.from)});
      c.Add({Step::Click, uint8_t(m.to)});
      c.won = Settle(c.pos);
      c.safe = F_.Has(m.to) && SafeHome(p, p.Top(m.from));
    };
    for (int s = 0; s < piles_.last; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock || F_.Has(s) || !FaceUp(c)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = piles_.first; q < piles_.last; ++q)
        if (q != s && (p.Empty(q) || PrecedesInSuit(p.Top(q), c))) add({s, 1, q});
    }
  }

  // A card home that no line can regret: the only card that may lie on it
  // is the one below it on its foundation, which is home already in one
  // pack, and in two packs once both copies are (a base card there goes up
  // by itself). Elsewhere it would uncover nothing going home does not,
  // and a foundation never gives a card back.
  bool SafeHome(const Pos& p, Code c) const {
    auto height = [this](Code x) { return (Rank(x) - s_.baseRank + 13) % 13 + 1; };
    if (s_.packs == 1 || height(c) <= 2) return true;
    int below = 0;
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (const Code t = p.Top(f); t && Suit(t) == Suit(c) && height(t) >= height(c) - 1) ++below;
    return below == 2;
  }

  // Cards home first, then the cards the foundations wait for near the
  // tops, the reserve played down, the waste kept short.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - s_.wasteWeight * p.Size(kWaste);
    if (reserve_ >= 0) v -= 16 * p.Size(reserve_);
    for (int q = piles_.first; q < piles_.last; ++q)
      v -= 4 * std::max(0, p.Size(q) - 1);
    return v;
  }

  const kit::Foundations& F() const { return F_; }

 private:
  Shape s_;
  bool autoPlay_;
  kit::Foundations F_;
  int reserve_;
  kit::Row piles_;
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, const Shape& s) {
  const TTable::PileList& row = t.*s.row;
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= s.foundations; ++i)
    piles.push_back(t.Foundation[i]);
  if (s.reserve) piles.push_back(t.Reserve[1]);
  for (int i = 1; i <= s.piles; ++i)
    piles.push_back(row[i]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<FrameFamily>(s, autoPlay));
  if (!g || !s.redeals) return g;
  g->readCounters = [](const TablePosition& from, Pos& to) {
    to.counters[0] = int16_t(from.rotation);
    return from.rotation >= 1 && from.rotation <= kPasses;
  };
  // The last pass shows the stock's exhausted mark.
  g->writeCounters = [stock = g->deckIds[kStock]](const Pos& from, TablePosition& to) {
    to.rotation = from.counters[0];
    SetPileLook(to, stock, int(from.counters[0] == kPasses ? Look::NoRedeal : Look::Ring));
  };
  return g;
}

std::optional<NativeGame> BindInAFrame(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {2, 8, 12, false, 2, false, false, false, &TTable::ListD});
}
std::optional<NativeGame> BindDesire(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {2, 8, 14, true, 1, true, false});
}
std::optional<NativeGame> BindDoubt(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {1, 4, 5, true, 1, true, true});
}

// Rectangle's base rank is the rank of the card the deal put on the first
// foundation.
std::optional<NativeGame> BindRectangle(const TTable& t, int autoPlay) {
  const TDeck* first = t.Foundation[1];
  if (!first || first->CardsCount() == 0) return std::nullopt;
  const int base = first->CardAt(first->CardsCount())->Rank();
  return Bind(t, autoPlay, {2, 8, 12, false, base, true, false, true, &TTable::Tableau, 32});
}

}  // namespace

REGISTER_FAMILY(InAFrame, BindInAFrame, 4);
REGISTER_FAMILY(Desire, BindDesire, 44);
REGISTER_FAMILY(Doubt, BindDoubt, 45);
REGISTER_FAMILY_NOT_FIRST(Rectangle, BindRectangle, 43);
