// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle: two packs. Twelve small piles of three cards form a rectangle,
// six along the top and three down each side, round eight foundations. The
// first card dealt to a foundation fixes the base rank of all eight; each is
// built up in suit from the base rank, an Ace following a King, to 13 cards.
// The piles are built down in suit one card at a time, and an empty pile
// takes any card. The stock turns one card at a time onto the waste and is
// gone through once. The game is won when all eight foundations are full.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kFoundations = 8;
constexpr int kPiles = 12;
constexpr int kCardsPerPile = 3;

// Piles 1..6 along the top; 7..12 down the left (odd) and right (even) sides.
int PileLeft(int i) {
  if (i <= 6) return 100 * i + 30;
  return i % 2 ? 130 : 630;
}
int PileTop(int i) {
  if (i <= 6) return 5;
  return ((i - 7) / 2) * 130 + 135;  // 135, 265, 395
}
// Two rows of four inside the rectangle.
int FoundationLeft(int i) {
  return 80 * i - ((i - 1) / 4) * 320 + 180;
}
int FoundationTop(int i) {
  return ((i - 1) / 4) * 110 + 170;
}

}  // namespace

class Rectangle : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // No redeal: the stock is gone through once.
    MakeWasteAndStock({.wasteLeft = 5,
                       .wasteTop = 130,
                       .stockLeft = 5,
                       .stockLook = Look::Ring,
                       .stockRole = Role::Second,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8})});

    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{
              .left = FoundationLeft(i), .top = FoundationTop(i), .look = Look::Foundation};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* p = MakePile(
          {.left = PileLeft(i), .top = PileTop(i), .vShift = 4, .gShift = 2, .role = RowRole(i)});
      p->OnAddWithRule = Rule(&TGame::FrameDownRule);
      p->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = p;
    }

    TakePacks(T.Waste(), kPacks, true);
    T.Board1->SetScore(-52 * kPacks);
    // Round the rectangle from pile 2, pile 1 last, three times.
    for (int i = 1; i <= kPiles * kCardsPerPile; ++i)
      DealRandom(T.Waste(), T.Tableau[i % kPiles + 1], true);
    if (TCard* base = DealRandom(T.Waste(), T.Foundation[1], true)) baseRank_ = base->Rank();
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(Timer(&Rectangle::Rectangle_Timer));
  }

  // Every 100 ms: base cards to empty foundations, then (with AutoPlay on)
  // one safe move up, then the win test.
  void Rectangle_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kPiles, true, baseRank_,
                CardRules::FollowsInSuit, T.Waste());
  }

 private:
  int baseRank_ = 1;
};

REGISTER_GAME(Rectangle, 43);
