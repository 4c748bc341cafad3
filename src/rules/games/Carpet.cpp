// SPDX-License-Identifier: GPL-3.0-or-later
// Carpet: one pack. A carpet of twenty face-up cards, five by four, lies
// under four foundations that are built up in suit from the Ace. A gap in
// the carpet takes any one card, from the waste or from another place. The
// stock is turned one card at a time onto the waste, once. Aces go up by
// themselves; every other card is the player's to play. The game is won
// when every foundation holds its 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kPlaces = 20;
constexpr int kPlacesPerRow = 5;

int FoundationLeft(int i) {
  return 76 * i + 159;
}  // 235, 311, 387, 463
int PlaceLeft(int i) {
  return 76 * ((i - 1) % kPlacesPerRow) + 200;
}  // 200, 276, 352, 428, 504
int PlaceTop(int i) {
  return 100 * ((i - 1) / kPlacesPerRow) + 120;
}  // 120, 220, 320, 420
constexpr int kTopRow = 5;

}  // namespace

class Carpet : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteDblClick = Pile(&Carpet::CarpetWasteDblClick)});
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kPlaces; ++i) {
      // Each place carries its own tag, so no two places look alike to a rule.
      TDeck* place = MakePile({.left = PlaceLeft(i), .top = PlaceTop(i), .role = RowRole(i)});
      place->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      place->OnDoubleSelect = DoubleClickToFoundation();
      T.Tableau[i] = place;
    }

    TakePacks(waste, 1, true);
    T.Board1->SetScore(-52);
    for (int i = 1; i <= kPlaces; ++i)
      DealRandom(waste, T.Tableau[i], true);
    DealRestToStock(waste, stock, false);
    StartTimer(Timer(&Carpet::Carpet_Timer));
  }

  // The waste's top card to the first foundation where it follows in suit,
  // otherwise into the first gap of the carpet; with neither, it stays.
  void CarpetWasteDblClick(TDeck* Sender) {
    TCard* c = Sender->TopCard;
    if (!c) return;
    TDeck* to = nullptr;
    for (int i = 1; !to && i <= kFoundations; ++i)
      if (CardRules::FollowsInSuit(T.Foundation[i]->TopCard, c)) to = T.Foundation[i];
    for (int i = 1; !to && i <= kPlaces; ++i)
      if (!T.Tableau[i]->TopCard) to = T.Tableau[i];
    if (!to) return;
    Deselect(Sender);
    to->MoveCardTo(c);
    ResumeTimer();
  }

  // Every 100 ms: an Ace from the carpet and one from the waste go up; then
  // the win test. AutoPlay plays no part here.
  void Carpet_Timer() {
    // Only the Aces go up by themselves.
    CommonTimer(T.Foundation, kFoundations, {PileGroup(T.Tableau, kPlaces, T.Waste())}, true, 1,
                nullptr);
  }
};

REGISTER_GAME(Carpet, 17);
