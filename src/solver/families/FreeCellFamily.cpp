// SPDX-License-Identifier: GPL-3.0-or-later
// The free-cell family for the native search: FreeCell (32), Castle (28)
// and King Albert (6). All face up, no stock; columns whose runs move at
// once through the empty piles (N empty piles: N + 1 cards, onto an empty
// column the whole run or its top card as the player answers); single-card
// piles beside them (FreeCell's and Castle's cells take a card while empty,
// King Albert's reserve only gives); four foundations up in suit from the
// Ace, fed by the timer's Aces and, with AutoPlay On, its safe cards.
//
// The rules here mirror the games' own handlers move for move; the
// reference check (tests/solver/NativeCheckTest.cpp) compares both on
// thousands of positions.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

enum class Fit { AltColourDown, InSuitEitherWay };

struct Shape {
  int columns;
  int cells;
  bool cellsTake;        // a cell takes a card while empty (else it only gives)
  bool cellsPark;        // empty cells park the cards of a run
  bool foundationsGive;  // a foundation's top card other than an Ace comes back
  bool oneTimerGroup;    // the timer reads columns and cells as one row
  Fit fit;
};

constexpr int kFoundations = 4;

class FreeCellFamily : public Family {
 public:
  FreeCellFamily(const Shape& s, int autoPlay)
      : s_(s), autoPlay_(autoPlay == 0), F_{s.columns + s.cells, kFoundations} {
    for (int i = 0; i < Piles(); ++i)
      groups_[i] = int8_t(i < s_.columns ? 0 : i < s_.columns + s_.cells ? 1 : 2);
  }

  int Piles() const { return s_.columns + s_.cells + kFoundations; }
  bool IsCell(int p) const { return p >= s_.columns && p < s_.columns + s_.cells; }
  // The piles a run is parked in: columns, then (FreeCell, Castle) cells.
  int Playing() const { return s_.columns + (s_.cellsPark ? s_.cells : 0); }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  bool Fits(Code a, Code b) const {
    if (s_.fit == Fit::AltColourDown) return FitsAltColourDown(a, b);
    return a && b && Suit(a) == Suit(b) && (FollowsAnySuit(a, b) || PrecedesAnySuit(a, b));
  }

  // The timer: per group an Ace from the first pile showing one, then (On)
  // per group one card no higher than one above the lowest foundation;
  // ticks until nothing moves or every foundation is full.
  bool Settle(Pos& p) const override {
    const kit::Row rows[2] = {{0, s_.oneTimerGroup ? Playing() : s_.columns},
                              {s_.columns, s_.columns + s_.cells}};
    return kit::CommonTimer(p, rows, s_.oneTimerGroup ? 1 : 2, F_, autoPlay_, true, 1,
                            FollowsInSuit);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    auto fits = [this](Code a, Code b) { return Fits(a, b); };
    for (int s = 0; s < Piles(); ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      if (F_.Has(s) && (!s_.foundationsGive || Rank(c) == 1)) continue;
      for (int q = 0; q < Piles(); ++q) {
        if (q == s) continue;
        if (F_.Has(q)) {
          if (!F_.Complete(p, q) && FollowsInSuit(p.Top(q), c)) add({s, 1, q});
        } else if (IsCell(q)) {
          if (s_.cellsTake && p.Empty(q)) add({s, 1, q});
        } else {
          kit::FreePileRun(p, s, q, Playing(), fits, add);
        }
      }
    }
  }

  const kit::Foundations& F() const { return F_; }

  // A card home that nothing in play can ever need. An Ace or a Two: the
  // only cards that lie on them are Kings on Aces and Aces on Twos, and an
  // uncovered Ace goes home by the timer before the player moves again.
  // In alternating colours a higher card when both cards of the other
  // colour one rank below are home: nothing else may lie on it, and a
  // foundation card never comes back. In Castle's suits either way a card
  // whose whole rank below is home: the cards that could lie on it are the
  // next of its suit, which may go home after it instead. King Albert's
  // foundations give cards back, so only its Aces and Twos count.
  bool SafeHome(const Pos& p, Code c) const {
    const int r = Rank(c);
    if (r <= 2) return true;
    if (s_.foundationsGive) return false;
    int height[5] = {0, 0, 0, 0, 0};  // by suit
    for (int f = F_.first; f < F_.first + F_.count; ++f)
      if (const Code t = p.Top(f)) height[Suit(t)] = Rank(t);
    for (int suit = 1; suit <= 4; ++suit) {
      const bool otherColour = (suit == 1 || suit == 4) != Black(c);
      if ((s_.fit == Fit::InSuitEitherWay || otherColour) && suit != Suit(c) &&
          height[suit] < r - 1)
        return false;
    }
    return true;
  }

  // Cards home first, then the cards they wait for near the top, empty
  // piles, and ordered runs on top of the columns.
  int Rate(const Pos& p) const override {
    const auto needed = F_.WaitedFor(p);
    int v = 64 * F_.Home(p) - 8 * kit::BuriedNeed(p, 0, s_.columns + s_.cells, needed);
    auto fits = [this](Code a, Code b) { return Fits(a, b); };
    for (int i = 0; i < s_.columns + s_.cells; ++i) {
      if (p.Empty(i)) {
        v += i < s_.columns ? 24 : 12;
      } else if (i < s_.columns) {
        for (int run = 0; kit::OnRun(p, i, run, fits); ++run)
          v += 2;
      }
    }
    return v;
  }

 private:
  Shape s_;
  bool autoPlay_;
  kit::Foundations F_;
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, const Shape& s) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= s.columns; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= s.cells; ++i)
    piles.push_back(t.Reserve[i]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  return BindPiles(piles, std::make_unique<FreeCellFamily>(s, autoPlay));
}

std::optional<NativeGame> BindFreeCell(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {8, 4, true, true, false, true, Fit::AltColourDown});
}
std::optional<NativeGame> BindCastle(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {10, 2, true, true, false, false, Fit::InSuitEitherWay});
}
std::optional<NativeGame> BindKingAlbert(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, {9, 7, false, false, true, false, Fit::AltColourDown});
}

}  // namespace

REGISTER_FAMILY(FreeCell, BindFreeCell, 32);
REGISTER_FAMILY(Castle, BindCastle, 28);
REGISTER_FAMILY(KingAlbert, BindKingAlbert, 6);
