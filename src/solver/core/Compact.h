// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table as the native search keeps it: every pile's cards as one byte
// each, all piles end to end in one small array, and a few counters the
// game keeps beside them (passes through the stock, a button's state). A
// position is about two hundred bytes and is copied whole for each move:
// far cheaper than anything a pile object could do, and nothing in here
// knows a window, a timer or Qt.

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace core {

// A card: bits 0-6 its pool number (1..104: pack, suit, rank as the table
// numbers its cards), bit 7 face up. 0 is no card.
using Code = uint8_t;
constexpr Code kFaceUp = 0x80;

constexpr int Number(Code c) {
  return c & 0x7F;
}
constexpr int Rank(Code c) {
  return (Number(c) - 1) % 13 + 1;
}
constexpr int Suit(Code c) {
  return (Number(c) - 1) / 13 % 4 + 1;  // 1 clubs, 2 diamonds, 3 hearts, 4 spades
}
constexpr bool Black(Code c) {
  return Suit(c) == 1 || Suit(c) == 4;
}
constexpr bool FaceUp(Code c) {
  return (c & kFaceUp) != 0;
}
// One rank up, circularly: after a King comes an Ace.
constexpr int NextRank(int rank) {
  return rank % 13 + 1;
}

// The comparisons the rules are written with, on codes (0 for an empty
// pile's top, which nothing follows and nothing precedes).
constexpr bool FollowsInSuit(Code a, Code b) {
  return a && b && Suit(a) == Suit(b) && NextRank(Rank(a)) == Rank(b);
}
constexpr bool FollowsAnySuit(Code a, Code b) {
  return a && b && NextRank(Rank(a)) == Rank(b);
}
constexpr bool PrecedesInSuit(Code a, Code b) {
  return a && b && Suit(a) == Suit(b) && NextRank(Rank(b)) == Rank(a);
}
constexpr bool PrecedesAnySuit(Code a, Code b) {
  return a && b && NextRank(Rank(b)) == Rank(a);
}
constexpr bool FitsAltColourDown(Code a, Code b) {
  return a && b && Black(a) != Black(b) && PrecedesAnySuit(a, b);
}

constexpr int kMaxPiles = 50;
constexpr int kMaxCards = 104;
constexpr int kCounters = 4;

struct Pos {
  uint8_t piles = 0;
  // Pile i holds cards[Begin(i) .. end[i]), bottom first.
  uint8_t end[kMaxPiles] = {};
  Code cards[kMaxCards] = {};
  int16_t counters[kCounters] = {};

  int Begin(int p) const { return p == 0 ? 0 : end[p - 1]; }
  int Size(int p) const { return end[p] - Begin(p); }
  bool Empty(int p) const { return Size(p) == 0; }
  int Total() const { return piles ? end[piles - 1] : 0; }
  // The k-th card from the bottom (0-based).
  Code At(int p, int k) const { return cards[Begin(p) + k]; }
  Code& At(int p, int k) { return cards[Begin(p) + k]; }
  // The card d places below the top (0 the top); 0 when there is none.
  Code FromTop(int p, int d) const { return d < Size(p) ? cards[end[p] - 1 - d] : 0; }
  Code Top(int p) const { return FromTop(p, 0); }

  // Appends a pile (while building a position).
  void AddPile(const Code* c, int n) {
    const int at = Total();
    if (n > 0) std::memcpy(cards + at, c, size_t(n));
    end[piles] = uint8_t(at + n);
    ++piles;
  }

  // The top n cards of `from` onto `to`, in their order.
  void Move(int from, int n, int to) {
    Code run[kMaxCards];
    const int total = Total();
    const int src = end[from] - n;
    std::memcpy(run, cards + src, size_t(n));
    // Out of `from`: everything after it slides down.
    std::memmove(cards + src, cards + src + n, size_t(total - src - n));
    for (int i = from; i < piles; ++i)
      end[i] = uint8_t(end[i] - n);
    // Onto `to`: everything after it slides up.
    const int dst = end[to];
    std::memmove(cards + dst + n, cards + dst, size_t(total - n - dst));
    std::memcpy(cards + dst, run, size_t(n));
    for (int i = to; i < piles; ++i)
      end[i] = uint8_t(end[i] + n);
  }

  // The top n cards of `from` onto `to` one at a time, each turned over
  // (a stock dealt onto a waste, a waste turned back onto the stock).
  void MoveReversed(int from, int n, int to) {
    for (int k = 0; k < n; ++k)
      Move(from, 1, to);
  }

  bool operator==(const Pos& o) const {
    return piles == o.piles && std::equal(end, end + piles, o.end) &&
           std::equal(cards, cards + Total(), o.cards) &&
           std::equal(counters, counters + kCounters, o.counters);
  }
};

// A pile's contents as one 64-bit value: one multiply a card.
inline uint64_t PileHash(const Pos& p, int i) {
  uint64_t h = 0xcbf29ce484222325ULL ^ uint64_t(p.Size(i));
  for (int k = p.Begin(i); k < p.end[i]; ++k)
    h = (h ^ p.cards[k]) * 0x100000001b3ULL;
  return h;
}

inline uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  h ^= h >> 31;
  h *= 0xbf58476d1ce4e5b9ULL;
  h ^= h >> 29;
  return h;
}

// The digest the search keeps: piles of one group (group[i] >= 0) go in
// sorted, so positions that differ only by which of them holds what are one.
// `pileHash(p, i)` stands for pile i (PileHash, or less where the rules
// look at less of a pile).
template <class PileHashOf>
uint64_t DigestBy(const Pos& p, const int8_t* group, PileHashOf pileHash) {
  uint64_t grouped[kMaxPiles];
  int ng = 0;
  uint64_t h = 0x51ed27a3;
  for (int i = 0; i < p.piles; ++i) {
    const uint64_t ph = pileHash(p, i);
    if (group && group[i] >= 0)
      grouped[ng++] = Mix(ph, uint64_t(group[i]));
    else
      h = Mix(h, ph + uint64_t(i));
  }
  std::sort(grouped, grouped + ng);
  for (int k = 0; k < ng; ++k)
    h = Mix(h, grouped[k]);
  for (int16_t c : p.counters)
    h = Mix(h, uint64_t(uint16_t(c)));
  return h;
}

inline uint64_t Digest(const Pos& p, const int8_t* group) {
  return DigestBy(p, group, PileHash);
}

}  // namespace core
