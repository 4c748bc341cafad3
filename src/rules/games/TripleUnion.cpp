// SPDX-License-Identifier: GPL-3.0-or-later
// Triple Union: one pack dealt face up to eighteen small columns. Above them
// stand seventeen union piles: an empty union takes any card, then up to two
// more, each one rank above the card before it in any suit (an Ace follows a
// King). Nothing goes onto a column and nothing comes off a union. The game
// is won when a single card is left on the columns, the other 51 lying in
// seventeen unions of three. Nothing moves by itself.

#include "rules/Game.h"

namespace {

constexpr int kColumns = 18;
constexpr int kUnions = 17;
constexpr int kUnionCards = 3;

int RowLeft(int i) {
  return 87 * ((i - 1) % 9) + 5;
}  // 5, 92, ..., 701: nine to a row
int ColumnTop(int i) {
  return 120 * ((i - 1) / 9) + 240;
}  // 240, 360
int UnionTop(int i) {
  return 110 * ((i - 1) / 9) + 5;
}  // 5, 115

}  // namespace

class TripleUnion : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column =
          MakePile({.left = RowLeft(i), .top = ColumnTop(i), .vShift = 4, .role = Role::Marked});
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&TripleUnion::TripleColumnDblClick);
      T.Tableau[i] = column;
    }
    for (int i = 1; i <= kUnions; ++i) {
      // A slight fan to the right, so that all three cards of a union show.
      TDeck* u = MakePile({.left = RowLeft(i),
                           .top = UnionTop(i),
                           .gShift = 6,
                           .look = Look::Foundation,
                           .role = Role::Marked});
      u->OnSelect = Rule(&TGame::RefuseAll);
      u->OnAddWithRule = Rule(&TripleUnion::TripleUnionRule);
      T.Foundation[i] = u;
    }

    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, true);
    // Round the columns: 1..16 get three cards, 17 and 18 two.
    for (int i = 1; i <= 52; ++i)
      DealRandom(dealPile, T.Tableau[(i - 1) % kColumns + 1]);
    // Only now: the points the deal pile earned and lost while holding the
    // pack do not count.
    T.Board1->SetScore(-52);

    StartTimer(Timer(&TripleUnion::Triple_Timer));
  }

  // Onto a union: any card while it is empty, then the next rank up in any
  // suit, three cards at most.
  void TripleUnionRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard && Sender->CardsCount() < kUnionCards &&
        (!Sender->TopCard || CardRules::FollowsAnySuit(Sender->TopCard, ACard)))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // The top card joins the first union it continues; a double click never
  // starts a new union, the player does that by hand.
  void TripleColumnDblClick(TDeck* Sender) {
    TCard* c = Sender->TopCard;
    for (int i = 1; c && i <= kUnions; ++i) {
      TDeck* u = T.Foundation[i];
      if (!u || !u->TopCard || u->CardsCount() >= kUnionCards ||
          !CardRules::FollowsAnySuit(u->TopCard, c))
        continue;
      Deselect(Sender);
      u->MoveCardTo(c);
      break;
    }
    T.EnableTimer();
  }

  // Only the win is watched for: one card left on the columns.
  void Triple_Timer() {
    T.DisableTimer();
    int left = 0;
    for (int i = 1; i <= kColumns; ++i)
      if (const TDeck* column = T.Tableau[i]) left += column->CardsCount();
    if (left == 1) {
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }
};

REGISTER_GAME(TripleUnion, 29);
