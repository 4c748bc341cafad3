// SPDX-License-Identifier: GPL-3.0-or-later
// Carlton: two packs. Eight face-up columns dealt as a staircase, one card
// in the first up to eight in the last, are built down in alternating
// colours, and their runs move as units. Eight foundations are built up in
// suit from the Ace. A click on the stock deals one card onto each column;
// there is no redeal. Aces go up by themselves, other cards too when
// AutoPlay is On, as long as that is safe. The game is won when every
// foundation holds its 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kPiles = 8;  // foundations and columns

int RowLeft(int i) {
  return 75 * i + 45;
}  // 120, 195, ..., 645: each column under its foundation
constexpr int kTopRow = 5;
constexpr int kColumnTop = 150;

}  // namespace

class Carlton : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The waste slot holds the deal pile while the cards are dealt.
    MakeWasteAndStock({.wasteTop = 390, .stockTop = kTopRow, .turn = Rule(&TGame::DealRowSelect)});
    TDeck* dealPile = T.Waste();
    MakeFoundations(
        kPiles,
        [&](int i) {
          return PileLayout{.left = RowLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kPiles; ++i) {
      TDeck* column = MakePile({.left = RowLeft(i),
                                .top = kColumnTop,
                                .vShift = 17,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = column;
    }

    TakePacks(dealPile, 2, true);
    T.Board1->SetScore(-104);
    // Row by row, each row starting one column further right: column j gets
    // j cards.
    for (int row = 1; row <= kPiles; ++row)
      for (int j = row; j <= kPiles; ++j)
        DealRandom(dealPile, T.Tableau[j], true);
    DealRestToStock(dealPile, T.Stock(), false);
    FreeDealPile(T.Waste());
    StartTimer(Timer(&Carlton::Carlton_Timer));
  }

  // Every 100 ms: one Ace up, then (AutoPlay On) one card that may safely
  // go up, then the win test. A move between columns leaves the timer off
  // until the next stock click, double click or move to a foundation.
  void Carlton_Timer() {
    CommonTimer(T.Foundation, kPiles, T.Tableau, kPiles, true, 1, CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(Carlton, 23);
