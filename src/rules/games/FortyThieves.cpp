// SPDX-License-Identifier: GPL-3.0-or-later
// Forty Thieves, Josephine and Masquerade: two packs, eight foundations
// built up in suit from the Ace, a face-down stock gone through once.
//
//   Forty Thieves  ten columns of four; the stock turns one card to the
//                  waste; columns go down in suit and a run travels through
//                  the empty columns (N empty columns: N + 1 cards).
//   Josephine      the same table, but any run in one suit moves at once and
//                  the timer plays up every card that fits.
//   Masquerade     eight columns of one; the stock deals a row, one card to
//                  each column; columns go down in alternating colours, and a
//                  foundation's top card (not an Ace) may come back into play.
//
// The game is won when all eight foundations hold their 13 cards.

#include "platform/Modal.h"
#include "rules/Game.h"
#include "rules/SuitRunRule.h"

using namespace CardRules;

// --- The three games --------------------------------------------------------------

namespace {

constexpr int kFoundations = 8;
constexpr int kMaxColumns = 10;  // tableau slots the timer searches
constexpr int kTopRow = 5;
constexpr int kColumnTop = 130;
constexpr int kColumnStep = 18;

// Forty Thieves and Josephine.
int ThievesFoundationLeft(int i) {
  return 73 * i + 119;
}  // 192, 265, ..., 703
int ThievesColumnLeft(int i) {
  return 77 * i - 67;
}  // 10, 87, ..., 703
// Masquerade: each column stands under its foundation.
int MasqueradeLeft(int i) {
  return 78 * i + 60;
}  // 138, 216, ..., 684

}  // namespace

class FortyThieves : public TGame {
 public:
  enum Variant { Thieves, Josephine, Masquerade };
  FortyThieves(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    if (variant_ == Masquerade)
      DealMasquerade();
    else
      DealThieves();
  }

  // Forty Thieves and Josephine: forty cards round the ten columns, the
  // other 64 face down to the stock.
  void DealThieves() {
    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8})});
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{
              .left = ThievesFoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&FortyThieves::FoundationRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= 10; ++i) {
      TDeck* column = MakePile({.left = ThievesColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      if (variant_ == Josephine)
        column->OnAddWithRule = Rule(&FortyThieves::JosephineColumnRule);
      else
        column->OnAddWithRule = Rule(&FortyThieves::ThievesColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), 2, true);
    T.Board1->SetScore(-104);
    for (int i = 1; i <= 40; ++i)
      DealRandom(T.Waste(), T.Tableau[(i - 1) % 10 + 1]);
    DealRestToStock(T.Waste(), T.Stock(), false);
    if (variant_ == Josephine)
      StartTimer(Timer(&FortyThieves::Josephine_Timer));
    else
      StartTimer(Timer(&FortyThieves::Thieves_Timer));
  }

  // Masquerade: one card on each of the eight columns, 96 face down to the
  // stock; the deal pile goes once the cards are out.
  void DealMasquerade() {
    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8}),
                       .turn = Rule(&TGame::DealRowSelect)});
    // a card may come back into play
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = MasqueradeLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&FortyThieves::FoundationRule), Rule(&TGame::NoAceSelect));
    for (int i = 1; i <= 8; ++i) {
      TDeck* column = MakePile({.left = MasqueradeLeft(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::AltColourDownRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), 2, true);
    T.Board1->SetScore(-104);
    for (int i = 1; i <= 8; ++i)
      DealRandom(T.Waste(), T.Tableau[i]);
    DealRestToStock(T.Waste(), T.Stock(), false);
    FreeDealPile(T.Waste());
    StartTimer(Timer(&FortyThieves::Thieves_Timer));
  }

  // Up in suit from the Ace; the timer starts each foundation.
  void FoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FoundationUpRule(Sender, ACard, Action, clicked);
  }

  // Forty Thieves: down in suit; a run moves one card at a time through the
  // empty columns, so N empty columns besides the destination carry N + 1
  // cards. Onto an empty column the player chooses run or single card. Cards
  // lying in suit on the waste are a run too, and travel the same way.
  void ThievesColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FreePileRunRule(Sender, ACard, Action, clicked, PrecedesInSuit, T.Tableau, 10);
  }

  // Josephine: down in suit, any run of one suit at once.
  void JosephineColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    SuitDownRunRule(*this, T, Sender, ACard, Action, clicked, EmptyColumnTakes::AnyCard);
  }

  // Aces up by themselves; with AutoPlay On one further card per tick, and
  // only when it is safe: no more than one rank above the lowest foundation.
  void Thieves_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kMaxColumns, true, 1, FollowsInSuit,
                T.Waste());
  }

  // Josephine plays up any card that follows, safe or not.
  void Josephine_Timer() {
    CommonTimer(T.Foundation, kFoundations, T.Tableau, kMaxColumns, false, 1, FollowsInSuit,
                T.Waste());
  }

 private:
  const Variant variant_;
};

REGISTER_VARIANT(FortyThieves, 27, FortyThieves::Thieves);
REGISTER_VARIANT(FortyThieves, 36, FortyThieves::Josephine);
REGISTER_VARIANT(FortyThieves, 42, FortyThieves::Masquerade);
