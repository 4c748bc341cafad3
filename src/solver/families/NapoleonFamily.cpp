// SPDX-License-Identifier: GPL-3.0-or-later
// The Napoleon family for the native search: Napoleon Leaves Moscow (25)
// and Napoleon Takes Moscow (26). Two packs; eight columns down in suit (in
// Leaves Moscow a run of one suit moves at once), an empty column taking a
// King (or a run based on one); a fan of sixteen reserve cards of which only
// the lowest uncovered one or two play; a stock turned one card at a time
// onto the waste and gone through three times; eight foundations up in suit
// from the Ace, whose top card (not an Ace) may come back. The timer sends
// Aces up, and with AutoPlay On a card that may safely go up.
//
// Counters: the pass through the stock (as the table's rotation counter)
// and whether the stock shows that it cannot be turned again, which it
// does from the first card turned in the last pass.

#include "cardtable/Deck.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 8;
constexpr int kReserves = 16;
constexpr int kReserve = kColumns;  // the first reserve pile
constexpr int kWaste = kReserve + kReserves;
constexpr int kStock = kWaste + 1;
constexpr int kFoundations = 8;
constexpr int kPasses = 3;
constexpr int kPass = 0;    // counter: the pass, 1..3
constexpr int kNoMore = 1;  // counter: the stock's look says no redeal

// The two side-by-side cards of a group of the fan are uncovered together.
bool SideBySide(int L) {
  return L > 0 && L % 3 == 0;
}

class NapoleonFamily : public kit::FoundationFamily {
 public:
  NapoleonFamily(bool leaves, int autoPlay)
      : FoundationFamily({kStock + 1, kFoundations}), leaves_(leaves), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The lowest uncovered reserve card's number in the fan (1..16), 0 when
  // the fan is empty.
  static int LastReserve(const Pos& p) {
    for (int i = kReserves; i >= 1; --i)
      if (!p.Empty(kReserve + i - 1)) return i;
    return 0;
  }
  static bool Playable(const Pos& p, int s) {
    if (s < kReserve || s >= kWaste) return true;
    const int L = LastReserve(p), i = s - kReserve + 1;
    return L > 0 && (i == L || (SideBySide(L) && i == L - 1));
  }

  // Each tick: base cards, then (AutoPlay On) one card up, for the columns
  // with the waste, with the lowest reserve card and with its neighbour.
  bool Settle(Pos& p) const override {
    for (;;) {
      const int L = LastReserve(p);
      kit::Row rows[3] = {{0, kColumns, kWaste}};
      int n = 1;
      if (L > 0) rows[n++] = {0, kColumns, kReserve + L - 1};
      if (SideBySide(L)) rows[n++] = {0, kColumns, kReserve + L - 2};
      bool moved = false;
      for (int r = 0; r < n; ++r)
        moved |= kit::PlaceBase(p, rows[r], F_, 1);
      if (autoPlay_)
        for (int r = 0; r < n; ++r)
          moved |= kit::PlayUp(p, rows[r], F_, true, 1, FollowsInSuit);
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::AddFromAnywhere(*this, p, m, out); };
    kit::StockWithPasses(*this, p, kStock, kWaste, kPasses, kPass, kNoMore,
                         kit::LastPassLook::AtFirstTurn, out);
    for (int s = 0; s < F_.first + F_.count; ++s) {
      const Code c = p.Top(s);
      // A foundation keeps the Ace it starts with.
      if (!c || s == kStock || !Playable(p, s) || (F_.Has(s) && Rank(c) == 1)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (f != s && !F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = 0; q < kColumns; ++q)
        if (q != s) ToColumn(p, s, q, add);
    }
  }

  // Takes Moscow: one card down in suit, a King alone into an empty column.
  // Leaves Moscow (SuitDownRunRule, a King only into an empty column): a
  // column's run in one suit moves from the card that fits; into an empty
  // column the whole run (answer 1) or its top card (6), based on a King.
  template <class Out>
  void ToColumn(const Pos& p, int s, int q, Out out) const {
    const Code c = p.Top(s);
    const Code t = p.Top(q);
    const bool onRun = leaves_ && s < kColumns && PrecedesInSuit(p.FromTop(s, 1), c);
    if (!onRun) {
      if (t ? PrecedesInSuit(t, c) : Rank(c) == 13) out(kit::Made{s, 1, q});
      return;
    }
    int k = 0;
    if (t) {
      while (kit::OnRun(p, s, k, PrecedesInSuit) && !PrecedesInSuit(t, p.FromTop(s, k)))
        ++k;
      if (PrecedesInSuit(t, p.FromTop(s, k))) out(kit::Made{s, k + 1, q});
      return;
    }
    while (kit::OnRun(p, s, k, PrecedesInSuit))
      ++k;
    if (Rank(p.FromTop(s, k)) == 13) out(kit::Made{s, k + 1, q, 1});
    if (Rank(c) == 13) out(kit::Made{s, 1, q, 6});
  }

  // A card home that nothing in play can ever need: an Ace or a Two (only
  // an Ace lies on a Two, and an uncovered Ace goes up by the timer), or a
  // card whose suit has both cards a rank lower home: only those lie on it,
  // and a foundation card taken back could only hold cards of its suit
  // lower still, which are home too.
  bool SafeHome(const Pos& p, Code c) const {
    return Rank(c) <= 2 || kit::RankHome(p, F_, Rank(c) - 1, 1 << Suit(c), 2);
  }

  int Rate(const Pos& p) const override {
    const kit::NextUp needed(p, F_);
    int v = 64 * F_.Home(p) - 4 * kit::BuriedNeed(p, 0, kColumns, needed) - 4 * p.Size(kWaste) -
            8 * LastReserve(p);
    v += kit::ColumnShape(p, 0, kColumns, PrecedesInSuit);
    return v;
  }

 private:
  bool leaves_;
  bool autoPlay_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool leaves) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= kReserves; ++i)
    piles.push_back(t.Reserve[i]);
  piles.push_back(t.Single[1]);  // the waste
  piles.push_back(t.Single[2]);  // the stock
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  std::optional<NativeGame> g =
      BindPiles(piles, std::make_unique<NapoleonFamily>(leaves, autoPlay));
  if (!g) return g;
  BindPassCounters(*g, t.Single[2]->DeckID(), kPasses, kPass, kNoMore);
  return g;
}

std::optional<NativeGame> BindLeaves(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}
std::optional<NativeGame> BindTakes(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}

}  // namespace

// Takes Moscow, one card at a time, did better depth first on deals 1..10.
REGISTER_BEST_FIRST_FAMILY(NapoleonLeaves, BindLeaves, 25);
REGISTER_FAMILY(NapoleonTakes, BindTakes, 26);
