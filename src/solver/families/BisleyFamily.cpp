// SPDX-License-Identifier: GPL-3.0-or-later
// Bisley (10) for the native search. One pack, all face up, no stock. The
// Aces start four Ace foundations built up in suit; beside each, a King
// foundation of the same suit built down, started by its King the moment
// the King tops a column. When the two foundations of a suit meet, the King
// foundation is stacked onto the Ace foundation. Twelve columns built up or
// down in suit one card at a time (an Ace and a King of a suit meet); an
// empty column takes nothing. Won when the Ace foundations are full.
//
// Positions: the columns, the Ace foundations (suit 1..4), then the King
// foundations in the same order.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 12;
constexpr int kSuits = 4;
constexpr int kAces = kColumns;
constexpr int kKings = kAces + kSuits;

bool FitsColumn(Code t, Code c) {
  return t && c && Suit(t) == Suit(c) && (FollowsAnySuit(t, c) || PrecedesAnySuit(t, c));
}

class BisleyFamily : public kit::FoundationFamily {
 public:
  explicit BisleyFamily(int autoPlay)
      : FoundationFamily({kAces, 2 * kSuits}), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
  }

  static int AcesOf(Code c) { return kAces + Suit(c) - 1; }
  static int KingsOf(Code c) { return kKings + Suit(c) - 1; }

  bool Won(const Pos& p) const override {
    for (int f = kAces; f < kKings; ++f)
      if (p.Size(f) != 13) return false;
    return true;
  }

  // The timer, tick by tick until it rests: Kings off the columns; (On) a
  // card from every column to its Ace foundation, else its King foundation;
  // foundations that meet stacked together.
  bool Settle(Pos& p) const override {
    for (;;) {
      bool moved = false;
      for (int i = 0; i < kColumns; ++i)
        moved |= KingUp(p, i);
      for (int i = 0; autoPlay_ && i < kColumns; ++i) {
        const Code c = p.Top(i);
        if (!c) continue;
        const int to = Rank(c) == 13                          ? KingsOf(c)
                       : FollowsInSuit(p.Top(AcesOf(c)), c)   ? AcesOf(c)
                       : PrecedesInSuit(p.Top(KingsOf(c)), c) ? KingsOf(c)
                                                              : -1;
        if (to >= 0) {
          p.Move(i, 1, to);
          moved = true;
        }
      }
      for (int s = 0; s < kSuits; ++s)
        if (FollowsAnySuit(p.Top(kAces + s), p.Top(kKings + s))) {
          p.MoveReversed(kKings + s, p.Size(kKings + s), kAces + s);
          moved = true;
        }
      if (Won(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    for (int s = 0; s < kColumns; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      if (!F_.Complete(p, AcesOf(c)) && FollowsInSuit(p.Top(AcesOf(c)), c)) add({s, 1, AcesOf(c)});
      if (PrecedesInSuit(p.Top(KingsOf(c)), c)) add({s, 1, KingsOf(c)});
      for (int q = 0; q < kColumns; ++q)
        if (q != s && FitsColumn(p.Top(q), c)) add({s, 1, q});
    }
  }

  // Every card home is safe. A column takes only the cards of its top's
  // suit one rank either side and an empty one takes nothing, so a table
  // with more cards home (the rest lying as before) can follow any line
  // from the other: a move of a card it has home is left out, and a card
  // laid onto one it has home goes home itself (it is the next of the
  // foundation that holds it, or home already). A foundation never gives
  // a card back.
  bool SafeHome(const Pos&, Code) const { return true; }

  // Cards home first, then few cards lying over a lower one of their suit
  // (which must go home first and is stuck under it).
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p);
    for (int i = 0; i < kColumns; ++i)
      for (int k = 1, n = p.Size(i); k < n; ++k)
        if (Suit(p.At(i, k)) == Suit(p.At(i, k - 1))) v += 4;
    return v;
  }

 private:
  // A King on top of a column goes to its King foundation.
  static bool KingUp(Pos& p, int column) {
    const Code c = p.Top(column);
    if (!c || Rank(c) != 13) return false;
    p.Move(column, 1, KingsOf(c));
    return true;
  }

  bool autoPlay_;
};

std::optional<NativeGame> BindBisley(const TTable& t, int autoPlay) {
  return BindPiles(TablePiles(t, kColumns, {}, 2 * kSuits),
                   std::make_unique<BisleyFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY(Bisley, BindBisley, 10);
