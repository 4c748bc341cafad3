// SPDX-License-Identifier: GPL-3.0-or-later
// Stacks (33) for the native search. One pack in thirteen stacks of four,
// each showing its top card only; a top card goes onto another stack's top
// card of its suit one rank higher, or up onto the foundations, built in
// suit from the Ace. A click on the always empty stock gathers the stacks
// and deals them again in their old order, four to a stack, as often as the
// player likes. The timer turns the stacks' top cards up and sends an Ace
// up, then (AutoPlay On) any card that follows.
//
// The stacks lie first in the position, end to end, so a regathering is
// just the same cards cut into fours again.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kStacks = 13;
constexpr int kStackCards = 4;
constexpr int kStock = kStacks;
constexpr int kFoundations = 4;

class StacksFamily : public kit::FoundationFamily {
 public:
  explicit StacksFamily(int autoPlay)
      : FoundationFamily({kStock + 1, kFoundations}), autoPlay_(autoPlay == 0) {
    Group(F_.first, F_.first + F_.count, 0);
  }

  // Tick by tick: the tops turned up, an Ace up, then (On) one card up.
  bool Settle(Pos& p) const override {
    const kit::Row row{0, kStacks};
    for (;;) {
      kit::TurnUpTops(p, 0, kStacks);
      bool moved = kit::PlaceBase(p, row, F_, 1);
      if (autoPlay_) moved |= kit::PlayUp(p, row, F_, false, 1, FollowsInSuit);
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    Regather(p, out);
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kStacks; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      kit::ToFoundations(p, F_, s, FollowsInSuit, add);
      for (int q = 0; q < kStacks; ++q)
        if (q != s && PrecedesInSuit(p.Top(q), c)) add({s, 1, q});
    }
  }

  // The stacks' cards in their order, cut into fours from the first stack,
  // each new top turned up; no move when that changes nothing.
  void Regather(const Pos& p, std::vector<Child>& out) const {
    Child& c = out.emplace_back();
    c.pos = p;
    const int cards = p.end[kStacks - 1];
    for (int s = 0; s < kStacks; ++s)
      c.pos.end[s] = uint8_t(std::min(cards, kStackCards * (s + 1)));
    c.Add({Step::Click, uint8_t(kStock)});
    c.won = Settle(c.pos);
    if (!c.won && c.pos == p) out.pop_back();
  }

  // No card home is taken alone: leaving its stack changes how every later
  // regathering cuts the stacks, which a winning line may need.
  bool SafeHome(const Pos&, Code) const { return false; }

  // Cards home first, then the cards the foundations wait for near the
  // tops, each place deep costing half a card home (deals 1..50 won: 44 at
  // a half, 41 at an eighth, 43 at a card or two).
  int Rate(const Pos& p) const override {
    return 64 * F_.Home(p) - 32 * kit::BuriedNeed(p, 0, kStacks, F_.WaitedFor(p));
  }

 private:
  bool autoPlay_;
};

std::optional<NativeGame> BindStacks(const TTable& t, int autoPlay) {
  return BindPiles(TablePiles(t, kStacks, {t.Single[2]}, kFoundations),
                   std::make_unique<StacksFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY(Stacks, BindStacks, 33);
