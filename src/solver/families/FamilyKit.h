// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the families share, written once on compact positions: the shared
// rules' automatic play (base cards up, then a card that may go up), the
// column rule whose runs travel through the empty piles, and the pieces of
// a move's rating. Each mirrors the table's shared handler of that name.

#include <algorithm>
#include <array>
#include <vector>

#include "solver/core/Family.h"

namespace core::kit {

// Piles [first, last) read in order, and one more pile after them (a
// waste) or -1: a group of the timer's automatic play.
struct Row {
  int first;
  int last;
  int extra = -1;
};

// The foundations [first, first + count).
struct Foundations {
  int first;
  int count;
  bool Has(int p) const { return p >= first && p < first + count; }
  // A foundation that holds its thirteen cards takes nothing more.
  bool Complete(const Pos& p, int f) const { return p.Size(f) >= 13; }
  int Home(const Pos& p) const {
    int n = 0;
    for (int f = first; f < first + count; ++f)
      n += p.Size(f);
    return n;
  }
  // Whether a card is the one its suit's foundation waits for next (one
  // foundation a suit, built up from the Ace): what the ratings dig for.
  auto WaitedFor(const Pos& p) const {
    std::array<int, 5> next{1, 1, 1, 1, 1};  // by suit
    for (int f = first; f < first + count; ++f)
      if (const Code t = p.Top(f)) next[size_t(Suit(t))] = Rank(t) + 1;
    return [next](Code c) { return Rank(c) == next[size_t(Suit(c))]; };
  }
  bool AllFull(const Pos& p) const {
    for (int f = first; f < first + count; ++f)
      if (p.Size(f) != 13) return false;
    return true;
  }
  // The first foundation that takes c by `follows` (never a complete one).
  template <class Follows>
  int For(const Pos& p, Code c, Follows follows) const {
    for (int f = first; f < first + count; ++f)
      if (!Complete(p, f) && follows(p.Top(f), c)) return f;
    return -1;
  }
  int FirstEmpty(const Pos& p) const {
    for (int f = first; f < first + count; ++f)
      if (p.Empty(f)) return f;
    return -1;
  }
};

// AutoPlaceBaseCards: the first pile of the row showing a face-up base card
// sends it to the first empty foundation; then the extra pile's top card
// (face up or not) the same way.
inline bool PlaceBase(Pos& p, const Row& row, const Foundations& F, int baseRank) {
  bool moved = false;
  for (int i = row.first; i < row.last; ++i) {
    const Code c = p.Top(i);
    if (!c || !FaceUp(c) || Rank(c) != baseRank) continue;
    if (const int f = F.FirstEmpty(p); f >= 0) {
      p.Move(i, 1, f);
      moved = true;
    }
    break;
  }
  if (row.extra >= 0)
    if (const Code c = p.Top(row.extra); c && Rank(c) == baseRank)
      if (const int f = F.FirstEmpty(p); f >= 0) {
        p.Move(row.extra, 1, f);
        moved = true;
      }
  return moved;
}

// AutoPlayToFoundations: at most one card of the row (then its extra pile)
// onto the first foundation it follows, with `safe` only a card no more
// than one rank above the lowest foundation; it lands face up.
template <class Follows>
bool PlayUp(Pos& p, const Row& row, const Foundations& F, bool safe, int baseRank,
            Follows follows) {
  auto height = [baseRank](Code c) { return (Rank(c) - baseRank + 13) % 13 + 1; };
  int lowest = 14;
  for (int f = F.first; f < F.first + F.count; ++f)
    lowest = std::min(lowest, p.Empty(f) ? 1 : height(p.Top(f)));
  auto tryPile = [&](int i) {
    const Code c = p.Top(i);
    if (!c || (safe && height(c) > lowest + 1)) return false;
    for (int f = F.first; f < F.first + F.count; ++f) {
      if (f == i || F.Complete(p, f) || !follows(p.Top(f), c)) continue;
      p.Move(i, 1, f);
      p.At(f, p.Size(f) - 1) |= kFaceUp;
      return true;
    }
    return false;
  };
  for (int i = row.first; i < row.last; ++i)
    if (tryPile(i)) return true;
  return row.extra >= 0 && tryPile(row.extra);
}

// The common timer ticked until it rests: per row its base card, then
// (AutoPlay On) per row one card up; true when every foundation is full.
template <class Follows>
bool CommonTimer(Pos& p, const Row* rows, int nRows, const Foundations& F, bool autoPlay, bool safe,
                 int baseRank, Follows follows) {
  for (;;) {
    bool moved = false;
    for (int r = 0; r < nRows; ++r)
      moved |= PlaceBase(p, rows[r], F, baseRank);
    if (autoPlay)
      for (int r = 0; r < nRows; ++r)
        moved |= PlayUp(p, rows[r], F, safe, baseRank, follows);
    if (F.AllFull(p)) return true;
    if (!moved) return false;
  }
}

// A move found by a family: the clicks that make it and where it leads
// before the automatic play. Families call Emit through their own hook.
struct Made {
  int from;
  int count;
  int to;
  int answer = -1;  // the empty-column question's answer, or none
};

// The card d places below pile s's top lies on a face-up card it fits.
template <class Fits>
bool OnRun(const Pos& p, int s, int d, Fits fits) {
  const Code below = p.FromTop(s, d + 1);
  return below && FaceUp(below) && fits(below, p.FromTop(s, d));
}

// FreePileRunRule: onto a card, the run from the one card of it that fits
// (the rule walks down to it) when the empty piles of [0, playing) other
// than the destination can park the cards above it; onto an empty column
// any card, and a run as the player answers: 1 as much as the empty piles
// carry, 6 the top card alone.
template <class Fits, class Out>
void FreePileRun(const Pos& p, int s, int q, int playing, Fits fits, Out out) {
  int free = 0;
  for (int i = 0; i < playing; ++i)
    free += i != q && p.Empty(i);
  const Code c = p.Top(s);
  if (const Code t = p.Top(q)) {
    if (free > 0 && !fits(t, c)) {
      int k = 0;
      while (OnRun(p, s, k, fits) && !fits(t, p.FromTop(s, k)))
        ++k;
      if (fits(t, p.FromTop(s, k)) && k <= free) out(Made{s, k + 1, q});
    } else if (fits(t, c)) {
      out(Made{s, 1, q});
    }
    return;
  }
  if (free > 0 && OnRun(p, s, 0, fits)) {
    int k = 0;
    while (k < free && OnRun(p, s, k, fits))
      ++k;
    out(Made{s, k + 1, q, 1});
    out(Made{s, 1, q, 6});
  } else {
    out(Made{s, 1, q});
  }
}

// The pieces of a rating: cards home weigh most, then the cards the
// foundations wait for buried under others (by how deep), then empty piles.
// `next(c)` tells whether a card is one a foundation takes now.
template <class Next>
int BuriedNeed(const Pos& p, int first, int last, Next next) {
  int v = 0;
  for (int i = first; i < last; ++i)
    for (int d = 0, n = p.Size(i); d < n; ++d)
      if (next(p.FromTop(i, d))) v += d;
  return v;
}

// Fills a child from a move and settles it; false when the move changed
// nothing (a card home and straight back), which the table does not count.
template <class Family>
bool Make(const Family& fam, const Pos& from, const Made& m, Child& c) {
  c.pos = from;
  c.pos.Move(m.from, m.count, m.to);
  c.nsteps = 0;
  c.Add({Step::Click, uint8_t(m.from)});
  if (m.answer >= 0) c.Add({Step::Answer, uint8_t(m.answer)});
  c.Add({Step::Click, uint8_t(m.to)});
  c.won = fam.Settle(c.pos);
  return c.won || !(c.pos == from);
}

// Adds the move to `out` unless it changed nothing, marked safe when it
// sends a card home the family calls safe.
template <class Family>
void Add(const Family& fam, const Pos& from, const Made& m, std::vector<Child>& out) {
  Child& c = out.emplace_back();
  if (!Make(fam, from, m, c)) {
    out.pop_back();
    return;
  }
  c.safe = fam.F().Has(m.to) && fam.SafeHome(from, from.Top(m.from));
}

// A column rule whose face-up runs move whole (AltColourDownRule and its
// kin): from a column, onto a card the run from the one card of it that
// fits (the rule walks down to it); onto an empty column any card, and a
// run as the player answers: 1 the whole face-up run, 6 the top card alone.
// From any other pile only its top card moves.
template <class Fits, class Out>
void WholeRun(const Pos& p, int s, int q, bool fromColumn, Fits fits, Out out) {
  if (const Code t = p.Top(q)) {
    int k = 0;
    if (fromColumn)
      while (OnRun(p, s, k, fits) && !fits(t, p.FromTop(s, k)))
        ++k;
    if (fits(t, p.FromTop(s, k))) out(Made{s, k + 1, q});
    return;
  }
  if (!fromColumn || !OnRun(p, s, 0, fits)) {
    out(Made{s, 1, q});
    return;
  }
  int k = 0;
  while (OnRun(p, s, k, fits))
    ++k;
  out(Made{s, k + 1, q, 1});
  out(Made{s, 1, q, 6});
}

// Turns the top card of each of piles [first, last) face up, as the piles'
// after-move handler does for the pile a card left.
inline void TurnUpTops(Pos& p, int first, int last) {
  for (int i = first; i < last; ++i)
    if (!p.Empty(i)) p.At(i, p.Size(i) - 1) |= kFaceUp;
}

// In alternating colours a card home that nothing in play can ever need:
// an Ace or a Two (the only cards that lie on them are Kings on Aces and
// Aces on Twos, and an uncovered Ace goes home by itself), or a card whose
// two cards of the other colour one rank below are home (nothing else may
// lie on it, and a foundation that builds in suit from the Ace never gives
// a card back).
inline bool AltColourSafeHome(const Pos& p, const Foundations& F, Code c) {
  const int r = Rank(c);
  if (r <= 2) return true;
  int height[5] = {0, 0, 0, 0, 0};  // by suit
  for (int f = F.first; f < F.first + F.count; ++f)
    if (const Code t = p.Top(f)) height[Suit(t)] = Rank(t);
  for (int suit = 1; suit <= 4; ++suit)
    if ((suit == 1 || suit == 4) != Black(c) && height[suit] < r - 1) return false;
  return true;
}

}  // namespace core::kit

