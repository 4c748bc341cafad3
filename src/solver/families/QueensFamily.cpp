// SPDX-License-Identifier: GPL-3.0-or-later
// The Topsy-Turvy Queens family for the native search: Topsy-Turvy Queens
// (1) and King's Secrets (2). Two packs; eight foundations started by the
// Kings, which the timer sends up, built up in suit round the corner to the
// Queen; eight columns built down in suit, nothing on a King, runs moving
// whole. Seven secret cards lie face down under the first seven
// foundations: a foundation complete turns its secret card up (the timer),
// and it may then go home. The stock turns one card at a time onto the
// waste and is gone through three times.
//
//   Topsy-Turvy Queens  an empty column takes any card, and a run from a
//                       column as the player answers (the whole run or its
//                       top card).
//   King's Secrets      an empty column takes only a Queen, or a whole run
//                       based on one.
//
// Counters: the pass through the stock and whether the stock shows that
// it cannot be turned again, which it does from the first card turned in
// the last pass; the secret card places still shown (one goes once its
// card went home). A foundation appears with its King.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kWaste = 0;
constexpr int kStock = 1;
constexpr int kFirstSecret = 2;
constexpr int kSecrets = 7;
constexpr int kFoundations = 8;
constexpr int kFirstFoundation = kFirstSecret + kSecrets;
constexpr int kFirstColumn = kFirstFoundation + kFoundations;
constexpr int kColumns = 8;
constexpr int kPiles = kFirstColumn + kColumns;
constexpr int kPasses = 3;
constexpr int kPass = 0;
constexpr int kNoMore = 1;
constexpr int kShown = 2;  // a bit for each secret card's place still shown

// b lies on a: one rank lower in a's suit, and nothing lies on a King (a
// King lies on an Ace).
bool LiesOn(Code a, Code b) {
  return a && Rank(a) != 13 && PrecedesInSuit(a, b);
}

class QueensFamily : public kit::FoundationFamily {
 public:
  explicit QueensFamily(bool emptyTakesAny)
      : FoundationFamily({kFirstFoundation, kFoundations}), emptyTakesAny_(emptyTakesAny) {
    Group(kFirstColumn, kPiles, 0);
  }

