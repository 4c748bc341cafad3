// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/Solver.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <queue>
#include <string>
#include <unordered_map>

#include "session/TableHost.h"
#include "solver/Native.h"
#include "solver/core/BestFirst.h"
#include "solver/core/DigestSet.h"
#include "solver/core/Search.h"

QString VerdictText(Verdict v) {
  switch (v) {
    case Verdict::Winnable:
      return QStringLiteral("winnable");
    case Verdict::NotWinnable:
      return QStringLiteral("not winnable");
    case Verdict::Unknown:
      break;
  }
  return QStringLiteral("unknown");
}

namespace {

// The search's own processor time: on a busy machine the wall clock would
// make the same deal's answer depend on the load.
class CpuClock {
 public:
  CpuClock() : start_(Now()) {}
  double Seconds() const { return Now() - start_; }

 private:
  static double Now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
  }
  double start_;
};

struct Node {
  int parent = -1;
  SolverMove move;
};

struct Open {
  int priority = 0;
  int depth = 0;
  long long seq = 0;
  int node = 0;
  uint64_t digest = 0;  // canonical
  TablePosition position;
};

struct OpenOrder {
  // Most promising first, then the deeper position (so the search dives
  // like a depth-first one), then the newest.
  bool operator()(const Open& a, const Open& b) const {
    if (a.priority != b.priority) return a.priority < b.priority;
    if (a.depth != b.depth) return a.depth < b.depth;
    return a.seq < b.seq;
  }
};

// How one run of the search weighs a position. The first run weighs cards
// home against cards face down and buried in the waste; the later ones
// shift the weights and add a little noise fixed by each position's digest,
// so each dives down another line instead of digging through the same
// dead end again.
struct Ordering {
  int home = 4;
  int down = 1;
  int buried = 1;
  int noise = 0;  // largest extra, 0 for none
  uint64_t seed = 0;
  int step = 0;  // cost of each move already made: a search for a short line

  int Priority(const TablePosition& p, uint64_t digest, int depth) const {
    int v = home * p.foundationCards - down * p.faceDown - buried * p.buried - step * depth;
    if (noise > 0) {
      uint64_t h = (digest ^ seed) * 0x9e3779b97f4a7c15ULL;
      v += int((h >> 40) % uint64_t(noise + 1));
    }
    return v;
  }
};

Ordering OrderingOfRun(int run) {
  if (run == 0) return {};
  static constexpr Ordering kShapes[] = {
      {4, 1, 0, 9, 0}, {6, 1, 1, 12, 0}, {3, 2, 1, 12, 0}, {4, 1, 2, 18, 0}, {5, 0, 1, 15, 0},
  };
  Ordering o = kShapes[size_t(run - 1) % std::size(kShapes)];
  o.seed = 0x2545f4914f6cdd1dULL * uint64_t(run);
  return o;
}

// One best-first search from the start under one ordering: the positions
// it has reached (their moves, for the line), the digests it has seen and
// the positions still to expand. Every position it has seen is either
// expanded, with all it leads to seen as well, or still waiting in `open`;
// so a search whose `open` runs dry has been everywhere the deal can go.
class Search {
 public:
  enum Outcome { Won, Exhausted, Cut, Stopped };

  Search(const Ordering& order, const TablePosition& start, uint64_t startDigest) : order_(order) {
    nodes_.push_back({-1, {}});
    seen_.Insert(startDigest);
    open_.push({order_.Priority(start, startDigest, 0), 0, seq_++, 0, startDigest, start});
  }

  // Expands up to `limit` positions; on a win, `wonNode` is its node.
  Outcome Run(long long limit, SolverTable& table, const SolveRequest& request,
              const CpuClock& clock, SolveResult& r) {
    const IsNewPosition isNew = [this](uint64_t d) { return seen_.Insert(d); };
    for (long long expanded = 0; expanded < limit; ++expanded) {
      if (open_.empty()) return Exhausted;
      if (request.cancel && request.cancel->load()) {
        r.cancelled = true;
        return Stopped;
      }
      // The clock costs a system call: looked at every few positions.
      if ((r.nodes & 15) == 0 && clock.Seconds() > request.budget.seconds) return Stopped;
      Open cur = std::move(const_cast<Open&>(open_.top()));
      open_.pop();
      ++r.nodes;
      for (MoveOutcome& o : table.Moves(cur.position, isNew)) {
        nodes_.push_back({cur.node, std::move(o.move)});
        const int id = int(nodes_.size()) - 1;
        if (o.won) {
          wonNode = id;
          return Won;
        }
        open_.push({order_.Priority(o.position, o.digest, cur.depth + 1), cur.depth + 1, seq_++, id,
                    o.digest, std::move(o.position)});
      }
    }
    return open_.empty() ? Exhausted : Cut;
  }

