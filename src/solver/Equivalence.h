// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which piles of a game may swap their contents without changing anything
// the game allows from there: free cells that each hold one card and
// columns that differ only by where they lie. A position and its swapped
// copy are then one position for the search, which keeps it from playing
// the same game once for every order of the cells.
//
// Only games whose rules were read for it are listed: a group that is not
// truly interchangeable (a rule that counts piles along a row, a column that
// is refilled from its own reserve) would make the search call a winnable
// deal lost. A game not listed has no groups and loses nothing but speed.

#include <vector>

class TableHost;
class TDeck;

// One entry per pile of `piles` (in their order): its group number, or -1
// for a pile that is itself alone.
std::vector<int> InterchangeableGroups(int gameIndex, TableHost& host,
                                       const std::vector<TDeck*>& piles);
