// SPDX-License-Identifier: GPL-3.0-or-later
// Napoleon Leaves Moscow and Napoleon Takes Moscow: two packs, eight
// foundations built up in suit from the Ace, eight columns in two groups of
// four, and between them sixteen single cards fanned as a reserve, of which
// only the lowest uncovered ones may be played. The stock turns one card at
// a time onto the waste and is gone through three times in all.
//
//   Leaves Moscow  five cards a column, 48 in the stock; columns go down in
//                  suit and runs of one suit move at once; an empty column
//                  takes a King or a run based on a King.
//   Takes Moscow   four cards a column, 56 in the stock; one card at a time,
//                  down in suit; an empty column takes a King.
//
// A foundation's top card (not an Ace) may be taken back into play. The game
// is won when all eight foundations hold their 13 cards.

#include "rules/Game.h"
#include "rules/SuitRunRule.h"

using namespace CardRules;

// The foundations carry a mark of their own that no rule reads; the dump
// shows it.
constexpr Role kFoundationRole = Role(20);

namespace {

constexpr int kFoundations = 8;
constexpr int kColumns = 8;
constexpr int kReserves = 16;
constexpr int kPasses = 3;  // the stock is gone through three times

int FoundationLeft(int i) {
  return 85 * i - 75;
}  // 10, 95, ..., 605
// Two groups of four with the reserve fan between them.
int ColumnLeft(int i) {
  return 75 * i - 65 + (i - 1) / 4 * 148;
}  // 10, 85, 160, 235, 458, 533, 608, 683
constexpr int kColumnTop = 115;
constexpr int kStockTop = 390;

// The reserve fan: groups of three (a centre card, then a left and a right
// card side by side 20 pixels lower), each overlapping the one above, with
// pile 16 alone at the bottom.
constexpr int kReserveLeft[kReserves + 1] = {0,   347, 309, 385, 347, 309, 385, 347, 309,
                                             385, 347, 309, 385, 347, 309, 385, 347};
constexpr int kReserveTop[kReserves + 1] = {0,   115, 135, 135, 155, 175, 175, 195, 215,
                                            215, 235, 255, 255, 275, 295, 295, 315};

// The two side-by-side cards of a group (3, 6, ..., 15) are uncovered
// together; every other reserve pile lies alone at the bottom of the fan.
bool SideBySide(int L) {
  return L > 0 && L % 3 == 0;
}

}  // namespace