  // Takes over what another search from the same start has done: its seen
  // digests and the positions it had still to expand (those this search
  // has not seen), with the moves that lead to them. What the other one
  // expanded stays covered: all it led to is seen here now, and either
  // expanded by one of the two or waiting here.
  void Absorb(Search&& other) {
    const int offset = int(nodes_.size()) - 1;  // the other's node 0 is the start
    auto mapped = [offset](int id) { return id <= 0 ? id : id + offset; };
    for (size_t i = 1; i < other.nodes_.size(); ++i) {
      Node& n = other.nodes_[i];
      nodes_.push_back({mapped(n.parent), std::move(n.move)});
    }
    while (!other.open_.empty()) {
      Open o = std::move(const_cast<Open&>(other.open_.top()));
      other.open_.pop();
      if (seen_.Contains(o.digest)) continue;
      o.priority = order_.Priority(o.position, o.digest, o.depth);
      o.seq = seq_++;
      o.node = mapped(o.node);
      open_.push(std::move(o));
    }
    seen_.Merge(other.seen_);
  }

  const std::vector<Node>& Nodes() const { return nodes_; }
  int wonNode = -1;

 private:
  Ordering order_;
  std::vector<Node> nodes_;
  DigestSet seen_;
  std::priority_queue<Open, std::vector<Open>, OpenOrder> open_;
  long long seq_ = 0;
};

// The moves from the start to a node.
std::vector<SolverMove> ChainTo(const std::vector<Node>& nodes, int last) {
  std::vector<SolverMove> chain;
  for (int n = last; n > 0; n = nodes[size_t(n)].parent)
    chain.push_back(nodes[size_t(n)].move);
  std::reverse(chain.begin(), chain.end());
  return chain;
}

// Plays the moves from the start; the positions after each, or none when a
// move cannot be made or the last one does not win.
std::vector<TablePosition> PlayToWin(SolverTable& table, const TablePosition& start,
                                     const std::vector<SolverMove>& moves) {
  std::vector<TablePosition> after;
  table.Restore(start);
  for (const SolverMove& m : moves) {
    if (!table.Apply(m)) return {};
    after.push_back(table.Capture());
  }
  if (!table.Won()) return {};
  return after;
}

// What a move must reach to stand in for a stretch of the line: the same
// table and the same timer state, so the rest of the line plays on as before.
std::string LineSpot(const TablePosition& p) {
  return p.Key() + char(p.timerOn) + char(p.started != 0);
}

// A line with the positions after each of its moves, when it has been
// played to a win (`after` is empty otherwise).
struct PlayedLine {
  std::vector<SolverMove> moves;
  std::vector<TablePosition> after;
};

// A best-first search wanders: its line is often hundreds of moves where a
// few would do. From each position of the line, a single move that reaches
// a later position of the line stands in for the stretch between. The
// shorter line is played once more and kept only if it still wins.
PlayedLine Shorten(SolverTable& table, const TablePosition& start,
                   const std::vector<SolverMove>& moves) {
  std::vector<TablePosition> after = PlayToWin(table, start, moves);
  if (after.size() != moves.size() || moves.size() < 3) return {moves, std::move(after)};
  const size_t n = moves.size();
  std::unordered_map<std::string, size_t> at;  // spot -> last index (0 the start)
  at[LineSpot(start)] = 0;
  for (size_t k = 0; k < n; ++k)
    at[LineSpot(after[k])] = k + 1;
  std::vector<SolverMove> shorter;
  for (size_t i = 0; i < n;) {
    const TablePosition& here = i == 0 ? start : after[i - 1];
    size_t best = i + 1;
    SolverMove move = moves[i];
    for (MoveOutcome& o : table.Moves(here)) {
      size_t j = 0;
      if (o.won) {
        j = n;
      } else if (auto it = at.find(LineSpot(o.position)); it != at.end()) {
        j = it->second;
      }
      if (j > best) {
        best = j;
        move = std::move(o.move);
      }
    }
    shorter.push_back(std::move(move));
    i = best;
  }
  if (shorter.size() >= n) return {moves, std::move(after)};
  std::vector<TablePosition> shorterAfter = PlayToWin(table, start, shorter);
  if (shorterAfter.size() != shorter.size()) return {moves, std::move(after)};
  return {std::move(shorter), std::move(shorterAfter)};
}

