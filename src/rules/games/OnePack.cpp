// SPDX-License-Identifier: GPL-3.0-or-later
// One Pack: the whole pack is gathered on a single foundation. Seven columns
// of five face-up cards feed it: a column card goes up when it is one rank
// higher or one rank lower than the foundation's top card, any suit, without
// turning the corner between King and Ace. The stock is turned once, one
// card at a time, and the waste's top card goes up whatever its rank.
// Nothing can be put on a column and nothing moves by itself. The game is
// won when the foundation holds all 52 cards.

#include "rules/Game.h"

namespace {

constexpr int kColumns = 7;
constexpr int kColumnCards = 5;
constexpr int kPack = 52;
constexpr Role kWasteRole = Role::Marked;

int ColumnLeft(int i) {
  return 79 * i + 41;
}  // 120, 199, ..., 594
constexpr int kTopRow = 5;
constexpr int kColumnTop = 150;

// A card fits when it is one rank above or below the top card; a King has
// nothing above it and an Ace nothing below.
bool FitsFoundation(const TCard* top, const TCard* c) {
  if (!top || !c) return false;
  return (CardRules::FollowsAnySuit(top, c) && top->Rank() != 13) ||
         (CardRules::PrecedesAnySuit(top, c) && top->Rank() != 1);
}

}  // namespace

class OnePack : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // One pass: the empty stock stays empty.
    MakeWasteAndStock({.wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteRole = kWasteRole,
                       .wasteDblClick = Pile(&OnePack::OnePackDblClick)});
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();

    TDeck* f =
        MakePile({.left = 357, .top = kTopRow, .look = Look::Foundation, .role = Role::Third});
    f->OnSelect = Rule(&TGame::RefuseAll);
    f->OnAddWithRule = Rule(&OnePack::OnePackFoundationRule);
    f->OnAfterMove = After(&OnePack::OnePackAfterMove);
    T.Foundation[1] = f;

    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = kColumnTop,
                                .vShift = 18,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&OnePack::OnePackDblClick);
      T.Tableau[i] = column;
    }

    TakePacks(waste, 1, true);
    T.Board1->SetScore(-kPack);
    for (int i = 1; i <= kColumns * kColumnCards; ++i)
      DealRandom(waste, T.Tableau[(i - 1) % kColumns + 1]);
    DealRandom(waste, f);  // the first foundation card earns its points
    DealRestToStock(waste, stock, false);
    StartTimer(nullptr);
  }

  // The waste's top card goes up whatever its rank; a column card only
  // when it fits.
  void OnePackFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard && ACard->HostDeck && HasRole(ACard->HostDeck, kWasteRole))
      Action = true;
    else if (FitsFoundation(Sender->TopCard, ACard))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // The same by a double click on the waste or a column.
  void OnePackDblClick(TDeck* Sender) {
    TDeck* f = T.Foundation[1];
    TCard* c = Sender->TopCard;
    if (!f || !c) return;
    if (HasRole(Sender, kWasteRole) || FitsFoundation(f->TopCard, c)) {
      Deselect(Sender);
      f->MoveCardTo(c);
    }
  }

  void OnePackAfterMove(TDeck*, TDeck* Dest, TCard*) {
    if (Dest && Dest->CardsCount() == kPack) {
      T.GameWon();
    }
  }
};

REGISTER_GAME(OnePack, 11);
