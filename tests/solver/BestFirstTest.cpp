// SPDX-License-Identifier: GPL-3.0-or-later
// The best-first native search on small made-up games, where both searches
// can go everywhere: it must give the depth-first search's verdict on every
// deal, its winning lines must be real moves, and it must stop at its
// memory cap rather than grow past it.

#include <gtest/gtest.h>

#include <random>

#include "solver/core/BestFirst.h"

namespace {

using namespace core;

// One suit of n cards dealt to three columns; a card goes onto the one a
// rank above it, or home in order. Nothing goes onto an empty column, so
// some deals are lost.
class Patience : public Family {
 public:
  static constexpr int kHome = 3;
  explicit Patience(int n) : n_(n) {}

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    for (int s = 0; s < kHome; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      auto add = [&](int to) {
        Child& k = out.emplace_back();
        k.pos = p;
        k.pos.Move(s, 1, to);
        k.Add({Step::Click, uint8_t(s)});
        k.Add({Step::Click, uint8_t(to)});
        k.won = Settle(k.pos);
      };
      if (Rank(c) == p.Size(kHome) + 1) add(kHome);
      for (int q = 0; q < kHome; ++q)
        if (q != s && p.Top(q) && Rank(p.Top(q)) == Rank(c) + 1) add(q);
    }
  }
  bool Settle(Pos& p) const override { return Won(p); }
  bool Won(const Pos& p) const override { return p.Size(kHome) == n_; }
  int Home(const Pos& p) const override { return p.Size(kHome); }
  const int8_t* Groups() const override { return groups_; }

  Pos Deal(std::mt19937& random) const {
    std::vector<Code> cards;
    for (int r = 1; r <= n_; ++r)
      cards.push_back(Code(r) | kFaceUp);
    std::shuffle(cards.begin(), cards.end(), random);
    Pos p;
    for (int s = 0, at = 0; s < kHome; ++s) {
      const int take = (n_ - at) / (kHome - s);
      p.AddPile(cards.data() + at, take);
      at += take;
    }
    p.AddPile(nullptr, 0);
    return p;
  }

 private:
  int n_;
  int8_t groups_[kMaxPiles] = {0, 0, 0, -1};
};

// Never won, and every move leads somewhere new: a binary tree of counters.
class Endless : public Family {
 public:
  void Moves(const Pos& p, std::vector<Child>& out) const override {
    for (int16_t d : {1, 2}) {
      Child& k = out.emplace_back();
      k.pos = p;
      k.pos.counters[0] = int16_t(2 * p.counters[0] + d);
      k.pos.counters[1] = int16_t(p.counters[1] + 1);
    }
  }
  bool Settle(Pos&) const override { return false; }
  bool Won(const Pos&) const override { return false; }
  int Home(const Pos&) const override { return 0; }
};

TEST(BestFirstTest, AgreesWithTheDepthFirstSearchAndItsLinesAreMoves) {
  std::mt19937 random(11);
  int won = 0, lost = 0;
  for (int deal = 0; deal < 300; ++deal) {
    const Patience game(7 + deal % 4);
    const Pos start = game.Deal(random);
    const Outcome depth = Search(game, start, Limits());
    const Outcome best = BestFirst(game, start, Limits());
    SCOPED_TRACE(testing::Message() << "deal " << deal);
    ASSERT_NE(depth.answer, Answer::Unknown);
    ASSERT_EQ(best.answer, depth.answer);
    if (best.answer == Answer::Lost) {
      ++lost;
      continue;
    }
    ++won;
    ASSERT_FALSE(best.line.empty());
    Pos at = start;
    for (const Child& step : best.line) {
      std::vector<Child> moves;
      game.Moves(at, moves);
      ASSERT_TRUE(std::any_of(moves.begin(), moves.end(),
                              [&](const Child& m) { return m.pos == step.pos; }));
      at = step.pos;
    }
    EXPECT_TRUE(game.Won(at));
    EXPECT_TRUE(best.line.back().won);
  }
  // The deals are a real mix of both verdicts.
  EXPECT_GT(won, 15);
  EXPECT_GT(lost, 15);
}

TEST(BestFirstTest, StopsAtItsMemoryCap) {
  const Endless game;
  Limits limits;
  limits.seconds = 30;
  limits.positions = 100000000;
  limits.memoryBytes = size_t(8) << 20;
  const Outcome o = BestFirst(game, Pos(), limits);
  EXPECT_EQ(o.answer, Answer::Unknown);
  EXPECT_TRUE(o.memoryFull);
  EXPECT_LE(o.peakBytes, limits.memoryBytes);
  EXPECT_GT(o.peakBytes, limits.memoryBytes / 2);
}

}  // namespace
