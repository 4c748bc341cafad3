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
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(RowLeft(i), kFoundationTop, 0, 0, 1, false, 1);
      f->OnAddWithRule = Rule(&TGame::SuitUpRule);
      f->OnAfterMove = After(&TGame::TurnUpAfterMove);
      f->OnSelect = Rule(&TGame::RefuseAll);
      T.Foundation[size_t(i)] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(RowLeft(i), kColumnTop, kColumnStep, 0, 0, true, 4);
      column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
      column->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[size_t(i)] = column;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* reserve = MakePile(ReserveLeft(i), ReserveTop(i), 0, 0, 0, false, 1);
      reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
      reserve->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
      T.Reserve[size_t(i)] = reserve;
    }

    // The pack lies face down on the first foundation while it is dealt; the
    // score is set afterwards, so the cards passing through earn nothing.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, false);
    // Every column alternates down, up, down, ... so its top card shows.
    for (int i = 1; i <= kColumns; ++i)
      for (int j = 1; j <= kColumnCards; ++j)
        DealRandom(dealPile, T.Tableau[size_t(i)], j % 2 == 0);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(dealPile, T.Reserve[size_t(i)], true);
    T.Board1->SetScore(-52);

    StartTimer(Timer(&ObstacleRace::BP_Timer));
  }

  // Every 100 ms: an Ace from the columns and one from the reserve, then
  // (AutoPlay On) a safe card from each, then the win test.
  void BP_Timer() {
    T.DisableTimer();
    if (T.Board1->Busy) {
      // A run still sliding let this tick through: wait for the next.
      T.EnableTimer();
      return;
    }
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kColumns, 1);
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Reserve, kReserves, 1);
    if (T.AutoPlay == 0) {
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kColumns, true, 1,
                            CardRules::FollowsInSuit);
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Reserve, kReserves, true, 1,
                            CardRules::FollowsInSuit);
    }
    if (AllFoundationsFull(T.Foundation, kFoundations)) {
      // Every move onto a foundation re-arms the timer (an undo and redo of
      // the last card, say): the finished table must not win twice.
      if (!won_) {
        won_ = true;
        T.GameWon();
      }
      return;
    }
    T.EnableTimer();
  }

 private:
  bool won_ = false;
};

REGISTER_GAME(ObstacleRace, 5);
