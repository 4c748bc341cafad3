// SPDX-License-Identifier: GPL-3.0-or-later
// The fan family for the native search: Troika (7) and Shamrocks (24). One
// pack face up in eighteen fans; a fan's top card goes up in suit onto four
// foundations started by the Aces, or onto another fan holding fewer than
// three cards whose top it fits (Troika: the same rank; Shamrocks: one rank
// above or below, circularly). An empty fan stays empty. Troika's Aces go
// up while dealing and nothing plays automatically; Shamrocks' timer sends
// Aces up, and with AutoPlay On a card that may safely go up.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kFans = 18;
constexpr int kFanCards = 3;
constexpr int kFoundations = 4;

class FansFamily : public Family {
 public:
  FansFamily(bool sameRank, bool timer, int autoPlay)
      : sameRank_(sameRank), timer_(timer), autoPlay_(autoPlay == 0) {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(i < kFans ? 0 : 1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  bool Settle(Pos& p) const override {
    if (!timer_) return Won(p);
    const kit::Row row{0, kFans};
    return kit::CommonTimer(p, &row, 1, F_, autoPlay_, true, 1, FollowsInSuit);
  }

  // The card b may lie on a as a fan's new top.
  bool OnFan(Code a, Code b) const {
    return sameRank_ ? a && Rank(a) == Rank(b) : FollowsAnySuit(a, b) || PrecedesAnySuit(a, b);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kFans; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = 0; q < kFans; ++q)
        if (q != s && p.Size(q) < kFanCards && OnFan(p.Top(q), c)) add({s, 1, q});
    }
  }

  const kit::Foundations& F() const { return F_; }

  // A card home that no line can regret: its suit's foundation is its only
  // way off the fans, and moving it anywhere else uncovers no more than
  // going home does. What going home gives up is the card as a fan's top
  // that another may come onto; that is worth nothing once every card that
  // could come onto it is home or lies alone at the bottom of its fan (such
  // a card uncovers nothing by moving, and an emptied fan is no use).
  bool SafeHome(const Pos& p, Code c) const {
    for (int s = 0; s < kFans; ++s)
      for (int k = 1, n = p.Size(s); k < n; ++k)
        if (const Code x = p.At(s, k); x != c && OnFan(c, x)) return false;
    return true;
  }

  // Cards home first, then the cards the foundations wait for near the top.
  int Rate(const Pos& p) const override {
    const auto needed = F_.WaitedFor(p);
    return 64 * F_.Home(p) - 8 * kit::BuriedNeed(p, 0, kFans, needed);
  }

 private:
  bool sameRank_;
  bool timer_;
  bool autoPlay_;
  kit::Foundations F_{kFans, kFoundations};
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool sameRank, bool timer) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= kFans; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  return BindPiles(piles, std::make_unique<FansFamily>(sameRank, timer, autoPlay));
}

std::optional<NativeGame> BindTroika(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true, false);
}
std::optional<NativeGame> BindShamrocks(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false, true);
}

}  // namespace

REGISTER_FAMILY(Troika, BindTroika, 7);
REGISTER_FAMILY(Shamrocks, BindShamrocks, 24);
