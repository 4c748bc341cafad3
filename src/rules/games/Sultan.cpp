// Sultan: two packs. Nine foundations stand in a three-by-three square: the
// centre holds a King that never changes; around it seven foundations start
// with a King and one with the Ace of hearts, all built up in suit, a King
// followed by the Ace of its suit. Eight reserve piles beside the square hold
// one card each. The stock turns one card at a time onto the waste and may be
// gone through three times. The game is won when all 104 cards lie on the
// foundations.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 9;  // 9 is the centre
constexpr int kBuilt = 8;        // the foundations that take cards
constexpr int kCentre = 9;
constexpr int kReserves = 8;
constexpr int kCards = 104;

// Foundation i sits in cell d of the square (1..9, row by row); the centre
// cell 5 is the last foundation's.
int Cell(int i) {
  return i == kCentre ? 5 : i <= 4 ? i : i + 1;
}
int FoundationLeft(int i) {
  return (Cell(i) - 1) % 3 * 87 + 172;
}  // 172, 259, 346
int FoundationTop(int i) {
  return (Cell(i) - 1) / 3 * 110 + 30;
}  // 30, 140, 250
int ReserveLeft(int j) {
  return j % 2 == 1 ? 10 : 510;
}
int ReserveTop(int j) {
  return (j - 1) / 2 * 110 + 10;
}  // 10, 120, 230, 340

// The base cards, taken by their position from the top of the unshuffled
// pack (each counted on what the previous steps left), and where they go:
// the Kings of pack two (spades, hearts, diamonds, clubs), the Kings of pack
// one in the same order, then the Ace of hearts of pack two.
struct BaseCard {
  int position;
  int foundation;
};
constexpr BaseCard kBaseCards[] = {{1, 1},  {13, 2}, {25, 5}, {37, 8}, {49, 3},
                                   {61, 9}, {73, 4}, {85, 6}, {24, 7}};

}  // namespace

class Sultan : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.SetRotation_Counter(1);
    T.RedealLimit = 3;

    T.Waste() = MakePile(300, 370, 2, 2, 4, false, 1);
    T.Waste()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Waste()->OnDoubleSelect = Pile(&Sultan::SultanDblClick);
    T.Stock() = MakePile(200, 370, 2, 2, 3, false, 0);
    T.Stock()->OnSelect = Rule(&TGame::StockToWasteSelect);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock()->OnEmptySelect = Pile(&TGame::RedealEmptySelect);
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(FoundationLeft(i), FoundationTop(i), 0, 0, 1, false, 0);
      f->OnSelect = Rule(&TGame::RefuseAll);
      // The centre King only watches.
      f->OnAddWithRule = i == kCentre ? Rule(&TGame::RefuseAll) : Rule(&TGame::FoundationUpRule);
      T.Foundation[size_t(i)] = f;
    }
    for (int j = 1; j <= kReserves; ++j) {
      TDeck* r = MakePile(ReserveLeft(j), ReserveTop(j), 0, 0, 0, true, 4);
      r->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      r->OnDoubleSelect = Pile(&Sultan::SultanDblClick);
      T.Tableau[size_t(j)] = r;
    }

    TDeck* waste = T.Waste();
    TakePacks(waste, 2, true);
    // Set before the base cards go up, so that they earn their points.
    T.Board1->SetScore(-kCards);
    for (const BaseCard& b : kBaseCards)
      T.Foundation[size_t(b.foundation)]->MoveCard(waste, b.position);
    for (int j = 1; j <= kReserves; ++j)
      DealRandom(waste, T.Tableau[size_t(j)], true);
    DealRestToStock(waste, T.Stock(), false);

    StartTimer(Timer(&Sultan::Sultan_Timer));
  }

  // The top card to the first foundation where it follows in suit; a waste
  // card that fits nowhere goes to the first empty reserve pile. A reserve
  // card never moves to another reserve pile this way.
  void SultanDblClick(TDeck* Sender) {
    TCard* c = Sender->TopCard;
    TDeck* to = nullptr;
    for (int i = 1; c && !to && i <= kBuilt; ++i)
      if (CardRules::FollowsInSuit(T.Foundation[size_t(i)]->TopCard, c))
        to = T.Foundation[size_t(i)];
    for (int j = 1; c && !to && Sender == T.Waste() && j <= kReserves; ++j)
      if (!T.Tableau[size_t(j)]->TopCard) to = T.Tableau[size_t(j)];
    if (to) {
      Deselect(Sender);
      to->MoveCardTo(c);
    }
    T.EnableTimer();
  }

  // Every 100 ms: with AutoPlay On one card that fits a foundation goes up
  // from the reserve or the waste (no holding back: nothing is built on the
  // reserve); then the win test.
  void Sultan_Timer() {
    T.DisableTimer();
    if (T.Board1->Busy) {
      // A move still in flight let this tick through: wait for the next.
      T.EnableTimer();
      return;
    }
    if (T.AutoPlay == 0)
      AutoPlayToFoundations(T.Foundation, kBuilt, T.Tableau, kReserves, false, 1,
                            CardRules::FollowsInSuit, T.Waste());
    int home = 0;
    for (int i = 1; i <= kFoundations; ++i)
      home += T.Foundation[size_t(i)]->CardsCount();
    if (home == kCards) {
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }
};

REGISTER_GAME(Sultan, 34);
