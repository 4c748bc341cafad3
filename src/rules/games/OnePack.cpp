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
constexpr int kWasteTag = 1;

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
    TDeck* waste = MakePile(100, kTopRow, 2, 2, 4, false, kWasteTag);
    waste->OnAddWithRule = Rule(&TGame::RefuseAll);
    waste->OnDoubleSelect = Pile(&OnePack::OnePackDblClick);
    T.Waste() = waste;

    // One pass: the empty stock stays empty.
    TDeck* stock = MakePile(10, kTopRow, 2, 2, 2, false, 0);
    stock->OnSelect = Rule(&TGame::StockToWasteSelect);
    stock->OnAddWithRule = Rule(&TGame::RefuseAll);
    T.Stock() = stock;

    TDeck* f = MakePile(357, kTopRow, 0, 0, 1, false, 3);
    f->OnSelect = Rule(&TGame::RefuseAll);
    f->OnAddWithRule = Rule(&OnePack::OnePackFoundationRule);
    f->OnAfterMove = After(&OnePack::OnePackAfterMove);
    T.Foundation[1] = f;

    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile(ColumnLeft(i), kColumnTop, 18, 0, 0, true, 4);
      column->OnAddWithRule = Rule(&TGame::RefuseAll);
      column->OnDoubleSelect = Pile(&OnePack::OnePackDblClick);
      T.Tableau[size_t(i)] = column;
    }

    TakePacks(waste, 1, true);
    T.Board1->SetScore(-kPack);
    for (int i = 1; i <= kColumns * kColumnCards; ++i)
      DealRandom(waste, T.Tableau[size_t((i - 1) % kColumns + 1)]);
    DealRandom(waste, f);  // the first foundation card earns its points
    DealRestToStock(waste, stock, false);
    StartTimer(nullptr);
  }

  // The waste's top card goes up whatever its rank; a column card only
  // when it fits.
  void OnePackFoundationRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    SetStarted(clicked);
    if (ACard && ACard->HostDeck && ACard->HostDeck->Tag == kWasteTag)
      Action = true;
    else if (FitsFoundation(Sender->TopCard, ACard))
      Action = true;
    if (clicked) ResumeTimer();
  }

  // The same by a double click on the waste or a column.
  void OnePackDblClick(TDeck* Sender) {
    T.GameStarted = 1;
    TDeck* f = T.Foundation[1];
    TCard* c = Sender->TopCard;
    if (!f || !c) return;
    if (Sender->Tag == kWasteTag || FitsFoundation(f->TopCard, c)) {
      Deselect(Sender);
      f->MoveCardTo(c);
    }
  }

  void OnePackAfterMove(TDeck*, TDeck* Dest, TCard*) {
    if (!won_ && Dest && Dest->CardsCount() == kPack) {
      won_ = true;
      T.GameWon();
    }
  }

 private:
  bool won_ = false;
};

REGISTER_GAME(OnePack, 11);
