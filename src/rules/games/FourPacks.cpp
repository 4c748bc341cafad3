// SPDX-License-Identifier: GPL-3.0-or-later
// Four Packs: two packs and no foundations. Ten columns, one card each at
// the start, are themselves built up in suit (an Ace follows a King); a
// column moves only as a whole, by its bottom card, onto a column whose top
// card that bottom card follows. The stock is turned one card at a time
// onto the waste and gone through twice. The game is won when four columns
// each hold 26 cards ending with a King: two full runs of a suit each.
// There is no timer and no score.

#include "platform/Messages.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kColumns = 10;
constexpr int kWinningColumns = 4;
constexpr int kWinningHeight = 26;  // two runs of a suit, Ace to King twice

int ColumnLeft(int i) {
  return 75 * i - 65;
}  // 10, 85, ..., 685

// The bottom card of a pile (the one the whole pile moves by).
TCard* Bottom(const TDeck* d) {
  return d && d->CardsCount() > 0 ? d->CardAt(d->CardsCount()) : nullptr;
}

}  // namespace

// The waste is told apart from the columns by its mark.
constexpr Role kWasteRole = Role::Marked;

class FourPacks : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.SetRotation_Counter(1);
    T.RedealLimit = 2;

    MakeWasteAndStock({.wasteLeft = 120,
                       .stockLook = Look::Ring,
                       .wasteRole = kWasteRole,
                       .wasteDblClick = Pile(&FourPacks::FourPacksDblClick),
                       .redeal = Pile(&TGame::RedealEmptySelect)});
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = ColumnLeft(i),
                                .top = 130,
                                .vShift = 13,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&FourPacks::FourPacksColumnRule);
      column->OnDoubleSelect = Pile(&FourPacks::FourPacksDblClick);
      column->OnAfterMove = After(&FourPacks::FourPacksAfterMove);
      T.Tableau[i] = column;
    }

    TakePacks(T.Waste(), 2, true);
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(T.Waste(), T.Tableau[i]);
    DealRestToStock(T.Waste(), T.Stock(), false);
    // No score is kept: the board keeps the "no score" value of the deal.
    StartTimer(nullptr);
    ProcessMessages();
  }

  // A waste card starts an empty column or follows the top card in suit; a
  // column goes whole, by its bottom card, onto a column whose top card
  // that bottom card follows, never into an empty column.
  void FourPacksColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool) {
    Action = false;
    TDeck* source = ACard ? ACard->HostDeck : nullptr;
    if (!source || source == Sender) return;
    if (HasRole(source, kWasteRole)) {
      Action = !Sender->TopCard || FollowsInSuit(Sender->TopCard, ACard);
    } else if (HasRole(source, Role::Column)) {
      ACard = Bottom(source);
      Action = Sender->TopCard && FollowsInSuit(Sender->TopCard, ACard);
    }
  }

  // The waste's top card to the first column that takes it (an empty one
  // included); a column, whole, to the first other column its bottom card
  // follows.
  void FourPacksDblClick(TDeck* Sender) {
    Deselect(Sender);
    const bool fromWaste = Sender == T.Waste();
    TCard* c = fromWaste ? Sender->TopCard : Bottom(Sender);
    if (!c) return;
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = T.Tableau[i];
      if (fromWaste) {
        if (!column->TopCard || FollowsInSuit(column->TopCard, c)) {
          column->MoveCardTo(c);
          return;
        }
      } else if (column != Sender && column->TopCard && FollowsInSuit(column->TopCard, c)) {
        column->MoveCardTo(c);
        return;
      }
    }
  }

  // Four columns of 26 cards, each ending with a King, win the game. Only
  // once: undoing the winning move and making it again wins nothing more.
  void FourPacksAfterMove(TDeck*, TDeck*, TCard*) {
    int full = 0;
    for (int i = 1; i <= kColumns; ++i) {
      const TDeck* column = T.Tableau[i];
      if (column->CardsCount() == kWinningHeight && column->TopCard->Rank() == 13) ++full;
    }
    if (full == kWinningColumns) {
      T.GameWon();
    }
  }
};

REGISTER_GAME(FourPacks, 35);
