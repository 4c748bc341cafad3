// SPDX-License-Identifier: GPL-3.0-or-later
// Emperor, Number Ten and Indian: two packs, one table. Eight foundations
// are built up in suit from the Ace to the King; ten columns hold the dealt
// cards, the lower ones face down; the stock turns one card at a time onto
// the waste and is gone through once.
//
//   Emperor (38)     four cards a column, three of them face down; columns
//                    go down in alternating colours and face-up runs move.
//   Number Ten (39)  the same with two face-down cards under two face-up.
//   Indian (40)      three cards a column, the lowest face down; a column
//                    takes one card at a time, one rank lower in any suit
//                    but the column card's own.
//
// Any move off a column turns the card it uncovers face up. Aces go up by
// themselves, other cards too when AutoPlay is On, as long as that is safe.
// The game is won when all eight foundations hold their 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kFoundations = 8;
constexpr int kColumns = 10;

int FoundationLeft(int i) {
  return 73 * i + 119;
}  // 192, 265, ..., 703
int ColumnLeft(int i) {
  return 77 * i - 67;
}  // 10, 87, ..., 703
constexpr int kTopRow = 5;
constexpr int kColumnTop = 130;
constexpr int kColumnStep = 18;

}  // namespace

class Emperor : public TGame {
 public:
  // Rows dealt to the columns, how many of them (from the bottom) lie face
  // down, and whether the columns follow Indian's rule.
  struct Variant {
    int rows;
    int faceDownRows;
    bool indian;
  };
  static constexpr Variant kEmperor{.rows = 4, .faceDownRows = 3, .indian = false};
  static constexpr Variant kNumberTen{.rows = 4, .faceDownRows = 2, .indian = false};
  static constexpr Variant kIndian{.rows = 3, .faceDownRows = 1, .indian = true};

  Emperor(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    // No redeal: the stock is gone through once.
    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8})});

    // A card played up from a column uncovers the one beneath it.
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll), After(&TGame::TurnUpAfterMove));
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      if (variant_.indian)
        column->OnAddWithRule = Rule(&Emperor::IndianColumnRule);
      else
        column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      column->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), kPacks, true);
    T.Board1->SetScore(-52 * kPacks);
    // Row by row round the columns; the first rows are turned face down.
    const int dealt = variant_.rows * kColumns;
    const int faceDown = variant_.faceDownRows * kColumns;
    for (int i = 1; i <= dealt; ++i)
      DealRandom(T.Waste(), T.Tableau[(i - 1) % kColumns + 1], i > faceDown);
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(Timer(&Emperor::Emperor_Timer));
  }

  // Indian: one card onto a column, one rank lower than its top card and of
  // any other suit (a King on an Ace); an empty column takes any card.
  void IndianColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    const TCard* top = Sender->TopCard;
    if (ACard && (!top || (CardRules::PrecedesAnySuit(top, ACard) && top->Suit() != ACard->Suit())))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // Every 100 ms: an Ace from the columns and one from the waste, then
  // (AutoPlay On) one card that may safely go up, then the win test.
  void Emperor_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kColumns, true, 1, CardRules::FollowsInSuit,
                T.Waste());
  }

 private:
  const Variant variant_;
};

REGISTER_VARIANT(Emperor, 38, Emperor::kEmperor);
REGISTER_VARIANT(Emperor, 39, Emperor::kNumberTen);
REGISTER_VARIANT(Emperor, 40, Emperor::kIndian);
