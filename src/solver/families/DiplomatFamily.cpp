// SPDX-License-Identifier: GPL-3.0-or-later
// The Diplomat family for the native search: Diplomat (15) and Elma (20).
// Two packs; eight columns built down regardless of suit one card at a time
// (a King on an Ace), an empty column taking only a King; a stock turned
// one card at a time onto the waste and gone through once.
//
// Diplomat: eight foundations up in suit from the Ace; the timer sends Aces
// up, and with AutoPlay On a card that may safely go up; a foundation's top
// card other than an Ace may come back onto a column (or go onto another
// foundation it follows).
// Elma: four foundations up in suit from an Ace and four down in suit from a
// King, started by the deal; nothing goes up by itself and no foundation
// card comes back.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 8;
constexpr int kWaste = 8;
constexpr int kStock = 9;
constexpr int kFoundations = 8;
constexpr int kAllSuits = 0x1E;

class DiplomatFamily : public kit::FoundationFamily {
 public:
  DiplomatFamily(bool elma, int autoPlay)
      : FoundationFamily({10, kFoundations}), elma_(elma), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    // Diplomat's foundations are all alike; Elma's two kinds are each.
    Group(F_.first, F_.first + F_.count, 1);
    if (elma_) Group(F_.first + kFoundations / 2, F_.first + F_.count, 2);
  }

  bool Settle(Pos& p) const override {
    if (elma_) return Won(p);
    const kit::Row row{0, kColumns, kWaste};
    return kit::CommonTimer(p, &row, 1, F_, autoPlay_, true, 1, FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::AddFromAnywhere(*this, p, m, out); };
    kit::TurnStock(*this, p, kStock, kWaste, out);
    const int sources = elma_ ? kWaste + 1 : F_.first + F_.count;
    for (int s = 0; s < sources; ++s) {
      const Code c = p.Top(s);
      // A foundation keeps the Ace it starts with.
      if (!c || s == kStock || (F_.Has(s) && Rank(c) == 1)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (f != s && Takes(p, f, c)) add({s, 1, f});
      for (int q = 0; q < kColumns; ++q)
        if (q != s && (p.Top(q) ? PrecedesAnySuit(p.Top(q), c) : Rank(c) == 13)) add({s, 1, q});
    }
  }

  // Up in suit; Elma's King foundations down in suit.
  bool Takes(const Pos& p, int f, Code c) const {
    if (F_.Complete(p, f)) return false;
    if (elma_ && f >= F_.first + kFoundations / 2) return PrecedesInSuit(p.Top(f), c);
    return FollowsInSuit(p.Top(f), c);
  }

  // Diplomat: a card home that nothing in play can ever need: an Ace or a
  // Two (only an Ace lies on a Two, and an uncovered Ace goes up by the
  // timer), or a card whose every possible card to lie on it (a rank lower,
  // any suit) is home, so that everything below it is home too: taking a
  // foundation card back could then only put home cards on it. Elma, with
  // two ways home for a card and no automatic play, takes no move alone.
  bool SafeHome(const Pos& p, Code c) const {
    if (elma_) return false;
    return Rank(c) <= 2 || kit::RankHome(p, F_, Rank(c) - 1, kAllSuits, 2);
  }

  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 16 * p.Size(kWaste);
    v += kit::ColumnShape(p, 0, kColumns, PrecedesAnySuit);
    return v;
  }

 private:
  bool elma_;
  bool autoPlay_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool elma) {
  const auto piles = TablePiles(t, kColumns, {t.Single[1], t.Single[2]}, kFoundations);
  return BindPiles(piles, std::make_unique<DiplomatFamily>(elma, autoPlay));
}

std::optional<NativeGame> BindDiplomat(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}
std::optional<NativeGame> BindElma(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}

}  // namespace

REGISTER_BEST_FIRST_FAMILY(Diplomat, BindDiplomat, 15);
REGISTER_BEST_FIRST_FAMILY(Elma, BindElma, 20);