class Napoleon : public TGame {
 public:
  enum Variant { LeavesMoscow, TakesMoscow };
  Napoleon(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    const bool leaves = variant_ == LeavesMoscow;
    T.SetRotation_Counter(1);
    T.RedealLimit = kPasses;

    MakeWasteAndStock({.wasteTop = kStockTop,
                       .stockTop = kStockTop,
                       .stockLook = Look::Ring,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8}),
                       .turn = Rule(&Napoleon::NapoleonStockSelect),
                       .redeal = Pile(&Napoleon::NapoleonRedeal)});
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(
          {.left = FoundationLeft(i), .top = 5, .look = Look::Foundation, .role = kFoundationRole});
      f->OnSelect = Rule(&TGame::NoAceSelect);  // a card may come back into play
      f->OnAddWithRule = Rule(&Napoleon::FoundationRule);
      T.Foundation[i] = f;
    }
    for (int i = 1; i <= kReserves; ++i) {
      TDeck* r = MakePile({.left = kReserveLeft[i],
                           .top = kReserveTop[i],
                           .look = Look::None,
                           .showsCard = true,
                           .role = RowRole(i)});
      r->OnSelect = Rule(&Napoleon::NapoleonReserveSelect);
      r->OnAddWithRule = Rule(&TGame::RefuseAll);
      r->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Reserve[i] = r;
    }
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = 15,
                                .showsCard = true,
                                .role = Role::Column});
      if (leaves)
        column->OnAddWithRule = Rule(&Napoleon::LeavesColumnRule);
      else
        column->OnAddWithRule = Rule(&Napoleon::NapoleonColumnRule);
      column->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), 2, true);
    T.Board1->SetScore(-104);
    const int columnCards = leaves ? 40 : 32;
    for (int i = 1; i <= columnCards; ++i)
      DealRandom(T.Waste(), T.Tableau[(i - 1) % kColumns + 1]);
    for (int i = 1; i <= kReserves; ++i)
      DealRandom(T.Waste(), T.Reserve[i]);
    DealRestToStock(T.Waste(), T.Stock(), false);
    StartTimer(Timer(&Napoleon::Napoleon_Timer));
  }

  // The last reserve index: the highest reserve pile that still holds a
  // card, 0 when the reserve is empty.
  int LastReserve() const {
    for (int i = kReserves; i >= 1; --i)
      if (T.Reserve[i] && T.Reserve[i]->TopCard) return i;
    return 0;
  }

  // The stock is never selected: a click turns its top card onto the
  // waste. From the first card of the last pass on, the emptied stock shows
  // that it cannot be turned again.
  void NapoleonStockSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = false;
    if (TCard* c = Sender->TopCard) {
      c->SetFace(true);
      T.Waste()->MoveCardTo(c);
      if (T.Rotation_Counter() == T.RedealLimit) SetLook(Sender, Look::NoRedeal);
    }
    ResumeTimer();
  }

  // A click on the empty stock turns the waste back over while passes are
  // left. A redeal is never undone: the history before it is dropped.
  void NapoleonRedeal(TDeck* Sender) {
    if (T.Rotation_Counter() != T.RedealLimit) {
      Sender->TurnOver(T.Waste());
      T.SetRotation_Counter(T.Rotation_Counter() + 1);
      if (T.Board1) T.Board1->ClearHistory();
    }
    T.EnableTimer();
  }

  // Only the lowest uncovered reserve card(s) may be picked up.
  void NapoleonReserveSelect(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
    const int L = LastReserve();
    const int i = RowIndex(Sender);
    Action = L > 0 && (i == L || (SideBySide(L) && i == L - 1));
    if (clicked) T.EnableTimer();
  }

  // Napoleon Takes Moscow: one card at a time, down in suit; only a King
  // goes to an empty column.
  void NapoleonColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (TCard* t = Sender->TopCard)
      Action = PrecedesInSuit(t, ACard);
    else
      Action = ACard && ACard->Rank() == 13;
    if (clicked) T.EnableTimer();
  }

  // Napoleon Leaves Moscow: runs in one suit move at once; an empty column
  // takes only a King or a run based on one.
  void LeavesColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    SuitDownRunRule(*this, T, Sender, ACard, Action, clicked, EmptyColumnTakes::KingOnly);
  }

  // Up in suit from the Ace; the timer starts each foundation.
  void FoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    FoundationUpRule(Sender, ACard, Action, clicked);
  }

  // Every 100 ms: Aces up from the columns, the waste and the playable
  // reserve card(s); with AutoPlay On the cards that may safely go up (no
  // more than one rank above the lowest foundation); then the win test.
  void Napoleon_Timer() {
    const int L = LastReserve();
    // The playable reserve piles, in the order they are tried, each with the
    // columns as one group.
    std::vector<PileGroup> groups{PileGroup(T.Tableau, kColumns, T.Waste())};
    if (L > 0) groups.emplace_back(T.Tableau, kColumns, T.Reserve[L]);
    if (SideBySide(L)) groups.emplace_back(T.Tableau, kColumns, T.Reserve[L - 1]);
    CommonTimer(T.Foundation, kFoundations, groups, true, 1, FollowsInSuit);
  }

 private:
  const Variant variant_;
};

REGISTER_VARIANT(Napoleon, 25, Napoleon::LeavesMoscow);
REGISTER_VARIANT(Napoleon, 26, Napoleon::TakesMoscow);
