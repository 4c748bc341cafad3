// SPDX-License-Identifier: GPL-3.0-or-later
// Twelve Sleeping Maids (16) for the native search. Two packs; eight
// foundations started by the Jacks, which the timer sends up (from the side
// piles and the waste, then from the maids), built down regardless of suit
// round the corner to the Queen. Twelve maids of four cards sleep face down
// until woken: each Jack arriving wakes the first sleeper (the first Jack,
// on the first foundation, two), and so does a card played from maid k
// while maid k + 1 sleeps. Eight side piles hold one card each and the
// timer refills an empty one from the waste, or the stock when the waste is
// empty. The stock turns one card at a time onto the waste, once. Every
// move of the player is a card onto a foundation.
//
// Nothing here looks at a suit, so the search tells positions apart by
// their ranks, and the foundations by their heights.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFoundations = 8;
constexpr int kFirstSide = 2 + kFoundations;
constexpr int kSides = 8;
constexpr int kFirstMaid = kFirstSide + kSides;
constexpr int kMaids = 12;
constexpr int kJack = 11;

bool Asleep(const Pos& p, int maid) {
  return !p.Empty(maid) && !FaceUp(p.Top(maid));
}

class SleepingMaidsFamily : public kit::FoundationFamily {
 public:
  SleepingMaidsFamily() : FoundationFamily({2, kFoundations}) {
    // The first foundation differs only until the first Jack is up, and
    // then never again.
    Group(F_.first, F_.first + F_.count, 0);
    Group(kFirstSide, kFirstSide + kSides, 1);
  }

  // The timer, tick by tick: a Jack from the side piles, one from the
  // waste, one from the maids; then each empty side pile refilled.
  bool Settle(Pos& p) const override {
    for (;;) {
      bool moved = false;
      const kit::Row sides{kFirstSide, kFirstSide + kSides, kWaste};
      const kit::Row maids{kFirstMaid, kFirstMaid + kMaids};
      for (const kit::Row& row : {sides, maids})
        for (int from : {BaseCardFrom(p, row), row.extra >= 0 ? row.extra : -1}) {
          if (from < 0 || !p.Top(from) || Rank(p.Top(from)) != kJack) continue;
          const int f = F_.FirstEmpty(p);
          if (f < 0) continue;
          p.Move(from, 1, f);
          WakeFirst(p);
          if (f == F_.first) WakeFirst(p);
          moved = true;
        }
      for (int s = kFirstSide; s < kFirstSide + kSides; ++s) {
        if (!p.Empty(s)) continue;
        const int from = p.Empty(kWaste) ? kStock : kWaste;
        if (p.Empty(from)) continue;
        p.Move(from, 1, s);
        p.At(s, 0) |= kFaceUp;
        moved = true;
      }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::TurnStock(*this, p, kStock, kWaste, out);
    for (int s = 0; s < kFirstMaid + kMaids; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock || F_.Has(s) || !FaceUp(c)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f) {
        if (p.Size(f) >= 13 || !PrecedesAnySuit(p.Top(f), c)) continue;
        Child& k = out.emplace_back();
        k.pos = p;
        k.pos.Move(s, 1, f);
        const int maid = s - kFirstMaid;  // 0-based
        if (maid >= 0 && maid + 1 < kMaids && Asleep(k.pos, s + 1)) WakeFirst(k.pos);
        k.Add({Step::Click, uint8_t(s)});
        k.Add({Step::Click, uint8_t(f)});
        k.won = Settle(k.pos);
      }
    }
  }

  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, Groups(), [](const Pos& q, int i) {
      return i >= 2 && i < kFirstSide ? uint64_t(q.Size(i)) : kit::RankPileHash(q, i);
    });
  }

  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 2 * p.Size(kWaste);
    for (int m = kFirstMaid; m < kFirstMaid + kMaids; ++m)
      v -= Asleep(p, m) ? 16 : 0;
    return v;
  }

 private:
  // AutoPlaceBaseCards' pick: the first pile of the row with a face-up top
  // card of the base rank, or -1.
  static int BaseCardFrom(const Pos& p, const kit::Row& row) {
    for (int i = row.first; i < row.last; ++i)
      if (const Code c = p.Top(i); c && FaceUp(c) && Rank(c) == kJack) return i;
    return -1;
  }

  static void WakeFirst(Pos& p) {
    for (int m = kFirstMaid; m < kFirstMaid + kMaids; ++m)
      if (Asleep(p, m)) {
        for (int k = 0; k < p.Size(m); ++k)
          p.At(m, k) |= kFaceUp;
        return;
      }
  }
};

std::optional<NativeGame> BindSleepingMaids(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= kSides; ++i)
    piles.push_back(t.Reserve[i]);
  for (int i = 1; i <= kMaids; ++i)
    piles.push_back(t.Tableau[i]);
  return BindPiles(piles, std::make_unique<SleepingMaidsFamily>());
}

}  // namespace

REGISTER_FAMILY(SleepingMaids, BindSleepingMaids, 16);
