// SPDX-License-Identifier: GPL-3.0-or-later
// Turncoats: one pack. Twelve single-card columns in two rows are built up
// or down by one rank in alternating colours, one card at a time (ranks wrap:
// an Ace on a King, a King on an Ace). The player never touches the stock:
// whenever a column is empty the timer fills it with the stock's next card,
// except that an Ace turned up that way goes straight to a foundation. Four
// foundations are built up in suit from the Ace; Aces on top of a column go up
// by themselves, nothing else does. The game is won when every foundation
// holds its 13 cards.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kFoundations = 4;
constexpr int kColumns = 12;
constexpr int kCards = 52;

int FoundationLeft(int i) {
  return 80 * i + 140;
}  // 220, 300, 380, 460
int ColumnLeft(int i) {
  return 80 * ((i - 1) % 6) + 140;
}  // 140, 220, ..., 540
int ColumnTop(int i) {
  return 120 * ((i - 1) / 6) + 160;
}  // 160 for columns 1..6, 280 for 7..12

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

}  // namespace

class Turncoats : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    TDeck* stock =
        MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::NoRedeal});
    stock->OnSelect = Rule(&TGame::RefuseAll);
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = stock;

    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(
          {.left = FoundationLeft(i), .top = 5, .look = Look::Foundation, .role = Role::Marked});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(
          {.left = ColumnLeft(i), .top = ColumnTop(i), .showsCard = true, .role = Role::Column});
      column->OnAddWithRule = Rule(&Turncoats::TurncoatsColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.skipKingTopped = true});
      T.Tableau[i] = column;
    }

    // The first foundation holds the pack while it is dealt.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, true);
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(dealPile, T.Tableau[i], true);
    DealRestToStock(dealPile, stock, false);
    // Set once the pack has left the foundation, so that it counts nothing.
    T.Board1->SetScore(-kCards);
    StartTimer(Timer(&Turncoats::Turncoats_Timer));
  }

  // One card of the other colour, one rank above or below the column's top
  // card, ranks wrapping both ways. An empty column waits for the stock.
  void TurncoatsColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    TCard* t = Top(Sender);
    if (t && ACard && OtherColour(ACard, t) &&
        (FollowsAnySuit(t, ACard) || PrecedesAnySuit(t, ACard)))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // Every 100 ms: an Ace from a column up, then every empty column takes the
  // stock's next card; an Ace so turned goes to a foundation instead and
  // its column waits for the next tick. AutoPlay plays no part.
  void Turncoats_Timer() {
    if (TickWaitsForMove()) return;
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kColumns, 1);
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = T.Tableau[i];
      TCard* c = Top(T.Stock());
      if (column->TopCard || !c) continue;
      TDeck* to = column;
      if (c->Rank() == 1)
        if (TDeck* f = EmptyFoundation()) to = f;
      // Turning and placing the card is one step for undo.
      T.Board1->BeginMoveGroup();
      c->SetFace(true);
      to->MoveCardTo(c);
      T.Board1->EndMoveGroup();
    }
    FinishTick(T.Foundation, kFoundations);
  }

 private:
  TDeck* EmptyFoundation() const {
    for (int i = 1; i <= kFoundations; ++i)
      if (!T.Foundation[i]->TopCard) return T.Foundation[i];
    return nullptr;
  }
};

REGISTER_GAME(Turncoats, 12);