namespace core::kit {

// The stock's top card turned face up onto the waste, then the automatic
// play: the one move of a stock gone through a card at a time.
template <class Family>
void TurnStock(const Family& fam, const Pos& from, int stock, int waste, std::vector<Child>& out) {
  if (from.Empty(stock)) return;
  Child& c = out.emplace_back();
  c.pos = from;
  c.pos.Move(stock, 1, waste);
  c.pos.At(waste, c.pos.Size(waste) - 1) |= kFaceUp;
  c.Add({Step::Click, uint8_t(stock)});
  c.won = fam.Settle(c.pos);
}

// Whether every card of rank `rank` in the suits of `suits` (a bit per suit,
// 1 << Suit) lies home, on foundations built up in suit from the Ace: each
// of the suit's `packs` foundations has reached that rank. Nothing of those
// suits at or below that rank can then be played onto a card in play.
inline bool RankHome(const Pos& p, const Foundations& F, int rank, int suits, int packs) {
  if (rank < 1) return true;
  int reached[5] = {0, 0, 0, 0, 0};
  for (int f = F.first; f < F.first + F.count; ++f)
    if (const Code t = p.Top(f); t && Rank(t) >= rank) ++reached[Suit(t)];
  for (int s = 1; s <= 4; ++s)
    if ((suits >> s & 1) && reached[s] < packs) return false;
  return true;
}

// AltColourDownRule: onto a card, from a column the face-up run from the
// one card of it that fits (the rule walks down to it), else the one card
// that fits; onto an empty column any card, and from a column's run as
// the player answers: 1 the whole face-up run, 6 its top card alone.
template <class Out>
void AltColourRun(const Pos& p, int s, bool fromColumn, int q, Out out) {
  if (const Code t = p.Top(q)) {
    int k = 0;
    if (fromColumn)
      while (OnRun(p, s, k, FitsAltColourDown) && !FitsAltColourDown(t, p.FromTop(s, k)))
        ++k;
    if (FitsAltColourDown(t, p.FromTop(s, k))) out(Made{s, k + 1, q});
    return;
  }
  if (!fromColumn || !OnRun(p, s, 0, FitsAltColourDown)) {
    out(Made{s, 1, q});
    return;
  }
  int k = 0;
  while (OnRun(p, s, k, FitsAltColourDown))
    ++k;
  out(Made{s, k + 1, q, 1});
  out(Made{s, 1, q, 6});
}

}  // namespace core::kit

