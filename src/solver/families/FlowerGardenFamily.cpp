// SPDX-License-Identifier: GPL-3.0-or-later
// Flower Garden (14) for the native search. One pack, all face up: a
// bouquet of sixteen single cards that can only be played out, six beds
// built down regardless of suit (a King on an Ace) whose runs move as a
// whole, four foundations up in suit from the Ace. Onto an empty bed the
// player chooses the run (all of it but an Ace at its foot, which goes up
// anyway) or its top card. The timer sends up an Ace from the bouquet and
// one from the beds, then (AutoPlay On) a card from each no more than one
// rank above the lowest foundation.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kBouquet = 16;
constexpr int kBeds = 6;
constexpr int kFirstBed = kBouquet;
constexpr int kPlaying = kBouquet + kBeds;
constexpr int kFoundations = 4;

class FlowerGardenFamily : public kit::FoundationFamily {
 public:
  explicit FlowerGardenFamily(int autoPlay)
      : FoundationFamily({kPlaying, kFoundations}), autoPlay_(autoPlay == 0) {
    Group(0, kBouquet, 0);
    Group(kFirstBed, kPlaying, 1);
    Group(F_.first, F_.first + F_.count, 2);
  }

  bool Settle(Pos& p) const override {
    const kit::Row rows[2] = {{0, kBouquet}, {kFirstBed, kPlaying}};
    return kit::CommonTimer(p, rows, 2, F_, autoPlay_, true, 1, FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kPlaying; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      kit::ToFoundations(p, F_, s, FollowsInSuit, add);
      const bool fromBed = s >= kFirstBed;
      for (int q = kFirstBed; q < kPlaying; ++q) {
        if (q == s) continue;
        if (!p.Empty(q) || !fromBed || !kit::OnRun(p, s, 0, PrecedesAnySuit)) {
          kit::WholeRun(p, s, q, fromBed, PrecedesAnySuit, add);
          continue;
        }
        int k = 0;
        while (kit::OnRun(p, s, k, PrecedesAnySuit) && Rank(p.FromTop(s, k + 1)) != 1)
          ++k;
        add({s, k + 1, q, 1});
        add({s, 1, q, 6});
      }
    }
  }

  // A card home that no line can regret: any card one rank below it may lie
  // on it in a bed, so it is safe once all four are home. An Ace never
  // waits on top of a pile (the timer sends it up first), so a Two is safe
  // too. Leaving a pile only ever frees it, and a foundation never gives a
  // card back.
  bool SafeHome(const Pos& p, Code c) const {
    if (Rank(c) <= 2) return true;
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (p.Size(f) < Rank(c) - 1) return false;
    return true;
  }

  // Cards home first, then the cards they wait for near the tops of the
  // beds (lightly: deals 1..100 won 95 at two a place, 93 at eight, 91 at
  // 32, 83 at none), empty beds and ordered runs.
  int Rate(const Pos& p) const override {
    return 64 * F_.Home(p) - 2 * kit::BuriedNeed(p, kFirstBed, kPlaying, F_.WaitedFor(p)) +
           kit::ColumnShape(p, kFirstBed, kPlaying, PrecedesAnySuit);
  }

 private:
  bool autoPlay_;
};

std::optional<NativeGame> BindFlowerGarden(const TTable& t, int autoPlay) {
  std::vector<const TDeck*> piles = TablePiles(t, kBouquet, {}, 0);
  for (int i = 1; i <= kBeds; ++i)
    piles.push_back(t.Reserve[i]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  return BindPiles(piles, std::make_unique<FlowerGardenFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY_NOT_FIRST(FlowerGarden, BindFlowerGarden, 14);