// The line (shortened when asked) after the opening ticks the result
// holds, with the position after each move for a player of the line to
// check against (the search keeps only digests of the positions it has
// passed): taken from the shortening's own play of the line, or from one
// more play of it.
void TakeLine(const std::vector<SolverMove>& found, SolverTable& table, const TablePosition& start,
              SolveResult& r, bool shorten) {
  PlayedLine line = shorten ? Shorten(table, start, found) : PlayedLine{found, {}};
  if (line.after.size() != line.moves.size()) {
    line.after.clear();
    table.Restore(start);
    for (const SolverMove& m : line.moves) {
      table.Apply(m);
      line.after.push_back(table.Capture());
    }
  }
  for (size_t i = 0; i < line.moves.size(); ++i) {
    r.line.push_back(line.moves[i]);
    r.keys.push_back(line.after[i].Key());
  }
  r.moves = int(line.moves.size());
}

// Lines this short are left as they are.
constexpr size_t kShortEnough = 40;
// Positions the search for a shorter line may take at least (it takes
// twice what the first search needed when that is more).
constexpr long long kShorterLinePositions = 5000;

// The private table of one request, dealt and brought to its position.
struct Setup {
  explicit Setup(const SolveRequest& request)
      : table(request.gameIndex, request.autoPlay, request.mergeSwaps) {
    if (!table.Deal(request.number, &opening)) return;
    if (request.from) {
      table.Restore(*request.from);
      opening.steps.clear();
    }
    start = table.Capture();
    startDigest = table.Digest().canonical;
    ok = true;
  }
  SolverTable table;
  SolverMove opening;  // the ticks a fresh deal settles with
  TablePosition start;
  uint64_t startDigest = 0;
  bool ok = false;
};

// A search that dives finds long lines: it takes any move that keeps its
// score, so a line wanders through hundreds of moves where tens would do,
// and Solve would play them all. A second search from the start counts
// every move made against a position (a weighted A*: each card home is
// worth eight moves) within a budget of positions of its own; its line
// replaces the found one when it is shorter. King Albert deal 2 went from
// 1011 moves to 54 this way, FreeCell deal 2 from 399 to 58.
void SeekShorterLine(Setup& setup, const SolveRequest& request, const CpuClock& clock,
                     SolveResult& r) {
  if (r.verdict != Verdict::Winnable || size_t(r.moves) < kShortEnough) return;
  // What the reference search has spent (a native answer's positions are
  // another search's, counted in its own budget).
  const long long spent = r.native ? 0 : r.nodes;
  const long long allowance =
      std::min(request.budget.nodes - spent, std::max(kShorterLinePositions, 2 * spent));
  if (allowance <= 0) return;
  Ordering shortest;
  shortest.home = 8;
  shortest.buried = 0;
  shortest.step = 1;
  Search s(shortest, setup.start, setup.startDigest);
  if (s.Run(allowance, setup.table, request, clock, r) != Search::Won) return;
  const std::vector<SolverMove> other = ChainTo(s.Nodes(), s.wonNode);
  if (other.size() >= size_t(r.moves)) return;
  // The opening ticks stay; the moves after them are replaced.
  const size_t opening = r.line.size() - size_t(r.moves);
  r.line.resize(opening);
  r.keys.resize(opening);
  TakeLine(other, setup.table, setup.start, r, true);
}

