// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Jumps through a stock turned a card at a time: a position's moves plus,
// for every card the turns alone bring to the top of the waste, the moves
// that then involve the waste, each as one move with its turns counted.
// A long stock is otherwise a chain of positions the search must walk one
// turn at a time before it sees what a deep card could do; with the jumps
// a card home from deep in the stock rates as highly as one on the table.
//
// Sound in every game whose family names its stock: the single turn stays
// among the moves, so every position the jumps reach is reachable turn by
// turn too, and a search that exhausts the positions has been everywhere.

#include <vector>

#include "solver/core/Family.h"

namespace core {

// Adds the jumps from p to `kids`, which holds p's own moves (scratch is a
// buffer the caller keeps). Nothing for a family without a stock to jump.
void AddStockJumps(const Family& family, const Pos& p, std::vector<Child>& kids,
                   std::vector<Child>& scratch);

// A winning line with each jump spelled out: its turns, one move each,
// then the move it ends with, as the program plays them.
std::vector<Child> SpellOutJumps(const Family& family, const Pos& start,
                                 const std::vector<Child>& line);

}  // namespace core
