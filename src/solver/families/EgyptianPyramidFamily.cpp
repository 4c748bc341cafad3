// SPDX-License-Identifier: GPL-3.0-or-later
// Egyptian Pyramid (21) for the native search. Two packs; eight foundations
// started by the Kings and built up in suit round the corner (King, Ace,
// Two, ..., Queen); nine single places built down regardless of suit one
// card at a time (a King on an Ace), an empty place taking a card from the
// waste only; a stock turned one card at a time onto the waste, once. The
// timer sends up the Kings and, with AutoPlay On, a card no more than one
// rank above the lowest foundation.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

// The places, the waste, the stock, the foundations.
constexpr int kPlaces = 9;
constexpr int kFirstPlace = 0;
constexpr int kWaste = kPlaces;
constexpr int kStock = kWaste + 1;
constexpr int kFoundations = 8;
constexpr int kBaseRank = 13;

// A card's height on its foundation: the King 1, the Queen 13.
constexpr int Height(Code c) {
  return (Rank(c) - kBaseRank + 13) % 13 + 1;
}

class EgyptianPyramidFamily : public kit::FoundationFamily {
 public:
  explicit EgyptianPyramidFamily(int autoPlay)
      : FoundationFamily({kStock + 1, kFoundations}), autoPlay_(autoPlay == 0) {
    Group(F_.first, F_.first + F_.count, 0);
    Group(kFirstPlace, kPlaces, 1);
  }

  bool Settle(Pos& p) const override {
    const kit::Row row{kFirstPlace, kPlaces, kWaste};
    return kit::CommonTimer(p, &row, 1, F_, autoPlay_, true, kBaseRank, FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::TurnStock(*this, p, kStock, kWaste, out);
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s <= kWaste; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      kit::ToFoundations(p, F_, s, FollowsInSuit, add);
      // An empty place takes the waste's card only, so that a lone card
      // cannot wander round the pyramid.
      for (int q = kFirstPlace; q < kPlaces; ++q)
        if (q != s && (p.Empty(q) ? s == kWaste : PrecedesAnySuit(p.Top(q), c))) add({s, 1, q});
    }
  }

  // A card home that no line can regret: any card one rank below it may lie
  // on it, so it is safe once all eight such cards are home (no foundation
  // below the height under it). A King never waits in a place (one of the
  // eight foundations is free for it), so an Ace is always safe. Leaving a
  // place only ever opens it, and a foundation never gives a card back.
  bool SafeHome(const Pos& p, Code c) const {
    if (Height(c) <= 2) return true;
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (p.Empty(f) || Height(p.Top(f)) < Height(c) - 1) return false;
    return true;
  }

  // Cards home first, then the waste kept short: a card the one pass
  // leaves on the waste is buried for good, so a quarter of a card home
  // for each (deals 1..30: 28 won at a quarter, 20 at a thirty-second,
  // fewer again when tall places counted against a position too).
  int Rate(const Pos& p) const override { return 64 * F_.Home(p) - 16 * p.Size(kWaste); }

 private:
  bool autoPlay_;
};

std::optional<NativeGame> BindEgyptianPyramid(const TTable& t, int autoPlay) {
  return BindPiles(TablePiles(t, kPlaces, {t.Single[1], t.Single[2]}, kFoundations),
                   std::make_unique<EgyptianPyramidFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY(EgyptianPyramid, BindEgyptianPyramid, 21);
