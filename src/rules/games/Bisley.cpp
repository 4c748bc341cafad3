// SPDX-License-Identifier: GPL-3.0-or-later
// Bisley: one pack, all face up, no stock. The four Aces start four Ace
// foundations, built up in suit; a King, once it is the top card of a column,
// goes to the King foundation of its suit, built down in suit. When the two
// foundations of a suit meet, the King foundation is stacked onto the Ace
// foundation. Twelve columns of four cards are built up or down in suit, one
// card at a time; an emptied column stays empty. The game is won when the
// four Ace foundations hold 13 cards each.

#include "platform/Messages.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kSuits = 4;
constexpr int kColumns = 12;

constexpr int kAceLeft = 500;
constexpr int kKingLeft = 580;
int FoundationTop(int i) {
  return 110 * i - 105;
}  // 5, 115, 225, 335
int ColumnLeft(int i) {
  return 79 * ((i - 1) % 6) + 5;
}  // 5, 84, 163, 242, 321, 400
int ColumnTop(int i) {
  return 270 * ((i - 1) / 6) + 5;
}  // 5 for columns 1..6, 275 for 7..12
constexpr int kColumnStep = 18;

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

}  // namespace

class Bisley : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The pack waits here while it is dealt; the pile goes with the deal.
    T.Stock() = MakePile({.left = kKingLeft, .top = 5});
    MakeFoundations(
        kSuits,
        [&](int i) {
          return PileLayout{.left = kAceLeft,
                            .top = FoundationTop(i),
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kSuits; ++i) {
      TDeck* k = MakePile({.left = kKingLeft,
                           .top = FoundationTop(i),
                           .look = Look::Foundation,
                           .role = Role::Marked});
      k->OnSelect = Rule(&TGame::RefuseAll);
      k->OnAddWithRule = Rule(&TGame::SuitDownRule);
      T.Foundation[kSuits + i] = k;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = ColumnTop(i),
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&Bisley::BisleyColumnRule);
      column->OnDoubleSelect = Pile(&Bisley::BisleyToFoundationDblClick);
      T.Tableau[i] = column;
    }
    // Set before the Aces go up, so that they earn their points.
    T.Board1->SetScore(-52);

    TDeck* dealPile = T.Stock();
    for (int i = 1; i <= 52; ++i) {
      TCard* c = T.CardPool[i];
      c->Show();
      c->SetFace(true);
      // Ace foundation k takes the Ace of suit k.
      TDeck* to = (i - 1) % 13 == 0 ? T.Foundation[(i - 1) / 13 + 1] : dealPile;
      to->AddCard(c);
      c->BringToFront();
    }
    for (int i = 1; i <= 48; ++i)
      DealRandom(dealPile, T.Tableau[(i - 1) % kColumns + 1]);
    for (int i = 1; i <= kColumns; ++i)
      KingUp(T.Tableau[i]);

    FreeDealPile(T.Stock());
    StartTimer(Timer(&Bisley::Bisley_Timer));
  }

  // One card onto a column: the next rank up or down in the column's suit
  // (an Ace and a King of one suit meet). An empty column takes nothing.
  void BisleyColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    TCard* t = Top(Sender);
    if (t && ACard && ACard->Suit() == t->Suit() &&
        (FollowsAnySuit(t, ACard) || PrecedesAnySuit(t, ACard)))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // The top card to its Ace foundation when it follows there, else to its
  // King foundation when it goes down there.
  void BisleyToFoundationDblClick(TDeck* Sender) {
    T.DisableTimer();
    if (TCard* c = Top(Sender)) {
      TDeck* to = nullptr;
      for (int i = 1; i <= kSuits && !to; ++i) {
        TCard* a = Top(T.Foundation[i]);
        if (FollowsInSuit(a, c) && a->Rank() != 13) to = T.Foundation[i];
      }
      for (int j = 1; j <= kSuits && !to; ++j)
        if (PrecedesInSuit(Top(Kings(j)), c)) to = Kings(j);
      if (to) {
        Deselect(Sender);
        to->MoveCardTo(c);
      }
    }
    T.EnableTimer();
  }

  // Every 100 ms: exposed Kings leave the columns whatever AutoPlay says;
  // with AutoPlay On every column may give one card to a foundation; a King
  // foundation that meets its Ace foundation is stacked onto it; then the
  // win test.
  void Bisley_Timer() {
    if (TickWaitsForMove()) return;
    for (int i = 1; i <= kColumns; ++i)
      KingUp(T.Tableau[i]);

    if (T.AutoPlay == 0) {
      for (int i = 1; i <= kColumns; ++i) {
        TCard* c = Top(T.Tableau[i]);
        if (!c) continue;
        bool moved = false;
        if (c->Rank() == 13) {
          moved = KingUp(T.Tableau[i]);
        } else {
          for (int j = 1; j <= kSuits && !moved; ++j) {
            TDeck* to = nullptr;
            if (FollowsInSuit(Top(T.Foundation[j]), c))
              to = T.Foundation[j];
            else if (PrecedesInSuit(Top(Kings(j)), c))
              to = Kings(j);
            if (to) {
              to->MoveCardTo(c);
              moved = true;
            }
          }
        }
        if (moved) ProcessMessages();  // let the move be painted
      }
    }

    for (int i = 1; i <= kSuits; ++i) {
      TDeck* kings = Kings(i);
      TDeck* aces = T.Foundation[i];
      if (!FollowsAnySuit(Top(aces), Top(kings))) continue;
      for (int n = 0; n < 13 && Top(kings); ++n)
        aces->MoveCardTo(Top(kings));
    }

    FinishTick(T.Foundation, kSuits);
  }

 private:
  // The King foundation of suit i, beside its Ace foundation.
  TDeck* Kings(int i) const { return T.Foundation[kSuits + i]; }
  // The King foundation of the card's suit: the one beside the Ace
  // foundation whose top card has that suit.
  TDeck* KingFoundationFor(const TCard* c) const {
    for (int j = 1; j <= kSuits; ++j) {
      TCard* a = Top(T.Foundation[j]);
      if (a && a->Suit() == c->Suit()) return Kings(j);
    }
    return nullptr;
  }

  // A King on top of the column goes to its King foundation.
  bool KingUp(TDeck* column) {
    TCard* c = Top(column);
    if (!c || c->Rank() != 13) return false;
    TDeck* to = KingFoundationFor(c);
    if (!to) return false;
    to->MoveCardTo(c);
    return true;
  }
};

REGISTER_GAME(Bisley, 10);
