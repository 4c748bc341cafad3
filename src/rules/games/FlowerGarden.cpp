// SPDX-License-Identifier: GPL-3.0-or-later
// Flower Garden: one pack, all face up, no stock. Six beds of six cards,
// fanned to the right, are built down regardless of suit, and runs move as
// units; a bouquet of sixteen single cards can only be played out; four
// foundations are built up in suit from the Ace. Aces go up by themselves,
// other cards too when AutoPlay is On, as long as that is safe. The game is
// won when every foundation holds its 13 cards.

#include "platform/Modal.h"
#include "rules/Game.h"

namespace {

constexpr int kFoundations = 4;
constexpr int kBouquet = 16;
constexpr int kBeds = 6;

int FoundationLeft(int i) {
  return 80 * i + 60;
}  // 140, 220, 300, 380
int BouquetLeft(int i) {
  return 37 * i - 32;
}  // 5, 42, ..., 560: the cards overlap
int BedLeft(int i) {
  return 243 * ((i - 1) % 3) + 5;
}  // 5, 248, 491
int BedTop(int i) {
  return 120 * ((i - 1) / 3) + 120;
}  // 120 for beds 1..3, 240 for 4..6
constexpr int kFoundationTop = 5;
constexpr int kBouquetTop = 370;
constexpr int kBedStep = 11;

// B may lie on A in a bed: one rank lower, any suit; a King on an Ace.
bool Fits(const TCard* a, const TCard* b) {
  return a && b && CardRules::PrecedesAnySuit(a, b);
}
// c lies on the card beneath it in a bed's order.
bool OnRun(const TCard* c) {
  return Fits(TGame::Beneath(c), c);
}

}  // namespace

class FlowerGarden : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i),
                            .top = kFoundationTop,
                            .look = Look::Foundation,
                            .role = i <= 2 ? Role::Marked : Role::Second};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kBouquet; ++i) {
      TDeck* b = MakePile({.left = BouquetLeft(i),
                           .top = kBouquetTop,
                           .look = Look::None,
                           .showsCard = true,
                           .role = Role::Column});
      b->OnAddWithRule = Rule(&TGame::RefuseAll);
      b->OnDoubleSelect = DoubleClickToFoundation({.skipKingTopped = true});
      T.Tableau[i] = b;
    }
    for (int i = 1; i <= kBeds; ++i) {
      TDeck* bed = MakePile({.left = BedLeft(i),
                             .top = BedTop(i),
                             .gShift = kBedStep,
                             .showsCard = true,
                             .role = Role::Column});
      bed->OnAddWithRule = Rule(&FlowerGarden::FlowerBedRule);
      bed->OnDoubleSelect = DoubleClickToFoundation({.skipKingTopped = true});
      T.Reserve[i] = bed;
    }

    // The first foundation holds the pack while it is dealt; the score is
    // set afterwards, so its passing cards earn nothing.
    TDeck* dealPile = T.Foundation[1];
    TakePacks(dealPile, 1, true);
    for (int i = 1; i <= kBouquet; ++i)
      DealRandom(dealPile, T.Tableau[i]);
    for (int i = 1; i <= 36; ++i)
      DealRandom(dealPile, T.Reserve[(i - 1) % kBeds + 1]);
    T.Board1->SetScore(-52);

    StartTimer(Timer(&FlowerGarden::Stalls_Timer));
  }

  // A card or a run onto a bed, down regardless of suit. Onto a card the
  // run starts at its deepest card that fits, however long; onto an empty
  // bed the player chooses between the run and the single card.
  void FlowerBedRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    T.DisableTimer();
    Action = false;
    if (!ACard) return;

    if (TCard* t = Sender->TopCard) {
      if (OnRun(ACard)) {
        TCard* x = ACard;
        while (OnFaceUpRun(x, Fits) && !Fits(t, x))
          x = Beneath(x);
        if (Fits(t, x)) {
          ACard = x;
          Action = true;
        }
      } else {
        Action = Fits(t, ACard);
      }
    } else {
      Action = true;
      if (clicked && OnRun(ACard)) {
        switch (AskEmptyColumn()) {
          case mrOk:
            // The whole run, but an Ace stays behind: it goes up anyway.
            while (OnRun(ACard) && Beneath(ACard)->Rank() != 1)
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

  // Every 100 ms: an Ace from the bouquet and one from the beds, then
  // (AutoPlay On) a safe card from each, then the win test.
  void Stalls_Timer() {
    CommonTimer(T.Foundation, kFoundations,
                {PileGroup(T.Tableau, kBouquet), PileGroup(T.Reserve, kBeds)}, true, 1,
                CardRules::FollowsInSuit);
  }
};

REGISTER_GAME(FlowerGarden, 14);
