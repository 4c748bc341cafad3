// SPDX-License-Identifier: GPL-3.0-or-later
// One Pack (11) for the native search. Every card goes onto one
// foundation: a column's top card when it is one rank above or below the
// foundation's top in any suit (not round the corner between King and
// Ace), the waste's top card whatever it is. Seven columns take nothing;
// the stock turns one card at a time onto the waste, once. No automatic
// play.

#include <cstdlib>

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFoundation = 2;
constexpr int kFirstColumn = 3;
constexpr int kColumns = 7;
constexpr int kPiles = kFirstColumn + kColumns;

class OnePackFamily : public Family {
 public:
  OnePackFamily() {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(i >= kFirstColumn && i < kPiles ? 0 : -1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return p.Size(kFoundation); }
  bool Won(const Pos& p) const override { return p.Size(kFoundation) == 52; }
  bool Settle(Pos& p) const override { return Won(p); }

  static bool Fits(Code t, Code c) {
    return (Rank(t) != 13 && FollowsAnySuit(t, c)) || (Rank(t) != 1 && PrecedesAnySuit(t, c));
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](int from, int to) {
      Child& k = out.emplace_back();
      k.pos = p;
      k.pos.Move(from, 1, to);
      k.Add({Step::Click, uint8_t(from)});
      if (from != kStock) k.Add({Step::Click, uint8_t(to)});  // a click on the stock turns it
      k.won = Won(k.pos);
      return &k;
    };
    if (!p.Empty(kStock)) add(kStock, kWaste)->pos.At(kWaste, p.Size(kWaste)) |= kFaceUp;
    const Code t = p.Top(kFoundation);
    if (!p.Empty(kWaste)) add(kWaste, kFoundation);
    for (int s = kFirstColumn; s < kPiles; ++s)
      if (const Code c = p.Top(s); c && Fits(t, c)) add(s, kFoundation);
  }

  // Of the foundation only its top card's rank and its height matter.
  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, groups_, [](const Pos& q, int i) {
      return i == kFoundation ? uint64_t(q.Size(i)) << 8 | uint64_t(Rank(q.Top(i)))
                              : PileHash(q, i);
    });
  }

  // Cards home first, then cards close to the foundation's top near the
  // tops of the columns, and the stock kept rather than spent.
  int Rate(const Pos& p) const override {
    const int top = Rank(p.Top(kFoundation));
    int v = 64 * p.Size(kFoundation);
    for (int s = kFirstColumn; s < kPiles; ++s)
      if (const Code c = p.Top(s)) v -= 2 * std::min(std::abs(Rank(c) - top), 6);
    return v;
  }

 private:
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> BindOnePack(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2], t.Foundation[1]};
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  return BindPiles(piles, std::make_unique<OnePackFamily>());
}

}  // namespace

REGISTER_FAMILY(OnePack, BindOnePack, 11);
