// SPDX-License-Identifier: GPL-3.0-or-later
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

    MakeWasteAndStock({.wasteLeft = 300,
                       .wasteTop = 370,
                       .stockLeft = 200,
                       .stockTop = 370,
                       .stockLook = Look::Ring,
                       .wasteDblClick = Pile(&Sultan::SultanDblClick),
                       .redeal = Pile(&TGame::RedealEmptySelect)});
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{
              .left = FoundationLeft(i), .top = FoundationTop(i), .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    // The centre King only watches.
    T.Foundation[kCentre]->OnAddWithRule = Rule(&TGame::RefuseAll);
    for (int j = 1; j <= kReserves; ++j) {
      TDeck* r = MakePile(
          {.left = ReserveLeft(j), .top = ReserveTop(j), .showsCard = true, .role = Role::Column});
      r->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      r->OnDoubleSelect = Pile(&Sultan::SultanDblClick);
      T.Tableau[j] = r;
    }

    TDeck* waste = T.Waste();
    TakePacks(waste, 2, true);
    // Set before the base cards go up, so that they earn their points.
    T.Board1->SetScore(-kCards);
    for (const BaseCard& b : kBaseCards)
      T.Foundation[b.foundation]->MoveCard(waste, b.position);
    for (int j = 1; j <= kReserves; ++j)
      DealRandom(waste, T.Tableau[j], true);
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
      if (CardRules::FollowsInSuit(T.Foundation[i]->TopCard, c)) to = T.Foundation[i];
    for (int j = 1; c && !to && Sender == T.Waste() && j <= kReserves; ++j)
      if (!T.Tableau[j]->TopCard) to = T.Tableau[j];
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
    if (TickWaitsForMove()) return;
    if (T.AutoPlay == 0)
      AutoPlayToFoundations(T.Foundation, kBuilt, T.Tableau, kReserves, false, 1,
                            CardRules::FollowsInSuit, T.Waste());
    int home = 0;
    for (int i = 1; i <= kFoundations; ++i)
      home += T.Foundation[i]->CardsCount();
    if (home == kCards) {
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }
};

REGISTER_GAME(Sultan, 34);
