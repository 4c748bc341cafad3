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

constexpr int kDesire = 44;

struct Shape {
  int packs, reserveCards, piles, foundations;
};
constexpr Shape kDesireShape{2, 12, 14, 8};
constexpr int kDoubtPasses = 3;

constexpr int kAce = 1;

}  // namespace

class DesireAndDoubt : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    desire_ = T.GameIndex == kDesire;
    shape_ = desire_ ? kDesireShape : Shape{1, 15, 5, 4};
    if (!desire_) {
      T.SetRotation_Counter(1);
      T.RedealLimit = kDoubtPasses;
    }
    const auto dblClick =
        desire_ ? Pile(&TGame::ToFoundation8DblClick) : Pile(&TGame::ToFoundation4DblClick);

    T.Waste() = MakePile(100, 5, 2, 2, 4, false, 1);
    T.Waste()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Waste()->OnDoubleSelect = dblClick;

    T.Stock() = MakePile(10, 5, 2, 2, desire_ ? 2 : 3, false, 0);
    T.Stock()->OnSelect = Rule(&TGame::StockToWasteSelect);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    if (!desire_) T.Stock()->OnEmptySelect = Pile(&TGame::RedealEmptySelect);

    for (int i = 1; i <= shape_.foundations; ++i) {
      TDeck* f = MakePile(73 * i + (desire_ ? 119 : 137), 5, 0, 0, 1, false, 0);
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::FoundationUpRule);
      // A card taken from the reserve uncovers the next one.
      f->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Foundation[size_t(i)] = f;
    }

    // Fanned a little to the right so the player sees how many are left.
    TDeck* reserve = MakePile(210, 122, 0, 6, 4, false, 15);
    reserve->OnAddWithRule = Rule(&TGame::RefuseAll);
    reserve->OnDoubleSelect = dblClick;
    T.Reserve[1] = reserve;

    for (int i = 1; i <= shape_.piles; ++i) {
      const int left = desire_ ? ((i - 1) % 7) * 80 + 210 : 80 * i + 130;
      const int top = desire_ ? ((i - 1) / 7) * 110 + 240 : 240;
      TDeck* p = MakePile(left, top, 0, 0, 0, true, 4);
      p->OnAddWithRule = Rule(&TGame::FrameDownRule);
      p->OnDoubleSelect = dblClick;
      p->OnAfterMove = After(&TGame::TurnUpAfterMove);
      T.Tableau[size_t(i)] = p;
    }

    TakePacks(T.Waste(), shape_.packs, true);
    T.Board1->SetScore(-52 * shape_.packs);
    for (int i = 1; i <= shape_.reserveCards; ++i)
      DealRandom(T.Waste(), reserve, false);
    if (reserve->TopCard) reserve->TopCard->SetFace(true);
    for (int i = 1; i <= shape_.piles; ++i)
      DealRandom(T.Waste(), T.Tableau[size_t(i)], true);
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
    T.DisableTimer();
    if (T.Board1->Busy) {
      // A move still in flight let this tick through: wait for the next.
      T.EnableTimer();
      return;
    }
    TTable::PileList reserve{};
    reserve[1] = T.Reserve[1];
    if (reserve[1] && reserve[1]->TopCard)
      AutoPlaceBaseCards(T.Tableau, shape_.piles, reserve, 1, reserve[1]->TopCard->Rank());

    AutoPlaceBaseCards(T.Foundation, shape_.foundations, T.Tableau, shape_.piles, kAce, T.Waste());
    AutoPlaceBaseCards(T.Foundation, shape_.foundations, reserve, 1, kAce);
    if (T.AutoPlay == 0) {
      AutoPlayToFoundations(T.Foundation, shape_.foundations, T.Tableau, shape_.piles, false, kAce,
                            CardRules::FollowsInSuit, T.Waste());
      AutoPlayToFoundations(T.Foundation, shape_.foundations, reserve, 1, false, kAce,
                            CardRules::FollowsInSuit);
    }

    if (AllFoundationsFull(T.Foundation, shape_.foundations)) {
      // The pile rules start the timer again on every click: win once.
      if (!won_) {
        won_ = true;
        T.GameWon();
      }
      return;
    }
    T.EnableTimer();
  }

  bool desire_ = true;
  Shape shape_ = kDesireShape;
  bool won_ = false;
};

REGISTER_GAME(DesireAndDoubt, 44, 45);
