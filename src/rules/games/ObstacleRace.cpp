// SPDX-License-Identifier: GPL-3.0-or-later
// Obstacle-race: one pack, no stock. Six columns of six cards, face down and
// face up in turn with the top card face up, are built down in alternating
// colours; face-up runs move as units, and a run going into an empty column
// asks how much of it should go. Sixteen reserve cards lie face up in a
// four by four block: they can be played out, never built on. Four
// foundations are built up in suit from the Ace. Aces go up by themselves,
// other cards too when AutoPlay is On, as long as that is safe. The game is
// won when every foundation holds its 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kColumns = 6;
constexpr int kColumnCards = 6;
constexpr int kReserves = 16;

int RowLeft(int i) {
  return 78 * i - 73;
}  // foundations and columns: 5, 83, ..., 395
int ReserveLeft(int i) {
  return 73 * i - 292 * ((i - 1) / 4) + 407;
}  // 480, 553, 626, 699 in each row of four
int ReserveTop(int i) {
  return 98 * ((i - 1) / 4) + 5;
}  // 5, 103, 201, 299
constexpr int kFoundationTop = 5;
constexpr int kColumnTop = 120;
constexpr int kColumnStep = 18;

}  // namespace

class ObstacleRace : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = RowLeft(i),
                            .top = kFoundationTop,
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll), After(&TGame::TurnUpAfterMove));
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = RowLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = DoubleClickToFoundation();
      column->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[i] = column;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* reserve =
          MakePile({.left = ReserveLeft(i), .top = ReserveTop(i), .role = Role::Marked});
      reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
      reserve->OnDoubleSelect = DoubleClickToFoundation();
      T.Reserve[i] = reserve;
    }

    // The pack lies face down on the first foundation while it is dealt; the
    // score is set afterwards, so the cards passing through earn nothing.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, false);
    // Every column alternates down, up, down, ... so its top card shows.
    for (int i = 1; i <= kColumns; ++i)
      for (int j = 1; j <= kColumnCards; ++j)
        DealRandom(dealPile, T.Tableau[i], j % 2 == 0);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(dealPile, T.Reserve[i], true);
    T.Board1->SetScore(-52);

    StartTimer(Timer(&ObstacleRace::BP_Timer));
  }

  // Every 100 ms: an Ace from the columns and one from the reserve, then
  // (AutoPlay On) a safe card from each, then the win test.
  void BP_Timer() {
    CommonTimer(T.Foundation, kFoundations,
                {PileGroup(T.Tableau, kColumns), PileGroup(T.Reserve, kReserves)}, true, 1,
                CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(ObstacleRace, 5);