namespace core::kit {

// What the families with foundations share: the foundations, whose all
// being full is the win, and the groups of interchangeable piles (none
// until the family names them).
class FoundationFamily : public Family {
 public:
  explicit FoundationFamily(Foundations f) : F_(f) {
    std::fill(groups_, groups_ + kMaxPiles, int8_t(-1));
  }
  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }
  const Foundations& F() const { return F_; }

 protected:
  // Piles [first, last) are interchangeable, as group g.
  void Group(int first, int last, int g) { std::fill(groups_ + first, groups_ + last, int8_t(g)); }

  Foundations F_;
  int8_t groups_[kMaxPiles];
};

// Add for the games whose foundation cards come back: a card from one
// foundation onto another is never taken alone, as it leads back to the
// same position (swaps of foundations count as one).
template <class Family>
void AddFromAnywhere(const Family& fam, const Pos& from, const Made& m, std::vector<Child>& out) {
  const size_t before = out.size();
  Add(fam, from, m, out);
  if (out.size() > before && fam.F().Has(m.from)) out.back().safe = false;
}

// The cards the foundations (up in suit from the Ace, two packs) take
// next: by suit, the rank each of its two foundations waits for, an Ace
// while one is still to start.
class NextUp {
 public:
  NextUp(const Pos& p, const Foundations& F) {
    for (auto& s : next_)
      s[0] = s[1] = 1;
    int started[5] = {0, 0, 0, 0, 0};
    for (int f = F.first; f < F.first + F.count; ++f)
      if (const Code t = p.Top(f); t && started[Suit(t)] < 2)
        next_[Suit(t)][started[Suit(t)]++] = Rank(t) + 1;
  }
  bool operator()(Code c) const {
    return Rank(c) == next_[Suit(c)][0] || Rank(c) == next_[Suit(c)][1];
  }

