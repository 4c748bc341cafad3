// SPDX-License-Identifier: GPL-3.0-or-later
// Steeplechase (19) for the native search. Two packs; eight foundations
// that start with a card of the deal's base rank and climb in alternating
// colours, any suit, round the corner, to 13 cards, a foundation's top card
// (not of the base rank) coming back onto a column; eight columns down in
// alternating colours whose runs move, as do cards lying so on the waste;
// a reserve fan of thirteen that plays only to the foundations; a stock
// turned one card at a time onto the waste, once. The timer sends base
// cards up, and with AutoPlay On a card that may safely go up.

#include "cardtable/Deck.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 8;
constexpr int kWaste = 8;
constexpr int kStock = 9;
constexpr int kReserve = 10;
constexpr int kFoundations = 8;

constexpr bool FollowsOtherColour(Code a, Code b) {
  return a && b && Black(a) != Black(b) && NextRank(Rank(a)) == Rank(b);
}

class SteeplechaseFamily : public kit::FoundationFamily {
 public:
  SteeplechaseFamily(int base, int autoPlay)
      : FoundationFamily({kReserve + 1, kFoundations}), base_(base), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The reserve on its own, then the columns with the waste.
  bool Settle(Pos& p) const override {
    const kit::Row rows[2] = {{kReserve, kReserve + 1}, {0, kColumns, kWaste}};
    return kit::CommonTimer(p, rows, 2, F_, autoPlay_, true, base_, FollowsOtherColour);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    kit::TurnStock(*this, p, kStock, kWaste, out);
    for (int s = 0; s < F_.first + F_.count; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock) continue;
      const bool home = F_.Has(s);
      // A foundation keeps its base card and gives nothing to another.
      if (home && Rank(c) == base_) continue;
      if (!home)
        for (int f = F_.first; f < F_.first + F_.count; ++f)
          if (!F_.Complete(p, f) && FollowsOtherColour(p.Top(f), c)) add({s, 1, f});
      if (s == kReserve) continue;  // the reserve plays only home
      for (int q = 0; q < kColumns; ++q)
        if (q != s) ToColumn(p, s, q, add);
    }
  }

  // SteepleColumnRule: onto a card, the run (on a column or the waste)
  // from its card that fits; onto an empty column any card but a
  // foundation's, a column's run as the player answers: 1 the run down to
  // (not past) a card lying on an Ace, 6 its top card.
  template <class Out>
  void ToColumn(const Pos& p, int s, int q, Out out) const {
    const Code c = p.Top(s);
    const bool onRun = FitsAltColourDown(p.FromTop(s, 1), c);
    if (const Code t = p.Top(q)) {
      int k = 0;
      if (onRun)
        while (kit::OnRun(p, s, k, FitsAltColourDown) && !FitsAltColourDown(t, p.FromTop(s, k)))
          ++k;
      if (FitsAltColourDown(t, p.FromTop(s, k))) out(kit::Made{s, k + 1, q});
      return;
    }
    if (F_.Has(s)) return;
    if (!onRun || s == kWaste) {
      out(kit::Made{s, 1, q});
      return;
    }
    int k = 0;
    while (FitsAltColourDown(p.FromTop(s, k + 1), p.FromTop(s, k)) &&
           Rank(p.FromTop(s, k + 1)) != 1)
      ++k;
    out(kit::Made{s, k + 1, q, 1});
    out(kit::Made{s, 1, q, 6});
  }

  // With the base rank free, the colours alternating and foundation cards
  // coming back, no move home is taken alone.
  bool SafeHome(const Pos&, Code) const { return false; }

  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 16 * p.Size(kWaste) - 8 * p.Size(kReserve);
    v += kit::ColumnShape(p, 0, kColumns, FitsAltColourDown);
    return v;
  }

 private:
  int base_;
  bool autoPlay_;
};

std::optional<NativeGame> BindSteeplechase(const TTable& t, int autoPlay) {
  // The deal's base rank: the card at the bottom of the first foundation.
  const TDeck* first = t.Foundation[1];
  if (!first || first->CardsCount() == 0) return std::nullopt;
  const int base = first->CardAt(first->CardsCount())->Rank();
  const auto piles =
      TablePiles(t, kColumns, {t.Single[1], t.Single[2], t.Reserve[1]}, kFoundations);
  return BindPiles(piles, std::make_unique<SteeplechaseFamily>(base, autoPlay));
}

}  // namespace

REGISTER_BEST_FIRST_FAMILY(Steeplechase, BindSteeplechase, 19);
