// SPDX-License-Identifier: GPL-3.0-or-later
// Troika: one pack, all face up, no stock. Seventeen fans of three cards and
// one of a single card lie in three rows of six; the Aces go to the four
// foundations while the cards are dealt. A fan's top card goes up in suit, or
// onto another fan whose top card has the same rank while that fan holds
// fewer than three cards. Nothing moves by itself: the timer only watches
// for the win, when every foundation holds its 13 cards.

#include "rules/FanTable.h"
#include "rules/Game.h"

using namespace fan_table;

class Troika : public FanTableGame {
 public:
  using FanTableGame::FanTableGame;

  void Deal() override {
    MakeFansAndFoundations(Rule(&Troika::TroikaFanRule));

    TDeck* dealPile = T.Tableau[kFans];
    TakePacks(dealPile, 1, true);
    // Set first: the Aces placed while dealing earn their points.
    T.Board1->SetScore(-52);
    for (int i = 1; i <= kDealtFans; ++i)
      for (int n = 0; n < kFanCards; ++n) {
        DealRandom(dealPile, T.Tableau[i], true);
        AceCheck(T.Tableau[i]);
      }
    // The one card left stays where it lies, but its draw is still made, so
    // the sequence of draws is the same for every game number.
    T.NextRandom(dealPile->CardsCount());
    if (dealPile->TopCard) dealPile->TopCard->SetFace(true);
    dealPile->SetGShift(kFanShift);
    AceCheck(dealPile);

    StartTimer(Timer(&Troika::TT_Timer));
  }

  // Onto a fan: a card of the same rank as its top card, any suit, while
  // the fan holds fewer than three cards. An empty fan stays empty.
  void TroikaFanRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    const TCard* top = Sender->TopCard;
    if (top && ACard && ACard->Rank() == top->Rank() && Sender->CardsCount() < kFanCards)
      Action = true;
    if (clicked) T.EnableTimer();
  }

  // Only the win is watched for; every card is moved by the player.
  void TT_Timer() {
    if (!AllFoundationsFull(T.Foundation, kFoundations)) return;
    T.DisableTimer();
    T.GameWon();
  }

 private:
  // An Ace on top of the pile goes to the first empty foundation.
  void AceCheck(TDeck* pile) {
    TCard* c = pile->TopCard;
    if (!c || c->Rank() != 1) return;
    for (int i = 1; i <= kFoundations; ++i)
      if (TDeck* f = T.Foundation[i]; f && !f->TopCard) {
        f->MoveCardTo(c);
        return;
      }
  }
};

REGISTER_GAME(Troika, 7);
