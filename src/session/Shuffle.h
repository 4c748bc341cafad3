// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shuffle generator: one 32-bit linear congruential state from which
// every deal draws, so a game number always reproduces the same deal.

#include <QStringList>
#include <cstdint>

class ShuffleGenerator {
 public:
  void Seed(uint32_t seed) { seed_ = seed; }
  uint32_t State() const { return seed_; }
  // A draw in 0..n-1: step the state, then the high 32 bits of n * state.
  uint32_t Range(uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return uint32_t((uint64_t(n) * uint64_t(seed_)) >> 32);
  }
  // A draw in 1..n.
  int NextRandom(int n) { return int(Range(uint32_t(n))) + 1; }
  // A fresh seed from the UTC clock: milliseconds since midnight.
  static uint32_t ClockSeed();

 private:
  uint32_t seed_ = 0;
};

// The Select Shuffle dialog's list of recent game numbers: newest first, at
// most ten, no duplicates. Lives as long as the program; never saved.
class RecentShuffles {
 public:
  // Puts the number at the top (moving it there when already listed).
  void Add(uint32_t number);
  const QStringList& Items() const { return items_; }
  int Selected() const { return selected_; }

 private:
  QStringList items_;
  int selected_ = -1;
};
