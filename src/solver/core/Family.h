// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game family's rules written for the native search: the moves a player
// can make from a compact position, each with the clicks that make it in
// the program and the position after the game's own automatic play. One
// file per family in src/solver/families/ implements this and says which
// piles of the table its piles are.

#include <cstdint>
#include <vector>

#include "solver/core/Compact.h"

namespace core {

// One click of a move, as the player makes it: on a pile (its index in the
// family's position), a double click, the answer to the empty-column
// question (given before the click that asks it), the redeal button.
struct Step {
  enum Kind : uint8_t { Click, DoubleClick, Answer, Button } kind = Click;
  uint8_t value = 0;  // pile index or answer
};

struct Child {
  Pos pos;
  Step steps[3];
  uint8_t nsteps = 0;
  bool won = false;
  // A move that sends a card home which no later move can need: the search
  // takes it alone (see Family::Safe).
  bool safe = false;
  int rating = 0;  // the family's Rate of `pos`, once the search takes it; higher first
  // Turns of the stock made before the steps: a jump (see Family::JumpStock).
  uint8_t turns = 0;
  void Add(Step s) { steps[nsteps++] = s; }
};

class Family {
 public:
  virtual ~Family() = default;
  // Every move from p to another position, each once per set of clicks
  // (two moves may lead to the same position). Settled positions only: p
  // is one the game's automatic play has nothing left to do in.
  virtual void Moves(const Pos& p, std::vector<Child>& out) const = 0;
  // The game's automatic play, run until it rests, as after a move; true
  // when that wins.
  virtual bool Settle(Pos& p) const = 0;
  virtual bool Won(const Pos& p) const = 0;
  // Cards on the foundations, for ordering and figures.
  virtual int Home(const Pos& p) const = 0;
  // How promising a position is, to try the moves to better ones first.
  virtual int Rate(const Pos& p) const { return Home(p); }
  // Piles whose contents may swap without changing what the rules allow
  // (one entry per pile: a group number or -1), or nullptr.
  virtual const int8_t* Groups() const { return nullptr; }
  // The digest the search tells positions apart by. A family whose rules
  // look at less than every card (foundations that only count their
  // height, a stock that only ever gives its top) may hash less, so that
  // positions the rules cannot tell apart are searched once.
  virtual uint64_t SeenDigest(const Pos& p) const { return Digest(p, Groups()); }
  // A position from which no line can win whatever is played (a card
  // buried under one that must go home after it): the search does not go
  // into it. Only ever true when the family can say why for certain,
  // since a lost verdict rests on it.
  virtual bool Dead(const Pos&) const { return false; }

  // A stock turned a card at a time onto a waste (its turn is a move of a
  // single click on the stock), for the search's jumps: besides the turn,
  // every card the turns alone bring to the top of the waste is offered
  // at once, with the moves that then involve the waste, as one move of
  // so many turns first. The turn itself stays, so the jumps only add
  // lines that exist anyway and never hide one. None (-1) by default.
  struct StockPiles {
    int stock = -1;
    int waste = -1;
  };
  virtual StockPiles JumpStock() const { return {}; }
};

}  // namespace core