// The native search's answer, with its winning line made of the clicks the
// family names, each played on the reference table and checked to land
// where the family said. Nothing when the family cannot take the position
// (a card where it has no pile, automatic play still to come) or when a
// move of its line lands elsewhere: the reference search answers then.
std::optional<SolveResult> SolveNative(const SolveRequest& request) {
  CpuClock clock;
  Setup setup(request);
  if (!setup.ok) return std::nullopt;
  SolverTable& table = setup.table;
  std::optional<NativeGame> game =
      BindFamily(request.gameIndex, table.Host().Table, request.autoPlay);
  if (!game) return std::nullopt;
  const core::Family& family = *game->family;
  core::Pos start;
  if (!ToCompact(*game, setup.start, start) ||
      FromCompact(*game, start, setup.start).Key() != setup.start.Key())
    return std::nullopt;
  if (core::Pos settled = start; family.Settle(settled) || !(settled == start)) return std::nullopt;

  SolveResult r;
  r.native = true;
  auto finish = [&](Verdict v) {
    r.verdict = v;
    if (v != Verdict::Winnable) {
      r.line.clear();
      r.keys.clear();
    }
    r.seconds = clock.Seconds();
    return r;
  };
  if (!setup.opening.steps.empty()) {
    r.line.push_back(setup.opening);
    r.keys.push_back(setup.start.Key());
  }
  if (table.Won() || family.Won(start)) return finish(Verdict::Winnable);

  core::Limits limits;
  limits.positions = request.budget.nativeNodes;
  limits.seconds = request.budget.seconds - clock.Seconds();
  limits.memoryBytes = request.budget.memoryBytes;
  limits.cancel = request.cancel;
  limits.jumps = request.stockJumps;
  const core::Outcome o = NativeSearchKindOf(request.gameIndex) == NativeSearchKind::BestFirst
                              ? core::BestFirst(family, start, limits)
                              : core::Search(family, start, limits);
  r.nodes = o.positions;
  r.peakBytes = o.peakBytes;
  r.cancelled = o.cancelled;
  if (o.answer == core::Answer::Lost) return finish(Verdict::NotWinnable);
  if (o.answer != core::Answer::Won) return finish(Verdict::Unknown);

  std::vector<SolverMove> found;
  std::vector<std::string> keys;
  table.Restore(setup.start);
  for (const core::Child& c : o.line) {
    std::vector<MoveStep> steps;
    for (int k = 0; k < c.nsteps; ++k) {
      const core::Step& st = c.steps[k];
      if (st.kind == core::Step::Answer) {
        steps.push_back({MoveStep::Answer, st.value});
      } else if (st.kind == core::Step::Button) {
        const TRedealButton* button = table.Host().Table.RedealButton.get();
        if (!button) return std::nullopt;
        const QPoint c = button->Geometry.center();
        steps.push_back({MoveStep::Click, c.x(), c.y()});
      } else
        steps.push_back({st.kind == core::Step::DoubleClick ? MoveStep::DblPile : MoveStep::Pile,
                         game->deckIds.at(st.value)});
    }
    found.push_back(table.Make(steps));
    keys.push_back(table.Capture().Key());
    if (keys.back() != FromCompact(*game, c.pos, setup.start).Key()) return std::nullopt;
  }
  if (!table.Won()) return std::nullopt;
  if (request.shortLine) {
    TakeLine(found, table, setup.start, r, true);
    r.verdict = Verdict::Winnable;
    SeekShorterLine(setup, request, clock, r);
  } else {
    r.line.insert(r.line.end(), found.begin(), found.end());
    r.keys.insert(r.keys.end(), keys.begin(), keys.end());
    r.moves = int(found.size());
  }
  return finish(Verdict::Winnable);
}

}  // namespace

