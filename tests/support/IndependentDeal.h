// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deal rules written again from their definition, independently of the
// program's code, so that tests can state what a numbered deal must give.
//   generator: state := state * 134775813 + 1 (mod 2^32); a draw in 1..n is
//   the high 32 bits of n * state, plus 1.
//   cards: pool number (pack - 1) * 52 + (suit - 1) * 13 + rank, written as
//   the dump writes them ("QH", "qh" face down, "QH2" for the second pack).

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace independent {

struct Generator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
};

// The deal pile of a numbered deal: pool numbers 1..count, bottom first;
// each Draw takes the c-th card from the top, c drawn by the generator.
struct DealPile {
  DealPile(uint32_t number, int count) : g{number} {
    for (int n = 1; n <= count; ++n)
      cards.push_back(n);
  }
  int Draw() {
    auto it = cards.end() - g.Draw(int(cards.size()));
    const int n = *it;
    cards.erase(it);
    return n;
  }
  Generator g;
  std::vector<int> cards;  // what is left, bottom first
};

inline std::string Name(int n, bool faceUp = true) {
  static const char* kRanks = "A23456789TJQK";
  static const char* kSuits = "CDHS";
  const int m = (n - 1) % 52;
  std::string s{kRanks[m % 13], kSuits[m / 13]};
  if (!faceUp) s = {char(std::tolower(s[0])), char(std::tolower(s[1]))};
  if (n > 52) s += '2';
  return s;
}

}  // namespace independent
