// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Is this deal winnable? For a game with a native family (Native.h) a
// depth-first search over compact positions (core/Search.h), its winning
// line then played through the game's own rules before it is believed; for
// the others a best-first search over the positions the game's own rules
// allow (see Moves.h), with a table of the positions already seen. Either
// has a budget of positions and time after which it answers "unknown".
// Runs on any thread: it plays on a private table of its own.

#include <QString>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/Moves.h"

enum class Verdict { Winnable, NotWinnable, Unknown };
QString VerdictText(Verdict v);  // "winnable", "not winnable", "unknown"

struct SolveBudget {
  long long nodes = 200000;  // positions expanded
  double seconds = 1.0;      // processor time of the searching thread
  // Positions in the first round of the search (0: a share of `nodes`).
  long long firstRound = 0;
  // The native search (Native.h) expands its compact positions about four
  // times as fast, so it has a budget of its own; `--nodes` sets both.
  long long nativeNodes = 5000000;
  // What the native search may keep (its table of seen positions and its
  // stack) before it answers "unknown".
  size_t memoryBytes = size_t(160) << 20;
};

struct SolveResult {
  Verdict verdict = Verdict::Unknown;
  // The winning line from the start position: the opening ticks (when
  // solving a fresh deal) and then one entry per move.
  std::vector<SolverMove> line;
  int moves = 0;  // player moves in the line
  long long nodes = 0;
  double seconds = 0;  // processor time
  bool cancelled = false;
  // Which search answered: the native one on compact positions, or the
  // reference that clicks through the game's own handlers.
  bool native = false;
  size_t peakBytes = 0;  // the native search's largest memory
  // The position after each entry of the line, for a player of the line to
  // check that its table follows.
  std::vector<std::string> keys;
};

struct SolveRequest {
  int gameIndex = 0;
  uint32_t number = 1;
  int autoPlay = 0;  // 0 On, 1 Off
  // From this position of that deal (the window's table after some moves);
  // without one, from the fresh deal, opening ticks included.
  std::optional<TablePosition> from;
  SolveBudget budget;
  // Positions that differ only by a swap of interchangeable piles count as
  // one (Equivalence.h); off, every arrangement is searched on its own.
  bool mergeSwaps = true;
  // A winnable deal's line is made shorter (ShortenLine); off, the answer
  // comes as soon as the first line is found, with that line as it stands.
  bool shortLine = true;
  // Auto: the native search for a game that has a family (Native.h), the
  // reference search for the others and for any position the family does
  // not take; the other two force one search (for tests and figures).
  enum class Engine { Auto, Reference, Native } engine = Engine::Auto;
  // The native search's jumps through the stock (core/StockJump.h); off
  // for figures of the search without them.
  bool stockJumps = true;
  const std::atomic<bool>* cancel = nullptr;
};

SolveResult Solve(const SolveRequest& request);

// The search that dives to a win finds long lines. This cuts the stretches
// of the line that one move can skip, and when the line is still long,
// searches the same position again counting every move against a position,
// within what is left of the request's budget, and takes that line when it
// is shorter. Solve does it itself unless the request says not to; the
// window shows the verdict first and shortens the line afterwards.
void ShortenLine(const SolveRequest& request, SolveResult& result);

// The line as a script the scripted driver replays from the fresh deal.
QString LineScript(const SolveRequest& request, const SolveResult& result);
