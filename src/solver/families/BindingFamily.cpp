// SPDX-License-Identifier: GPL-3.0-or-later
// Binding (31) for the native search. Two packs; eight foundations built up
// regardless of suit from the deal's base rank, round the corner, to 13
// cards; nothing is built anywhere else. Cards come from a fan of twenty
// reserve cards (only the lowest plays), a talon of ten whose top card
// shows, and five columns that a stock click refills with a card each. With
// the stock out, a click gathers the columns back into it (the last column
// first, each from its top) and deals a fresh row, three times in all. The
// timer sends base cards up, and with AutoPlay On a card that may safely
// go up; the talon shows its next card after every move off it.
//
// Counters: the pass (the table's rotation counter, 1..4) and whether the
// stock shows that it cannot be gathered again.

#include "cardtable/Deck.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 5;
constexpr int kTalon = 5;
constexpr int kStock = 6;
constexpr int kReserve = 7;  // the first of the fan's piles
constexpr int kReserves = 20;
constexpr int kFoundations = 8;
constexpr int kPasses = 4;
constexpr int kPass = 0;
constexpr int kNoMore = 1;

class BindingFamily : public kit::FoundationFamily {
 public:
  BindingFamily(int base, int autoPlay)
      : FoundationFamily({kReserve + kReserves, kFoundations}),
        base_(base),
        autoPlay_(autoPlay == 0) {
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The fan's lowest card: the pile before the first empty one, or -1.
  static int PlayableReserve(const Pos& p) {
    int i = 0;
    while (i < kReserves && !p.Empty(kReserve + i))
      ++i;
    return i >= 1 ? kReserve + i - 1 : -1;
  }

  // Each tick: base cards from the columns with the talon, then with the
  // fan's lowest card; with AutoPlay On a card up from the columns with
  // the fan, then with the talon.
  bool Settle(Pos& p) const override {
    // Every move off the talon shows its next card before anything else.
    auto up = [&p](bool moved) {
      kit::TurnUpTops(p, kTalon, kTalon + 1);
      return moved;
    };
    up(false);
    for (;;) {
      const kit::Row talon{0, kColumns, kTalon};
      bool moved = up(kit::PlaceBase(p, talon, F_, base_));
      if (const int r = PlayableReserve(p); r >= 0) {
        const kit::Row fan{0, kColumns, r};
        moved |= up(kit::PlaceBase(p, fan, F_, base_));
        if (autoPlay_) moved |= up(kit::PlayUp(p, fan, F_, true, base_, FollowsAnySuit));
      }
      if (autoPlay_) moved |= up(kit::PlayUp(p, talon, F_, true, base_, FollowsAnySuit));
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    if (!p.Empty(kStock) || p.counters[kPass] < kPasses) {
      Child& c = out.emplace_back();
      c.pos = p;
      if (p.Empty(kStock)) {
        // The gathering: the columns back face down, then a fresh row.
        for (int i = kColumns - 1; i >= 0; --i)
          while (!c.pos.Empty(i)) {
            c.pos.Move(i, 1, kStock);
            c.pos.At(kStock, c.pos.Size(kStock) - 1) &= Code(~kFaceUp);
          }
        ++c.pos.counters[kPass];
      } else if (p.counters[kPass] == kPasses) {
        c.pos.counters[kNoMore] = 1;
      }
      for (int q = 0; q < kColumns && !c.pos.Empty(kStock); ++q) {
        c.pos.Move(kStock, 1, q);
        c.pos.At(q, c.pos.Size(q) - 1) |= kFaceUp;
      }
      c.Add({Step::Click, uint8_t(kStock)});
      c.won = Settle(c.pos);
    }
    const int sources[] = {0, 1, 2, 3, 4, kTalon, PlayableReserve(p)};
    for (int s : sources) {
      const Code c = s >= 0 ? p.Top(s) : 0;
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsAnySuit(p.Top(f), c)) add({s, 1, f});
    }
  }

  // Nothing is built off the foundations, but which card of a rank goes
  // up first decides which pile opens and what the columns give back at a
  // gathering: no move home is taken alone.
  bool SafeHome(const Pos&, Code) const { return false; }

  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 8 * p.Size(kTalon);
    for (int i = 0; i < kReserves; ++i)
      v -= 8 * p.Size(kReserve + i);
    return v;
  }

 private:
  int base_;
  bool autoPlay_;
};

std::optional<NativeGame> BindBinding(const TTable& t, int autoPlay) {
  // The deal's base rank: the card at the bottom of the first foundation.
  const TDeck* first = t.Foundation[1];
  if (!first || first->CardsCount() == 0 || !t.Single[2]) return std::nullopt;
  const int base = first->CardAt(first->CardsCount())->Rank();
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  piles.push_back(t.Single[1]);  // the talon
  piles.push_back(t.Single[2]);  // the stock
  for (int i = 1; i <= kReserves; ++i)
    piles.push_back(t.Reserve[i]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<BindingFamily>(base, autoPlay));
  if (g) BindPassCounters(*g, t.Single[2]->DeckID(), kPasses, kPass, kNoMore);
  return g;
}

}  // namespace

REGISTER_BEST_FIRST_FAMILY(Binding, BindBinding, 31);
