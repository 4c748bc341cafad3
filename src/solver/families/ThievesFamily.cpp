// SPDX-License-Identifier: GPL-3.0-or-later
// The Forty Thieves family for the native search: Forty Thieves (27) and
// Josephine (36). Two packs; ten columns dealt face up, built down in suit;
// a face-down stock turned one card at a time onto the waste and gone
// through once; eight foundations up in suit from the Ace. In Forty
// Thieves a run (from a column, or lying in suit on the waste) travels
// through the empty columns; in Josephine a column's run in one suit moves
// at once. The timer sends Aces up, and with AutoPlay On a card that may
// safely go up (Josephine: any card that follows).

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 10;
constexpr int kWaste = 10;
constexpr int kStock = 11;
constexpr int kFoundations = 8;

class ThievesFamily : public kit::FoundationFamily {
 public:
  ThievesFamily(bool josephine, int autoPlay)
      : FoundationFamily({12, kFoundations}), josephine_(josephine), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  bool Settle(Pos& p) const override {
    const kit::Row row{0, kColumns, kWaste};
    return kit::CommonTimer(p, &row, 1, F_, autoPlay_, !josephine_, 1, FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    kit::TurnStock(*this, p, kStock, kWaste, out);
    for (int s = 0; s <= kWaste; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = 0; q < kColumns; ++q) {
        if (q == s) continue;
        if (josephine_)
          SuitRun(p, s, q, add);
        else
          kit::FreePileRun(p, s, q, kColumns, PrecedesInSuit, add);
      }
    }
  }

  // SuitDownRunRule: a column's run in one suit moves whole onto the card
  // it follows down; an empty column takes any card, and a run as the
  // player answers (1 the whole run, 6 its top card).
  template <class Out>
  void SuitRun(const Pos& p, int s, int q, Out out) const {
    const Code c = p.Top(s);
    const bool onRun = s < kColumns && PrecedesInSuit(p.FromTop(s, 1), c);
    if (const Code t = p.Top(q)) {
      if (!onRun) {
        if (PrecedesInSuit(t, c)) out(kit::Made{s, 1, q});
        return;
      }
      int k = 0;
      while (kit::OnRun(p, s, k, PrecedesInSuit) && !PrecedesInSuit(t, p.FromTop(s, k)))
        ++k;
      if (PrecedesInSuit(t, p.FromTop(s, k))) out(kit::Made{s, k + 1, q});
      return;
    }
    if (!onRun) {
      out(kit::Made{s, 1, q});
      return;
    }
    int k = 0;
    while (kit::OnRun(p, s, k, PrecedesInSuit))
      ++k;
    out(kit::Made{s, k + 1, q, 1});
    out(kit::Made{s, 1, q, 6});
  }

  // A card home that nothing in play can ever need: an Ace or a Two (the
  // only card that lies on a Two is an Ace, and an uncovered Ace goes home
  // by the timer before the player moves again), or a card whose suit has
  // both cards one rank below home already: only those lie on it, and a
  // foundation card never comes back.
  bool SafeHome(const Pos& p, Code c) const {
    const int r = Rank(c);
    if (r <= 2) return true;
    int below = 0;  // foundations of its suit at r - 1 or higher
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (const Code t = p.Top(f); t && Suit(t) == Suit(c) && Rank(t) >= r - 1) ++below;
    return below == 2;
  }

  int Rate(const Pos& p) const override {
    const kit::NextUp needed(p, F_);
    int v = 64 * F_.Home(p) - 4 * kit::BuriedNeed(p, 0, kColumns, needed) - 16 * p.Size(kWaste);
    v += kit::ColumnShape(p, 0, kColumns, PrecedesInSuit);
    return v;
  }

 private:
  bool josephine_;
  bool autoPlay_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool josephine) {
  const auto piles = TablePiles(t, kColumns, {t.Single[1], t.Single[2]}, kFoundations);
  return BindPiles(piles, std::make_unique<ThievesFamily>(josephine, autoPlay));
}

std::optional<NativeGame> BindThieves(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}
std::optional<NativeGame> BindJosephine(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}

}  // namespace

REGISTER_BEST_FIRST_FAMILY(FortyThieves, BindThieves, 27);
REGISTER_BEST_FIRST_FAMILY(Josephine, BindJosephine, 36);
