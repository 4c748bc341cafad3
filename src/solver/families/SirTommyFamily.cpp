// SPDX-License-Identifier: GPL-3.0-or-later
// The Sir Tommy family for the native search: Sir Tommy (8) and Lady Betty
// (9). One pack face up in a stock whose top card is the only one that
// plays; it goes onto any waste pile (four or six), whatever lies there,
// and the tops of the stock and of the waste piles go up onto four
// foundations started by the Aces (Sir Tommy: one rank higher in any suit;
// Lady Betty: in suit). An Ace left on top of the pile a card came from
// goes up by itself; nothing else plays automatically. Cards never leave a
// waste pile except to go home, which is what makes most of the pruning
// below sound.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kStock = 0;
constexpr int kFoundations = 4;
constexpr int kFirstWaste = 1 + kFoundations;

class SirTommyFamily : public Family {
 public:
  SirTommyFamily(bool anySuit, int wastes) : anySuit_(anySuit), wastes_(wastes) {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(F_.Has(i) ? 0 : IsWaste(i) ? 1 : -1);
  }

  bool IsWaste(int p) const { return p >= kFirstWaste && p < kFirstWaste + wastes_; }
  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  bool Fits(Code top, Code c) const {
    return anySuit_ ? FollowsAnySuit(top, c) : FollowsInSuit(top, c);
  }

  // After every move the pile the card came from sends an Ace on its top to
  // the first empty foundation, and the Ace's own move does the same for
  // the card under it. A settled deal can only have one on the stock.
  static void AcesUp(Pos& p, int source, const kit::Foundations& F) {
    while (p.Top(source) && Rank(p.Top(source)) == 1) {
      const int f = F.FirstEmpty(p);
      if (f < 0) return;
      p.Move(source, 1, f);
    }
  }
  bool Settle(Pos& p) const override {
    AcesUp(p, kStock, F_);
    return Won(p);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](int from, int to) {
      Child& c = out.emplace_back();
      c.pos = p;
      c.pos.Move(from, 1, to);
      AcesUp(c.pos, from, F_);
      c.Add({Step::Click, uint8_t(from)});
      c.Add({Step::Click, uint8_t(to)});
      c.won = Won(c.pos);
      c.safe = F_.Has(to) && SafeHome(p, p.Top(from));
    };
    for (int s = 0; s < kFirstWaste + wastes_; ++s) {
      const Code c = p.Top(s);
      if (!c || F_.Has(s)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && Fits(p.Top(f), c)) add(s, f);
      if (s == kStock)
        for (int w = kFirstWaste; w < kFirstWaste + wastes_; ++w)
          add(s, w);
    }
  }

  // A card home that no line can regret. In suit (Lady Betty) every one:
  // its foundation is the only place it can ever go, a foundation never
  // gives a card back, and a waste pile takes whatever comes, so a winning
  // line from before the move wins after it without its own moves of this
  // card. In any suit (Sir Tommy) a card of rank r may go onto any
  // foundation at r - 1, and two cards of rank r could compete for one such
  // foundation; once no foundation is below r - 1, the foundations at r - 1
  // are exactly as many as the cards of rank r still out, so each finds one.
  bool SafeHome(const Pos& p, Code c) const {
    if (!anySuit_) return true;
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (p.Size(f) < Rank(c) - 1) return false;
    return true;
  }

  // Lady Betty: a card above a lower card of its own suit can never leave
  // its waste pile (its only way out is home, after the card under it). In
  // Sir Tommy no such pair is lost for certain: another card of the lower
  // rank may take a foundation past it.
  bool Dead(const Pos& p) const override {
    if (anySuit_) return false;
    for (int w = kFirstWaste; w < kFirstWaste + wastes_; ++w) {
      int lowest[5] = {14, 14, 14, 14, 14};  // by suit, the lowest rank below
      for (int k = 0, n = p.Size(w); k < n; ++k) {
        const Code c = p.At(w, k);
        if (Rank(c) > lowest[Suit(c)]) return true;
        lowest[Suit(c)] = Rank(c);
      }
    }
    return false;
  }

  // Sir Tommy's foundations count only by their height (each suit's height
  // in Lady Betty is what its cards are anyway).
  uint64_t SeenDigest(const Pos& p) const override {
    if (!anySuit_) return Digest(p, groups_);
    return DigestBy(p, groups_, [this](const Pos& q, int i) {
      return F_.Has(i) ? uint64_t(q.Size(i)) : PileHash(q, i);
    });
  }

  // Cards home first; then no card left above a lower one it must let go
  // home first, and empty waste piles kept for the stock's awkward cards.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p);
    for (int w = kFirstWaste; w < kFirstWaste + wastes_; ++w) {
      if (p.Empty(w)) v += 6;
      for (int k = 1, n = p.Size(w); k < n; ++k)
        if (Rank(p.At(w, k)) > Rank(p.At(w, k - 1))) v -= 8;
    }
    return v;
  }

  const kit::Foundations& F() const { return F_; }

 private:
  bool anySuit_;
  int wastes_;
  kit::Foundations F_{1, kFoundations};
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> Bind(const TTable& t, bool anySuit, int wastes) {
  std::vector<const TDeck*> piles{t.Single[1]};  // the stock lies in the waste's slot
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= wastes; ++i)
    piles.push_back(t.Tableau[i]);
  return BindPiles(piles, std::make_unique<SirTommyFamily>(anySuit, wastes));
}

std::optional<NativeGame> BindSirTommy(const TTable& t, int) {
  return Bind(t, true, 4);
}
std::optional<NativeGame> BindLadyBetty(const TTable& t, int) {
  return Bind(t, false, 6);
}

}  // namespace

REGISTER_FAMILY(SirTommy, BindSirTommy, 8);
REGISTER_FAMILY(LadyBetty, BindLadyBetty, 9);
