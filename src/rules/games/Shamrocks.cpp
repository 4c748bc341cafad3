// SPDX-License-Identifier: GPL-3.0-or-later
// Shamrocks: one pack, all face up, no stock. Seventeen fans of three cards
// and one of a single card lie in three rows of six. A fan's top card goes
// up in suit to the four foundations, or onto another fan whose top card is
// one rank above or below it (any suit, King and Ace are neighbours) while
// that fan holds fewer than three cards. Aces go up by themselves, other
// cards too when AutoPlay is On, as long as that is safe. The game is won
// when every foundation holds its 13 cards.

#include "rules/FanTable.h"
#include "rules/Game.h"

using namespace fan_table;

class Shamrocks : public FanTableGame {
 public:
  using FanTableGame::FanTableGame;

  void Deal() override {
    MakeFansAndFoundations(Rule(&Shamrocks::ShamrockFanRule));

    TDeck* dealPile = T.Tableau[kFans];
    TakePacks(dealPile, 1, true);
    T.Board1->SetScore(-52);
    for (int i = 1; i <= kDealtFans; ++i)
      for (int n = 0; n < kFanCards; ++n)
        DealRandom(dealPile, T.Tableau[i]);
    // The last card is drawn too and laid back on its own fan, which sets it
    // at the fan's own place before the fan spreads out.
    dealPile->MoveCard(dealPile, T.NextRandom(dealPile->CardsCount()));
    dealPile->SetGShift(kFanShift);

    StartTimer(Timer(&Shamrocks::Shamrocks_Timer));
  }

  // Onto a fan: one rank above or below its top card, any suit, while the
  // fan holds fewer than three cards. An empty fan stays empty.
  void ShamrockFanRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    const TCard* top = Sender->TopCard;
    if (top && ACard && Sender->CardsCount() < kFanCards &&
        (CardRules::FollowsAnySuit(top, ACard) || CardRules::PrecedesAnySuit(top, ACard)))
      Action = true;
    if (clicked) T.EnableTimer();
  }

  // Every 100 ms: one Ace up, then (AutoPlay On) one card that may safely
  // go up, then the win test.
  void Shamrocks_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kFans, true, 1, CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(Shamrocks, 24);
