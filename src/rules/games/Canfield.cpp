// SPDX-License-Identifier: GPL-3.0-or-later
// Canfield and Short Solitaire: one pack, the same stock. A click on the
// stock turns up to three cards onto a fanned turn pile lying over the
// waste; a click on the empty stock turns the waste back, as often as the
// player likes. One random card starts the first foundation and its rank is
// the base rank: every foundation is built up from it, circularly, to 13.
//
// Canfield (3): foundations up in suit; a reserve of 13 cards refills four
// columns built down in alternating colours, whose runs move as units.
// Short Solitaire (18): foundations up regardless of suit; six columns of
// four face-up cards built down regardless of suit, one card at a time; the
// card just below the base rank starts an empty column.

#include "platform/Modal.h"
#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kFull = 13;
constexpr int kCanfieldColumns = 4;
constexpr int kShortColumns = 6;
constexpr int kReserveCards = 13;

// Single slots: 1 waste, 2 stock, 3 the turn pile, 4 Canfield's reserve.
constexpr int kTurnSlot = 3;
constexpr int kReserveSlot = 4;

constexpr int kTopRow = 5;
constexpr int kWasteLeft = 100;
constexpr int kTurnShift = 15;  // the last three turned cards show

int CanfieldLeft(int i) {
  return 80 * i + 170;
}  // 250, 330, 410, 490
int ShortFoundationLeft(int i) {
  return 80 * i + 155;
}  // 235, 315, 395, 475
int ShortColumnLeft(int i) {
  return 76 * i + 24;
}  // 100, 176, ..., 480

}  // namespace

class Canfield : public TGame {
 public:
  enum Variant { Classic, Short };
  Canfield(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    if (variant_ == Short)
      DealShort();
    else
      DealCanfield();
  }

  // --- The stock, shared by both games ----------------------------------------

  // Up to three cards onto the turn pile, whose earlier cards go onto the
  // waste first; one undo step, without the slide.
  void TurnThreeSelect(TDeck* Sender, TCard*& ACard, bool& Action, bool) {
    T.DisableTimer();
    Action = false;
    TDeck* turn = TurnPile();
    if (Sender->TopCard && turn && T.Waste()) {
      TBoard* b = T.Board1;
      b->Animate = false;
      b->BeginMoveGroup();
      if (turn->TopCard) T.Waste()->MoveCardTo(turn->CardAt(turn->CardsCount()));
      PlaceTurnPile();
      TCard* c = ACard ? ACard : Sender->TopCard;
      for (int n = 0; n < 3 && c; ++n, c = Sender->TopCard) {
        c->SetFace(true);
        turn->MoveCardTo(c);
      }
      b->EndMoveGroup();
      b->Animate = true;
    }
    ResumeTimer();
  }

  // The waste's top card lies under the turn pile until that is played out:
  // covered, it cannot be picked up, so no click, drag, key, double click,
  // hint or search takes it.
  void CoveredWasteSelect(TDeck*, TCard*&, bool& Action, bool) {
    const TDeck* turn = TurnPile();
    Action = !(turn && turn->TopCard);
  }

  // The waste, with the turn pile on it, goes back onto the stock face down.
  // A pass can never be undone.
  void TurnBackEmptySelect(TDeck* Sender) {
    TDeck* turn = TurnPile();
    TDeck* waste = T.Waste();
    if (!turn || !waste) return;
    while (turn->TopCard)
      waste->MoveCard(turn, turn->CardsCount());
    Sender->TurnOver(waste);
    // Placed once the waste is empty, so the next pass starts on the bare
    // waste rather than where its top card used to lie.
    PlaceTurnPile();
    T.Board1->ClearHistory();
    T.EnableTimer();
  }

  // --- Canfield ----------------------------------------------------------------

