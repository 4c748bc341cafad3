// SPDX-License-Identifier: GPL-3.0-or-later
// Three Fir-trees (30) for the native search. Two packs; three trees of
// sixteen single cards, of which only the lowest uncovered one (or the two
// side by side at the foot of a group) may be played, onto the waste when
// it is one rank above or below the waste's top card in any suit (King and
// Ace are neighbours). The stock turns one card at a time onto the waste,
// once. Once the trees are empty the rest of the stock goes onto the waste
// by itself and the game is won.
//
// Only the waste's top rank, which tree cards are left and how many stock
// cards remain matter to the rules, so the search tells positions apart by
// those alone; and a tree card neither of whose neighbour ranks can still
// come to the top of the waste can never leave its tree.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kTreeCards = 16;
constexpr int kTrees = 3;
constexpr int kWaste = kTrees * kTreeCards;
constexpr int kStock = kWaste + 1;

// The two side-by-side cards of a group (3, 6, ..., 15) are uncovered
// together.
bool SideBySide(int L) {
  return L > 0 && L % 3 == 0;
}

bool Neighbours(Code top, Code c) {
  return FollowsAnySuit(top, c) || PrecedesAnySuit(top, c);
}

class ThreeFirTreesFamily : public Family {
 public:
  int Home(const Pos& p) const override { return p.Size(kWaste); }
  bool Won(const Pos& p) const override { return TreeCards(p) == 0; }

  // The timer: empty trees send the stock onto the waste.
  bool Settle(Pos& p) const override {
    if (!Won(p)) return false;
    p.MoveReversed(kStock, p.Size(kStock), kWaste);
    return true;
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::TurnStock(*this, p, kStock, kWaste, out);
    const Code top = p.Top(kWaste);
    for (int t = 0; t < kTrees; ++t) {
      const int L = Lowest(p, t);
      for (int i : {L, SideBySide(L) ? L - 1 : 0}) {
        const int pile = t * kTreeCards + i - 1;
        if (i < 1 || p.Empty(pile) || !Neighbours(top, p.Top(pile))) continue;
        Child& c = out.emplace_back();
        c.pos = p;
        c.pos.Move(pile, 1, kWaste);
        c.Add({Step::Click, uint8_t(pile)});
        c.Add({Step::Click, uint8_t(kWaste)});
        c.won = Settle(c.pos);
      }
    }
  }

  uint64_t SeenDigest(const Pos& p) const override {
    uint64_t left = 0;
    for (int i = 0; i < kWaste; ++i)
      left |= uint64_t(!p.Empty(i)) << i;
    const Code top = p.Top(kWaste);
    return Mix(Mix(left, uint64_t(p.Size(kStock))), uint64_t(top ? Rank(top) : 0));
  }

  // A tree card waits for a neighbour rank on top of the waste: one is
  // still to come from a tree or the stock, or lies there now. Cards under
  // the waste's top never come back.
  bool Dead(const Pos& p) const override {
    int coming[14] = {};
    for (int i = 0; i < kWaste; ++i)
      if (!p.Empty(i)) ++coming[Rank(p.Top(i))];
    for (int k = p.Begin(kStock); k < p.end[kStock]; ++k)
      ++coming[Rank(p.cards[k])];
    if (const Code top = p.Top(kWaste)) ++coming[Rank(top)];
    for (int i = 0; i < kWaste; ++i) {
      if (p.Empty(i)) continue;
      const int r = Rank(p.Top(i));
      if (coming[r % 13 + 1] == 0 && coming[(r + 11) % 13 + 1] == 0) return true;
    }
    return false;
  }

  // Tree cards gone first, then the stock kept.
  int Rate(const Pos& p) const override { return -64 * TreeCards(p) + p.Size(kStock); }

 private:
  static int TreeCards(const Pos& p) { return p.end[kWaste - 1]; }

  // The tree's lowest uncovered pile, 1..16, or 0 when it is empty.
  static int Lowest(const Pos& p, int t) {
    for (int i = kTreeCards; i >= 1; --i)
      if (!p.Empty(t * kTreeCards + i - 1)) return i;
    return 0;
  }
};

std::optional<NativeGame> BindThreeFirTrees(const TTable& t, int) {
  std::vector<const TDeck*> piles;
  for (const TTable::PileList* tree : {&t.Tableau, &t.Reserve, &t.ListA})
    for (int i = 1; i <= kTreeCards; ++i)
      piles.push_back((*tree)[i]);
  piles.push_back(t.Single[1]);
  piles.push_back(t.Single[2]);
  return BindPiles(piles, std::make_unique<ThreeFirTreesFamily>());
}

}  // namespace

REGISTER_FAMILY(ThreeFirTrees, BindThreeFirTrees, 30);