 private:
  int next_[5][2];
};

}  // namespace core::kit

namespace core::kit {

// The rating's share for the columns [first, last): an empty column is
// worth a third of a card home, each card lying on a run a little.
template <class Fits>
int ColumnShape(const Pos& p, int first, int last, Fits fits) {
  int v = 0;
  for (int i = first; i < last; ++i) {
    if (p.Empty(i)) v += 24;
    for (int run = 0; OnRun(p, i, run, fits); ++run)
      v += 2;
  }
  return v;
}

}  // namespace core::kit

namespace core::kit {

// Pile s's top card onto every foundation that takes it by `follows`
// (never a complete one): one move for each.
template <class Follows, class Out>
void ToFoundations(const Pos& p, const Foundations& F, int s, Follows follows, Out out) {
  const Code c = p.Top(s);
  for (int f = F.first; f < F.first + F.count; ++f)
    if (!F.Complete(p, f) && follows(p.Top(f), c)) out(Made{s, 1, f});
}

// A pile as rules that never look at suits see it: its ranks, bottom first.
inline uint64_t RankPileHash(const Pos& p, int i) {
  uint64_t h = 0xcbf29ce484222325ULL ^ uint64_t(p.Size(i));
  for (int k = p.Begin(i); k < p.end[i]; ++k)
    h = (h ^ uint64_t(Rank(p.cards[k]) | (p.cards[k] & kFaceUp))) * 0x100000001b3ULL;
  return h;
}

// When a stock gone through several times starts showing that it cannot
// be turned again: from the redeal into the last pass (RedealEmptySelect),
// or from the first card turned in it.
enum class LastPassLook { AtRedeal, AtFirstTurn };

// The moves of a stock turned a card at a time and gone through `passes`
// times: its top card onto the waste, or, once it is empty and passes are
// left, the waste turned back over onto it face down (the pass counts even
// with nothing to turn). Counters: `pass` as the table's rotation counter,
// `noMore` the stock's look.
template <class Family>
void StockWithPasses(const Family& fam, const Pos& from, int stock, int waste, int passes, int pass,
                     int noMore, LastPassLook look, std::vector<Child>& out) {
  if (!from.Empty(stock)) {
    TurnStock(fam, from, stock, waste, out);
    if (look == LastPassLook::AtFirstTurn && from.counters[pass] == passes)
      out.back().pos.counters[noMore] = 1;
    return;
  }
  if (from.counters[pass] >= passes) return;
  Child& c = out.emplace_back();
  c.pos = from;
  c.pos.MoveReversed(waste, from.Size(waste), stock);
  for (int k = 0; k < c.pos.Size(stock); ++k)
    c.pos.At(stock, k) &= Code(~kFaceUp);
  if (++c.pos.counters[pass] == passes && look == LastPassLook::AtRedeal)
    c.pos.counters[noMore] = 1;
  c.Add({Step::Click, uint8_t(stock)});
  c.won = fam.Settle(c.pos);
}

}  // namespace core::kit
