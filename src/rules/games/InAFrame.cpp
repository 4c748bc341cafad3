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
    T.Waste() = MakePile(120, kTopRow, 2, 2, 4, false, 1);
    T.Waste()->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Waste()->OnDoubleSelect = Pile(&TGame::ToFoundation8DblClick);

    T.Stock() = MakePile(10, kTopRow, 2, 2, 2, false, 0);
    T.Stock()->OnSelect = Rule(&TGame::StockToWasteSelect);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);

    for (int i = 1; i <= kFramePiles; ++i) {
      const Place& p = kFramePlace[i - 1];
      TDeck* frame = MakePile(p.left, p.top, 0, 0, 0, false, 0);
      frame->OnAddWithRule = Rule(&TGame::FrameDownRule);
      frame->OnDoubleSelect = Pile(&TGame::ToFoundation8DblClick);
      T.ListD[size_t(i)] = frame;
    }
    for (int i = 1; i <= kFoundations; ++i) {
      TDeck* f = MakePile(FoundationLeft(i), FoundationTop(i), 0, 0, 1, false, 1);
      f->OnSelect = Rule(&TGame::RefuseAll);
      f->OnAddWithRule = Rule(&TGame::SuitUpRule);
      T.Foundation[size_t(i)] = f;
    }

    TakePacks(T.Waste(), kPacks, false);
    T.Board1->SetScore(-52 * kPacks);
    DealRestToStock(T.Waste(), T.Stock(), false);
    for (int i = 1; i <= kFramePiles; ++i) {
      TCard* c = T.Stock()->TopCard;
      c->SetFace(true);
      T.ListD[size_t(i)]->MoveCardTo(c);
    }

    StartTimer(Timer(&InAFrame::TF_Timer));
  }

  // Every 100 ms: a Two from the frame and one from the waste to empty
  // foundations, then the win test. AutoPlay plays no part here.
  void TF_Timer() {
    T.DisableTimer();
    if (T.Board1->Busy) {
      // A move still in flight let this tick through: wait for the next.
      T.EnableTimer();
      return;
    }
    AutoPlaceBaseCards(T.Foundation, kFoundations, T.ListD, kFramePiles, kBaseRank, T.Waste());
    if (AllFoundationsFull(T.Foundation, kFoundations)) {
      // The frame rules start the timer again on every click: win once.
      if (!won_) {
        won_ = true;
        T.GameWon();
      }
      return;
    }
    T.EnableTimer();
  }

 private:
  bool won_ = false;
};

REGISTER_GAME(InAFrame, 4);
