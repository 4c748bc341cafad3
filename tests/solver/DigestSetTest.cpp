// SPDX-License-Identifier: GPL-3.0-or-later
// The seen-set must never claim a digest it was not given: the search would
// skip a position it never expanded and could call a winnable deal lost.

#include <gtest/gtest.h>

#include <random>
#include <unordered_set>

#include "solver/core/DigestSet.h"

TEST(DigestSetTest, AgreesWithAStandardSetThroughGrowthAndMerge) {
  std::mt19937_64 rng(7);
  DigestSet a, b;
  std::unordered_set<uint64_t> inA, inB;
  // Zero (the empty-slot mark), digests that share their slot bits, and
  // random ones, enough to make both sets grow several times.
  std::vector<uint64_t> digests = {0, 1, uint64_t(1) << 63, ~uint64_t(0)};
  for (uint64_t i = 1; i <= 64; ++i)
    digests.push_back(i << 40);  // same low bits, clustered slots
  for (int i = 0; i < 20000; ++i)
    digests.push_back(rng() % 30000);  // many repeats
  for (size_t i = 0; i < digests.size(); ++i) {
    const uint64_t d = digests[i];
    DigestSet& set = i % 3 ? a : b;
    auto& ref = i % 3 ? inA : inB;
    ASSERT_EQ(set.Insert(d), ref.insert(d).second) << d;
  }
  EXPECT_EQ(a.Size(), inA.size());
  for (uint64_t d = 0; d < 30000; ++d)
    ASSERT_EQ(b.Contains(d), inB.count(d) > 0) << d;

  a.Merge(b);
  inA.insert(inB.begin(), inB.end());
  EXPECT_EQ(a.Size(), inA.size());
  EXPECT_EQ(b.Size(), 0u);
  EXPECT_FALSE(b.Contains(0));
  for (uint64_t d : digests)
    ASSERT_TRUE(a.Contains(d)) << d;
  for (int i = 0; i < 2000; ++i) {
    const uint64_t d = rng() | (uint64_t(1) << 62);  // far from the small ones
    ASSERT_EQ(a.Contains(d), inA.count(d) > 0) << d;
  }
}
