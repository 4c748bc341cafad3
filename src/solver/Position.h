// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table position as plain data: every pile's cards with their sides and
// the few counters and looks the rules keep beside them. The solver keeps
// positions instead of piles, compares them by key and puts any of them
// back on its private table; the window hands its own position to the
// solver the same way.

#include <cstdint>
#include <string>
#include <vector>

class TableHost;

class TDeck;

struct TablePosition {
  // Pile after pile in DeckID order: DeckID, left, top, look (bits 0-7 the
  // empty look, bit 8 shown), the number of cards, then the cards bottom to
  // top (CardID, bit 7 face up, bit 8 drawn). One flat array, because the
  // search keeps hundreds of thousands of these.
  std::vector<uint16_t> piles;
  int rotation = -1;
  int score = -1000;
  int started = 0;
  bool timerOn = false;
  int redealButton = -1;  // -1 none, 0 disabled, 1 enabled

  // What tells positions apart for the search: everything except whether
  // the game has started and the timer's state between ticks.
  std::string Key() const;
  // Cards on the foundation slots and cards still face down, for ordering.
  int foundationCards = 0;
  int faceDown = 0;
  int cards = 0;  // on the whole table
  // Cards under the waste's top card: passed over until the waste is
  // played down, so a search that turns the stock too eagerly buries them.
  int buried = 0;
};

// The table's piles in DeckID order (they stay the same from the deal on).
std::vector<TDeck*> PilesInOrder(TableHost& host);
TablePosition CapturePosition(TableHost& host, const std::vector<TDeck*>& piles);
// Two 64-bit digests of the table as it stands, computed from the piles
// directly (no position is built). `exact` tells any two tables apart that
// Key() tells apart; `canonical` is the same but ignores which pile of an
// interchangeable group holds what (see Equivalence.h), so the search takes
// two tables that differ only by such a swap for one.
struct TableDigest {
  uint64_t exact = 0;
  uint64_t canonical = 0;
};
// group: one entry per pile of `piles`, the pile's group number or -1.
// cache (optional, one entry per pile, kept by the caller between calls):
// each pile's digest of its cards with the revision it was taken at, reused
// while the pile's revision stays the same.
struct PileDigest {
  uint64_t revision = ~uint64_t(0);  // none yet
  uint64_t content = 0;
};
TableDigest DigestTable(TableHost& host, const std::vector<TDeck*>& piles,
                        const std::vector<int>& group, std::vector<PileDigest>* cache = nullptr);

// A cheap mark that changes whenever a click moved or turned a card (the
// history grows), or changed a pile's count, top card, look or place or a
// counter: what tells a click that did something from one that did not,
// without a digest of every card.
uint64_t QuickMark(TableHost& host, const std::vector<TDeck*>& piles);

// Puts the position back on a table that holds the same deal's piles (the
// same game, dealt once): cards, sides, looks, places, counters. Clears the
// selection, the history and the table's won latch (the position may be
// played to a win again). With `matched` (one TDeck::Revision a pile,
// taken when the table last held this very position), a pile whose revision
// is still the same is known to hold its cards and is not walked.
void RestorePosition(TableHost& host, const std::vector<TDeck*>& piles,
                     const TablePosition& position, const std::vector<uint64_t>* matched = nullptr);
