// SPDX-License-Identifier: GPL-3.0-or-later
// Simple (22) for the native search. Two packs; eight files of a reserve
// card, a foundation and a column. Foundation i starts with any card one
// rank above reserve card i and climbs in any suit, round the corner, to
// the rank below it; then the reserve card (and what was built down in suit
// on it) finishes it at 13 cards. Cards leave only the columns' tops: up, or
// onto a reserve pile down in suit. A click on the stock deals a row onto
// the columns. The timer, whatever AutoPlay says, starts an empty
// foundation when just one column offers a card for it and sends a reserve
// card up once its foundation reaches it.
//
// Positions: the stock, the foundations, the reserve piles, the columns.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kFiles = 8;
constexpr int kStock = 0;
constexpr int kFoundation = 1;
constexpr int kReserve = kFoundation + kFiles;
constexpr int kColumn = kReserve + kFiles;
constexpr int kFull = 13;

class SimpleFamily : public kit::FoundationFamily {
 public:
  SimpleFamily() : FoundationFamily({kFoundation, kFiles}) {}

  // Foundation i takes c: it starts it (one rank above reserve i's top) or
  // continues it (one rank above its top), any suit, up to 13 cards.
  static bool Takes(const Pos& p, int i, Code c) {
    const int f = kFoundation + i;
    if (!c || p.Size(f) >= kFull) return false;
    return p.Empty(f) ? PrecedesAnySuit(c, p.Top(kReserve + i)) : FollowsAnySuit(p.Top(f), c);
  }

  bool Settle(Pos& p) const override {
    for (;;) {
      bool moved = false;
      for (int i = 0; i < kFiles; ++i) {
        if (!p.Empty(kFoundation + i)) continue;
        int only = -1, offers = 0;
        for (int k = 0; k < kFiles; ++k)
          if (Takes(p, i, p.Top(kColumn + k))) {
            only = kColumn + k;
            ++offers;
          }
        if (offers == 1) {
          p.Move(only, 1, kFoundation + i);
          moved = true;
        }
      }
      for (int i = 0; i < kFiles; ++i)
        if (!p.Empty(kFoundation + i) && Takes(p, i, p.Top(kReserve + i))) {
          p.Move(kReserve + i, 1, kFoundation + i);
          moved = true;
        }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    if (!p.Empty(kStock)) {
      Child& c = out.emplace_back();
      c.pos = p;
      for (int k = 0; k < kFiles && !c.pos.Empty(kStock); ++k) {
        c.pos.Move(kStock, 1, kColumn + k);
        c.pos.At(kColumn + k, c.pos.Size(kColumn + k) - 1) |= kFaceUp;
      }
      c.Add({Step::Click, uint8_t(kStock)});
      c.won = Settle(c.pos);
    }
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = kColumn; s < kColumn + kFiles; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int i = 0; i < kFiles; ++i) {
        if (Takes(p, i, c)) add({s, 1, kFoundation + i});
        if (PrecedesInSuit(p.Top(kReserve + i), c)) add({s, 1, kReserve + i});
      }
    }
  }

  // No card home is taken alone: the foundations climb in any suit, so
  // two of them may want the same card, and the one it goes to decides
  // which reserve card waits longer.
  bool SafeHome(const Pos&, Code) const { return false; }

  // The rules ask a foundation its height and its top card's rank only.
  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, nullptr, [](const Pos& q, int i) {
      if (i < kFoundation || i >= kReserve || q.Empty(i)) return PileHash(q, i);
      return uint64_t(q.Size(i)) << 8 | uint64_t(Rank(q.Top(i)));
    });
  }

  // Cards home first, then short columns over the cards the foundations
  // want next.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p);
    for (int s = kColumn; s < kColumn + kFiles; ++s)
      v -= 2 * p.Size(s);
    return v;
  }
};

std::optional<NativeGame> BindSimple(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[2]};
  for (const TTable::PileList* row : {&t.Foundation, &t.Reserve, &t.Tableau})
    for (int i = 1; i <= kFiles; ++i)
      piles.push_back((*row)[i]);
  return BindPiles(piles, std::make_unique<SimpleFamily>());
}

}  // namespace

REGISTER_FAMILY(Simple, BindSimple, 22);
