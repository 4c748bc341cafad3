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
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(RowLeft(i), kFoundationTop, 0, 0, 1, false, 1);
      f->OnAddWithRule = Rule(&TGame::SuitUpRule);
      // A foundation card may come back to a column, but never its Ace.
      f->OnSelect = Rule(&TGame::NoAceSelect);
      T.Foundation[size_t(i)] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(RowLeft(i), kColumnTop, kColumnStep, 0, 0, true, 4);
      column->OnAddWithRule = Rule(&KingAlbert::KingAlbertColumnRule);
      column->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
      T.Tableau[size_t(i)] = column;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* reserve = MakePile(ReserveLeft(i), kReserveTop, 0, 0, 0, false, 1);
      reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
      reserve->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
      T.Reserve[size_t(i)] = reserve;
    }

    // The first foundation holds the pack while it is dealt; the score is
    // set afterwards, so its passing cards earn nothing.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, true);
    for (int i = 1; i <= kColumns; ++i)
      for (int n = 0; n < 10 - i; ++n)
        DealRandom(dealPile, T.Tableau[size_t(i)]);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(dealPile, T.Reserve[size_t(i)]);
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
    T.DisableTimer();
    if (T.Board1->Busy) {
      // A move still in flight let this tick through: wait for the next.
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
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }
};

REGISTER_GAME(KingAlbert, 6);
