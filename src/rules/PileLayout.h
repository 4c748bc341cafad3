// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a deal describes a pile: where it lies, how its cards fan out, what it
// shows while empty and the role its rules know it by. Written the way the
// layout tables read:
//
//   MakePile({.left = 10, .top = 115, .vShift = 20, .showsCard = true,
//             .role = Role::Column});
//
// The numbers behind Look and Role are the ones the card table paints by and
// the dump prints (TDeck::ShowEmpty, TDeck::Tag), so they never change.

#include "cardtable/Deck.h"

// What an empty pile shows.
enum class Look : int {
  Blank = 0,       // nothing, or an etched outline with "show empty piles" on
  Foundation = 1,  // the bevelled frame; a card arriving here scores
  NoRedeal = 2,    // a red cross: a stock with no redeal left
  Ring = 3,        // a green ring: a free cell, or a stock that still redeals
  None = 4,        // nothing ever (the piles that live only while dealing)
};

// The role a pile's rules know it by. The shared rules read Column, Reserve
// and Closed; Marked, Second and Third are marks a game gives its own piles
// (each game file names what they mean there), RowBase + i numbers the i-th
// pile of a row whose rules count along it.
enum class Role : int {
  Plain = 0,    // no rule asks
  Marked = 1,   // the game's first own mark
  Second = 2,   // the game's second own mark
  Third = 3,    // the game's third own mark
  Column = 4,   // a column whose face-up runs move as a whole
  Reserve = 5,  // the reserve that refills emptied columns
  RowBase = 10,
  Closed = 15,  // gives nothing: no card may be taken from it
};

// The role of the i-th pile of a counted row, and back.
constexpr Role RowRole(int i) {
  return Role(int(Role::RowBase) + i);
}
inline int RowIndex(const TDeck* d) {
  return d ? d->Tag - int(Role::RowBase) : 0;
}

inline bool HasRole(const TDeck* d, Role r) {
  return d && d->Tag == int(r);
}
inline bool HasLook(const TDeck* d, Look l) {
  return d && d->ShowEmpty() == int(l);
}
inline void SetLook(TDeck* d, Look l) {
  if (d) d->SetShowEmpty(int(l));
}

struct PileLayout {
  int left = 0;
  int top = 0;
  int vShift = 0;  // downward step between fanned cards
  int gShift = 0;  // sideways step between fanned cards
  Look look = Look::Blank;
  bool showsCard = false;  // a right click on a covered card shows it
  Role role = Role::Plain;
};
