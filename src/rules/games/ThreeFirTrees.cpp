// SPDX-License-Identifier: GPL-3.0-or-later
// Three Fir-trees: two packs. Three fir trees of sixteen single cards stand
// side by side; their lowest uncovered cards go onto one waste pile, each
// card one rank above or below the waste's top card in any suit (a King and
// an Ace are neighbours). The stock is turned one card at a time onto the
// waste and gone through once. The game is won when all three trees are
// empty; what is left of the stock then goes onto the waste by itself.

#include "rules/Game.h"

using namespace CardRules;

namespace {

constexpr int kTreeCards = 16;
constexpr int kTrees = 3;
constexpr int kTreeSpacing = 190;
constexpr int kCards = 104;

// Tree 1: groups of three (a centre card, then two side by side 20 pixels
// lower), each overlapping the one above, with pile 16 alone at the foot.
// Trees 2 and 3 stand 190 and 380 pixels further right.
constexpr int kTreeLeft[kTreeCards + 1] = {0,  47, 9, 85, 47, 9, 85, 47, 9,
                                           85, 47, 9, 85, 47, 9, 85, 47};
constexpr int kTreeTop[kTreeCards + 1] = {0,   125, 145, 145, 165, 185, 185, 205, 225,
                                          225, 245, 265, 265, 285, 305, 305, 325};

// The two side-by-side cards of a group (3, 6, ..., 15) are uncovered
// together; every other pile lies alone at the foot of what is left.
bool SideBySide(int L) {
  return L > 0 && L % 3 == 0;
}

// Pile i of a tree may be played when it is the lowest card left (L) or
// lies beside it.
bool Playable(const TTable::PileList& tree, const TDeck* pile) {
  int L = 0;
  for (int i = kTreeCards; i >= 1 && L == 0; --i)
    if (tree[i] && tree[i]->TopCard) L = i;
  const int i = RowIndex(pile);
  return L > 0 && (i == L || (SideBySide(L) && i == L - 1));
}

// One rank above or below, any suit, ranks round the corner.
bool Neighbours(const TCard* top, const TCard* c) {
  return FollowsAnySuit(top, c) || PrecedesAnySuit(top, c);
}

}  // namespace

class ThreeFirTrees : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    T.Waste() = MakePile({.left = 100,
                          .top = 5,
                          .vShift = 2,
                          .gShift = 2,
                          .look = Look::Foundation,
                          .role = Role::Marked});
    T.Waste()->OnSelect = Rule(&TGame::RefuseAll);
    T.Waste()->OnAddWithRule = Rule(&ThreeFirTrees::FirtreeWasteRule);
    // Every card goes home onto the waste: it is the game's one foundation.
    T.Foundation[1] = T.Waste();
    T.Stock() = MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::NoRedeal});
    T.Stock()->OnSelect = Rule(&TGame::StockToWasteSelect);
    T.Stock()->OnAddWithRule = Rule(&TGame::RefuseAll);
    // Tree 1 in the tableau slots, tree 2 in the reserve slots, tree 3 in
    // list A.
    MakeTree(T.Tableau, 0, Rule(&ThreeFirTrees::FirtreeSelect));
    MakeTree(T.Reserve, kTreeSpacing, Rule(&ThreeFirTrees::NapoleonReserveSelect));
    MakeTree(T.ListA, 2 * kTreeSpacing, Rule(&ThreeFirTrees::FirtreeSelect));

    TakePacks(T.Waste(), 2, true);
    for (int i = 1; i <= kTreeCards; ++i)
      for (TTable::PileList* tree : {&T.Tableau, &T.Reserve, &T.ListA})
        DealRandom(T.Waste(), (*tree)[i]);
    DealRestToStock(T.Waste(), T.Stock(), false);
    // Set once the waste is empty: every card placed on it from now on earns
    // the foundation points.
    T.Board1->SetScore(-kCards);
    StartTimer(Timer(&ThreeFirTrees::Firtree_Timer));
  }

  void MakeTree(TTable::PileList& tree, int shift, TDeckEvent select) {
    for (int i = 1; i <= kTreeCards; ++i) {
      TDeck* p = MakePile({.left = kTreeLeft[i] + shift,
                           .top = kTreeTop[i],
                           .look = Look::None,
                           .showsCard = true,
                           .role = RowRole(i)});
      p->OnSelect = select;
      p->OnAddWithRule = Rule(&TGame::RefuseAll);
      p->OnDoubleSelect = Pile(&ThreeFirTrees::FirtreeDblClick);
      tree[i] = p;
    }
  }

  // The tree the pile stands in.
  const TTable::PileList& TreeOf(const TDeck* pile) const {
    for (const TTable::PileList* tree : {&T.Tableau, &T.Reserve})
      for (int i = 1; i <= kTreeCards; ++i)
        if ((*tree)[i] == pile) return *tree;
    return T.ListA;
  }

  // Trees 1 and 3: only the lowest uncovered card(s) may be picked up.
  void FirtreeSelect(TDeck* Sender, TCard*&, bool& Action, bool) {
    Action = Playable(TreeOf(Sender), Sender);
  }

  // Tree 2 picks up the same way, and a pick-up there wakes the timer, as
  // the Napoleon games' reserve does.
  void NapoleonReserveSelect(TDeck* Sender, TCard*&, bool& Action, bool clicked) {
    Action = Playable(T.Reserve, Sender);
    if (clicked) T.EnableTimer();
  }

  // The waste takes a card one rank above or below its top card, any suit.
  // An empty waste takes nothing from the player.
  void FirtreeWasteRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = Neighbours(Sender->TopCard, ACard);
    if (clicked) ResumeTimer();
  }

  // A playable tree card onto the waste when it is its neighbour in rank
  // (a pile that is not playable is never selected, so never gets here).
  void FirtreeDblClick(TDeck* Sender) {
    TDeck* waste = T.Waste();
    if (TCard* c = Sender->TopCard; c && Neighbours(waste->TopCard, c)) {
      Deselect(Sender);
      if (T.Board1) T.Board1->ClearSelection();
      waste->MoveCardTo(c);
    }
    ResumeTimer();
  }

  // Every 100 ms: once the three trees are empty, the rest of the stock is
  // turned onto the waste and the game is won.
  void Firtree_Timer() {
    if (TickWaitsForMove()) return;
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();
    if (waste->CardsCount() + stock->CardsCount() < kCards) {
      // A tree still holds a card.
      T.EnableTimer();
      return;
    }
    while (TCard* c = stock->TopCard)
      waste->MoveCardTo(c);
    T.GameWon();
  }
};

REGISTER_GAME(ThreeFirTrees, 30);
