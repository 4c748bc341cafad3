// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Equivalence.h"

#include <algorithm>

#include "session/TableHost.h"

namespace {

// The slots of one list, 1..n, as a group.
struct Slots {
  TTable::PileList TTable::*list;
  int first;
  int last;
};

struct GameGroups {
  int game;
  std::vector<Slots> groups;
};

// In every game listed the foundations build one suit each from the Ace,
// by a rule that does not ask which foundation it is, and a double click or
// the timer sends a card to "the first" that takes it, which is any of them
// up to the swap. Columns and cells are listed where their rules count the
// empty piles of a whole row alike and nothing deals onto them in order.
constexpr auto F = &TTable::Foundation;
constexpr auto C = &TTable::Tableau;
constexpr auto R = &TTable::Reserve;
constexpr auto D = &TTable::ListD;
const GameGroups kGroups[] = {
    // Troika and Shamrocks: eighteen fans under one rule.
    {7, {{C, 1, 18}, {F, 1, 4}}},
    {24, {{C, 1, 18}, {F, 1, 4}}},
    // Sir Tommy and Lady Betty: four or six waste piles that take the
    // stock's card whatever it is.
    {8, {{C, 1, 4}, {F, 1, 4}}},
    {9, {{C, 1, 6}, {F, 1, 4}}},
    // Bisley: twelve columns (each King foundation belongs to the Ace
    // foundation of its suit, so neither row is listed).
    {10, {{C, 1, 12}}},
    // King Albert: nine columns, seven reserve cards that only give.
    {6, {{C, 1, 9}, {R, 1, 7}, {F, 1, 4}}},
    // Flower Garden: sixteen bouquet cards that only give, six beds (its
    // foundations are told apart by role, so they stay apart).
    {14, {{C, 1, 16}, {R, 1, 6}}},
    // Carpet: twenty places that each take one card while empty.
    {17, {{C, 1, 20}, {F, 1, 4}}},
    // Forty Thieves and Josephine: ten columns, the stock turns onto the
    // waste (Masquerade's stock deals a row onto the columns in order, so
    // its columns are not interchangeable).
    {27, {{C, 1, 10}, {F, 1, 8}}},
    {36, {{C, 1, 10}, {F, 1, 8}}},
    // Castle: ten columns and two cells.
    {28, {{C, 1, 10}, {R, 1, 2}, {F, 1, 4}}},
    // FreeCell: eight columns and four cells.
    {32, {{C, 1, 8}, {R, 1, 4}, {F, 1, 4}}},
    // Triple Union: eighteen columns that only give, seventeen unions.
    {29, {{C, 1, 18}, {F, 1, 17}}},
    // Four Packs: ten columns that move only whole, no foundations.
    {35, {{C, 1, 10}}},
    // Martha: twelve columns.
    {37, {{C, 1, 12}, {F, 1, 4}}},
    // Emperor, Number Ten and Indian: ten columns, the stock turns onto the
    // waste.
    {38, {{C, 1, 10}, {F, 1, 8}}},
    {39, {{C, 1, 10}, {F, 1, 8}}},
    {40, {{C, 1, 10}, {F, 1, 8}}},
    // In a frame: twelve frame piles under one rule, foundations from the
    // Twos in suit.
    {4, {{D, 1, 12}, {F, 1, 8}}},
    // Obstacle-race: six columns, sixteen reserve cards that only give.
    {5, {{C, 1, 6}, {R, 1, 16}, {F, 1, 4}}},
    // One Pack: seven columns that take nothing.
    {11, {{C, 1, 7}}},
    // Pharaoh: the two foundations built up and the two built down (each
    // pair starts with two cards of one colour and takes any suit).
    {13, {{F, 1, 2}, {F, 3, 4}}},
    // Desire and Doubt: piles under one rule that the reserve refills in
    // order (the first empty one, whichever that is).
    {44, {{C, 1, 14}, {F, 1, 8}}},
    {45, {{C, 1, 5}, {F, 1, 4}}},
    // Rectangle: twelve piles round the foundations, which share one base
    // rank the game keeps, not the piles.
    {43, {{C, 1, 12}, {F, 1, 8}}},
};

}  // namespace

std::vector<int> InterchangeableGroups(int gameIndex, TableHost& host,
                                       const std::vector<TDeck*>& piles) {
  std::vector<int> group(piles.size(), -1);
  for (const GameGroups& g : kGroups) {
    if (g.game != gameIndex) continue;
    for (size_t n = 0; n < g.groups.size(); ++n) {
      const Slots& s = g.groups[n];
      for (int i = s.first; i <= s.last; ++i) {
        const TDeck* d = (host.Table.*s.list)[i];
        auto at = std::find(piles.begin(), piles.end(), d);
        if (d && at != piles.end()) group[size_t(at - piles.begin())] = int(n);
      }
    }
  }
  return group;
}
