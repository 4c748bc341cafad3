// SPDX-License-Identifier: GPL-3.0-or-later
// Steeplechase: two packs. One random card dealt to the first foundation
// fixes the base rank; all eight foundations start with a card of that
// rank and are built up in alternating colours, whatever the suit, round
// the corner from King to Ace, to 13 cards. Eight columns of one card are
// built down in alternating colours and their runs move as units. A fanned
// reserve of 13 cards plays only to the foundations. The stock is turned
// one card at a time onto the waste, once. Base cards go up by themselves,
// other cards too when AutoPlay is On; a foundation card other than the
// base card may come back onto a column. The game is won when every
// foundation holds its 13 cards.

#include "platform/Modal.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kFoundations = 8;
constexpr int kColumns = 8;
constexpr int kReserveCards = 13;
constexpr int kFull = 13;

constexpr Role kWasteRole = Role::Marked;
constexpr Role kFoundationRole = Role(16);

int RowLeft(int i) {
  return 74 * i + 46;
}  // 120, 194, ..., 638: foundations and the columns below them
constexpr int kTopRow = 5;
constexpr int kColumnTop = 220;

// Whether c may be laid on top of a foundation f that is not yet complete.
bool GoesOn(const TDeck* f, const TCard* c) {
  return f && f->CardsCount() < kFull && FollowsOtherColour(f->TopCard, c);
}

}  // namespace

class Steeplechase : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    TDeck* waste = MakePile(
        {.left = 10, .top = 140, .vShift = 2, .gShift = 2, .look = Look::None, .role = kWasteRole});
    waste->OnAddWithRule = Rule(&TGame::RefuseAll);
    waste->OnDoubleSelect = Pile(&Steeplechase::SteepleDblClick);
    T.Waste() = waste;
    TDeck* stock =
        MakePile({.left = 10, .top = kTopRow, .vShift = 2, .gShift = 2, .look = Look::NoRedeal});
    stock->OnSelect = Rule(&TGame::StockToWasteSelect);
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = stock;
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(
          {.left = RowLeft(i), .top = kTopRow, .look = Look::Foundation, .role = kFoundationRole});
      f->OnSelect = Rule(&Steeplechase::NotBaseSelect);
      f->OnAddWithRule = Rule(&Steeplechase::SteepleFoundationRule);
      T.Foundation[i] = f;
    }
    TDeck* reserve = MakePile({.left = 120, .top = 112, .gShift = 15, .role = Role::Closed});
    reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
    reserve->OnDoubleSelect = Pile(&Steeplechase::SteepleDblClick);
    T.Reserve[1] = reserve;
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column =
          MakePile({.left = RowLeft(i), .top = kColumnTop, .vShift = 18, .role = Role::Column});
      column->OnAddWithRule = Rule(&Steeplechase::SteepleColumnRule);
      column->OnDoubleSelect = Pile(&Steeplechase::SteepleDblClick);
      T.Tableau[i] = column;
    }

    TakePacks(waste, 2, true);
    // Set first, so that the base card dealt to the foundation earns its points.
    T.Board1->SetScore(-104);
    for (int n = 0; n < kReserveCards; ++n)
      DealRandom(waste, reserve, true);
    base_ = DealRandom(waste, T.Foundation[1], true)->Rank();
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(waste, T.Tableau[i], true);
    DealRestToStock(waste, stock, false);
    StartTimer(Timer(&Steeplechase::Steeplechase_Timer));
  }

  // One rank higher in the other colour, any suit, an Ace on a King; an
  // empty foundation waits for the timer, a complete one takes nothing, and
  // cards never pass from one foundation to another.
  void SteepleFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard && ACard->HostDeck && HasRole(ACard->HostDeck, kFoundationRole)) return;
    Action = GoesOn(Sender, ACard);
    if (clicked) ResumeTimer();
  }

  // A foundation's top card may be picked up, unless it is its base card.
  void NotBaseSelect(TDeck*, TCard*& ACard, bool& Action, bool clicked) {
    Action = true;
    if (ACard && ACard->Rank() == base_) Action = false;
    if (clicked) T.EnableTimer();
  }

  // Down in alternating colours. The reserve gives nothing; a run moves
  // from its deepest card that fits, whether it lies on a column or on the
  // waste; an empty column takes any card but a foundation's, and asks how
  // much of a column's run to take (a waste card goes there alone).
  void SteepleColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    T.DisableTimer();
    Action = false;
    TCard* c = ACard;
    const TDeck* S = c ? c->HostDeck : nullptr;
    if (!c || !S || HasRole(S, Role::Closed)) return;
    const bool onRun = Beneath(c) && FitsAltColourDown(Beneath(c), c);

    if (TCard* t = Sender->TopCard) {
      if (onRun) {
        TCard* x = c;
        while (OnFaceUpRun(x, FitsAltColourDown) && !FitsAltColourDown(t, x))
          x = Beneath(x);
        if (FitsAltColourDown(t, x)) {
          ACard = x;
          Action = true;
        }
      } else {
        Action = FitsAltColourDown(t, c);
      }
    } else if (!HasRole(S, kFoundationRole)) {
      Action = true;
      if (clicked && onRun && !HasRole(S, kWasteRole)) {
        switch (AskEmptyColumn()) {
          case mrOk:
            // Down the run, but an Ace stays behind with whatever lies under it.
            while (FitsAltColourDown(Beneath(ACard), ACard) && Beneath(ACard) &&
                   Beneath(ACard)->Rank() != 1)
              ACard = Beneath(ACard);
            break;
          case mrYes:
            break;
          default:
            ACard = nullptr;  // cancelled: no move, no warning
        }
      }
    }
    if (clicked) T.EnableTimer();
  }

  // The top card of the waste, the reserve or a column to the first
  // foundation that takes it.
  void SteepleDblClick(TDeck* Sender) {
    TCard* c = Sender->TopCard;
    for (int i = 1; c && i <= kFoundations; ++i) {
      TDeck* f = T.Foundation[i];
      if (!GoesOn(f, c)) continue;
      Deselect(Sender);
      f->MoveCardTo(c);
      break;
    }
    T.EnableTimer();
  }

  // Every 100 ms: base cards from the reserve, then from the columns and the
  // waste; with AutoPlay On one safe card from the reserve and one from the
  // columns or the waste; then the win test.
  void Steeplechase_Timer() {
    CommonTimer(T.Foundation, kFoundations,
                {PileGroup(T.Reserve, 1), PileGroup(T.Tableau, kColumns, T.Waste())}, true, base_,
                FollowsOtherColour);
  }

 private:
  int base_ = 1;
};

REGISTER_GAME(Steeplechase, 19);
