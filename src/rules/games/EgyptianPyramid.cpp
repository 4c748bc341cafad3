// SPDX-License-Identifier: GPL-3.0-or-later
// Egyptian Pyramid: two packs. Eight foundations, laid out as the two
// sloping sides of a pyramid, start with the Kings and are built up in suit
// through the circle: King, Ace, 2, ..., Queen. Nine single-card places,
// laid out as an upside-down pyramid beneath them, are built down regardless
// of suit one card at a time; an empty one takes a card from the waste only.
// The stock is gone through once, one card at a time. Kings go up by
// themselves, other cards too when AutoPlay is On and it is safe.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kFoundations = 8;
constexpr int kColumns = 9;
constexpr int kBaseRank = 13;  // the King starts every foundation

struct Place {
  int left, top;
};
// The pyramid's two sides, from the bottom left up to the apex and down.
constexpr Place kFoundationPlace[kFoundations] = {{10, 250}, {90, 170}, {170, 90},  {250, 10},
                                                  {410, 10}, {490, 90}, {570, 170}, {650, 250}};
int ColumnLeft(int i) {
  return 80 * i - 70;
}  // 10, 90, ..., 650
// The inverted pyramid: lowest at the edges, highest in the middle.
constexpr int kColumnTop[kColumns] = {390, 310, 230, 150, 70, 150, 230, 310, 390};

}  // namespace

class EgyptianPyramid : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeWasteAndStock({.wasteLeft = 380,
                       .wasteTop = 370,
                       .stockLeft = 270,
                       .stockTop = 370,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8})});
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();

    for (int i = 1; i <= kFoundations; ++i) {
      const Place& p = kFoundationPlace[i - 1];
      TDeck* f = MakePile({.left = p.left, .top = p.top, .look = Look::Foundation});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop[i - 1],
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&EgyptianPyramid::PyramidColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = column;
    }

    TakePacks(waste, kPacks, true);
    T.Board1->SetScore(-52 * kPacks);
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(waste, T.Tableau[i], true);
    DealRestToStock(waste, stock, false);
    StartTimer(Timer(&EgyptianPyramid::Egyptian_Timer));
  }

  // One rank lower regardless of suit (a King on an Ace); an empty place
  // takes a card from the waste, never one from another place, so a lone
  // card cannot just wander round the pyramid.
  void PyramidColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard) {
      const TDeck* S = ACard->HostDeck;
      if (const TCard* top = Sender->TopCard)
        Action = CardRules::PrecedesAnySuit(top, ACard);
      else
        Action = !S || !HasRole(S, Role::Column);
    }
    if (clicked) ResumeTimer();
  }

  // Kings to empty foundations; with AutoPlay On one card that may safely go
  // up (heights count from the King); then the win test.
  void Egyptian_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kColumns, true, kBaseRank,
                CardRules::FollowsInSuit, T.Waste());
  }
};

REGISTER_GAME(EgyptianPyramid, 21);
