// SPDX-License-Identifier: GPL-3.0-or-later
// Martha: one pack. The four Aces start on the foundations, which are built
// up in suit to the King. The other 48 cards lie in twelve columns of four,
// face down and face up in turn. Columns are built down in alternating
// colours (a King on an Ace); a face-up run moves as a whole, but only a
// single card goes to an empty column. A card uncovered by a move turns face
// up. There is no stock. Cards go up by themselves when AutoPlay is On, as
// long as that is safe. The game is won when every foundation holds its 13
// cards.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kColumns = 12;
constexpr int kColumnCards = 4;

int FoundationTop(int i) {
  return 110 * i - 105;
}  // 5, 115, 225, 335
constexpr int kFoundationLeft = 500;
int ColumnLeft(int i) {
  return 79 * ((i - 1) % 6) + 5;
}  // 5, 84, ..., 400
int ColumnTop(int i) {
  return 270 * ((i - 1) / 6) + 5;
}  // 5, 275

}  // namespace

class Martha : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The pack waits here while it is dealt; it has no part in the game.
    TDeck* dealPile = MakePile({.left = 580, .top = 5});
    T.Stock() = dealPile;
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = kFoundationLeft,
                            .top = FoundationTop(i),
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll), After(&TGame::TurnUpAfterMove));
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = ColumnTop(i),
                                .vShift = 17,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::AltColourDownSingleToEmptyRule);
      column->OnDoubleSelect = DoubleClickToFoundation();
      column->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[i] = column;
    }

    // Set first: the Aces earn their foundation points as they arrive.
    T.Board1->SetScore(-52);
    for (int n = 1; n <= 52; ++n) {
      TCard* c = T.CardPool[n];
      if (!c) continue;
      c->Show();
      c->SetFace(true);
      // Pool order runs Ace to King in each suit: every thirteenth is an Ace.
      TDeck* onto = (n - 1) % 13 == 0 ? T.Foundation[(n - 1) / 13 + 1] : dealPile;
      onto->AddCard(c);
      c->BringToFront();
    }
    // Each column from the bottom: face down, face up, face down, face up.
    for (int i = 1; i <= kColumns; ++i)
      for (int j = 1; j <= kColumnCards; ++j)
        DealRandom(dealPile, T.Tableau[i], j % 2 == 0);

    FreeDealPile(T.Stock());
    StartTimer(Timer(&Martha::Martha_Timer));
  }

  // Every 100 ms: (AutoPlay On) one card that may safely go up, then the
  // win test. The Aces are on the foundations from the start, so placing
  // base cards finds nothing to do.
  void Martha_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kColumns, true, 1, CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(Martha, 37);
