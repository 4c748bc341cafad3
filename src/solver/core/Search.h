// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The native search: depth first over a family's compact positions, with
// a table of the positions seen (swaps of interchangeable piles counted as
// one), safe moves home taken without branching, positions the family
// knows to be dead left out, and restarts that try the moves in another
// order with a growing allowance. A deal is lost only when one run has been
// everywhere the deal can go but where the family's rules prove no win.

#include <atomic>
#include <cstddef>
#include <vector>

#include "solver/core/Family.h"

namespace core {

enum class Answer { Won, Lost, Unknown };

struct Limits {
  long long positions = 5000000;  // positions expanded, over all runs
  double seconds = 1.0;           // processor time of the searching thread
  size_t memoryBytes = size_t(160) << 20;
  // Positions the first run may expand (0: a share of `positions`).
  long long firstRun = 0;
  const std::atomic<bool>* cancel = nullptr;
  // Safe moves taken alone and dead positions left out. Off, the search
  // tries everything: slower, but a check that the pruning never turns a
  // won deal into a lost one.
  bool prune = true;
  // Jumps to the cards the stock reaches (Family::JumpStock) offered as
  // moves; off, only the stock's own turn.
  bool jumps = true;
};

struct Outcome {
  Answer answer = Answer::Unknown;
  std::vector<Child> line;  // from the start to the win
  long long positions = 0;
  double seconds = 0;
  size_t peakBytes = 0;  // the seen table and the stack at their largest
  int runs = 0;
  bool cancelled = false;
  bool memoryFull = false;
};

Outcome Search(const Family& family, const Pos& start, const Limits& limits);

}  // namespace core
