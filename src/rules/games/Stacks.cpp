// SPDX-License-Identifier: GPL-3.0-or-later
// Stacks: one pack dealt into thirteen squared stacks of four cards, only
// the top card of each showing. A stack's top card may go onto another
// stack's top card of its suit one rank higher, or up to the foundations,
// which are built up in suit from the Ace. A click on the (always empty)
// stock gathers the stacks and deals them again, in their old order, into
// stacks of four; as often as the player likes. The game is won when the
// four foundations hold their 13 cards.

#include "platform/Messages.h"
#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kFoundations = 4;
constexpr int kStacks = 13;
constexpr int kStackCards = 4;

int FoundationLeft(int i) {
  return 75 * i + 231;
}  // 306, 381, 456, 531
// Two rows: seven stacks, then six.
int StackLeft(int i) {
  return (i - 1) % 7 * 87 + 10;
}  // 10, 97, ..., 532
int StackTop(int i) {
  return (i - 1) / 7 * 120 + 120;
}  // 120, 240

}  // namespace

class Stacks : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    // The deal pile lives only while dealing.
    T.Waste() = MakePile({.left = 100,
                          .top = 410,
                          .vShift = 2,
                          .gShift = 2,
                          .look = Look::None,
                          .role = Role::Marked});
    T.Stock() = MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::Ring});
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock()->OnEmptySelect = Pile(&Stacks::StacksRegather);
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = 5, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kStacks; ++i) {
      TDeck* s = MakePile(
          {.left = StackLeft(i), .top = StackTop(i), .showsCard = true, .role = Role::Column});
      s->OnAddWithRule = Rule(&TGame::SuitDownRule);
      s->OnDoubleSelect = DoubleClickToFoundation({.skipKingTopped = true});
      T.Tableau[i] = s;
    }

    TakePacks(T.Waste(), 1, false);
    T.Board1->SetScore(-52);
    DealRestToStock(T.Waste(), T.Stock(), false);
    // The stock, shuffled, goes out four cards a stack without the slide.
    T.Board1->Animate = false;
    DealStacks();
    T.Board1->Animate = true;

    ProcessMessages();  // the dealt table shows before the deal pile goes
    FreeDealPile(T.Waste());
    StartTimer(Timer(&Stacks::Stacks_Timer));
  }

  // Up to four cards from the stock onto each stack in turn, the top card of
  // each turned up; stacks left over when the cards run out stay empty.
  void DealStacks() {
    TDeck* stock = T.Stock();
    for (int j = 1; j <= kStacks; ++j) {
      TDeck* s = T.Tableau[j];
      for (int n = 0; n < kStackCards && stock->TopCard; ++n)
        s->MoveCardTo(stock->TopCard);
      if (s->TopCard && !s->TopCard->Face()) s->TopCard->SetFace(true);
    }
  }

  // A click on the empty stock: the stacks go back onto it, the last stack
  // first, so the cards keep their old order, and are dealt out again in
  // fours from the first stack on. The history before it is dropped: a
  // regathering is never undone.
  void StacksRegather(TDeck* Sender) {
    T.DisableTimer();
    TBoard* b = T.Board1;
    b->Animate = false;
    for (int i = kStacks; i >= 1; --i) {
      TDeck* s = T.Tableau[i];
      while (s->TopCard)
        Sender->MoveCardTo(s->TopCard);
    }
    DealStacks();
    b->Animate = true;
    b->ClearHistory();
    T.EnableTimer();
  }

  // Every 100 ms: uncover the stacks' top cards, an Ace up, then (AutoPlay
  // On) one card that follows in suit, safe or not; then the win test.
  void Stacks_Timer() {
    if (TickWaitsForMove()) return;
    for (int i = 1; i <= kStacks; ++i)
      if (TCard* c = T.Tableau[i]->TopCard; c && !c->Face()) c->SetFace(true);
    PlayUp(T.Foundation, kFoundations, {PileGroup(T.Tableau, kStacks)}, false, 1, FollowsInSuit);
    FinishTick(T.Foundation, kFoundations);
  }
};

REGISTER_GAME(Stacks, 33);
