// SPDX-License-Identifier: GPL-3.0-or-later
// Banner (41) for the native search. Two packs; a banner of eight cards,
// whose top card names the rank that closes the sequence being built on
// the working foundation: the timer starts it with the card one rank above
// (from the first column showing one, then from the waste), the player adds
// one rank up in any suit but never that closing rank, and once it is one
// below, the timer lays the banner card on it and carries all thirteen onto
// the next empty final foundation. Eight columns take one card each while
// empty; the stock turns one card at a time onto the waste and is gone
// through three times.
//
// Nothing here looks at a suit, so the search tells positions apart by
// their ranks, and the finished sequences by their number alone.
//
// Counters: the pass through the stock and whether the stock shows that
// it cannot be turned again (from the redeal into the last pass).

#include "cardtable/Deck.h"
#include "rules/PileLayout.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 8;
constexpr int kWaste = kColumns;
constexpr int kStock = kWaste + 1;
constexpr int kFinals = 8;
constexpr int kFirstFinal = kStock + 1;
constexpr int kWorking = kFirstFinal + kFinals;
constexpr int kBanner = kWorking + 1;
constexpr int kPasses = 3;
constexpr int kPass = 0;
constexpr int kNoMore = 1;
constexpr int kScoreCard = 5;

class BannerFamily : public kit::FoundationFamily {
 public:
  BannerFamily() : FoundationFamily({kFirstFinal, kFinals}) {
    Group(0, kColumns, 0);
    Group(kFirstFinal, kFirstFinal + kFinals, 1);
  }

  int Home(const Pos& p) const override { return F_.Home(p) + p.Size(kWorking); }

  // The timer, tick by tick: the working foundation's first card, then the
  // banner card closing a sequence and the carry to a final foundation.
  bool Settle(Pos& p) const override {
    for (;;) {
      bool moved = false;
      if (const Code B = p.Top(kBanner)) {
        const kit::Row row{0, kColumns, kWaste};
        moved = kit::PlaceBase(p, row, kit::Foundations{kWorking, 1}, NextRank(Rank(B)));
        const int dest = F_.FirstEmpty(p);
        if (FollowsAnySuit(p.Top(kWorking), B) && dest >= 0) {
          p.Move(kBanner, 1, kWorking);
          p.MoveReversed(kWorking, p.Size(kWorking), dest);
          continue;
        }
      }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    kit::StockWithPasses(*this, p, kStock, kWaste, kPasses, kPass, kNoMore,
                         kit::LastPassLook::AtRedeal, out);
    const Code B = p.Top(kBanner);
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s <= kWaste; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      if (B && FollowsAnySuit(p.Top(kWorking), c) && Rank(c) != Rank(B)) add({s, 1, kWorking});
      for (int q = 0; q < kColumns; ++q)
        if (q != s && p.Empty(q)) add({s, 1, q});
    }
  }

  // No move is taken alone: which card of a rank goes up now decides which
  // stays for a later sequence.
  bool SafeHome(const Pos&, Code) const { return false; }

  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, Groups(), [](const Pos& q, int i) {
      return i >= kFirstFinal ? uint64_t(q.Size(i)) : kit::RankPileHash(q, i);
    });
  }

  int Rate(const Pos& p) const override {
    int v = 64 * Home(p);
    for (int q = 0; q < kColumns; ++q)
      v += p.Empty(q) ? 8 : 0;
    return v;
  }
};

std::optional<NativeGame> BindBanner(const TTable& t, int) {
  auto piles = TablePiles(t, kColumns, {t.Single[1], t.Single[2]}, kFinals);
  piles.push_back(t.Foundation[kFinals + 1]);
  piles.push_back(t.Reserve[9]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<BannerFamily>());
  if (!g) return g;
  BindPassCounters(*g, t.Single[2]->DeckID(), kPasses, kPass, kNoMore);
  // A final foundation takes the foundation look as its sequence arrives,
  // and the sequence's cards then count for the score there.
  std::vector<int> finals(g->deckIds.begin() + kFirstFinal,
                          g->deckIds.begin() + kFirstFinal + kFinals);
  g->writeCounters = [passes = g->writeCounters, finals](const Pos& from, TablePosition& to) {
    passes(from, to);
    for (int i = 0; i < kFinals; ++i)
      if (!from.Empty(kFirstFinal + i) &&
          PileLook(to, finals[size_t(i)]) != int(Look::Foundation)) {
        SetPileLook(to, finals[size_t(i)], int(Look::Foundation));
        to.score += kScoreCard * from.Size(kFirstFinal + i);
      }
  };
  return g;
}

}  // namespace

REGISTER_FAMILY_NOT_FIRST(Banner, BindBanner, 41);
