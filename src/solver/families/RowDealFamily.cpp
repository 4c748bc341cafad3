// SPDX-License-Identifier: GPL-3.0-or-later
// The row-dealing family for the native search: Carlton (23) and Masquerade
// (42). Two packs; eight columns built down in alternating colours, face-up
// runs moving, any card or run onto an empty column; the stock deals a row,
// one card face up onto each column, until it is out; eight foundations up
// in suit from the Ace. In Masquerade a foundation's top card (not an Ace)
// may come back into play. The timer sends Aces up, and with AutoPlay On a
// card that may safely go up.
//
// The column rule stops the timer and nothing after a move onto a column
// starts it again: the automatic play waits for the next stock click, move
// to a foundation or double click. So the position keeps whether the timer
// is off (counter 0), as the table does.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 8;
constexpr int kStock = 8;
constexpr int kFoundations = 8;
constexpr int kAllSuits = 0x1E;
constexpr int kTimerOff = 0;  // the counter

class RowDealFamily : public kit::FoundationFamily {
 public:
  RowDealFamily(bool masquerade, int autoPlay)
      : FoundationFamily({9, kFoundations}), masquerade_(masquerade), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The timer's ticks while it runs. A stopped timer with nothing to do
  // counts as running: the next move starts or stops it anyway, so the two
  // are one position for the search.
  bool Settle(Pos& p) const override {
    if (p.counters[kTimerOff]) {
      Pos on = p;
      on.counters[kTimerOff] = 0;
      if (Tick(on) || !(on == p)) return false;
      p.counters[kTimerOff] = 0;
      return false;
    }
    return Tick(p);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    Pos on = p, off = p;
    on.counters[kTimerOff] = 0;
    off.counters[kTimerOff] = 1;
    // A move home starts the timer, one onto a column stops it.
    auto add = [&](const kit::Made& m) {
      kit::AddFromAnywhere(*this, F_.Has(m.to) ? on : off, m, out);
    };
    if (!p.Empty(kStock)) {
      // A row: one card onto each column in turn while the stock lasts.
      Child& c = out.emplace_back();
      c.pos = on;
      for (int q = 0; q < kColumns && !c.pos.Empty(kStock); ++q) {
        c.pos.Move(kStock, 1, q);
        c.pos.At(q, c.pos.Size(q) - 1) |= kFaceUp;
      }
      c.Add({Step::Click, uint8_t(kStock)});
      c.won = Settle(c.pos);
    }
    const int sources = masquerade_ ? F_.first + F_.count : kColumns;
    for (int s = 0; s < sources; ++s) {
      const Code c = p.Top(s);
      // A foundation keeps the Ace it starts with.
      if (!c || s == kStock || (F_.Has(s) && Rank(c) == 1)) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (f != s && !F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = 0; q < kColumns; ++q)
        if (q != s) kit::AltColourRun(p, s, s < kColumns, q, add);
    }
  }

  // A card home that nothing in play can ever need: an Ace or a Two (only
  // an Ace lies on a Two, and an uncovered Ace goes up by the timer), or a
  // card whose every possible card to lie on it (a rank lower, the other
  // colour) is home. In Masquerade, where foundation cards come back, all
  // cards a rank lower must be home, and so everything below: a card taken
  // back could then only hold cards that are home.
  bool SafeHome(const Pos& p, Code c) const {
    const int others = masquerade_ ? kAllSuits : Black(c) ? (1 << 2 | 1 << 3) : (1 << 1 | 1 << 4);
    return Rank(c) <= 2 || kit::RankHome(p, F_, Rank(c) - 1, others, 2);
  }

  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p) - 8 * p.Size(kStock);
    v += kit::ColumnShape(p, 0, kColumns, FitsAltColourDown);
    return v;
  }

 private:
  bool Tick(Pos& p) const {
    const kit::Row row{0, kColumns};
    return kit::CommonTimer(p, &row, 1, F_, autoPlay_, true, 1, FollowsInSuit);
  }

  bool masquerade_;
  bool autoPlay_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool masquerade) {
  // The stock; the deal pile is gone.
  const auto piles = TablePiles(t, kColumns, {t.Single[2]}, kFoundations);
  std::optional<NativeGame> g =
      BindPiles(piles, std::make_unique<RowDealFamily>(masquerade, autoPlay));
  if (g) {
    g->readCounters = [masquerade, autoPlay](const TablePosition& from, Pos& to) {
      to.counters[kTimerOff] = from.timerOn ? 0 : 1;
      // A stopped timer with nothing to do reads as running, as Settle
      // leaves it: the position is the same.
      if (to.counters[kTimerOff]) {
        Pos settled = to;
        RowDealFamily(masquerade, autoPlay).Settle(settled);
        if (!settled.counters[kTimerOff]) to = settled;
      }
      return true;
    };
    g->writeCounters = [](const Pos& from, TablePosition& to) {
      to.timerOn = from.counters[kTimerOff] == 0;
    };
  }
  return g;
}

std::optional<NativeGame> BindCarlton(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}
std::optional<NativeGame> BindMasquerade(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}

}  // namespace

REGISTER_BEST_FIRST_FAMILY(Carlton, BindCarlton, 23);
REGISTER_BEST_FIRST_FAMILY(Masquerade, BindMasquerade, 42);
