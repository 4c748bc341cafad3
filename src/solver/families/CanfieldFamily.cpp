// SPDX-License-Identifier: GPL-3.0-or-later
// Canfield (3) and Short Solitaire (18) for the native search. One pack;
// a click on the stock lays the turn pile onto the waste and turns up to
// three cards onto the turn pile; a click on the empty stock turns turn
// pile and waste back, as often as the player likes. The waste's top card
// plays only once the turn pile is played out (the turn pile covers it).
// Foundations climb from the base rank, the rank of the card the deal put
// on the first foundation, round the corner to 13 cards; an empty one takes
// its base card only from the timer.
//
// Canfield: foundations in suit; four columns down in alternating colours
// whose runs move as a whole (onto an empty column the player chooses the
// run or its top card); a column a move empties takes the reserve's top
// card at once, and the reserve's next card turns up. The timer sends base
// cards up from the reserve and from the turn pile (the bare waste when it
// is empty). Short Solitaire: foundations in any suit; six columns down in
// any suit, single cards, an empty one taking only the card just below the
// base rank. The timer sends base cards up from the columns, the turn pile
// and the uncovered waste, then (AutoPlay On) a card no more than one rank
// above the lowest foundation from the columns and the waste, and one from
// the columns and the turn pile.
//
// Positions: the columns, the waste, the turn pile, the stock, the reserve
// (Canfield), the foundations. Counter 0 is where the turn pile lies: it is
// laid over the waste's top card at each click on the stock, and the waste
// stacks its cards a step further every nine, so the turn pile's place is
// part of the table (though no rule reads it).

#include "cardtable/Deck.h"
#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kFoundations = 4;
constexpr int kTurned = 3;
constexpr int kTurnPlace = 0;  // counter: the turn pile's offset from the waste's place

// The offset of the top card of a waste of n cards (stacked, a step of two
// every nine cards), or of the bare waste.
int TopCardOffset(int n) {
  return n == 0 ? 0 : (n - 1) / 9 * 2;
}

