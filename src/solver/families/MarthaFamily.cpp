// SPDX-License-Identifier: GPL-3.0-or-later
// Martha (37) for the native search. One pack; the Aces start the four
// foundations, built up in suit; twelve columns of four, face down and face
// up in turn, built down in alternating colours (a King on an Ace). A
// face-up run moves as a whole onto a card, but an empty column takes one
// card only; a card a move uncovers turns face up. No stock. With AutoPlay
// On the timer sends up a card no more than one rank above the lowest
// foundation.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 12;
constexpr int kFoundations = 4;

class MarthaFamily : public kit::FoundationFamily {
 public:
  explicit MarthaFamily(int autoPlay)
      : FoundationFamily({kColumns, kFoundations}), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The card a move uncovered turns up; then (On) the timer's safe cards
  // go up one at a time, each uncovering the next.
  bool Settle(Pos& p) const override {
    const kit::Row row{0, kColumns};
    for (;;) {
      kit::TurnUpTops(p, 0, kColumns);
      if (F_.AllFull(p)) return true;
      if (!autoPlay_ || !kit::PlayUp(p, row, F_, true, 1, FollowsInSuit)) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kColumns; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      kit::ToFoundations(p, F_, s, FollowsInSuit, add);
      for (int q = 0; q < kColumns; ++q) {
        if (q == s) continue;
        if (p.Empty(q))
          add({s, 1, q});  // one card only, so the player is never asked
        else
          kit::AltColourRun(p, s, true, q, add);
      }
    }
  }

  bool SafeHome(const Pos& p, Code c) const { return kit::AltColourSafeHome(p, F_, c); }

  // Cards home first, then the cards they wait for near the tops, empty
  // columns and ordered runs, and face-down cards turned.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 8 * kit::BuriedNeed(p, 0, kColumns, F_.WaitedFor(p)) +
            kit::ColumnShape(p, 0, kColumns, FitsAltColourDown);
    for (int i = 0; i < kColumns; ++i)
      for (int k = 0, n = p.Size(i); k < n; ++k)
        v -= FaceUp(p.At(i, k)) ? 0 : 16;
    return v;
  }

 private:
  bool autoPlay_;
};

std::optional<NativeGame> BindMartha(const TTable& t, int autoPlay) {
  return BindPiles(TablePiles(t, kColumns, {}, kFoundations),
                   std::make_unique<MarthaFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY(Martha, BindMartha, 37);
