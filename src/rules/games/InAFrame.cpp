// SPDX-License-Identifier: GPL-3.0-or-later
// In a frame: two packs. Twelve frame piles surround eight foundations. The
// foundations start with the Twos, which go up by themselves, and are built
// up in suit round the corner: Two, Three, ..., King, Ace. The frame piles
// are built down in suit one card at a time, and an empty one takes any card.
// The whole pack goes to the stock; the frame is dealt from its top, and the
// stock then turns one card at a time onto the waste, gone through once.
// Nothing but the Twos goes up by itself. The game is won when all eight
// foundations hold their 13 cards.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kFoundations = 8;
constexpr int kFramePiles = 12;
constexpr int kBaseRank = 2;

struct Place {
  int left, top;
};
// Up the left side, along the top, down the right side.
constexpr Place kFramePlace[kFramePiles] = {{230, 392}, {230, 288}, {230, 184}, {230, 80},
                                            {310, 15},  {390, 15},  {470, 15},  {550, 15},
                                            {630, 80},  {630, 184}, {630, 288}, {630, 392}};
// Two rows of four inside the frame.
int FoundationLeft(int i) {
  return 80 * ((i - 1) % 4) + 310;
}  // 310, 390, 470, 550
int FoundationTop(int i) {
  return i <= 4 ? 170 : 280;
}

constexpr int kTopRow = 5;

}  // namespace

class InAFrame : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeWasteAndStock({.wasteLeft = 120,
                       .wasteTop = kTopRow,
                       .stockTop = kTopRow,
                       .wasteDblClick = DoubleClickToFoundation({.count = 8})});

    for (int i = 1; i <= kFramePiles; ++i) {
      const Place& p = kFramePlace[i - 1];
      TDeck* frame = MakePile({.left = p.left, .top = p.top});
      frame->OnAddWithRule = Rule(&TGame::FrameDownRule);
      frame->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
      T.ListD[i] = frame;
    }
    MakeFoundations(
        kFoundations,
        [&](int i) {
          return PileLayout{.left = FoundationLeft(i),
                            .top = FoundationTop(i),
                            .look = Look::Foundation,
                            .role = Role::Marked};
        },
        Rule(&TGame::SuitUpRule), Rule(&TGame::RefuseAll));

    TakePacks(T.Waste(), kPacks, false);
    T.Board1->SetScore(-52 * kPacks);
    DealRestToStock(T.Waste(), T.Stock(), false);
    for (int i = 1; i <= kFramePiles; ++i) {
      TCard* c = T.Stock()->TopCard;
      c->SetFace(true);
      T.ListD[i]->MoveCardTo(c);
    }

    StartTimer(Timer(&InAFrame::TF_Timer));
  }

  // Every 100 ms: a Two from the frame and one from the waste to empty
  // foundations, then the win test. AutoPlay plays no part here.
  void TF_Timer() {
    // Only the base cards go up by themselves.
    CommonTimer(T.Foundation, kFoundations, {PileGroup(T.ListD, kFramePiles, T.Waste())}, true,
                kBaseRank, nullptr);
  }
};

REGISTER_GAME(InAFrame, 4);