  // Down in alternating colours. From another column the deepest card of
  // the run that fits takes the cards on it along; an empty column (the
  // reserve is spent, or a dealt base card left it) takes any card or run,
  // and for a run the player says whether it all goes or its top card only.
  void CanfieldColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    using CardRules::FitsAltColourDown;
    Action = false;
    if (ACard) {
      const TDeck* S = ACard->HostDeck;
      const bool onRun = S && HasRole(S, Role::Column) && FitsAltColourDown(Beneath(ACard), ACard);
      TCard* top = Sender->TopCard;
      if (!top) {
        Action = true;
        if (clicked && onRun) ACard = EmptyColumnRunStart(ACard);
      } else if (onRun) {
        TCard* x = ACard;
        while (FitsAltColourDown(Beneath(x), x) && !FitsAltColourDown(top, x))
          x = Beneath(x);
        if (FitsAltColourDown(top, x)) {
          ACard = x;
          Action = true;
        }
      } else {
        Action = FitsAltColourDown(top, ACard);
      }
    }
    if (clicked) T.EnableTimer();
  }

  // The card a run offered to an empty column starts from, as the player
  // answers: the run's base for "Move column" (down the same walk as onto a
  // card), the offered card alone for "Move single card", nothing (no move,
  // no warning) for Cancel.
  TCard* EmptyColumnRunStart(TCard* c) {
    switch (AskEmptyColumn()) {
      case mrOk:
        while (CardRules::FitsAltColourDown(Beneath(c), c))
          c = Beneath(c);
        return c;
      case mrYes:
        return c;
      default:
        return nullptr;
    }
  }

  // A move to a foundation refills the column it emptied (or turns the
  // reserve's next card up); the last card home wins.
  void CanfieldFoundationAfterMove(TDeck* Source, TDeck* Dest, TCard* ACard) {
    ReserveRefillAfterMove(Source, Dest, ACard);
    if (AllFoundationsFull(T.Foundation, kFoundations)) {
      T.GameWon();
    }
  }

  // To the first foundation where the card follows in suit; a base card is
  // never sent to an empty foundation (the timer does that).
  void CanfieldToFoundationDblClick(TDeck* Sender) {
    for (int i = 1; i <= kFoundations && Sender->TopCard; ++i) {
      TDeck* f = T.Foundation[i];
      if (f && CardRules::FollowsInSuit(f->TopCard, Sender->TopCard)) {
        TCard* c = Sender->TopCard;
        Deselect(Sender);
        f->MoveCardTo(c);
        break;
      }
    }
    T.EnableTimer();
  }

  // Base cards from the reserve, the turn pile or the bare waste go up by
  // themselves; nothing else does.
  void Kanf_TTimer() {
    T.DisableTimer();
    if (!Busy()) {
      TDeck* reserve = T.Single[kReserveSlot];
      if (TCard* c = reserve->TopCard; c && c->Rank() == base_) {
        if (TDeck* f = EmptyFoundation(T.Foundation)) {
          f->MoveCardTo(c);
          c->SetFace(true);
          if (reserve->TopCard) reserve->TopCard->SetFace(true);
        }
      }
      TDeck* turn = TurnPile();
      TDeck* from = turn->TopCard ? turn : T.Waste();
      if (TCard* c = from->TopCard; c && c->Rank() == base_) {
        if (TDeck* f = EmptyFoundation(T.Foundation)) {
          f->MoveCardTo(c);
          c->SetFace(true);
        }
      }
    }
    T.EnableTimer();
  }

  // --- Short Solitaire ---------------------------------------------------------

  // One rank lower regardless of suit (a King on an Ace); an empty column
  // takes only the card just below the base rank. Single cards only.
  void ShortColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard) {
      if (const TCard* top = Sender->TopCard)
        Action = CardRules::PrecedesAnySuit(top, ACard);
      else
        Action = CardRules::NextRank(ACard->Rank()) == base_;
    }
    if (clicked) ResumeTimer();
  }

  // Base cards to empty foundations, then (AutoPlay On) whatever may safely
  // go up, then the win test.
  void Short_Timer() {
    if (TickWaitsForMove()) return;
    TDeck* turn = TurnPile();
    // The waste's top card plays only once the turn pile is off it: lying
    // under the turn pile it is covered, and nothing covered goes up.
    TDeck* waste = turn->TopCard ? nullptr : T.Waste();
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kShortColumns, base_, turn);
    if (TCard* c = waste ? waste->TopCard : nullptr; c && c->Rank() == base_)
      if (TDeck* f = EmptyFoundation(T.Foundation)) f->MoveCardTo(c);
    if (T.AutoPlay == 0) {
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kShortColumns, true, base_,
                            CardRules::FollowsAnySuit, waste);
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kShortColumns, true, base_,
                            CardRules::FollowsAnySuit, turn);
    }
    FinishTick(T.Foundation, kFoundations);
  }

  int BaseRank() const { return base_; }

 private:
  void DealCanfield() {
    TDeck* waste = MakeStockPiles(Look::None, Pile(&Canfield::CanfieldToFoundationDblClick));

    TDeck* reserve = MakePile({.left = 5, .top = 130, .vShift = 5, .role = Role::Reserve});
    reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
    reserve->OnDoubleSelect = Pile(&Canfield::CanfieldToFoundationDblClick);
    T.Single[kReserveSlot] = reserve;

    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = CanfieldLeft(i),
                            .top = kTopRow,
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll),
        After(&Canfield::CanfieldFoundationAfterMove));
    for (int i = 1; i <= kCanfieldColumns; ++i) {
      TDeck* column = MakePile({.left = CanfieldLeft(i),
                                .top = 130,
                                .vShift = 18,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&Canfield::CanfieldColumnRule);
      column->OnAfterMove = After(&TGame::ReserveRefillAfterMove);
      column->OnDoubleSelect = Pile(&Canfield::CanfieldToFoundationDblClick);
      T.ListB[i] = column;
    }

    TakePacks(waste, 1, false);
    T.Board1->SetScore(-52);
    for (int n = 0; n < kReserveCards; ++n)
      DealRandom(waste, reserve, false);
    reserve->TopCard->SetFace(true);
    for (int i = 1; i <= kCanfieldColumns; ++i)
      DealRandom(waste, T.ListB[i], true);
    base_ = DealRandom(waste, T.Foundation[1], true)->Rank();
    DealRestToStock(waste, T.Stock(), false);
    StartTimer(Timer(&Canfield::Kanf_TTimer));
    // Dealt base cards go up at once; their columns wait for the player.
    for (int i = 1; i <= kCanfieldColumns; ++i) {
      TCard* c = T.ListB[i]->TopCard;
      if (c && c->Rank() == base_)
        if (TDeck* f = EmptyFoundation(T.Foundation)) f->MoveCardTo(c);
    }
  }

  void DealShort() {
    TDeck* waste =
        MakeStockPiles(Look::Blank, DoubleClickToFoundation({.fits = CardRules::FollowsAnySuit}));

    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{
              .left = ShortFoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::AnySuitUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kShortColumns; ++i) {
      TDeck* column =
          MakePile({.left = ShortColumnLeft(i), .top = 140, .vShift = 18, .role = RowRole(i)});
      column->OnAddWithRule = Rule(&Canfield::ShortColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.fits = CardRules::FollowsAnySuit});
      T.Tableau[i] = column;
    }

    TakePacks(waste, 1, true);
    T.Board1->SetScore(-52);
    // Round the columns from the second: column 1 gets the last card of each
    // pass of six.
    for (int i = 1; i <= 4 * kShortColumns; ++i)
      DealRandom(waste, T.Tableau[i % kShortColumns + 1]);
    base_ = DealRandom(waste, T.Foundation[1])->Rank();
    DealRestToStock(waste, T.Stock(), false);
    StartTimer(Timer(&Canfield::Short_Timer));
  }

  // The waste, the turn pile over it and the stock, in that order; the
  // turn pile's empty look and both piles' double click are the game's.
  TDeck* MakeStockPiles(Look turnLook, TDeckEEvent toFoundation) {
    TDeck* waste = MakePile({.left = kWasteLeft,
                             .top = kTopRow,
                             .vShift = 2,
                             .gShift = 2,
                             .look = Look::None,
                             .role = Role::Marked});
    waste->OnSelect = Rule(&Canfield::CoveredWasteSelect);
    waste->OnAddWithRule = Rule(&TGame::RefuseAll);
    waste->OnDoubleSelect = toFoundation;
    T.Waste() = waste;

    TDeck* turn = MakePile({.left = kWasteLeft,
                            .top = kTopRow,
                            .gShift = kTurnShift,
                            .look = turnLook,
                            .role = Role::Marked});
    turn->OnAddWithRule = Rule(&TGame::RefuseAll);
    turn->OnDoubleSelect = toFoundation;
    T.Single[kTurnSlot] = turn;

    TDeck* stock = MakePile({.left = 5,
                             .top = kTopRow,
                             .vShift = 2,
                             .gShift = 2,
                             .look = Look::Ring,
                             .role = Role::Second});
    stock->OnSelect = Rule(&Canfield::TurnThreeSelect);
    stock->OnEmptySelect = Pile(&Canfield::TurnBackEmptySelect);
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = stock;
    return waste;
  }

  TDeck* TurnPile() const { return T.Single[kTurnSlot]; }

  // The turn pile lies over the waste's top card (or the bare waste).
  void PlaceTurnPile() {
    TDeck* turn = TurnPile();
    const TDeck* waste = T.Waste();
    const TGraphicControl* under = waste->TopCard
                                       ? static_cast<const TGraphicControl*>(waste->TopCard)
                                       : static_cast<const TGraphicControl*>(waste);
    turn->SetBounds(under->Left(), under->Top(), turn->Width(), turn->Height());
  }

  static TDeck* EmptyFoundation(const TTable::PileList& F) {
    for (int i = 1; i <= kFoundations; ++i)
      if (F[i] && !F[i]->TopCard) return F[i];
    return nullptr;
  }

  // A tick that arrives while a move is still sliding waits for the next.
  bool Busy() const { return T.Board1 && T.Board1->Busy; }

  const Variant variant_;
  int base_ = 1;
};

REGISTER_VARIANT(Canfield, 3, Canfield::Classic);
REGISTER_VARIANT(Canfield, 18, Canfield::Short);
