// SPDX-License-Identifier: GPL-3.0-or-later
// Diplomat and Elma: two packs, eight columns built down regardless of suit,
// one card at a time, an empty column taking only a King, and a stock gone
// through once, a card at a time, onto the waste.
//
// Diplomat (15): eight foundations built up in suit from the Ace. The Aces go
// up by themselves, other cards too when AutoPlay is On; a foundation's top
// card other than its Ace may be taken back onto a column.
// Elma (20): four Ace foundations built up in suit and four King foundations
// built down in suit, started by the deal with the second pack's Aces and
// Kings. Nothing goes up by itself; the timer only watches for the win.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kPacks = 2;
constexpr int kCards = 52 * kPacks;
constexpr int kColumns = 8;
constexpr int kDiplomatFoundations = 8;
constexpr int kElmaSuits = 4;  // Ace foundations, and as many King foundations

int DiplomatFoundationLeft(int i) {
  return 85 * i - 75;
}  // 10, 95, ..., 605
int DiplomatColumnLeft(int i) {
  return 85 * i - 65;
}  // 20, 105, ..., 615
int ElmaColumnLeft(int i) {
  return 85 * i - 75;
}  // 10, 95, ..., 605
int ElmaAceLeft(int i) {
  return 85 * i - 75;
}  // 10, 95, 180, 265
int ElmaKingLeft(int i) {
  return 85 * i + 265;
}  // 350, 435, 520, 605
constexpr int kTopRow = 5;
constexpr int kColumnTop = 115;
constexpr int kColumnStep = 15;

// Elma's base cards, taken without a draw by their place from the top of the
// ordered packs (each counted on what the previous steps left): the second
// pack's Aces of spades, hearts, diamonds and clubs for Ace foundations 1..4,
// then its Kings in the same order for King foundations 1..4.
constexpr int kElmaAcePositions[kElmaSuits] = {13, 25, 37, 49};
constexpr int kElmaKingPositions[kElmaSuits] = {1, 12, 23, 34};

TCard* Top(const TDeck* d) {
  return d ? d->TopCard : nullptr;
}

}  // namespace

class Diplomat : public TGame {
 public:
  enum Variant { Classic, Elma };
  Diplomat(TTable& table, Variant variant) : TGame(table), variant_(variant) {}

  void Deal() override {
    if (variant_ == Elma)
      DealElma();
    else
      DealDiplomat();
  }

  // --- Both games ------------------------------------------------------------

