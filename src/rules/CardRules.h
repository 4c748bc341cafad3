// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card comparisons every rule is written with. A is usually the top card
// of a pile (nullptr when the pile is empty), B the card offered. Ranks are
// circular: one rank above a King is an Ace.

#include "cardtable/Cardscmp.h"

namespace CardRules {

inline int NextRank(int rank) {
  return rank % 13 + 1;
}
inline bool OtherColour(const TCard* a, const TCard* b) {
  return a && b && IsBlackSuit(a->Suit()) != IsBlackSuit(b->Suit());
}
// B is one rank higher than A in the same suit.
inline bool FollowsInSuit(const TCard* a, const TCard* b) {
  return a && b && a->Suit() == b->Suit() && NextRank(a->Rank()) == b->Rank();
}
// B is one rank higher than A, any suit.
inline bool FollowsAnySuit(const TCard* a, const TCard* b) {
  return a && b && NextRank(a->Rank()) == b->Rank();
}
inline bool FollowsOtherColour(const TCard* a, const TCard* b) {
  return FollowsAnySuit(a, b) && OtherColour(a, b);
}
// B is one rank lower than A in the same suit.
inline bool PrecedesInSuit(const TCard* a, const TCard* b) {
  return a && b && a->Suit() == b->Suit() && NextRank(b->Rank()) == a->Rank();
}
// B is one rank lower than A, any suit.
inline bool PrecedesAnySuit(const TCard* a, const TCard* b) {
  return a && b && NextRank(b->Rank()) == a->Rank();
}
// B may lie on A in a column built down in alternating colours; an absent B
// always fits.
inline bool FitsAltColourDown(const TCard* a, const TCard* b) {
  if (!b) return true;
  return a && OtherColour(a, b) && PrecedesAnySuit(a, b);
}

using Comparison = bool (*)(const TCard*, const TCard*);

}  // namespace CardRules