SolveResult Solve(const SolveRequest& request) {
  using Engine = SolveRequest::Engine;
  const bool native = request.engine == Engine::Native ||
                      (request.engine == Engine::Auto && NativeSearchFirst(request.gameIndex));
  if (native && HasNativeFamily(request.gameIndex))
    if (std::optional<SolveResult> r = SolveNative(request)) return *r;
  if (request.engine == Engine::Native) return SolveResult();
  CpuClock clock;
  SolveResult r;
  Setup setup(request);
  if (!setup.ok) {
    r.seconds = clock.Seconds();
    return r;
  }
  SolverTable& table = setup.table;
  const TablePosition& start = setup.start;
  auto finish = [&](Verdict v) {
    r.verdict = v;
    if (v != Verdict::Winnable) {
      r.line.clear();
      r.keys.clear();
    }
    if (v == Verdict::Winnable && request.shortLine) SeekShorterLine(setup, request, clock, r);
    r.seconds = clock.Seconds();
    return r;
  };
  if (!setup.opening.steps.empty()) r.line.push_back(setup.opening);
  // A table whose cards are all home is won already (the window's table
  // after its win, whose timer has stopped).
  if (table.Won() || (start.cards > 0 && start.foundationCards == start.cards)) {
    if (!r.line.empty()) r.keys.push_back(start.Key());
    return finish(Verdict::Winnable);
  }
  if (!setup.opening.steps.empty()) r.keys.push_back(start.Key());

  // The search with the plain ordering goes on for the whole budget; in
  // between, rounds of growing size start over from the start with another
  // ordering and a fresh set of seen positions: a greedy search that has
  // walked into a dead end near the goal would otherwise spend its whole
  // budget around it. When a round ends, the main search takes over what it
  // found, so no position expanded by either is searched for nothing and a
  // proof that the deal is lost needs about as many positions as one search
  // alone would. A deal is lost only when a search runs out of positions.
  Search main(OrderingOfRun(0), start, setup.startDigest);
  long long slice = request.budget.firstRound > 0
                        ? request.budget.firstRound
                        : std::max<long long>(500, request.budget.nodes / 256);
  auto settle = [&](Search& s, Search::Outcome o) -> std::optional<Verdict> {
    switch (o) {
      case Search::Won:
        TakeLine(ChainTo(s.Nodes(), s.wonNode), table, start, r, request.shortLine);
        return Verdict::Winnable;
      case Search::Exhausted:
        return Verdict::NotWinnable;
      case Search::Stopped:
        return Verdict::Unknown;
      case Search::Cut:
        break;
    }
    return std::nullopt;
  };
  for (int round = 1;; ++round) {
    long long left = request.budget.nodes - r.nodes;
    if (left <= 0) return finish(Verdict::Unknown);
    // Too little left for another round and the main search's next share:
    // the main search takes it all.
    const bool last = left < 3 * slice;
    if (auto v = settle(main, main.Run(last ? left : slice, table, request, clock, r)))
      return finish(*v);
    left = request.budget.nodes - r.nodes;
    if (last || left <= 0) return finish(Verdict::Unknown);
    Search restart(OrderingOfRun(round), start, setup.startDigest);
    if (auto v = settle(restart, restart.Run(std::min(slice, left), table, request, clock, r)))
      return finish(*v);
    main.Absorb(std::move(restart));
    slice *= 2;
  }
}

void ShortenLine(const SolveRequest& request, SolveResult& result) {
  if (result.verdict != Verdict::Winnable || result.moves == 0) return;
  CpuClock clock;
  Setup setup(request);
  if (!setup.ok) return;
  // The line as found, shortened first as Solve would have done it.
  const size_t opening = result.line.size() - size_t(result.moves);
  const std::vector<SolverMove> found(result.line.begin() + ptrdiff_t(opening), result.line.end());
  result.line.resize(opening);
  result.keys.resize(opening);
  TakeLine(found, setup.table, setup.start, result, true);
  // What is left of the request's budget after the search that found the line.
  SolveRequest rest = request;
  rest.budget.seconds = std::max(0.0, request.budget.seconds - result.seconds);
  SeekShorterLine(setup, rest, clock, result);
  result.seconds += clock.Seconds();
}

QString LineScript(const SolveRequest& request, const SolveResult& result) {
  QString t = QStringLiteral("deal %1 %2\nautoplay %3\n")
                  .arg(request.gameIndex)
                  .arg(request.number)
                  .arg(request.autoPlay == 0 ? "on" : "off");
  for (const SolverMove& m : result.line)
    t += m.Text();
  return t;
}
