// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/core/Search.h"

#include <algorithm>

#include "solver/core/CpuClock.h"
#include "solver/core/DigestSet.h"
#include "solver/core/StockJump.h"

namespace core {

namespace {

// One position on the way down: its moves still to try lie in the shared
// arena from `first`, the one being tried at `next - 1`.
struct Frame {
  size_t first;
  size_t count;
  size_t next;
};

enum class RunEnd { Won, Exhausted, Cut, Stopped };

class Run {
 public:
  Run(const Family& family, const Limits& limits, Outcome& out, double startTime, uint64_t seed)
      : family_(family), limits_(limits), out_(out), startTime_(startTime), seed_(seed) {}

  RunEnd Go(const Pos& start, long long allowance) {
    seen_.Insert(family_.SeenDigest(start));
    if (!Expand(start)) return RunEnd::Won;
    for (long long expanded = 0; !frames_.empty();) {
      Frame& f = frames_.back();
      if (f.next == f.count) {
        arena_.resize(f.first);
        frames_.pop_back();
        continue;
      }
      if (expanded >= allowance) return RunEnd::Cut;
      if ((out_.positions & 63) == 0 && Stop()) return RunEnd::Stopped;
      const size_t at = f.first + f.next++;
      ++expanded;
      ++out_.positions;
      // A copy: expanding may move the arena.
      const Pos pos = arena_[at].pos;
      if (!Expand(pos)) return RunEnd::Won;
    }
    return RunEnd::Exhausted;
  }

  // The moves from the start to the win, once Go has answered Won.
  std::vector<Child> Line() const {
    std::vector<Child> line;
    for (const Frame& f : frames_)
      if (f.next > 0) line.push_back(arena_[f.first + f.next - 1]);
    line.push_back(win_);
    return line;
  }

  size_t Bytes() const {
    return seen_.Bytes() + arena_.capacity() * sizeof(Child) + frames_.capacity() * sizeof(Frame);
  }

 private:
  // Pushes the frame of p's moves to new positions; false when one wins.
  bool Expand(const Pos& p) {
    kids_.clear();
    family_.Moves(p, kids_);
    if (limits_.jumps) AddStockJumps(family_, p, kids_, scratch_);
    const size_t first = arena_.size();
    for (Child& c : kids_) {
      if (c.won) {
        win_ = c;
        return false;
      }
    }
    // A safe move home is the only one tried: whatever wins from here wins
    // after it too (the family says why for each such move).
    const bool prune = limits_.prune;
    auto safe = std::find_if(kids_.begin(), kids_.end(),
                             [prune](const Child& c) { return prune && c.safe; });
    if (safe != kids_.end()) {
      if (seen_.Insert(family_.SeenDigest(safe->pos)) && !family_.Dead(safe->pos))
        arena_.push_back(*safe);
    } else {
      for (Child& c : kids_) {
        const uint64_t d = family_.SeenDigest(c.pos);
        if (!seen_.Insert(d) || (prune && family_.Dead(c.pos))) continue;
        c.rating = family_.Rate(c.pos);
        if (seed_ != 0) c.rating += int(((d ^ seed_) * 0x9e3779b97f4a7c15ULL) >> 57);
        arena_.push_back(c);
      }
      std::stable_sort(arena_.begin() + ptrdiff_t(first), arena_.end(),
                       [](const Child& a, const Child& b) { return a.rating > b.rating; });
    }
    frames_.push_back({first, arena_.size() - first, 0});
    return true;
  }

  bool Stop() {
    if (limits_.cancel && limits_.cancel->load()) {
      out_.cancelled = true;
      return true;
    }
    const size_t bytes = Bytes();
    out_.peakBytes = std::max(out_.peakBytes, bytes);
    if (bytes > limits_.memoryBytes) {
      out_.memoryFull = true;
      return true;
    }
    return out_.positions >= limits_.positions || ThreadCpuSeconds() - startTime_ > limits_.seconds;
  }

  const Family& family_;
  const Limits& limits_;
  Outcome& out_;
  double startTime_;
  uint64_t seed_;
  DigestSet seen_;
  std::vector<Child> arena_;
  std::vector<Frame> frames_;
  std::vector<Child> kids_;
  std::vector<Child> scratch_;
  Child win_;
};

}  // namespace

Outcome Search(const Family& family, const Pos& start, const Limits& limits) {
  Outcome out;
  const double t0 = ThreadCpuSeconds();
  if (family.Won(start)) {
    out.answer = Answer::Won;
    out.seconds = ThreadCpuSeconds() - t0;
    return out;
  }
  // Runs of growing allowance, each from scratch with its own order of
  // equally rated moves: a depth-first search that went down a hopeless
  // line early would otherwise spend the whole budget under it. The run
  // that gets everything left ends the search either way.
  long long allowance =
      limits.firstRun > 0 ? limits.firstRun : std::max<long long>(2000, limits.positions / 1024);
  for (int run = 0;; ++run) {
    const long long left = limits.positions - out.positions;
    const bool last = left < 3 * allowance;
    // Every other run keeps the plain order, further each time.
    Run r(family, limits, out, t0, run % 2 == 0 ? 0 : 0x2545f4914f6cdd1dULL * uint64_t(run));
    ++out.runs;
    const RunEnd end = r.Go(start, last ? left : allowance);
    out.peakBytes = std::max(out.peakBytes, r.Bytes());
    if (end == RunEnd::Won) {
      out.answer = Answer::Won;
      out.line = SpellOutJumps(family, start, r.Line());
      break;
    }
    if (end == RunEnd::Exhausted) {
      out.answer = Answer::Lost;
      break;
    }
    if (end == RunEnd::Stopped || last) break;
    allowance *= 2;
  }
  out.seconds = ThreadCpuSeconds() - t0;
  return out;
}

}  // namespace core
