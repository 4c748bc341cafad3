// SPDX-License-Identifier: GPL-3.0-or-later
// Binding: two packs. The first card dealt to the foundations fixes the base
// rank of all eight, which are built up regardless of suit from that rank
// round to the rank below it. Cards come from a zig-zag reserve fan of
// twenty (only its lowest card may be played), from a talon of ten
// face-down cards whose top card is face up, and from five columns that the
// stock refills five cards at a time; nothing is built on the columns. With
// the stock empty, a click gathers the columns back into it and deals a
// fresh row, three times in all. The game is won when all eight
// foundations hold 13 cards.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kFoundations = 8;
constexpr int kColumns = 5;
constexpr int kReserves = 20;
constexpr int kTalonCards = 10;

int FoundationLeft(int i) {
  return 75 * i + 55;
}  // 130, 205, ..., 655
int ColumnLeft(int i) {
  return 75 * i + 205;
}  // 280, 355, ..., 580
// The reserve zig-zags down the left edge.
int ReserveLeft(int i) {
  return i % 2 == 1 ? 10 : 55;
}
int ReserveTop(int i) {
  return 15 * i + 115;
}  // 130, 145, ..., 415

}  // namespace

class Binding : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.SetRotation_Counter(1);
    T.RedealLimit = 4;  // three gatherings

    TDeck* talon = T.Waste() =
        MakePile({.left = 150, .top = 130, .vShift = 6, .look = Look::None, .role = Role::Reserve});
    talon->OnAddWithRule = Rule(&TGame::RefuseAll);
    talon->OnDoubleSelect = Pile(&Binding::BindingDblClick);
    T.Stock() = MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::Ring});
    T.Stock()->OnSelect = Rule(&Binding::BindingDealSelect);
    T.Stock()->OnEmptySelect = Pile(&Binding::BindingRedeal);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(
          {.left = ColumnLeft(i), .top = 130, .vShift = 18, .showsCard = true, .role = RowRole(i)});
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&Binding::BindingDblClick);
      T.Tableau[i] = column;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* r = MakePile({.left = ReserveLeft(i),
                           .top = ReserveTop(i),
                           .look = Look::None,
                           .showsCard = true,
                           .role = RowRole(i)});
      r->OnSelect = Rule(&Binding::BindingReserveSelect);
      r->OnAddWithRule = Rule(&TGame::RefuseAll);
      r->OnDoubleSelect = Pile(&Binding::BindingDblClick);
      T.Reserve[i] = r;
    }
    // A move off the talon (Tag 5) uncovers its next card.
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i),
                            .top = 5,
                            .look = Look::Foundation,
                            .showsCard = true,
                            .role = RowRole(i)};
        },
        Rule(&TGame::AnySuitUpRule), Rule(&TGame::RefuseAll),
        After(&TGame::ReserveRefillAfterMove));

    TakePacks(talon, 2, true);
    T.Board1->SetScore(-104);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(talon, T.Reserve[i]);
    if (TCard* first = DealRandom(talon, T.Foundation[1])) baseRank_ = first->Rank();
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(talon, T.Tableau[i]);
    DealRestToStock(talon, T.Stock(), false);
    // Ten stock cards make the talon, face down but for the top one.
    TBoard* b = T.Board1;
    b->Animate = false;
    for (int n = 0; n < kTalonCards && T.Stock()->TopCard; ++n)
      talon->MoveCardTo(T.Stock()->TopCard);
    if (talon->TopCard) talon->TopCard->SetFace(true);
    b->Animate = true;
    StartTimer(Timer(&Binding::Binding_Timer));
  }

  int BaseRank() const { return baseRank_; }

  // The lowest card of the fan: the pile just before the first empty one
  // (the last pile when none is empty); none when the fan is used up.
  TDeck* PlayableReserve() const {
    int i = 1;
    while (i <= kReserves && T.Reserve[i]->TopCard)
      ++i;
    return i >= 2 ? T.Reserve[i - 1] : nullptr;
  }

  void BindingReserveSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = Sender == PlayableReserve();
  }

  // A click on the stock deals a card face up onto each column, as one undo
  // step. The stock is never selected.
  void BindingDealSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = false;
    T.DisableTimer();
    if (Sender->TopCard) {
      T.Board1->BeginMoveGroup();
      DealRow();
      T.Board1->EndMoveGroup();
    }
    if (T.Rotation_Counter() == T.RedealLimit) SetLook(Sender, Look::NoRedeal);
    T.EnableTimer();
  }

  // The empty stock, while gatherings are left: the columns go back onto it
  // face down, the last column first, and a fresh row is dealt. A gathering
  // is never undone: the history before it is dropped.
  void BindingRedeal(TDeck* Sender) {
    if (T.Rotation_Counter() < T.RedealLimit) {
      T.DisableTimer();
      TBoard* b = T.Board1;
      b->Animate = false;
      for (int i = kColumns; i >= 1; --i) {
        TDeck* column = T.Tableau[i];
        while (TCard* c = column->TopCard) {
          c->SetFace(false);
          Sender->MoveCardTo(c);
        }
      }
      DealRow();
      b->Animate = true;
      b->ClearHistory();
      T.SetRotation_Counter(T.Rotation_Counter() + 1);
    }
    T.EnableTimer();
  }

  // One card face up from the stock onto each column in turn while cards
  // last.
  void DealRow() {
    TDeck* stock = T.Stock();
    for (int i = 1; i <= kColumns && stock->TopCard; ++i) {
      TCard* c = stock->TopCard;
      c->SetFace(true);
      T.Tableau[i]->MoveCardTo(c);
    }
  }

  // The top card to the first foundation it follows in rank, any suit. An
  // empty foundation is never started this way, and a full one takes
  // nothing (the base rank would follow its last card).
  void BindingDblClick(TDeck* Sender) {
    if (TCard* c = Sender->TopCard) {
      for (int i = 1; i <= kFoundations; ++i) {
        TDeck* f = T.Foundation[i];
        if (f->CardsCount() >= 13 || !FollowsAnySuit(f->TopCard, c)) continue;
        Deselect(Sender);
        f->MoveCardTo(c);
        break;
      }
    }
    T.EnableTimer();
  }

  // Every 100 ms: base cards up from the columns, the talon and the lowest
  // reserve card; with AutoPlay On the cards that may safely go up; then
  // the win test.
  void Binding_Timer() {
    if (TickWaitsForMove()) return;
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kColumns, baseRank_, T.Waste());
    if (TDeck* r = PlayableReserve()) {
      AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kColumns, baseRank_, r);
      if (T.AutoPlay == 0)
        AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kColumns, true, baseRank_,
                              FollowsAnySuit, r);
    }
    if (T.AutoPlay == 0)
      AutoPlayToFoundations(T.Foundation, kFoundations, T.Tableau, kColumns, true, baseRank_,
                            FollowsAnySuit, T.Waste());
    FinishTick(T.Foundation, kFoundations);
  }

 private:
  int baseRank_ = 1;
};

REGISTER_GAME(Binding, 31);
