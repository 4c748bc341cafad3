// SPDX-License-Identifier: GPL-3.0-or-later
// Twelve Sleeping Maids: two packs. Eight foundations start with the eight
// Jacks, which go up by themselves, and are built down regardless of suit,
// round the corner: Jack, Ten, ..., Ace, King, Queen. Twelve maids of four
// face-down cards sleep in the middle; nothing can be played from a maid
// until she wakes and all her cards turn up. Jacks reaching the foundations
// wake the maids one after another. Eight side piles hold one face-up card
// each; an emptied side pile is refilled at once from the waste, or from the
// stock when the waste is empty. The stock is gone through once, one card at
// a time. Nothing is built anywhere but on the foundations.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kPacks = 2;
constexpr int kCards = 52 * kPacks;
constexpr int kFoundations = 8;
constexpr int kSidePiles = 8;
constexpr int kMaids = 12;
constexpr int kMaidCards = 4;
constexpr int kFull = 13;  // Jack down to Queen
constexpr int kBaseRank = 11;

constexpr Role kSideRole = Role::Third;

int FoundationLeft(int i) {
  return 76 * i - 23;
}  // 53, 129, ..., 585
int SideLeft(int i) {
  return i % 2 == 1 ? 20 : 620;
}
int SideTop(int i) {
  return 100 * ((i - 1) / 2) + 115;
}  // 115, 215, 315, 415
int MaidLeft(int i) {
  return 83 * ((i - 1) % 6) + 114;
}  // 114, 197, 280, 363, 446, 529
int MaidTop(int i) {
  return 120 * ((i - 1) / 6) + 140;
}  // 140 for maids 1..6, 260 for 7..12

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

// A maid sleeps while her top card is face down.
bool Asleep(const TDeck* maid) {
  return Top(maid) && !Top(maid)->Face();
}

// The card may go on the foundation: one rank lower, any suit, a King on an
// Ace; an empty or finished foundation takes nothing. Without the second
// test a Queen-topped foundation would take a Jack and never end.
bool FitsFoundation(const TDeck* f, const TCard* c) {
  return f && f->CardsCount() < kFull && PrecedesAnySuit(Top(f), c);
}

}  // namespace

class TwelveSleepingMaids : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeWasteAndStock({.wasteLeft = 360,
                       .wasteTop = 390,
                       .stockLeft = 260,
                       .stockTop = 390,
                       .wasteDblClick = Pile(&TwelveSleepingMaids::MaidsDblClick)});
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i), .top = 5, .look = Look::Foundation};
        },
        Rule(&TwelveSleepingMaids::MaidsFoundationRule), Rule(&TGame::RefuseAll),
        After(&TwelveSleepingMaids::MaidsFoundationAfterMove));
    for (int i = 1; i <= kSidePiles; ++i) {
      TDeck* side =
          MakePile({.left = SideLeft(i), .top = SideTop(i), .vShift = 15, .role = kSideRole});
      side->OnAddWithRule = Rule(&TGame::RefuseAll);
      side->OnDoubleSelect = Pile(&TwelveSleepingMaids::MaidsDblClick);
      T.Reserve[i] = side;
    }
    for (int i = 1; i <= kMaids; ++i) {
      TDeck* maid = MakePile({.left = MaidLeft(i), .top = MaidTop(i), .role = RowRole(i)});
      maid->OnSelect = Rule(&TwelveSleepingMaids::FaceUpCardSelect);
      maid->OnAddWithRule = Rule(&TGame::RefuseAll);
      maid->OnDoubleSelect = Pile(&TwelveSleepingMaids::MaidsDblClick);
      T.Tableau[i] = maid;
    }

    TakePacks(waste, kPacks, true);
    T.Board1->SetScore(-kCards);
    // Four rounds: a side pile, a face-down card to every maid, the next
    // side pile.
    for (int k = 1; k <= kMaidCards; ++k) {
      DealRandom(waste, T.Reserve[2 * k - 1]);
      for (int i = 1; i <= kMaids; ++i)
        DealRandom(waste, T.Tableau[i], false);
      DealRandom(waste, T.Reserve[2 * k]);
    }
    DealRestToStock(waste, stock, false);
    StartTimer(Timer(&TwelveSleepingMaids::Maids_Timer));
  }

  // A sleeping maid gives nothing.
  void FaceUpCardSelect(TDeck*, TCard*& ACard, bool& Action, bool) {
    Action = ACard && ACard->Face();
  }

  void MaidsFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = FitsFoundation(Sender, ACard);
    if (clicked) ResumeTimer();
  }

  // The top card to the first foundation it goes down on.
  void MaidsDblClick(TDeck* Sender) {
    if (TCard* c = Top(Sender)) {
      for (int i = 1; i <= kFoundations; ++i) {
        TDeck* f = T.Foundation[i];
        if (!FitsFoundation(f, c)) continue;
        Deselect(Sender);
        f->MoveCardTo(c);
        break;
      }
    }
    ResumeTimer();
  }

  // A Jack reaching a foundation wakes the first sleeping maid, the first
  // Jack (always on foundation 1) two of them. A card played from maid k
  // wakes one too while maid k + 1 still sleeps.
  void MaidsFoundationAfterMove(TDeck* Source, TDeck* Dest, TCard* ACard) {
    if (ACard && ACard->Rank() == kBaseRank) {
      WakeFirstSleeper();
      if (Dest == T.Foundation[1]) WakeFirstSleeper();
      return;
    }
    if (const int k = RowIndex(Source); Source && k >= 1 && k < kMaids) {
      if (Asleep(T.Tableau[k + 1])) WakeFirstSleeper();
    }
    T.EnableTimer();
  }

  // Every 100 ms: a Jack up from the side piles and one from the waste, one
  // from the waking maids, then every empty side pile takes the waste's top
  // card (or the stock's), then the win test. AutoPlay plays no part.
  void Maids_Timer() {
    if (TickWaitsForMove()) return;
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Reserve, kSidePiles, kBaseRank, T.Waste());
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.Tableau, kMaids, kBaseRank);
    for (int i = 1; i <= kSidePiles; ++i) {
      TDeck* side = T.Reserve[i];
      if (side->TopCard) continue;
      if (TCard* c = Top(T.Waste())) {
        side->MoveCardTo(c);
      } else if (TCard* s = Top(T.Stock())) {
        // Turning and placing the card is one step for undo.
        T.Board1->BeginMoveGroup();
        s->SetFace(true);
        side->MoveCardTo(s);
        T.Board1->EndMoveGroup();
      }
    }
    FinishTick(T.Foundation, kFoundations);
  }

 private:
  // The first maid, 1..12, still asleep turns all her cards face up.
  void WakeFirstSleeper() {
    for (int i = 1; i <= kMaids; ++i) {
      TDeck* maid = T.Tableau[i];
      if (!Asleep(maid)) continue;
      for (TCard* c = maid->TopCard; c; c = c->NextCard)
        c->SetFace(true);
      return;
    }
  }
};

REGISTER_GAME(TwelveSleepingMaids, 16);
