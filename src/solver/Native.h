// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the native search meets the table: a family's rules bound to one
// dealt table (which of the table's piles each of its piles is), and the
// two ways between a table position and the family's compact one. A family
// file registers itself for its games:
//
//   REGISTER_FAMILY(FreeCell, BindFreeCell, 32);
//
// The binder reads the dealt table's slots once; the search never sees the
// table again.

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

#include "solver/Position.h"
#include "solver/core/Family.h"

class TDeck;
class TTable;

struct NativeGame {
  std::unique_ptr<core::Family> family;
  std::vector<int> deckIds;  // the table's DeckID of each of the family's piles
  // The family's counters from the table's (rotation, redeal button) and
  // back; none for a family without counters.
  std::function<bool(const TablePosition&, core::Pos&)> readCounters;
  std::function<void(const core::Pos&, TablePosition&)> writeCounters;
};

// autoPlay: 0 On, 1 Off, as the game's option.
using FamilyBinder = std::function<std::optional<NativeGame>(const TTable&, int autoPlay)>;

// How the native search goes through a family's positions: depth first with
// restarts (core/Search.h), or best first (core/BestFirst.h), which follows
// the cards home through a long stock where depth first digs in the tableau.
enum class NativeSearchKind { DepthFirst, BestFirst };

struct FamilyRegistration {
  FamilyRegistration(std::initializer_list<int> games, FamilyBinder binder, bool first = true,
                     NativeSearchKind kind = NativeSearchKind::DepthFirst);
};
#define REGISTER_FAMILY(Name, binder, ...) \
  static const FamilyRegistration Name##_family({__VA_ARGS__}, binder)
// A family the reference check covers and `--engine native` uses, but whose
// search decides fewer deals than the reference search does: Solve keeps
// asking the reference first, so no game answers worse than before.
#define REGISTER_FAMILY_NOT_FIRST(Name, binder, ...) \
  static const FamilyRegistration Name##_family({__VA_ARGS__}, binder, false)
// A family searched best first (see NativeSearchKind), asked first or not.
#define REGISTER_BEST_FIRST_FAMILY(Name, binder, ...)                        \
  static const FamilyRegistration Name##_family({__VA_ARGS__}, binder, true, \
                                                NativeSearchKind::BestFirst)
#define REGISTER_BEST_FIRST_FAMILY_NOT_FIRST(Name, binder, ...)               \
  static const FamilyRegistration Name##_family({__VA_ARGS__}, binder, false, \
                                                NativeSearchKind::BestFirst)

// The piles most families keep, in their order: Tableau[1..columns], then
// `between` (a waste, a stock, a reserve), then Foundation[1..foundations].
std::vector<const TDeck*> TablePiles(const TTable& t, int columns,
                                     std::initializer_list<const TDeck*> between, int foundations);

// A family over these piles of the table, in its order; nothing when one
// of them is missing.
std::optional<NativeGame> BindPiles(const std::vector<const TDeck*>& piles,
                                    std::unique_ptr<core::Family> family);

// Where the header of the pile with this DeckID starts in pos.piles (its
// DeckID, left, top, look, count), or pos.piles.size() when there is none.
size_t PileHeader(const TablePosition& pos, int deckId);
// Sets the empty look of the pile with this DeckID (a stock that shows
// whether it still redeals), for a family's writeCounters.
void SetPileLook(TablePosition& pos, int deckId, int look);
// The empty look of the pile with this DeckID, -1 when there is none.
int PileLook(const TablePosition& pos, int deckId);
// Shows or hides the pile with this DeckID (a pile that appears with its
// first card or goes once emptied), for a family's writeCounters.
void SetPileShown(TablePosition& pos, int deckId, bool shown);
bool PileShown(const TablePosition& pos, int deckId);
// Counters for a stock gone through a set number of times: `pass` the
// table's rotation counter (1..passes), `noMore` whether the stock pile (its
// DeckID) shows the look that says it cannot be turned again.
void BindPassCounters(NativeGame& game, int stockDeckId, int passes, int pass, int noMore);

bool HasNativeFamily(int game);
// Whether Solve asks the native search first for this game.
bool NativeSearchFirst(int game);
NativeSearchKind NativeSearchKindOf(int game);
std::optional<NativeGame> BindFamily(int game, const TTable& table, int autoPlay);

// The table's position as the family's; false when a card lies where the
// family has no pile or its counters are not ones it knows.
bool ToCompact(const NativeGame& game, const TablePosition& from, core::Pos& to);
// The table position a compact one stands for, written over `like` (a
// position of the same deal: the piles' places and looks). The score is
// `like`'s with every card that reached or left a foundation counted.
TablePosition FromCompact(const NativeGame& game, const core::Pos& from, const TablePosition& like);
