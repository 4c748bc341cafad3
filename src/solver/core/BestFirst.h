// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The native search for games with a long stock: best first over a family's
// compact positions. Where the depth-first search (Search.h) keeps digging
// under the first promising line, this one always expands the best rated
// position it has seen anywhere, so it follows the cards home through the
// stock instead of reshuffling the tableau. Every position it reaches is
// kept (to rebuild the winning line), which makes it hungrier for memory:
// it answers "unknown" when its store would pass Limits::memoryBytes. A
// deal is lost only when every position reachable has been expanded.

#include "solver/core/Search.h"

namespace core {

Outcome BestFirst(const Family& family, const Pos& start, const Limits& limits);

}  // namespace core
