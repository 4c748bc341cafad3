// SPDX-License-Identifier: GPL-3.0-or-later
// WindMill (0) for the native search. Two packs; the centre, started with
// an Ace, is built up regardless of suit (an Ace after a King) to 52 cards,
// and four corners down regardless of suit from a King to an Ace. Eight
// arms hold one card each and take any card while empty; an arm emptied by
// a move to the centre or a corner is refilled at once from the waste, or
// from the stock when the waste is empty. The stock turns one card at a
// time onto the waste, once. Corner cards may move on; no timer.
//
// Nothing here looks at a suit, so the search tells positions apart by
// their ranks (the centre and the corners by their heights).

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kCentre = 2;
constexpr int kFirstCorner = 3;
constexpr int kCorners = 4;
constexpr int kFirstArm = kFirstCorner + kCorners;
constexpr int kArms = 8;
constexpr int kPiles = kFirstArm + kArms;
constexpr int kCentreFull = 52;
constexpr int kCornerFull = 13;

class WindMillFamily : public Family {
 public:
  WindMillFamily() {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(IsCorner(i) ? 0 : i >= kFirstArm && i < kPiles ? 1 : -1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override {
    int n = p.Size(kCentre);
    for (int q = kFirstCorner; q < kFirstArm; ++q)
      n += p.Size(q);
    return n;
  }
  bool Won(const Pos& p) const override { return Home(p) == kCentreFull + kCorners * kCornerFull; }
  bool Settle(Pos& p) const override { return Won(p); }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::TurnStock(*this, p, kStock, kWaste, out);
    for (int s = 0; s < kPiles; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock || s == kCentre) continue;
      if (p.Size(kCentre) < kCentreFull && FollowsAnySuit(p.Top(kCentre), c))
        Add(p, s, kCentre, out);
      for (int q = kFirstCorner; q < kPiles; ++q) {
        if (q == s) continue;
        const Code t = p.Top(q);
        if (IsCorner(q) ? (t ? Rank(c) == Rank(t) - 1 : Rank(c) == 13) : !t) Add(p, s, q, out);
      }
    }
  }

  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, Groups(), [](const Pos& q, int i) {
      return i == kCentre || IsCorner(i) ? uint64_t(q.Size(i)) : kit::RankPileHash(q, i);
    });
  }

  int Rate(const Pos& p) const override {
    int v = 64 * Home(p);
    for (int q = kFirstArm; q < kPiles; ++q)
      v += p.Empty(q) ? 0 : 4;
    return v;
  }

 private:
  static bool IsCorner(int i) { return i >= kFirstCorner && i < kFirstArm; }

  // The move, then an arm it emptied onto the centre or a corner filled
  // from the waste (or the stock) unless that won.
  void Add(const Pos& p, int s, int q, std::vector<Child>& out) const {
    Child& c = out.emplace_back();
    c.pos = p;
    c.pos.Move(s, 1, q);
    c.Add({Step::Click, uint8_t(s)});
    c.Add({Step::Click, uint8_t(q)});
    c.won = Won(c.pos);
    if (c.won || s < kFirstArm || q >= kFirstArm || !c.pos.Empty(s)) return;
    const int from = c.pos.Empty(kWaste) ? kStock : kWaste;
    if (c.pos.Empty(from)) return;
    c.pos.Move(from, 1, s);
    c.pos.At(s, 0) |= kFaceUp;
  }

  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> BindWindMill(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= 1 + kCorners; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 0; i < kArms; ++i)
    piles.push_back(t.Single[4 + i]);
  return BindPiles(piles, std::make_unique<WindMillFamily>());
}

}  // namespace

REGISTER_FAMILY(WindMill, BindWindMill, 0);