  // The timer, tick by tick: a King from the first column (or turned-up
  // secret card) showing one onto the first empty foundation, secret
  // cards under complete foundations turned up, a King from the waste.
  bool Settle(Pos& p) const override {
    for (bool moved = true; moved;) {
      moved = false;
      const int empty = F_.FirstEmpty(p);
      for (int j = 0; j < kColumns; ++j) {
        const int column = kFirstColumn + j, secret = kFirstSecret + j;
        if (empty >= 0 && IsKing(p.Top(column))) {
          p.Move(column, 1, empty);
          moved = true;
          break;
        }
        if (j >= kSecrets || p.Empty(secret)) continue;
        if (empty >= 0 && FaceUp(p.Top(secret)) && IsKing(p.Top(secret))) {
          p.Move(secret, 1, empty);
          p.counters[kShown] &= int16_t(~(1 << j));
          moved = true;
          break;
        }
        if (!FaceUp(p.Top(secret)) && F_.Complete(p, kFirstFoundation + j)) {
          p.At(secret, 0) |= kFaceUp;
          moved = true;
        }
      }
      if (const int f = F_.FirstEmpty(p); f >= 0 && IsKing(p.Top(kWaste))) {
        p.Move(kWaste, 1, f);
        moved = true;
      }
    }
    return Won(p);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::StockWithPasses(*this, p, kStock, kWaste, kPasses, kPass, kNoMore,
                         kit::LastPassLook::AtFirstTurn, out);
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = kWaste; s < kFirstColumn + kColumns; ++s) {
      const Code c = p.Top(s);
      if (!c || s == kStock || F_.Has(s) || !FaceUp(c)) continue;
      const bool secret = s >= kFirstSecret && s < kFirstFoundation;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) {
          const size_t before = out.size();
          add({s, 1, f});
          if (secret && out.size() > before)
            out.back().pos.counters[kShown] &= int16_t(~(1 << (s - kFirstSecret)));
        }
      if (secret) continue;  // secret cards only go home
      for (int q = kFirstColumn; q < kPiles; ++q)
        if (q != s) ToColumn(p, s, q, add);
    }
  }

  // The column rule: onto a card, from a column the run from its one card
  // that lies there; onto an empty column see the variants above.
  template <class Out>
  void ToColumn(const Pos& p, int s, int q, Out out) const {
    const bool fromColumn = s >= kFirstColumn;
    if (p.Top(q) || !fromColumn || !kit::OnRun(p, s, 0, LiesOn)) {
      if (!p.Top(q) && !emptyTakesAny_ && Rank(p.Top(s)) != 12) return;
      kit::WholeRun(p, s, q, fromColumn, LiesOn, out);
      return;
    }
    int k = 0;
    while (kit::OnRun(p, s, k, LiesOn))
      ++k;
    if (emptyTakesAny_) {
      out(kit::Made{s, k + 1, q, 1});
      out(kit::Made{s, 1, q, 6});
    } else if (Rank(p.FromTop(s, k)) == 12) {
      out(kit::Made{s, k + 1, q});
    }
  }

  // A card home that nothing in play can ever need: both cards of its
  // suit a rank lower (round the corner: a King lies on an Ace) are home,
  // so nothing is left to lie on it, and it has one foundation to go to,
  // the other of its suit holding its rank already (two foundations that
  // wait alike differ by the secret card under them).
  bool SafeHome(const Pos& p, Code c) const {
    const int below = Rank(c) == 1 ? 13 : Rank(c) - 1;
    int holdBelow = 0, holdRank = 0;
    for (int f = F_.first; f < F_.first + F_.count; ++f) {
      if (p.Empty(f) || Suit(p.At(f, 0)) != Suit(c)) continue;
      holdBelow += below % 13 < p.Size(f);  // the King at 0, the Ace at 1
      holdRank += Rank(c) % 13 < p.Size(f);
    }
    return holdBelow == 2 && holdRank == 1;
  }

  int Rate(const Pos& p) const override {
    auto needed = [&](Code c) {
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (p.Empty(f) ? IsKing(c) : !F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) return true;
      return false;
    };
    int v =
        64 * F_.Home(p) - 4 * kit::BuriedNeed(p, kFirstColumn, kPiles, needed) - 8 * p.Size(kWaste);
    return v + kit::ColumnShape(p, kFirstColumn, kPiles, LiesOn);
  }

 private:
  static bool IsKing(Code c) { return c && Rank(c) == 13; }

  bool emptyTakesAny_;
};

std::optional<NativeGame> Bind(const TTable& t, bool emptyTakesAny) {
  std::vector<const TDeck*> piles{t.Single[1], t.Single[2]};
  for (int i = 1; i <= kSecrets; ++i)
    piles.push_back(t.ListC[i]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.ListB[i]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<QueensFamily>(emptyTakesAny));
  if (!g) return g;
  BindPassCounters(*g, t.Single[2]->DeckID(), kPasses, kPass, kNoMore);
  g->readCounters = [passes = g->readCounters, ids = g->deckIds](const TablePosition& from,
                                                                 Pos& to) {
    for (int j = 0; j < kSecrets; ++j)
      if (PileShown(from, ids[size_t(kFirstSecret + j)])) to.counters[kShown] |= int16_t(1 << j);
    return passes(from, to);
  };
  g->writeCounters = [passes = g->writeCounters, ids = g->deckIds](const Pos& from,
                                                                   TablePosition& to) {
    passes(from, to);
    for (int j = 0; j < kSecrets; ++j)
      SetPileShown(to, ids[size_t(kFirstSecret + j)], from.counters[kShown] >> j & 1);
    for (int f = kFirstFoundation; f < kFirstColumn; ++f)
      SetPileShown(to, ids[size_t(f)], !from.Empty(f));
  };
  return g;
}

std::optional<NativeGame> BindTopsyTurvy(const TTable& t, int) {
  return Bind(t, true);
}
std::optional<NativeGame> BindKingsSecrets(const TTable& t, int) {
  return Bind(t, false);
}

}  // namespace

REGISTER_FAMILY_NOT_FIRST(TopsyTurvyQueens, BindTopsyTurvy, 1);
REGISTER_FAMILY_NOT_FIRST(KingsSecrets, BindKingsSecrets, 2);