  // One card, one rank lower regardless of suit (a King on an Ace); an empty
  // column takes only a King.
  void KingBaseColumnRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (ACard) {
      if (TCard* t = Top(Sender))
        Action = PrecedesAnySuit(t, ACard);
      else
        Action = ACard->Rank() == 13;
    }
    if (clicked) ResumeTimer();
  }

  // --- Diplomat --------------------------------------------------------------

  // A foundation's top card may be taken back, except the Ace that starts it.
  void NoAceTopSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = true;
    if (TCard* t = Top(Sender); t && t->Rank() == 1) Action = false;
  }

  // Every 100 ms: an Ace up from a column and one from the waste, then (with
  // AutoPlay On) one card that may safely go up, then the win test.
  void Diplomat_Timer() {
    CommonTimer(T.Foundation, kDiplomatFoundations, T.Tableau, kColumns, true, 1, FollowsInSuit,
                T.Waste());
  }

  // --- Elma ------------------------------------------------------------------

  // The top card to the first Ace foundation it follows in suit, else to the
  // first King foundation it goes down on in suit; a finished foundation (a
  // King on the Ace side, an Ace on the King side) takes nothing.
  void ElmaDblClick(TDeck* Sender) {
    if (TCard* c = Top(Sender)) {
      TDeck* to = nullptr;
      for (int i = 1; i <= kElmaSuits && !to; ++i) {
        TCard* t = Top(T.Foundation[i]);
        if (FollowsInSuit(t, c) && t->Rank() != 13) to = T.Foundation[i];
      }
      for (int j = 1; j <= kElmaSuits && !to; ++j) {
        TCard* t = Top(KingFoundation(j));
        if (PrecedesInSuit(t, c) && t->Rank() != 1) to = KingFoundation(j);
      }
      if (to) {
        Deselect(Sender);
        to->MoveCardTo(c);
      }
    }
    T.EnableTimer();
  }

  // Every 100 ms: the win test, nothing more.
  void Elma_Timer() {
    T.DisableTimer();
    FinishTick(T.Foundation, 2 * kElmaSuits);
  }

 private:
  // Elma's King foundations follow its Ace foundations in T.Foundation.
  TDeck* KingFoundation(int i) const { return T.Foundation[kElmaSuits + i]; }

  void DealDiplomat() {
    MakeWasteAndStock(
        {.wasteTop = 410, .stockTop = 410, .wasteDblClick = DoubleClickToFoundation({.count = 8})});
    MakeFoundations(
        kDiplomatFoundations,
        [&](int i) {
          return PileLayout{
              .left = DiplomatFoundationLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&Diplomat::NoAceTopSelect));
    MakeColumns(DiplomatColumnLeft, DoubleClickToFoundation({.count = 8}));

    TDeck* waste = T.Waste();
    TakePacks(waste, kPacks, true);
    T.Board1->SetScore(-kCards);
    // Five rounds of the eight columns.
    for (int i = 1; i <= 5 * kColumns; ++i)
      DealRandom(waste, T.Tableau[(i - 1) % kColumns + 1]);
    DealRestToStock(waste, T.Stock(), false);
    StartTimer(Timer(&Diplomat::Diplomat_Timer));
  }

  void DealElma() {
    MakeWasteAndStock(
        {.wasteTop = 390, .stockTop = 390, .wasteDblClick = Pile(&Diplomat::ElmaDblClick)});
    MakeFoundations(
        kElmaSuits,
        [&](int i) {
          return PileLayout{.left = ElmaAceLeft(i), .top = kTopRow, .look = Look::Foundation};
        },
        Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
    for (int i = 1; i <= kElmaSuits; ++i) {
      TDeck* k = MakePile({.left = ElmaKingLeft(i), .top = kTopRow, .look = Look::Foundation});
      k->OnSelect = Rule(&TGame::RefuseAll);
      k->OnAddWithRule = Rule(&TGame::SuitDownRule);
      T.Foundation[kElmaSuits + i] = k;
    }
    MakeColumns(ElmaColumnLeft, Pile(&Diplomat::ElmaDblClick));

    TDeck* waste = T.Waste();
    TakePacks(waste, kPacks, true);
    // Set before the base cards go up, so that they earn their points.
    T.Board1->SetScore(-kCards);
    for (int i = 1; i <= kElmaSuits; ++i)
      T.Foundation[i]->MoveCard(waste, kElmaAcePositions[i - 1]);
    for (int i = 1; i <= kElmaSuits; ++i)
      KingFoundation(i)->MoveCard(waste, kElmaKingPositions[i - 1]);
    // Four rounds of the eight columns.
    for (int i = 1; i <= 4 * kColumns; ++i)
      DealRandom(waste, T.Tableau[(i - 1) % kColumns + 1]);
    DealRestToStock(waste, T.Stock(), false);
    StartTimer(Timer(&Diplomat::Elma_Timer));
  }

  void MakeColumns(int (*left)(int), TDeckEEvent toFoundation) {
    for (int i = 1; i <= kColumns; ++i) {
      TDeck* column = MakePile({.left = left(i),
                                .top = kColumnTop,
                                .vShift = kColumnStep,
                                .showsCard = true,
                                .role = Role::Column});
      column->OnAddWithRule = Rule(&Diplomat::KingBaseColumnRule);
      column->OnDoubleSelect = toFoundation;
      T.Tableau[i] = column;
    }
  }

  const Variant variant_;
};

REGISTER_VARIANT(Diplomat, 15, Diplomat::Classic);
REGISTER_VARIANT(Diplomat, 20, Diplomat::Elma);
