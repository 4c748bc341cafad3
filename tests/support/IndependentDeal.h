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

namespace independent {

struct Generator {
  uint32_t state;
  int Draw(int n) {
    state = state * 134775813u + 1u;
    return int((uint64_t(uint32_t(n)) * state) >> 32) + 1;
  }
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
