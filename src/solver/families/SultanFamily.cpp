// SPDX-License-Identifier: GPL-3.0-or-later
// Sultan (34) for the native search. Two packs; eight foundations, seven
// started with a King and one with the Ace of hearts, built up in suit (an
// Ace after a King) to the Queen, and a centre King that only watches.
// Eight reserve piles take one card each, any card, while empty; the stock
// turns one card at a time onto the waste and is gone through three times.
// With AutoPlay On the timer sends up any card that fits, from the reserve
// piles and then the waste. All 104 cards home win.
//
// Counters: the pass through the stock and whether the stock shows that
// it cannot be turned again (from the redeal into the last pass).

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFirstReserve = 2;
constexpr int kReserves = 8;
constexpr int kFirstFoundation = kFirstReserve + kReserves;
constexpr int kBuilt = 8;
constexpr int kCentre = kFirstFoundation + kBuilt;
constexpr int kCards = 104;
constexpr int kPasses = 3;
constexpr int kPass = 0;
constexpr int kNoMore = 1;

class SultanFamily : public kit::FoundationFamily {
 public:
  explicit SultanFamily(int autoPlay)
      : FoundationFamily({kFirstFoundation, kBuilt}), autoPlay_(autoPlay == 0) {
    Group(kFirstReserve, kFirstReserve + kReserves, 0);
    // The two foundations of spades, of diamonds and of clubs start alike
    // (foundations 1 and 3, 4 and 5, 6 and 8).
    for (auto [a, b, g] : {std::array{0, 2, 1}, std::array{3, 4, 2}, std::array{5, 7, 3}})
      groups_[kFirstFoundation + a] = groups_[kFirstFoundation + b] = int8_t(g);
  }

  int Home(const Pos& p) const override { return F_.Home(p) + p.Size(kCentre); }
  bool Won(const Pos& p) const override { return Home(p) == kCards; }

  bool Settle(Pos& p) const override {
    const kit::Row row{kFirstReserve, kFirstReserve + kReserves, kWaste};
    while (autoPlay_ && kit::PlayUp(p, row, F_, false, 1, FollowsInSuit)) {
    }
    return Won(p);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::StockWithPasses(*this, p, kStock, kWaste, kPasses, kPass, kNoMore,
                         kit::LastPassLook::AtRedeal, out);
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = kWaste; s < kFirstFoundation; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = kFirstReserve; q < kFirstFoundation; ++q)
        if (q != s && p.Empty(q)) add({s, 1, q});
    }
  }

  // A card home is safe when every foundation of its suit still without
  // its rank takes it now: nothing is ever built on a reserve card or the
  // waste, a foundation never gives back, and the card's twin (the one
  // other card of its suit and rank) can only go where this one could, on
  // a foundation that waits alike, or is home already.
  bool SafeHome(const Pos& p, Code c) const {
    for (int f = F_.first; f < F_.first + F_.count; ++f) {
      const Code base = p.At(f, 0);
      if (Suit(base) != Suit(c)) continue;
      const bool holds = (Rank(c) - Rank(base) + 13) % 13 < p.Size(f);
      if (!holds && !FollowsInSuit(p.Top(f), c)) return false;
    }
    return true;
  }

  int Rate(const Pos& p) const override {
    int v = 64 * Home(p) - 2 * p.Size(kWaste);
    for (int q = kFirstReserve; q < kFirstFoundation; ++q)
      v += p.Empty(q) ? 8 : 0;
    return v;
  }

 private:
  bool autoPlay_;
};

std::optional<NativeGame> BindSultan(const TTable& t, int autoPlay) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= kReserves; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= kBuilt + 1; ++i)
    piles.push_back(t.Foundation[i]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<SultanFamily>(autoPlay));
  if (g) BindPassCounters(*g, t.Single[2]->DeckID(), kPasses, kPass, kNoMore);
  return g;
}

}  // namespace

REGISTER_FAMILY(Sultan, BindSultan, 34);
