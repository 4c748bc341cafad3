// Castle: one pack dealt face up to ten columns of five cards and two free
// cells that start with a card each. Columns are built up or down in suit
// (King and Ace are neighbours); a run moves at once when enough piles are
// empty to park it (N empty piles: N + 1 cards). Four foundations are built
// up in suit from the Ace. Aces go up by themselves, other cards too when
// AutoPlay is On, as long as that is safe. The game is won when every
// foundation holds its 13 cards.

#include "platform/Messages.h"
#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kFreeCells = 2;
constexpr int kColumns = 10;
constexpr int kColumnCards = 5;
constexpr int kPlayingPiles = kColumns + kFreeCells;  // columns, then cells

int FoundationLeft(int i) {
  return 75 * i + 385;
}  // 460, 535, 610, 685
int RowLeft(int i) {
  return 75 * i - 65;
}  // 10, 85, ..., 685: the cells and the columns
constexpr int kTopRow = 5;
constexpr int kColumnTop = 115;
constexpr int kColumnStep = 20;

// B may lie on A: the same suit, one rank either side. An absent B fits.
bool FitsInSuitEitherWay(const TCard* a, const TCard* b) {
  if (!b) return true;
  return a && a->Suit() == b->Suit() &&
         (CardRules::FollowsAnySuit(a, b) || CardRules::PrecedesAnySuit(a, b));
}

}  // namespace

class Castle : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The deal pile and a spare pile live only while dealing.
    TDeck* dealPile = MakePile(100, 410, 2, 2, 4, false, 1);
    dealPile->OnAddWithRule = Rule(&TGame::RefuseAll);
    dealPile->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
    T.Waste() = dealPile;
    TDeck* spare = MakePile(10, 410, 2, 2, 0, false, 0);
    spare->OnSelect = Rule(&TGame::StockToWasteSelect);
    spare->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = spare;

    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(FoundationLeft(i), kTopRow, 0, 0, 1, false, 0);
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      T.Foundation[size_t(i)] = f;
    }
    for (int i = 1; i <= kFreeCells; ++i) {
      TDeck* cell = MakePile(RowLeft(i), kTopRow, 0, 0, 3, false, 0);
      cell->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      cell->OnDoubleSelect = Pile(&TGame::ToFoundation4DblClick);
      T.Reserve[size_t(i)] = cell;
      T.Tableau[size_t(kColumns + i)] = cell;  // the cells play as piles 11 and 12
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(RowLeft(i), kColumnTop, kColumnStep, 0, 0, true, 4);
      column->OnAddWithRule = Rule(&Castle::CastleColumnRule);
      column->OnDoubleSelect = Pile(&Castle::CastleColumnDblClick);
      T.Tableau[size_t(i)] = column;
    }

    TakePacks(dealPile, 1, true);
    T.Board1->SetScore(-52);
    // Round the columns, five cards each, then one card into each cell.
    for (int i = 1; i <= kColumns * kColumnCards; ++i)
      DealRandom(dealPile, T.Tableau[size_t((i - 1) % kColumns + 1)]);
    for (int i = 1; i <= kFreeCells; ++i)
      DealRandom(dealPile, T.Reserve[size_t(i)]);

    ProcessMessages();  // the dealt table shows before the deal piles go
    FreeDealPile(T.Waste());
    FreeDealPile(T.Stock());
    StartTimer(Timer(&Castle::Castle_Timer));
  }

  // A card or a run onto a column: runs (up or down in suit) travel through
  // the empty columns and cells; onto an empty column the player chooses
  // run or single card.
  void CastleColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FreePileRunRule(Sender, ACard, Action, clicked, FitsInSuitEitherWay, T.Tableau, kPlayingPiles);
  }

  // Up to a foundation where the card follows in suit, else into the first
  // empty free cell.
  void CastleColumnDblClick(TDeck* Sender) {
    ToFoundationElseFreeCell(Sender, T.Foundation, kFoundations, T.Reserve, kFreeCells);
  }

  // Every 100 ms: an Ace up from the columns and one from the cells, then
  // (AutoPlay On) a card that may safely go up from each, then the win test.
  void Castle_Timer() {
    T.DisableTimer();
    if (T.Board1 && T.Board1->Busy) {
      // A run still on its way through the free piles: wait for it.
      T.EnableTimer();
      return;
    }
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kColumns, 1);
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Reserve, kFreeCells, 1);
    if (T.AutoPlay == 0) {
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kColumns, true, 1,
                            CardRules::FollowsInSuit);
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Reserve, kFreeCells, true, 1,
                            CardRules::FollowsInSuit);
    }
    if (AllFoundationsFull(T.Foundation, kFoundations)) {
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }
};

REGISTER_GAME(Castle, 28);
