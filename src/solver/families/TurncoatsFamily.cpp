// SPDX-License-Identifier: GPL-3.0-or-later
// Turncoats (12) for the native search. One pack; twelve columns built up
// or down by one rank in alternating colours, one card at a time (ranks
// wrap both ways); four foundations up in suit from the Ace. The player
// never touches the stock: each tick the first column showing an Ace sends
// it up, then every empty column takes the stock's next card, except that
// an Ace so turned goes to a foundation and its column waits for the next
// tick. AutoPlay plays no part.
//
// Positions: the columns, the stock, the foundations. The columns are
// interchangeable: an empty one is filled with a card of its own, so which
// of them gets which card changes only their order.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 12;
constexpr int kStock = kColumns;
constexpr int kFoundations = 4;

bool FitsColumn(Code t, Code c) {
  return t && c && Black(t) != Black(c) && (FollowsAnySuit(t, c) || PrecedesAnySuit(t, c));
}

class TurncoatsFamily : public kit::FoundationFamily {
 public:
  TurncoatsFamily() : FoundationFamily({kStock + 1, kFoundations}) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  bool Settle(Pos& p) const override {
    const kit::Row row{0, kColumns};
    for (;;) {
      bool moved = kit::PlaceBase(p, row, F_, 1);
      for (int i = 0; i < kColumns && !p.Empty(kStock); ++i) {
        if (!p.Empty(i)) continue;
        int to = i;
        if (Rank(p.Top(kStock)) == 1)
          if (const int f = F_.FirstEmpty(p); f >= 0) to = f;
        p.Move(kStock, 1, to);
        p.At(to, p.Size(to) - 1) |= kFaceUp;
        moved = true;
      }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kColumns; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      kit::ToFoundations(p, F_, s, FollowsInSuit, add);
      for (int q = 0; q < kColumns; ++q)
        if (q != s && FitsColumn(p.Top(q), c)) add({s, 1, q});
    }
  }

  // No card home is taken alone: it may be the one spot a card of the other
  // colour a rank above it can wait on, and a column it empties takes the
  // stock's next card at once, which changes what comes where.
  bool SafeHome(const Pos&, Code) const { return false; }

  // Cards home first, then the cards they wait for near the tops.
  int Rate(const Pos& p) const override {
    return 64 * F_.Home(p) - 8 * kit::BuriedNeed(p, 0, kColumns, F_.WaitedFor(p));
  }
};

std::optional<NativeGame> BindTurncoats(const TTable& t, int) {
  return BindPiles(TablePiles(t, kColumns, {t.Single[2]}, kFoundations),
                   std::make_unique<TurncoatsFamily>());
}

}  // namespace

REGISTER_FAMILY(Turncoats, BindTurncoats, 12);
