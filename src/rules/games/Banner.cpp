// SPDX-License-Identifier: GPL-3.0-or-later
// Banner: two packs. Eight banner cards lie in a small fan in the middle of
// the table. Sequences of thirteen cards are built one at a time on a single
// working foundation: each starts one rank above the banner's top card and
// climbs regardless of suit, round the corner, to the rank below it; the
// banner card then completes it, and the whole sequence is carried to the
// next empty one of eight final foundations. Eight single-card columns serve
// as spaces; the stock turns one card at a time onto the waste and may be
// gone through three times. The game is won when all eight final
// foundations hold 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kColumns = 8;
constexpr int kFinals = 8;
constexpr int kWorkingSlot = kFinals + 1;  // after the finals in T.Foundation
constexpr int kBannerCards = 8;
constexpr int kPasses = 3;
constexpr int kBannerSlot = 9;  // the banner pile's reserve slot

int ColumnLeft(int i) {
  return 77 * i + ((i - 1) / 4) * 90 - 67;  // a gap in the middle for the banner
}

}  // namespace

class Banner : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.SetRotation_Counter(1);
    T.RedealLimit = kPasses;

    MakeWasteAndStock({.wasteLeft = 110,
                       .stockLook = Look::Ring,
                       .wasteDblClick = Pile(&Banner::BannerDblClick),
                       .redeal = Pile(&TGame::RedealEmptySelect)});

    TDeck* working = MakePile({.left = 324, .top = 30, .look = Look::Foundation});
    working->OnSelect = Rule(&TGame::RefuseAll);
    working->OnAddWithRule = Rule(&Banner::BannerFoundationRule);
    T.Foundation[kWorkingSlot] = working;

    // Final foundations show nothing until a sequence arrives; then they
    // count as foundations (the foundation look) for the score and the win.
    MakeFoundations(
        kFinals,
        [&](int i) { return PileLayout{.left = 73 * i - 63, .top = 340, .look = Look::None}; },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* c = MakePile({.left = ColumnLeft(i),
                           .top = 130,
                           .vShift = 18,
                           .showsCard = true,
                           .role = Role::Column});
      c->OnAddWithRule = Rule(&TGame::EmptyOnlyRule);
      c->OnDoubleSelect = Pile(&Banner::BannerDblClick);
      T.Tableau[i] = c;
    }
    // The player cannot pick banner cards up; the timer plays them.
    TDeck* banner = MakePile({.left = 324, .top = 170, .vShift = 4});
    banner->OnSelect = Rule(&TGame::RefuseAll);
    // The banner only shows which rank closes a sequence: nothing is laid
    // on it (a card dropped there would end the working sequence early).
    banner->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Reserve[kBannerSlot] = banner;

    TakePacks(T.Waste(), kPacks, true);
    T.Board1->SetScore(-52 * kPacks);
    for (int i = 1; i <= kColumns; ++i)
      DealRandom(T.Waste(), T.Tableau[i], true);
    for (int i = 1; i <= kBannerCards; ++i)
      DealRandom(T.Waste(), banner, true);
    DealRestToStock(T.Waste(), T.Stock(), false);

    StartTimer(Timer(&Banner::Banner_Timer));
  }

  // The working foundation takes a card one rank above its top in any suit,
  // but never one of the banner card's rank: that rank closes the sequence
  // and only the banner card itself does so. An empty working foundation
  // takes nothing by hand (the timer starts each sequence).
  void BannerFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    Action = Continues(Sender, ACard);
    if (clicked) ResumeTimer();
  }

  // The top card to the working foundation if it continues it, otherwise
  // into the first empty column.
  void BannerDblClick(TDeck* Sender) {
    T.DisableTimer();
    TCard* c = Sender->TopCard;
    TDeck* to = nullptr;
    if (Continues(Working(), c)) to = Working();
    for (int i = 1; !to && i <= kColumns; ++i)
      if (!T.Tableau[i]->TopCard) to = T.Tableau[i];
    if (c && to) {
      Deselect(Sender);
      T.Board1->SelectedPile = nullptr;
      to->MoveCardTo(c);
    }
    T.EnableTimer();
  }

  // Every 100 ms: start a sequence one rank above the banner card, close a
  // sequence with the banner card and carry it away, or test the win.
  void Banner_Timer() {
    T.DisableTimer();
    TBoard* b = T.Board1;
    if (b->Busy) {
      // A move still in flight let this tick through: wait for the next.
      T.EnableTimer();
      return;
    }
    if (TCard* B = BannerPile()->TopCard) {
      TTable::PileList working{};
      working[1] = Working();
      AutoPlaceBaseCards(working, 1, T.Tableau, kColumns, B->Rank() % 13 + 1, T.Waste());
      if (CardRules::FollowsAnySuit(Working()->TopCard, B)) {
        TDeck* dest = nullptr;
        for (int i = 1; !dest && i <= kFinals; ++i)
          if (!T.Foundation[i]->TopCard) dest = T.Foundation[i];
        // Eight sequences use up the 104 cards, so an empty final foundation
        // is always there; without one the sequence stays where it is.
        if (dest) {
          b->BeginMoveGroup();
          Working()->MoveCardTo(B);
          // Switched before the transfer, so the points move with the cards.
          SetLook(dest, Look::Foundation);
          b->Animate = false;
          while (TCard* top = Working()->TopCard)
            dest->MoveCardTo(top);
          b->EndMoveGroup();
          b->Animate = true;
          T.EnableTimer();  // the win is tested at the next tick
          return;
        }
      }
    }
    if (AllFoundationsFull(T.Foundation, kFinals)) {
      T.GameWon();
      return;
    }
    T.EnableTimer();
  }

 private:
  TDeck* Working() const { return T.Foundation[kWorkingSlot]; }
  TDeck* BannerPile() const { return T.Reserve[kBannerSlot]; }

  // c may go on the working foundation: one rank above its top in any suit
  // and not of the banner card's rank.
  bool Continues(TDeck* working, const TCard* c) const {
    const TCard* B = BannerPile()->TopCard;
    return working && c && B && CardRules::FollowsAnySuit(working->TopCard, c) &&
           c->Rank() != B->Rank();
  }
};

REGISTER_GAME(Banner, 41);
