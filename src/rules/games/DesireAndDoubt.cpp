// SPDX-License-Identifier: GPL-3.0-or-later
// Desire and Doubt: a face-down reserve with its top card face up, a row of
// squared piles built down in suit one card at a time, foundations built up
// in suit from Ace to King, and a stock turned one card at a time onto the
// waste. An empty pile takes any card, and while the reserve lasts its top
// card fills an empty pile by itself. The game is won when every foundation
// holds 13 cards.
//
//   Desire (44): two packs, a reserve of 12, 14 piles in two rows of 7,
//                8 foundations, 78 cards in the stock, no redeal.
//   Doubt (45):  one pack, a reserve of 15, 5 piles in one row,
//                4 foundations, 32 cards in the stock, three passes.

#include "rules/Game.h"

namespace {

struct Shape {
  int packs, reserveCards, piles, foundations;
};
constexpr Shape kDesireShape{2, 12, 14, 8};
constexpr int kDoubtPasses = 3;

constexpr int kAce = 1;

}  // namespace

class DesireAndDoubt : public TGame {
 public:
  enum Variant { Desire, Doubt };
  DesireAndDoubt(TTable& table, Variant variant)
      : TGame(table),
        desire_(variant == Desire),
        shape_(desire_ ? kDesireShape : Shape{1, 15, 5, 4}) {}

  void Deal() override {
    if (!desire_) {
      T.SetRotation_Counter(1);
      T.RedealLimit = kDoubtPasses;
    }
    const auto dblClick =
        desire_ ? DoubleClickToFoundation({.count = 8}) : DoubleClickToFoundation();

    MakeWasteAndStock({.stockLook = desire_ ? Look::NoRedeal : Look::Ring,
                       .wasteDblClick = dblClick,
                       .redeal = desire_ ? TDeckEEvent() : Pile(&TGame::RedealEmptySelect)});

    for (int i = 1; i <= shape_.foundations; ++i) {
      TDeck* f =
          MakePile({.left = 73 * i + (desire_ ? 119 : 137), .top = 5, .look = Look::Foundation});
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      // A card taken from the reserve uncovers the next one.
      f->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Foundation[i] = f;
    }

    // Fanned a little to the right so the player sees how many are left.
    TDeck* reserve =
        MakePile({.left = 210, .top = 122, .gShift = 6, .look = Look::None, .role = Role::Closed});
    reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
    reserve->OnDoubleSelect = dblClick;
    T.Reserve[1] = reserve;

    for (int i = 1; i <= shape_.piles; ++i) {
      const int left = desire_ ? ((i - 1) % 7) * 80 + 210 : 80 * i + 130;
      const int top = desire_ ? ((i - 1) / 7) * 110 + 240 : 240;
      TDeck* p = MakePile({.left = left, .top = top, .showsCard = true, .role = Role::Column});
      p->OnAddWithRule = Rule(&TGame::FrameDownRule);
      p->OnDoubleSelect = dblClick;
      p->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[i] = p;
    }

    TakePacks(T.Waste(), shape_.packs, true);
    T.Board1->SetScore(-52 * shape_.packs);
    for (int i = 1; i <= shape_.reserveCards; ++i)
      DealRandom(T.Waste(), reserve, false);
    if (reserve->TopCard) reserve->TopCard->SetFace(true);
    for (int i = 1; i <= shape_.piles; ++i)
      DealRandom(T.Waste(), T.Tableau[i], true);
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(desire_ ? Timer(&DesireAndDoubt::Desire_Timer)
                       : Timer(&DesireAndDoubt::Doubt_Timer));
  }

  void Desire_Timer() { Tick(); }
  void Doubt_Timer() { Tick(); }

 private:
  // Every 100 ms: the reserve's top card into the first empty pile, Aces to
  // empty foundations, then (with AutoPlay on) one card up from the piles or
  // the waste and one from the reserve; then the win test.
  void Tick() {
    if (TickWaitsForMove()) return;
    TTable::PileList reserve{};
    reserve[1] = T.Reserve[1];
    if (reserve[1] && reserve[1]->TopCard)
      AutoPlaceBaseCards(T.Tableau, shape_.piles, reserve, 1, reserve[1]->TopCard->Rank());

    PlayUp(T.Foundation, shape_.foundations,
           {PileGroup(T.Tableau, shape_.piles, T.Waste()), PileGroup(reserve, 1)}, false, kAce,
           CardRules::FollowsInSuit);
    FinishTick(T.Foundation, shape_.foundations);
  }

  const bool desire_;
  const Shape shape_;
};

REGISTER_VARIANT(DesireAndDoubt, 44, DesireAndDoubt::Desire);
REGISTER_VARIANT(DesireAndDoubt, 45, DesireAndDoubt::Doubt);
