// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/core/BestFirst.h"

#include <algorithm>
#include <memory>
#include <queue>

#include "solver/core/CpuClock.h"
#include "solver/core/DigestSet.h"
#include "solver/core/StockJump.h"

namespace core {

namespace {

// A position reached, with the move that reached it and where from.
struct Node {
  Child move;
  int parent;
};

// The nodes in blocks that never move: the store grows without the copy
// (and the moment of twice the memory) a growing vector would need.
class NodeStore {
 public:
  static constexpr size_t kBlock = 4096;

  int Add(const Child& c, int parent) {
    if (size_ % kBlock == 0) blocks_.push_back(std::make_unique<Node[]>(kBlock));
    Node& n = blocks_.back()[size_ % kBlock];
    n.move = c;
    n.parent = parent;
    return int(size_++);
  }
  const Node& operator[](int i) const { return blocks_[size_t(i) / kBlock][size_t(i) % kBlock]; }
  size_t Bytes() const { return blocks_.size() * kBlock * sizeof(Node); }
  // What the next block would add: the store must stay under the cap after it.
  static constexpr size_t BlockBytes() { return kBlock * sizeof(Node); }

 private:
  std::vector<std::unique_ptr<Node[]>> blocks_;
  size_t size_ = 0;
};

struct Open {
  int rating;
  int depth;
  uint32_t seq;
  int node;
};

// Best rated first; among equals the deeper position (the search then
// dives like a depth-first one where the rating has nothing to say), then
// the newest.
struct OpenOrder {
  bool operator()(const Open& a, const Open& b) const {
    if (a.rating != b.rating) return a.rating < b.rating;
    if (a.depth != b.depth) return a.depth < b.depth;
    return a.seq < b.seq;
  }
};

class Heap : public std::priority_queue<Open, std::vector<Open>, OpenOrder> {
 public:
  size_t Bytes() const { return c.capacity() * sizeof(Open); }
};

enum class RoundEnd { Won, Exhausted, Cut, Stopped };

// One search from the start with its own order: `seed` 0 the family's
// ratings as they are, else each position's rating shifted by a noise fixed
// by its digest, so that the round follows other lines among the many that
// rate alike.
RoundEnd Round(const Family& family, const Pos& start, const Limits& limits, double t0,
               long long allowance, uint64_t seed, Outcome& out) {
  constexpr int kNoise = 96;  // largest shift: one and a half cards home
  DigestSet seen;
  NodeStore nodes;
  Heap open;
  std::vector<Child> kids, scratch;
  uint32_t seq = 0;
  auto bytes = [&] { return seen.Bytes() + nodes.Bytes() + open.Bytes(); };
  auto rate = [&](const Pos& p, uint64_t digest) {
    int r = family.Rate(p);
    if (seed) r += int(((digest ^ seed) * 0x9e3779b97f4a7c15ULL >> 40) % (kNoise + 1));
    return r;
  };

  Child root;
  root.pos = start;
  const uint64_t d0 = family.SeenDigest(start);
  seen.Insert(d0);
  open.push({rate(start, d0), 0, seq++, nodes.Add(root, -1)});

  for (long long expanded = 0; !open.empty(); ++expanded) {
    // Memory at every position (it is cheap to ask), with room for the
    // next block of nodes, so the store does not pass the cap with it.
    const size_t now = bytes();
    out.peakBytes = std::max(out.peakBytes, now);
    // The heap and the seen set grow by doubling, so either may take its
    // size again within one expansion.
    if (now + NodeStore::BlockBytes() + open.Bytes() + seen.Bytes() > limits.memoryBytes) {
      out.memoryFull = true;
      return RoundEnd::Stopped;
    }
    if (expanded >= allowance) return RoundEnd::Cut;
    if ((out.positions & 63) == 0) {
      if (limits.cancel && limits.cancel->load()) {
        out.cancelled = true;
        return RoundEnd::Stopped;
      }
      if (out.positions >= limits.positions || ThreadCpuSeconds() - t0 > limits.seconds)
        return RoundEnd::Stopped;
    }
    const Open top = open.top();
    open.pop();
    ++out.positions;
    kids.clear();
    family.Moves(nodes[top.node].move.pos, kids);
    if (limits.jumps) AddStockJumps(family, nodes[top.node].move.pos, kids, scratch);

    auto won = std::find_if(kids.begin(), kids.end(), [](const Child& c) { return c.won; });
    if (won != kids.end()) {
      out.line.push_back(*won);
      for (int n = top.node; nodes[n].parent >= 0; n = nodes[n].parent)
        out.line.push_back(nodes[n].move);
      std::reverse(out.line.begin(), out.line.end());
      return RoundEnd::Won;
    }
    // A safe move home is the only one taken (the family says why).
    const bool prune = limits.prune;
    auto safe =
        std::find_if(kids.begin(), kids.end(), [prune](const Child& c) { return prune && c.safe; });
    auto first = safe != kids.end() ? safe : kids.begin();
    auto last = safe != kids.end() ? safe + 1 : kids.end();
    for (auto c = first; c != last; ++c) {
      const uint64_t d = family.SeenDigest(c->pos);
      if (!seen.Insert(d) || (prune && family.Dead(c->pos))) continue;
      c->rating = rate(c->pos, d);
      open.push({c->rating, top.depth + 1, seq++, nodes.Add(*c, top.node)});
    }
  }
  return RoundEnd::Exhausted;
}

}  // namespace

Outcome BestFirst(const Family& family, const Pos& start, const Limits& limits) {
  Outcome out;
  const double t0 = ThreadCpuSeconds();
  if (family.Won(start)) {
    out.answer = Answer::Won;
    return out;
  }
  // Rounds of growing allowance, every other one with noise in the order:
  // a best-first search can also sink its budget into a plateau of
  // positions that rate alike, and another order leaves it behind. Every
  // round searches from scratch, so any of them that runs dry proves the
  // deal lost; the round that gets everything left ends the search.
  long long allowance =
      limits.firstRun > 0 ? limits.firstRun : std::max<long long>(4000, limits.positions / 256);
  for (int round = 0;; ++round) {
    const long long left = limits.positions - out.positions;
    const bool last = left < 3 * allowance;
    ++out.runs;
    const RoundEnd end = Round(family, start, limits, t0, last ? left : allowance,
                               round % 2 == 0 ? 0 : 0x2545f4914f6cdd1dULL * uint64_t(round), out);
    if (end == RoundEnd::Won || end == RoundEnd::Exhausted) {
      out.answer = end == RoundEnd::Won ? Answer::Won : Answer::Lost;
      if (end == RoundEnd::Won) out.line = SpellOutJumps(family, start, out.line);
      break;
    }
    if (end == RoundEnd::Stopped || last) break;
    allowance *= 2;
  }
  out.seconds = ThreadCpuSeconds() - t0;
  return out;
}

}  // namespace core
