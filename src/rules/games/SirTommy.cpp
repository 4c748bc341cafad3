// SPDX-License-Identifier: GPL-3.0-or-later
// Sir Tommy and Lady Betty: one pack, lying face up in a stock whose top
// card always shows. The stock's top card goes onto any waste pile, whatever
// its rank; the tops of the stock and of the waste piles go up onto four
// foundations started by the Aces. An Ace that comes to the top of the stock
// or of a waste pile after a move goes up by itself; one the player puts on
// a waste pile stays there. The stock is gone through once. The game is won
// when every foundation holds its 13 cards.
//
// Sir Tommy (8): four waste piles, foundations up regardless of suit.
// Lady Betty (9): six waste piles, foundations up in suit.

#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kFull = 13;
constexpr Role kStockRole = Role::Marked;

int RowLeft(int i) {
  return 78 * i + 82;
}  // foundations and waste piles: 160, 238, ..., 550
constexpr int kTopRow = 5;
constexpr int kWasteTop = 110;

}  // namespace

class SirTommy : public TGame {
 public:
  enum Variant { Tommy, LadyBetty };
  SirTommy(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    const bool tommy = variant_ == Tommy;
    const TDeckEEvent toFoundation =
        tommy ? DoubleClickToFoundation({.fits = CardRules::FollowsAnySuit})
              : DoubleClickToFoundation({.skipKingTopped = true});

    // The stock sits in the waste slot: it is never turned.
    TDeck* stock = MakePile({.left = 10,
                             .top = kTopRow,
                             .vShift = 2,
                             .gShift = 2,
                             .look = Look::NoRedeal,
                             .role = kStockRole});
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    stock->OnDoubleSelect = toFoundation;
    T.Waste() = stock;

    TDeck* dealPile =
        MakePile({.left = 120, .top = kTopRow, .vShift = 2, .gShift = 2, .look = Look::NoRedeal});
    T.Single[2] = dealPile;

    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(
          {.left = RowLeft(i), .top = kTopRow, .look = Look::Foundation, .role = Role::Marked});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule =
          tommy ? Rule(&SirTommy::TommyFoundationRule) : Rule(&TGame::FoundationUpRule);
      f->OnAfterMove = After(&SirTommy::TommyAfterMove);
      T.Foundation[i] = f;
    }
    wastePiles_ = tommy ? 4 : 6;
    for (int i = 1; i <= wastePiles_; ++i) {
      TDeck* w = MakePile({.left = RowLeft(i),
                           .top = kWasteTop,
                           .vShift = 18,
                           .look = Look::Ring,
                           .showsCard = true,
                           .role = Role::Column});
      w->OnAddWithRule = Rule(&SirTommy::TommyWasteRule);
      w->OnAfterMove = After(&SirTommy::TommyAfterMove);
      w->OnDoubleSelect = toFoundation;
      T.Tableau[i] = w;
    }

    TakePacks(dealPile, 1, true);
    T.Board1->SetScore(-52);
    DealRestToStock(dealPile, stock, true);
    FreeDealPile(T.Single[2]);
    // The deal's own moves run no after-move handler, so the Aces lying on
    // top of the stock are sent up here; a second Ace under the first would
    // otherwise sit on the stock with no way up.
    while (stock->TopCard && stock->TopCard->Rank() == 1)
      if (!SendAceUp(stock)) break;
    StartTimer(nullptr);
  }

  // Onto a waste pile: any card of the stock, never one from another waste
  // pile (foundation cards cannot be picked up at all).
  void TommyWasteRule(TDeck*, TCard*& ACard, bool& Action, bool) {
    Action = false;
    Action = ACard && ACard->HostDeck && HasRole(ACard->HostDeck, kStockRole);
  }

  // Sir Tommy's foundations: one rank higher, any suit. A full foundation
  // ends on a King, and an Ace does not follow it.
  void TommyFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    Action = Sender->CardsCount() < kFull && CardRules::FollowsAnySuit(Sender->TopCard, ACard);
    if (clicked) ResumeTimer();
  }

  // After a move onto a foundation or a waste pile: an Ace left on top of
  // the pile the card came from goes up (its own move repeats this for the
  // card under it), then the win test.
  void TommyAfterMove(TDeck* Source, TDeck*, TCard*) {
    if (Source && Source->TopCard && Source->TopCard->Rank() == 1) SendAceUp(Source);
    if (AllFoundationsFull(T.Foundation, kFoundations)) {
      T.GameWon();
    }
  }

  int WastePiles() const { return wastePiles_; }

 private:
  // The Ace on top of the pile to the first empty foundation.
  bool SendAceUp(TDeck* pile) {
    for (int i = 1; i <= kFoundations; ++i)
      if (TDeck* f = T.Foundation[i]; f && !f->TopCard) {
        Deselect(pile);
        f->MoveCardTo(pile->TopCard);
        return true;
      }
    return false;
  }

  int wastePiles_ = 4;
  const Variant variant_;
};

REGISTER_VARIANT(SirTommy, 8, SirTommy::Tommy);
REGISTER_VARIANT(SirTommy, 9, SirTommy::LadyBetty);
