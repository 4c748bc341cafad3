// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/core/StockJump.h"

namespace core {

namespace {

// The stock's turn among the moves from `from`: one click on the stock
// that leaves it a card shorter (its redeal fills it).
const Child* TurnOf(const std::vector<Child>& moves, const Pos& from, int stock) {
  for (const Child& c : moves)
    if (c.nsteps == 1 && c.steps[0].kind == Step::Click && c.steps[0].value == stock &&
        c.pos.Size(stock) < from.Size(stock))
      return &c;
  return nullptr;
}

bool Touches(const Child& c, int pile) {
  for (int k = 0; k < c.nsteps; ++k)
    if (c.steps[k].kind != Step::Answer && c.steps[k].value == pile) return true;
  return false;
}

}  // namespace

void AddStockJumps(const Family& family, const Pos& p, std::vector<Child>& kids,
                   std::vector<Child>& scratch) {
  const Family::StockPiles sp = family.JumpStock();
  if (sp.stock < 0) return;
  const Child* turn = TurnOf(kids, p, sp.stock);
  if (!turn || turn->won) return;
  Pos at = turn->pos;
  // At most 255 turns a jump: Child::turns is a byte.
  for (int turns = 1; turns < 255; ++turns) {
    scratch.clear();
    family.Moves(at, scratch);
    const Child* next = TurnOf(scratch, at, sp.stock);
    for (const Child& c : scratch) {
      if (&c == next || !Touches(c, sp.waste) || family.Home(c.pos) <= family.Home(at)) continue;
      Child& j = kids.emplace_back(c);
      j.turns = uint8_t(turns);
      j.safe = false;  // the turns before it bury cards: never taken alone
    }
    if (!next) return;
    if (next->won) {
      Child& j = kids.emplace_back(*next);
      j.turns = uint8_t(turns);
      j.safe = false;
      return;
    }
    at = next->pos;
  }
}

std::vector<Child> SpellOutJumps(const Family& family, const Pos& start,
                                 const std::vector<Child>& line) {
  const int stock = family.JumpStock().stock;
  std::vector<Child> out, moves;
  Pos at = start;
  for (const Child& c : line) {
    for (int k = 0; k < c.turns; ++k) {
      moves.clear();
      family.Moves(at, moves);
      const Child* turn = TurnOf(moves, at, stock);
      if (!turn) return line;  // cannot happen: the jump was made of these turns
      out.push_back(*turn);
      at = turn->pos;
    }
    out.push_back(c);
    out.back().turns = 0;
    at = c.pos;
  }
  return out;
}

}  // namespace core
