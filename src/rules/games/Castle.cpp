// SPDX-License-Identifier: GPL-3.0-or-later
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
    TDeck* dealPile = MakePile({.left = 100,
                                .top = 410,
                                .vShift = 2,
                                .gShift = 2,
                                .look = Look::None,
                                .role = Role::Marked});
    dealPile->OnAddWithRule = Rule(&TGame::RefuseAll);
    dealPile->OnDoubleSelect = DoubleClickToFoundation();
    T.Waste() = dealPile;
    TDeck* spare = MakePile({.left = 10, .top = 410, .vShift = 2, .gShift = 2});
    spare->OnSelect = Rule(&TGame::StockToWasteSelect);
    spare->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = spare;

    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kFreeCells; ++i) {
      TDeck* cell = MakePile({.left = RowLeft(i), .top = kTopRow, .look = Look::Ring});
      cell->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      cell->OnDoubleSelect = DoubleClickToFoundation();
      T.Reserve[i] = cell;
      T.Tableau[kColumns + i] = cell;  // the cells play as piles 11 and 12
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = RowLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&Castle::CastleColumnRule);
      column->OnDoubleSelect = Pile(&Castle::CastleColumnDblClick);
      T.Tableau[i] = column;
    }

    TakePacks(dealPile, 1, true);
    T.Board1->SetScore(-52);
    // Round the columns, five cards each, then one card into each cell.
    for (int i = 1; i <= kColumns * kColumnCards; ++i)
      DealRandom(dealPile, T.Tableau[(i - 1) % kColumns + 1]);
    for (int i = 1; i <= kFreeCells; ++i)
      DealRandom(dealPile, T.Reserve[i]);

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
    CommonTimer(T.Foundation, kFoundations,
                {PileGroup(T.Tableau, kColumns), PileGroup(T.Reserve, kFreeCells)}, true, 1,
                CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(Castle, 28);