class CanfieldFamily : public kit::FoundationFamily {
 public:
  CanfieldFamily(bool classic, int base, int autoPlay)
      : FoundationFamily({Columns(classic) + 3 + classic, kFoundations}),
        classic_(classic),
        base_(base),
        autoPlay_(autoPlay == 0),
        waste_(Columns(classic)),
        turn_(waste_ + 1),
        stock_(turn_ + 1),
        reserve_(classic ? stock_ + 1 : -1) {
    Group(0, waste_, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  static int Columns(bool classic) { return classic ? 4 : 6; }
  int Height(Code c) const { return (Rank(c) - base_ + 13) % 13 + 1; }
  bool Up(Code top, Code c) const {
    return classic_ ? FollowsInSuit(top, c) : FollowsAnySuit(top, c);
  }

  bool Settle(Pos& p) const override { return classic_ ? SettleCanfield(p) : SettleShort(p); }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    StockClick(p, out);
    auto add = [&](const kit::Made& m) {
      Child& c = out.emplace_back();
      c.pos = p;
      c.pos.Move(m.from, m.count, m.to);
      AfterMove(c.pos, m.from);
      c.Add({Step::Click, uint8_t(m.from)});
      if (m.answer >= 0) c.Add({Step::Answer, uint8_t(m.answer)});
      c.Add({Step::Click, uint8_t(m.to)});
      c.won = Settle(c.pos);
      c.safe = F_.Has(m.to) && m.from < waste_ && SafeHome(p, p.Top(m.from));
    };
    for (int s = 0; s < F_.first; ++s) {
      const Code c = p.Top(s);
      if (!c || s == stock_ || (s == waste_ && !p.Empty(turn_))) continue;
      kit::ToFoundations(
          p, F_, s, [this](Code t, Code x) { return Up(t, x); }, add);
      for (int q = 0; q < waste_; ++q) {
        if (q == s) continue;
        if (classic_)
          kit::AltColourRun(p, s, s < waste_, q, add);
        else if (p.Empty(q) ? NextRank(Rank(c)) == base_ : PrecedesAnySuit(p.Top(q), c))
          add({s, 1, q});
      }
    }
  }

  // A card home from a column that no line can regret: every card that may
  // lie on it is home (Canfield: both of the other colour a rank below;
  // Short Solitaire: all four, and then as many foundations wait at the
  // rank below as there are cards of its rank out, so none goes short). A
  // base card never waits off the foundations, so a card just above it is
  // safe. A column emptied early is refilled early from the reserve, whose
  // card can still go wherever it would have gone from the reserve; a card
  // from the waste or the turn pile is never safe, as it changes the threes
  // the stock turns up.
  bool SafeHome(const Pos& p, Code c) const {
    const int h = Height(c);
    if (h <= 2) return true;
    int height[5] = {0, 0, 0, 0, 0};  // by suit, for Canfield
    int lowest = 13;
    for (int f = F_.first; f < F_.first + F_.count; ++f) {
      const Code t = p.Top(f);
      if (t) height[Suit(t)] = Height(t);
      lowest = std::min(lowest, t ? Height(t) : 0);
    }
    if (!classic_) return lowest >= h - 1;
    for (int suit = 1; suit <= 4; ++suit)
      if ((suit == 1 || suit == 4) != Black(c) && height[suit] < h - 1) return false;
    return true;
  }

  // Where the turn pile lies changes nothing the rules allow.
  uint64_t SeenDigest(const Pos& p) const override {
    Pos q = p;
    q.counters[kTurnPlace] = 0;
    return Digest(q, Groups());
  }

  // Cards home first, then the reserve played down, then the cards the
  // foundations wait for near the columns' tops.
  int Rate(const Pos& p) const override {
    int v = 64 * F_.Home(p);
    if (reserve_ >= 0) v -= 16 * p.Size(reserve_);
    if (classic_) v += kit::ColumnShape(p, 0, waste_, FitsAltColourDown);
    return v;
  }

 private:
  // A click on the stock: the turn pile onto the waste and up to three
  // cards turned onto it; on the empty stock, turn pile and waste turned
  // back face down.
  void StockClick(const Pos& p, std::vector<Child>& out) const {
    Child& c = out.emplace_back();
    c.pos = p;
    c.pos.Move(turn_, p.Size(turn_), waste_);
    c.pos.counters[kTurnPlace] = int16_t(TopCardOffset(c.pos.Size(waste_)));
    if (!p.Empty(stock_)) {
      for (int k = 0; k < kTurned && !c.pos.Empty(stock_); ++k) {
        c.pos.Move(stock_, 1, turn_);
        c.pos.At(turn_, c.pos.Size(turn_) - 1) |= kFaceUp;
      }
    } else {
      const int n = c.pos.Size(waste_);
      c.pos.MoveReversed(waste_, n, stock_);
      for (int k = 0; k < n; ++k)
        c.pos.At(stock_, k) ^= kFaceUp;
      c.pos.counters[kTurnPlace] = 0;
    }
    c.Add({Step::Click, uint8_t(stock_)});
    c.won = Settle(c.pos);
    if (!c.won && c.pos == p) out.pop_back();
  }

  // Canfield: a column the move emptied takes the reserve's top card, and
  // the reserve shows its next card.
  void AfterMove(Pos& p, int source) const {
    if (reserve_ < 0) return;
    if (source < waste_ && p.Empty(source) && !p.Empty(reserve_)) p.Move(reserve_, 1, source);
    kit::TurnUpTops(p, reserve_, reserve_ + 1);
  }

  // A base card to the first empty foundation, face up.
  bool BaseUp(Pos& p, int pile) const {
    const Code c = p.Top(pile);
    const int f = F_.FirstEmpty(p);
    if (!c || Rank(c) != base_ || f < 0) return false;
    p.Move(pile, 1, f);
    p.At(f, 0) |= kFaceUp;
    return true;
  }

  bool SettleCanfield(Pos& p) const {
    for (;;) {
      bool moved = BaseUp(p, reserve_);
      kit::TurnUpTops(p, reserve_, reserve_ + 1);
      moved |= BaseUp(p, p.Empty(turn_) ? waste_ : turn_);
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  bool SettleShort(Pos& p) const {
    for (;;) {
      // The waste counts as covered for the whole tick when the turn pile
      // lay on it at its start.
      const int waste = p.Empty(turn_) ? waste_ : -1;
      bool moved = kit::PlaceBase(p, {0, waste_, turn_}, F_, base_);
      if (waste >= 0) moved |= BaseUp(p, waste);
      if (autoPlay_) {
        moved |= kit::PlayUp(p, {0, waste_, waste}, F_, true, base_, FollowsAnySuit);
        moved |= kit::PlayUp(p, {0, waste_, turn_}, F_, true, base_, FollowsAnySuit);
      }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  bool classic_;
  int base_;
  bool autoPlay_;
  int waste_, turn_, stock_, reserve_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool classic) {
  const TDeck* first = t.Foundation[1];
  if (!first || first->CardsCount() == 0) return std::nullopt;
  const int base = first->CardAt(first->CardsCount())->Rank();
  const TTable::PileList& columns = classic ? t.ListB : t.Tableau;
  std::vector<const TDeck*> piles;
  for (int i = 1; i <= CanfieldFamily::Columns(classic); ++i)
    piles.push_back(columns[i]);
  piles.insert(piles.end(), {t.Single[1], t.Single[3], t.Single[2]});
  if (classic) piles.push_back(t.Single[4]);
  for (int i = 1; i <= kFoundations; ++i)
    piles.push_back(t.Foundation[i]);
  std::optional<NativeGame> g =
      BindPiles(piles, std::make_unique<CanfieldFamily>(classic, base, autoPlay));
  if (!g) return g;
  // The turn pile's place (left, top in its header) is read and written
  // against the waste's.
  const int waste = t.Single[1]->DeckID(), turn = t.Single[3]->DeckID();
  g->readCounters = [=](const TablePosition& from, Pos& to) {
    const size_t w = PileHeader(from, waste), h = PileHeader(from, turn);
    if (w == from.piles.size() || h == from.piles.size()) return false;
    const int offset = from.piles[h + 1] - from.piles[w + 1];
    to.counters[kTurnPlace] = int16_t(offset);
    return offset >= 0 && from.piles[h + 2] - from.piles[w + 2] == offset;
  };
  g->writeCounters = [=](const Pos& from, TablePosition& to) {
    const size_t w = PileHeader(to, waste), h = PileHeader(to, turn);
    if (w == to.piles.size() || h == to.piles.size()) return;
    to.piles[h + 1] = uint16_t(to.piles[w + 1] + from.counters[kTurnPlace]);
    to.piles[h + 2] = uint16_t(to.piles[w + 2] + from.counters[kTurnPlace]);
  };
  return g;
}

std::optional<NativeGame> BindCanfield(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}
std::optional<NativeGame> BindShortSolitaire(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}

}  // namespace

REGISTER_FAMILY(Canfield, BindCanfield, 3);
REGISTER_FAMILY_NOT_FIRST(ShortSolitaire, BindShortSolitaire, 18);
