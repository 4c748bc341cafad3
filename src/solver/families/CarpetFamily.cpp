// SPDX-License-Identifier: GPL-3.0-or-later
// Carpet (17) for the native search. One pack; twenty places of the carpet
// that each hold one card and take any card while empty; four foundations
// up in suit from the Ace; a stock turned one card at a time onto the
// waste, once. The timer sends up the Aces only.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFoundations = 4;
constexpr int kFirstPlace = 2 + kFoundations;
constexpr int kPlaces = 20;
constexpr int kPiles = kFirstPlace + kPlaces;

class CarpetFamily : public Family {
 public:
  CarpetFamily() {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(F_.Has(i) ? 0 : i >= kFirstPlace && i < kPiles ? 1 : -1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  bool Settle(Pos& p) const override {
    const kit::Row row{kFirstPlace, kPiles, kWaste};
    return kit::CommonTimer(p, &row, 1, F_, false, false, 1, FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    if (!p.Empty(kStock)) {
      Child& c = out.emplace_back();
      c.pos = p;
      c.pos.Move(kStock, 1, kWaste);
      c.pos.At(kWaste, c.pos.Size(kWaste) - 1) |= kFaceUp;
      c.Add({Step::Click, uint8_t(kStock)});
      c.won = Settle(c.pos);
    }
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kPiles; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock || F_.Has(s)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = kFirstPlace; q < kPiles; ++q)
        if (q != s && p.Empty(q)) add({s, 1, q});
    }
  }

  const kit::Foundations& F() const { return F_; }

  // Every card home is safe: nothing is ever built on a card here, so a
  // card gives up nothing by leaving, and a foundation never gives back.
  bool SafeHome(const Pos&, Code) const { return true; }

  // Cards home first, then free places, the waste kept short.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 4 * p.Size(kWaste);
    for (int q = kFirstPlace; q < kPiles; ++q)
      v += p.Empty(q) ? 8 : 0;
    return v;
  }

 private:
  kit::Foundations F_{2, kFoundations};
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> BindCarpet(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= kPlaces; ++i)
    piles.push_back(t.Tableau[i]);
  return BindPiles(piles, std::make_unique<CarpetFamily>());
}

}  // namespace

REGISTER_FAMILY(Carpet, BindCarpet, 17);
