// SPDX-License-Identifier: GPL-3.0-or-later
// The Emperor family for the native search: Emperor (38), Number Ten (39)
// and Indian (40). Two packs; ten columns whose lower cards lie face down,
// the card a move uncovers turned up at once; a stock turned one card at a
// time onto the waste and gone through once; eight foundations up in suit
// from the Ace. Emperor's and Number Ten's columns go down in alternating
// colours and face-up runs move; Indian's take one card, a rank lower in
// any other suit. The timer sends Aces up, and with AutoPlay On a card that
// may safely go up.

#include "rules/Table.h"
#include "solver/Native.h"
#include "solver/families/FamilyKit.h"

namespace {

using namespace core;

constexpr int kColumns = 10;
constexpr int kWaste = 10;
constexpr int kStock = 11;
constexpr int kFoundations = 8;
constexpr int kAllSuits = 0x1E;

class EmperorFamily : public kit::FoundationFamily {
 public:
  EmperorFamily(bool indian, int autoPlay)
      : FoundationFamily({12, kFoundations}), indian_(indian), autoPlay_(autoPlay == 0) {
    Group(0, kColumns, 0);
    Group(F_.first, F_.first + F_.count, 1);
  }

  // The common timer, with the card each of its moves uncovers turned up
  // before the next look (the foundations turn it up after the move).
  bool Settle(Pos& p) const override {
    const kit::Row row{0, kColumns, kWaste};
    kit::TurnUpTops(p, 0, kColumns);
    for (;;) {
      bool moved = kit::PlaceBase(p, row, F_, 1);
      kit::TurnUpTops(p, 0, kColumns);
      if (autoPlay_ && kit::PlayUp(p, row, F_, true, 1, FollowsInSuit)) {
        moved = true;
        kit::TurnUpTops(p, 0, kColumns);
      }
      if (F_.AllFull(p)) return true;
      if (!moved) return false;
    }
  }

  void Moves(const Pos& p, std::vector<Child>& out) const override {
    auto add = [&](const kit::Made& m) { kit::Add(*this, p, m, out); };
    kit::TurnStock(*this, p, kStock, kWaste, out);
    for (int s = 0; s <= kWaste; ++s) {
      const Code c = p.Top(s);
      if (!c) continue;
      for (int f = F_.first; f < F_.first + F_.count; ++f)
        if (!F_.Complete(p, f) && FollowsInSuit(p.Top(f), c)) add({s, 1, f});
      for (int q = 0; q < kColumns; ++q) {
        if (q == s) continue;
        if (!indian_) {
          kit::AltColourRun(p, s, s < kColumns, q, add);
        } else if (const Code t = p.Top(q); !t || (PrecedesAnySuit(t, c) && Suit(t) != Suit(c))) {
          add({s, 1, q});
        }
      }
    }
  }

  // A card home that nothing in play can ever need: an Ace or a Two (only
  // an Ace lies on a Two, and an uncovered Ace goes up by the timer), or a
  // card whose every possible card to lie on it (a rank lower, of the other
  // colour; in Indian of any other suit) is home already: foundation cards
  // never come back.
  bool SafeHome(const Pos& p, Code c) const {
    if (Rank(c) <= 2) return true;
    const int others =
        indian_ ? kAllSuits & ~(1 << Suit(c)) : (Black(c) ? (1 << 2 | 1 << 3) : (1 << 1 | 1 << 4));
    return kit::RankHome(p, F_, Rank(c) - 1, others, 2);
  }

  int Rate(const Pos& p) const override {
    const kit::NextUp needed(p, F_);
    int v = 64 * F_.Home(p) - 4 * kit::BuriedNeed(p, 0, kColumns, needed) - 16 * p.Size(kWaste);
    for (int i = 0; i < kColumns; ++i) {
      if (p.Empty(i)) v += 24;
      for (int d = 0, n = p.Size(i); d < n; ++d)
        if (!FaceUp(p.FromTop(i, d))) v -= 12;
    }
    return v;
  }

 private:
  bool indian_;
  bool autoPlay_;
};

std::optional<NativeGame> Bind(const TTable& t, int autoPlay, bool indian) {
  const auto piles = TablePiles(t, kColumns, {t.Single[1], t.Single[2]}, kFoundations);
  return BindPiles(piles, std::make_unique<EmperorFamily>(indian, autoPlay));
}

std::optional<NativeGame> BindEmperor(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, false);
}
std::optional<NativeGame> BindIndian(const TTable& t, int autoPlay) {
  return Bind(t, autoPlay, true);
}

}  // namespace

// Searched depth first: the best-first search wandered among the many
// arrangements of alternating-colour runs that rate alike (deals 1..10:
// Emperor 0 won against 7, Indian 4 against 8). The reference search still
// decides more of these deals (docs/solver-figures.md), so it stays first.
REGISTER_FAMILY_NOT_FIRST(Emperor, BindEmperor, 38, 39);
REGISTER_FAMILY_NOT_FIRST(Indian, BindIndian, 40);
