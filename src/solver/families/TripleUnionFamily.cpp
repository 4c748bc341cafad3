// SPDX-License-Identifier: GPL-3.0-or-later
// Triple Union (29) for the native search. One pack face up in eighteen
// columns that take nothing; seventeen unions, each any card while empty and
// then up to two more, each one rank above the last in any suit (a King, then
// an Ace). The game is won when one card is left on the columns. Nothing
// moves by itself.
//
// Suits play no part anywhere, so the search tells positions apart by ranks
// only; and since 17 unions of three hold exactly 51 cards, a win fills every
// union: a union once started must be finished, which is what the pruning
// below rests on.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 18;
constexpr int kUnions = 17;
constexpr int kUnionCards = 3;
constexpr int kPiles = kColumns + kUnions;

class TripleUnionFamily : public Family {
 public:
  TripleUnionFamily() {
    std::fill(groups_, groups_ + kMaxPiles, int8_t(-1));
    std::fill(groups_, groups_ + kColumns, int8_t(0));
    std::fill(groups_ + kColumns, groups_ + kPiles, int8_t(1));
  }

  static bool IsUnion(int p) { return p >= kColumns && p < kPiles; }
  static bool Takes(const Pos& p, int u, Code c) {
    return p.Size(u) < kUnionCards && (p.Empty(u) || FollowsAnySuit(p.Top(u), c));
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return p.Total() - Left(p); }
  bool Won(const Pos& p) const override { return Left(p) == 1; }
  bool Settle(Pos& p) const override { return Won(p); }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    const Needs needs(p);
    for (int s = 0; s < kColumns; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      // Every empty union is offered; the seen set counts them as one.
      for (int u = kColumns; u < kPiles; ++u) {
        if (!Takes(p, u, c)) continue;
        Child& k = out.emplace_back();
        k.pos = p;
        k.pos.Move(s, 1, u);
        k.Add({Step::Click, uint8_t(s)});
        k.Add({Step::Click, uint8_t(u)});
        k.won = Won(k.pos);
        k.safe = !p.Empty(u) && needs.Committed(Rank(c));
      }
    }
  }

  // What the open unions still need, rank by rank, against the cards of
  // that rank left on the columns.
  struct Needs {
    int wanted[14] = {};     // slots of that rank in the open unions' futures
    int sizes[14] = {};      // bit per size (1, 2) of the unions wanting it next
    int laterOnly[14] = {};  // unions that want the rank only after another
    int left[14] = {};       // cards of that rank on the columns
    int started[14] = {};    // unions begun with that rank, open or full
    explicit Needs(const Pos& p) {
      for (int u = kColumns; u < kPiles; ++u) {
        const int n = p.Size(u);
        if (n == 0) continue;
        ++started[Rank(p.At(u, 0))];
        if (n == kUnionCards) continue;
        int r = Rank(p.Top(u));
        for (int k = n; k < kUnionCards; ++k) {
          r = NextRank(r);
          ++wanted[r];
          if (k == n)
            sizes[r] |= 1 << n;
          else
            ++laterOnly[r];
        }
      }
      for (int s = 0; s < kColumns; ++s)
        for (int k = 0, n = p.Size(s); k < n; ++k)
          ++left[Rank(p.At(s, k))];
    }
    // Every card of rank r left is owed to an open union, and all the
    // unions owed one want it next and stand alike (one size): then which
    // card of r goes to which of them makes no difference, so the card on
    // top may go now. Taking a card off a column early never hurts, as the
    // columns take nothing back.
    bool Committed(int r) const {
      return wanted[r] == left[r] && laterOnly[r] == 0 && (sizes[r] == 2 || sizes[r] == 4);
    }
  };

  // A union once started must be finished (the unions hold 51 cards, the
  // win needs 51 in them), each by its own cards of the ranks it needs: more
  // slots of a rank than cards of it left is a lost position.
  //
  // More: at the win every rank lies in the unions four times but the left
  // card's rank three times, and a union of three covers three ranks in a
  // row, so the unions begun with each rank are fixed by the left card's
  // rank L alone (the only answer of those thirteen equations): one union
  // begun with L, two with the rank after it, one with the next, and so on
  // round the ranks in threes (1, 2, 1, 1, 2, 1, ..., 1). A position where
  // no L allows the unions already begun is lost.
  bool Dead(const Pos& p) const override {
    const Needs needs(p);
    for (int r = 1; r <= 13; ++r)
      if (needs.wanted[r] > needs.left[r]) return true;
    for (int L = 1; L <= 13; ++L) {
      bool fits = true;
      for (int k = 0; k < 13 && fits; ++k)
        fits = needs.started[(L - 1 + k) % 13 + 1] <= (k % 3 == 1 ? 2 : 1);
      if (fits) return false;
    }
    return true;
  }

  // Ranks only: on a column the order of ranks, on a union its size and
  // top rank (all it will ever be asked).
  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, groups_, [](const Pos& q, int i) {
      uint64_t h = 0xcbf29ce484222325ULL ^ uint64_t(q.Size(i));
      if (IsUnion(i)) return q.Empty(i) ? h : Mix(h, uint64_t(Rank(q.Top(i))));
      for (int k = 0, n = q.Size(i); k < n; ++k)
        h = (h ^ uint64_t(Rank(q.At(i, k)))) * 0x100000001b3ULL;
      return h;
    });
  }

  // Cards in unions, finished unions more, open unions less.
  int Rate(const Pos& p) const override {
    int v = 64 * Home(p);
    for (int u = kColumns; u < kPiles; ++u)
      if (p.Size(u) == 1 || p.Size(u) == 2) v -= 24;
    return v;
  }

 private:
  static int Left(const Pos& p) {
    int n = 0;
    for (int s = 0; s < kColumns; ++s)
      n += p.Size(s);
    return n;
  }

  int8_t groups_[kMaxPiles];
};

std::optional<NativeGame> BindTripleUnion(const TTable& t, int) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= kUnions; ++i)
    piles.push_back(t.Foundation[i]);
  return BindPiles(piles, std::make_unique<TripleUnionFamily>());
}

}  // namespace

REGISTER_FAMILY(TripleUnion, BindTripleUnion, 29);
