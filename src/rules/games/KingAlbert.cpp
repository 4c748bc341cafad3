// SPDX-License-Identifier: GPL-3.0-or-later
// King Albert: one pack, all face up. Nine columns of 9, 8, ..., 1 cards are
// built down in alternating colours; seven reserve cards below them can only
// be played out; four foundations are built up in suit from the Ace. A run
// moves in one go when enough columns are empty to carry it over, one card
// per empty column. There is no stock. Aces go up by themselves, other cards
// too when AutoPlay is On, as long as that is safe. The game is won when
// every foundation holds its 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kColumns = 9;
constexpr int kReserves = 7;

int RowLeft(int i) {
  return 78 * i - 73;
}  // foundations and columns: 5, 83, ..., 629
int ReserveLeft(int i) {
  return 78 * i + 83;
}  // 161, 239, ..., 629
constexpr int kFoundationTop = 5;
constexpr int kColumnTop = 110;
constexpr int kColumnStep = 18;
constexpr int kReserveTop = 430;

}  // namespace

class KingAlbert : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // A foundation card may come back to a column, but never its Ace.
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = RowLeft(i),
                            .top = kFoundationTop,
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::NoAceSelect));
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = RowLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&KingAlbert::KingAlbertColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation();
      T.Tableau[i] = column;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* reserve = MakePile({.left = ReserveLeft(i), .top = kReserveTop, .role = Role::Marked});
      reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
      reserve->OnDoubleSelect = DoubleClickToFoundation();
      T.Reserve[i] = reserve;
    }

    // The first foundation holds the pack while it is dealt; the score is
    // set afterwards, so its passing cards earn nothing.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, true);
    for (int i = 1; i <= kColumns; ++i)
      for (int n = 0; n < 10 - i; ++n)
        DealRandom(dealPile, T.Tableau[i]);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(dealPile, T.Reserve[i]);
    T.Board1->SetScore(-52);

    StartTimer(Timer(&KingAlbert::KA_Timer));
  }

  // A card or a run onto a column. Only the empty columns park a run (the
  // reserve piles take nothing); onto an empty column the player chooses
  // between the run and the single card.
  void KingAlbertColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FreePileRunRule(Sender, ACard, Action, clicked, CardRules::FitsAltColourDown, T.Tableau,
                    kColumns);
  }

  // Every 100 ms: an Ace from the columns and one from the reserve, then
  // (AutoPlay On) a safe card from each, then the win test.
  void KA_Timer() {
    CommonTimer(T.Foundation, kFoundations,
                {PileGroup(T.Tableau, kColumns), PileGroup(T.Reserve, kReserves)}, true, 1,
                CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(KingAlbert, 6);
