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

constexpr int kEmperor = 38;
constexpr int kNumberTen = 39;
constexpr int kIndian = 40;

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
constexpr int kColumnTag = 4;  // runs may leave it (the shared column rule)

// Rows dealt to the columns and how many of them, from the bottom, lie face
// down.
int Rows(int game) {
  return game == kIndian ? 3 : 4;
}
int FaceDownRows(int game) {
  return game == kEmperor ? 3 : game == kNumberTen ? 2 : 1;
}

}  // namespace

class Emperor : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    const int game = T.GameIndex;

    T.Waste() = MakePile(100, kTopRow, 2, 2, 4, false, 1);
    T.Waste()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Waste()->OnDoubleSelect = Pile(&TGame::ToFoundation8DblClick);

    T.Stock() = MakePile(10, kTopRow, 2, 2, 2, false, 0);
    T.Stock()->OnSelect = Rule(&TGame::StockToWasteSelect);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    // No OnEmptySelect: the stock is gone through once.

    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(FoundationLeft(i), kTopRow, 0, 0, 1, false, 0);
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      // A card played up from a column uncovers the one beneath it.
      f->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Foundation[size_t(i)] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(ColumnLeft(i), kColumnTop, kColumnStep, 0, 0, true, kColumnTag);
      if (game == kIndian)
        column->OnAddWithRule = Rule(&Emperor::IndianColumnRule);
      else
        column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = Pile(&TGame::ToFoundation8DblClick);
      column->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[size_t(i)] = column;
    }

    TakePacks(T.Waste(), kPacks, true);
    T.Board1->SetScore(-52 * kPacks);
    // Row by row round the columns; the first rows are turned face down.
    const int dealt = Rows(game) * kColumns;
    const int faceDown = FaceDownRows(game) * kColumns;
    for (int i = 1; i <= dealt; ++i)
      DealRandom(T.Waste(), T.Tableau[size_t((i - 1) % kColumns + 1)], i > faceDown);
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(Timer(&Emperor::Emperor_Timer));
  }

  // Indian: one card onto a column, one rank lower than its top card and of
  // any other suit (a King on an Ace); an empty column takes any card.
  void IndianColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    SetStarted(clicked);
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
};

REGISTER_GAME(Emperor, kEmperor, kNumberTen, kIndian);
