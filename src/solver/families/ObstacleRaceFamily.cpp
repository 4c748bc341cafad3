// SPDX-License-Identifier: GPL-3.0-or-later
// Obstacle-race (5) for the native search. One pack; six columns in which
// face-down and face-up cards alternate, built down in alternating colours,
// their face-up runs moving whole (onto an empty column the whole run or
// its top card, as the player answers), the card a move uncovers turned
// up; sixteen reserve cards that only give; four foundations up in suit
// from the Ace. The timer sends Aces up from the columns, then from the
// reserve, and with AutoPlay On a safe card from each.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kFoundations = 4;
constexpr int kColumns = 6;
constexpr int kReserves = 16;
constexpr int kFirstColumn = kFoundations;
constexpr int kFirstReserve = kFirstColumn + kColumns;
constexpr int kPiles = kFirstReserve + kReserves;

class ObstacleRaceFamily : public Family {
 public:
  explicit ObstacleRaceFamily(int autoPlay) : autoPlay_(autoPlay == 0) {
    // Columns under one rule, reserve cards that only give, foundations
    // that build one suit each: each set may swap its contents.
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(i < kFirstColumn ? 0 : i < kFirstReserve ? 1 : 2);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.AllFull(p); }

  // Tick by tick: an Ace from the columns, one from the reserve, then (On)
  // a safe card from each; a column's uncovered card turns up after it.
  bool Settle(Pos& p) const override {
    const kit::Row rows[2] = {{kFirstColumn, kFirstReserve}, {kFirstReserve, kPiles}};
    for (;;) {
      bool moved = false;
      for (const kit::Row& row : rows)
        moved |= kit::PlaceBase(p, row, F_, 1);
      if (autoPlay_)
        for (const kit::Row& row : rows)
          moved |= kit::PlayUp(p, row, F_, true, 1, FollowsInSuit);
      kit::TurnUpTops(p, kFirstColumn, kFirstReserve);
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) {
      Child& c = out.emplace_back();
      c.pos = p;
      c.pos.Move(m.from, m.count, m.to);
      kit::TurnUpTops(c.pos, kFirstColumn, kFirstReserve);
      c.Add({Step::Click, uint8_t(m.from)});
      if (m.answer >= 0) c.Add({Step::Answer, uint8_t(m.answer)});
      c.Add({Step::Click, uint8_t(m.to)});
      c.won = Settle(c.pos);
      c.safe = F_.Has(m.to) && kit::AltColourSafeHome(p, F_, p.Top(m.from));
    };
    for (int s = kFirstColumn; s < kPiles; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = kFirstColumn; q < kFirstReserve; ++q)
        if (q != s) kit::WholeRun(p, s, q, s < kFirstReserve, FitsAltColourDown, add);
    }
  }

  const kit::Foundations& F() const { return F_; }

  // Cards home first, then the cards they wait for near the tops, face-down
  // cards turned up, the reserve played out.
  int Rate(const Pos& p) const override {
    const auto needed = F_.WaitedFor(p);
    int v = 64 * F_.Home(p) - 8 * kit::BuriedNeed(p, kFirstColumn, kFirstReserve, needed);
    for (int i = kFirstColumn; i < kFirstReserve; ++i) {
      if (p.Empty(i)) v += 24;
      for (int k = 0, n = p.Size(i); k < n; ++k)
        v -= FaceUp(p.At(i, k)) ? 0 : 16;
    }
    for (int i = kFirstReserve; i < kPiles; ++i)
      v += p.Empty(i) ? 8 : 0;
    return v;
  }

 private:
  bool autoPlay_;
  kit::Foundations F_{0, kFoundations};
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> BindObstacleRace(const TTable& t, int autoPlay) {
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  for (int i = 1; i <= kReserves; ++i)
    piles.push_back(t.Reserve[i]);
  return BindPiles(piles, std::make_unique<ObstacleRaceFamily>(autoPlay));
}

}  // namespace

REGISTER_FAMILY(ObstacleRace, BindObstacleRace, 5);
