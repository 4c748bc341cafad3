// SPDX-License-Identifier: GPL-3.0-or-later
// Pharaoh (13) for the native search. One pack; four foundations that start
// with two red Aces built up and two black Kings built down, each card of
// the other colour than the one it covers; a stock dealt in rows of four
// onto four columns whose tops only go home; once the stock is used up the
// redeal button gathers the columns (the fourth first, each from its top)
// back into the stock and deals a row, once. Nothing plays automatically.
//
// Counters: 0 the rotation (1 before the redeal, 2 after), 1 the button
// (1 enabled).

#include "rules/PileLayout.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kStock = 0;
constexpr int kFoundations = 4;
constexpr int kFirstColumn = 1 + kFoundations;
constexpr int kColumns = 4;
constexpr int kPiles = kFirstColumn + kColumns;
constexpr int kRotation = 0;
constexpr int kButton = 1;
constexpr int kLastRotation = 2;

class PharaohFamily : public Family {
 public:
  PharaohFamily() {
    for (int i = 0; i < kMaxPiles; ++i)
      groups_[i] = int8_t(!F_.Has(i) ? -1 : i < F_.first + 2 ? 0 : 1);
  }

  const int8_t* Groups() const override { return groups_; }
  int Home(const Pos& p) const override { return F_.Home(p); }
  bool Won(const Pos& p) const override { return F_.Home(p) == 52; }
  bool Settle(Pos& p) const override { return Won(p); }

  static bool Up(int f) { return f < F_.first + 2; }
  // Foundations 1 and 2 go up to the King, 3 and 4 down to the Ace, in
  // alternating colours.
  static bool Fits(const Pos& p, int f, Code c) {
    const Code t = p.Top(f);
    if (!t || Black(t) == Black(c)) return false;
    return Up(f) ? Rank(t) != 13 && FollowsAnySuit(t, c) : Rank(t) != 1 && PrecedesAnySuit(t, c);
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    for (int s = kFirstColumn; s < kPiles; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f) {
        if (!Fits(p, f, c)) continue;
        Child& k = Begin(p, out, s);
        k.pos.Move(s, 1, f);
        k.Add({Step::Click, uint8_t(f)});
        k.won = Won(k.pos);
        k.safe = SafeHome(p, f);
      }
    }
    if (!p.Empty(kStock)) {
      Child& k = Begin(p, out, kStock);
      DealRow(k.pos);
      if (k.pos.Empty(kStock) && k.pos.counters[kRotation] != kLastRotation)
        k.pos.counters[kButton] = 1;
    } else if (p.counters[kButton]) {
      // The redeal: each column from its top into the stock face down, the
      // fourth first, so the first column's bottom card lies on top.
      Child& k = out.emplace_back();
      k.pos = p;
      k.Add({Step::Button, 0});
      for (int col = kPiles - 1; col >= kFirstColumn; --col)
        while (!k.pos.Empty(col)) {
          k.pos.Move(col, 1, kStock);
          k.pos.At(kStock, k.pos.Size(kStock) - 1) &= Code(~kFaceUp);
        }
      k.pos.counters[kRotation] = kLastRotation;
      k.pos.counters[kButton] = 0;
      DealRow(k.pos);
    }
  }

  // A card home that no line can regret, once the redeal is spent (before
  // it, taking a card out of a column changes what the redeal deals where).
  // Cards of each colour and rank go one way only, one onto each of the
  // two foundations of that way; when neither of them lags behind the card,
  // each card of its rank still out finds one, so this one cannot take a
  // foundation another needed.
  bool SafeHome(const Pos& p, int f) const {
    if (p.counters[kRotation] != kLastRotation) return false;
    const int pair = Up(f) ? F_.first : F_.first + 2;
    return p.Size(pair) >= p.Size(f) && p.Size(pair + 1) >= p.Size(f);
  }

  // The foundations count only by how high each has come.
  uint64_t SeenDigest(const Pos& p) const override {
    return DigestBy(p, groups_, [](const Pos& q, int i) {
      return F_.Has(i) ? uint64_t(q.Size(i)) : PileHash(q, i);
    });
  }

  int Rate(const Pos& p) const override { return 64 * F_.Home(p) - 16 * p.Size(kStock); }

  const kit::Foundations& F() const { return F_; }

 private:
  static Child& Begin(const Pos& p, std::vector<Child>& out, int from) {
    Child& k = out.emplace_back();
    k.pos = p;
    k.Add({Step::Click, uint8_t(from)});
    return k;
  }

  // One card face up onto each column while the stock lasts.
  static void DealRow(Pos& p) {
    for (int col = kFirstColumn; col < kPiles && !p.Empty(kStock); ++col) {
      p.Move(kStock, 1, col);
      p.At(col, p.Size(col) - 1) |= kFaceUp;
    }
  }

  static constexpr kit::Foundations F_{1, kFoundations};
  int8_t groups_[kMaxPiles] = {};
};

std::optional<NativeGame> BindPharaoh(const TTable& t, int) {
  std::vector<const TDeck*> piles{t.Single[2]};  // the stock
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  for (int i = 1; i <= kColumns; ++i)
    piles.push_back(t.Tableau[i]);
  std::optional<NativeGame> g = BindPiles(piles, std::make_unique<PharaohFamily>());
  if (!g) return g;
  g->readCounters = [](const TablePosition& from, Pos& to) {
    if (from.rotation < 1 || from.rotation > kLastRotation || from.redealButton < 0) return false;
    to.counters[kRotation] = int16_t(from.rotation);
    to.counters[kButton] = int16_t(from.redealButton);
    return true;
  };
  // The stock shows the exhausted mark once it is dealt out after the
  // redeal; the button follows the counter.
  g->writeCounters = [stock = g->deckIds[kStock]](const Pos& from, TablePosition& to) {
    to.rotation = from.counters[kRotation];
    to.redealButton = from.counters[kButton];
    const bool spent = from.counters[kRotation] == kLastRotation && from.Empty(kStock);
    SetPileLook(to, stock, int(spent ? Look::NoRedeal : Look::Ring));
  };
  return g;
}

}  // namespace

REGISTER_FAMILY(Pharaoh, BindPharaoh, 13);
