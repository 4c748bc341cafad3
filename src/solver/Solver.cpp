#include "solver/Solver.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <queue>
#include <unordered_set>

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
  TablePosition position;
};

struct OpenOrder {
  // Most promising first: more cards home and fewer face down, then the
  // deeper position (so the search dives like a depth-first one), then the
  // newest.
  bool operator()(const Open& a, const Open& b) const {
    if (a.priority != b.priority) return a.priority < b.priority;
    if (a.depth != b.depth) return a.depth < b.depth;
    return a.seq < b.seq;
  }
};

int Priority(const TablePosition& p) {
  return 4 * p.foundationCards - p.faceDown;
}

// The line to the winning node, played once more from the start on the
// solver's table for the positions a player of the line checks against (the
// search keeps only digests of the positions it has passed).
void TakeLine(const std::vector<Node>& nodes, int last, SolverTable& table,
              const TablePosition& start, SolveResult& r) {
  std::vector<int> chain;
  for (int n = last; n > 0; n = nodes[size_t(n)].parent)
    chain.push_back(n);
  table.Restore(start);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const SolverMove& m = nodes[size_t(*it)].move;
    r.line.push_back(m);
    table.Apply(m);
    r.keys.push_back(table.Capture().Key());
  }
  r.moves = int(chain.size());
}

}  // namespace

SolveResult Solve(const SolveRequest& request) {
  CpuClock clock;
  SolveResult r;
  SolverTable table(request.gameIndex, request.autoPlay, request.mergeSwaps);
  SolverMove opening;
  if (!table.Deal(request.number, &opening)) {
    r.seconds = clock.Seconds();
    return r;
  }
  const bool fresh = !request.from;
  if (!fresh) {
    table.Restore(*request.from);
    opening.steps.clear();
  }
  auto finish = [&](Verdict v) {
    r.verdict = v;
    if (v != Verdict::Winnable) {
      r.line.clear();
      r.keys.clear();
    }
    r.seconds = clock.Seconds();
    return r;
  };
  if (fresh && !opening.steps.empty()) {
    r.line.push_back(opening);
  }
  TablePosition start = table.Capture();
  // A table whose cards are all home is won already (the window's table
  // after its win, whose timer has stopped).
  if (table.Won() || (start.cards > 0 && start.foundationCards == start.cards)) {
    if (!r.line.empty()) r.keys.push_back(start.Key());
    return finish(Verdict::Winnable);
  }
  if (fresh && !opening.steps.empty()) r.keys.push_back(start.Key());

  std::vector<Node> nodes;
  nodes.push_back({-1, {}});
  std::unordered_set<uint64_t> seen;
  seen.reserve(size_t(std::min<long long>(request.budget.nodes, 1 << 20)) * 4);
  seen.insert(table.Digest().canonical);
  const IsNewPosition isNew = [&seen](uint64_t d) { return seen.insert(d).second; };
  std::priority_queue<Open, std::vector<Open>, OpenOrder> open;
  long long seq = 0;
  open.push({Priority(start), 0, seq++, 0, start});

  while (!open.empty()) {
    if (request.cancel && request.cancel->load()) {
      r.cancelled = true;
      return finish(Verdict::Unknown);
    }
    if (r.nodes >= request.budget.nodes || clock.Seconds() > request.budget.seconds)
      return finish(Verdict::Unknown);
    Open cur = std::move(const_cast<Open&>(open.top()));
    open.pop();
    ++r.nodes;
    for (MoveOutcome& o : table.Moves(cur.position, isNew)) {
      nodes.push_back({cur.node, std::move(o.move)});
      const int id = int(nodes.size()) - 1;
      if (o.won) {
        TakeLine(nodes, id, table, start, r);
        return finish(Verdict::Winnable);
      }
      open.push({Priority(o.position), cur.depth + 1, seq++, id, std::move(o.position)});
    }
  }
  return finish(Verdict::NotWinnable);
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
