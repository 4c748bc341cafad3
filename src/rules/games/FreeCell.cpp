// SPDX-License-Identifier: GPL-3.0-or-later
// FreeCell: one pack dealt face up to eight columns, four free cells that
// hold one card each, four foundations built up in suit from the Ace.
// Columns are built down in alternating colours; a run moves at once when
// enough piles are empty to park it (N empty piles: N + 1 cards). Aces go
// up by themselves, other cards too when AutoPlay is On, as long as that is
// safe. The game is won when every foundation holds its 13 cards.

#include "platform/Messages.h"
#include "rules/Game.h"

namespace {

// Where the piles lie, in the order they are created (which numbers them).
constexpr int kFoundations = 4;
constexpr int kFreeCells = 4;
constexpr int kColumns = 8;
constexpr int kPlayingPiles = kColumns + kFreeCells;  // columns, then cells

int FoundationLeft(int i) {
  return 75 * i + 255;
}  // 330, 405, 480, 555
int FreeCellLeft(int i) {
  return 75 * i - 65;
}  // 10, 85, 160, 235
int ColumnLeft(int i) {
  return 78 * i - 68;
}  // 10, 88, ..., 556
constexpr int kTopRow = 5;
constexpr int kColumnTop = 115;
constexpr int kColumnStep = 20;

}  // namespace

class FreeCell : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The deal pile and a spare pile live only while dealing.
    T.Waste() = MakePile({.left = 100,
                          .top = 410,
                          .vShift = 2,
                          .gShift = 2,
                          .look = Look::None,
                          .role = Role::Marked});
    T.Stock() = MakePile({.left = 10, .top = 410, .vShift = 2, .gShift = 2, .look = Look::None});

    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kFreeCells; ++i) {
      TDeck* cell = MakePile({.left = FreeCellLeft(i), .top = kTopRow, .look = Look::Ring});
      cell->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      cell->OnDoubleSelect = DoubleClickToFoundation();
      T.Reserve[i] = cell;
      T.Tableau[kColumns + i] = cell;  // the cells play as piles 9..12
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&FreeCell::FreeCellColumnRule);
      column->OnDoubleSelect = Pile(&FreeCell::FreeCellColumnDblClick);
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), 1, true);
    T.Board1->SetScore(-52);
    // Round the columns: 1..4 get seven cards, 5..8 six.
    for (int i = 1; i <= 52; ++i)
      DealRandom(T.Waste(), T.Tableau[(i - 1) % kColumns + 1]);

    ProcessMessages();  // the dealt table shows before the deal piles go
    FreeDealPile(T.Waste());
    FreeDealPile(T.Stock());
    StartTimer(Timer(&FreeCell::FreeCell_Timer));
  }

  // A card or a run onto a column: runs travel through the empty columns
  // and cells; onto an empty column the player chooses run or single card.
  void FreeCellColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FreePileRunRule(Sender, ACard, Action, clicked, CardRules::FitsAltColourDown, T.Tableau,
                    kPlayingPiles);
  }

  // Up to a foundation where the card follows in suit, else into the first
  // empty free cell. An Ace never starts a foundation this way: the timer
  // does that.
  void FreeCellColumnDblClick(TDeck* Sender) {
    ToFoundationElseFreeCell(Sender, T.Foundation, kFoundations, T.Reserve, kFreeCells);
  }

  // Every 100 ms: one Ace up, then (AutoPlay On) one card that may safely
  // go up, then the win test.
  void FreeCell_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kPlayingPiles, true, 1,
                CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(FreeCell, 32);
