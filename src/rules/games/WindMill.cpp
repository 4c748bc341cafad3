// SPDX-License-Identifier: GPL-3.0-or-later
// WindMill: two packs. The centre starts with an Ace and is built up
// regardless of suit, an Ace following each King, until it holds 52 cards;
// the four corners are built down regardless of suit from a King to an Ace.
// Eight arms in a cross round the centre hold one card each; an arm emptied
// by a move to the centre or a corner is refilled at once from the waste (or
// the stock when the waste is empty). The stock is gone through once. There
// is no timer: the rules and the win test live in the pile handlers.

#include "rules/Game.h"

namespace {

constexpr int kPacks = 2;
constexpr int kCentreFull = 52;  // four runs Ace..King
constexpr int kCornerFull = 13;  // King..Ace

// Single slots: 1 waste, 2 stock, 4..11 arms. The foundations: 1 the
// centre, 2..5 the corners.
constexpr int kCentre = 1;
constexpr int kFirstArm = 4;
constexpr int kArms = 8;
constexpr int kFirstCorner = 2;
constexpr int kCorners = 4;

constexpr int kCentreLeft = 400;
constexpr int kCentreTop = 198;

// The arms: four in the centre's column, four in its row.
struct Place {
  int left, top;
};
constexpr Place kArmPlace[kArms] = {{400, 2},   {400, 100}, {400, 296}, {400, 394},
                                    {200, 198}, {300, 198}, {500, 198}, {600, 198}};
// The corners sit in the angles of the cross.
constexpr Place kCornerPlace[kCorners] = {{300, 100}, {500, 100}, {300, 296}, {500, 296}};

// Tag 1 marks the piles whose moves never refill anything (waste, corners).
constexpr Role kNoRefillRole = Role::Marked;

}  // namespace

class WindMill : public TGame {
 public:
  using TGame::TGame;

  void Deal() override {
    MakeWasteAndStock({.wasteLeft = 120, .wasteRole = kNoRefillRole});
    TDeck* waste = T.Waste();
    TDeck* stock = T.Stock();

    TDeck* centre = MakePile({.left = kCentreLeft, .top = kCentreTop, .look = Look::Foundation});
    centre->OnAddWithRule = Rule(&WindMill::WindMillCentreRule);
    centre->OnSelect = Rule(&TGame::RefuseAll);
    centre->OnAfterMove = After(&WindMill::WindMillAfterMove);
    T.Foundation[kCentre] = centre;

    for (int i = 0; i < kArms; ++i) {
      TDeck* arm = MakePile({.left = kArmPlace[i].left, .top = kArmPlace[i].top});
      arm->OnAddWithRule = Rule(&WindMill::WindMillArmRule);
      T.Single[kFirstArm + i] = arm;
    }
    for (int i = 0; i < kCorners; ++i) {
      TDeck* corner = MakePile({.left = kCornerPlace[i].left,
                                .top = kCornerPlace[i].top,
                                .look = Look::Foundation,
                                .role = kNoRefillRole});
      corner->OnAddWithRule = Rule(&WindMill::WindMillCornerRule);
      corner->OnAfterMove = After(&WindMill::WindMillAfterMove);
      T.Foundation[kFirstCorner + i] = corner;
    }

    TakePacks(waste, kPacks, false);
    T.Board1->SetScore(-52 * kPacks);
    // The centre's Ace is the first card of the pool, the bottom of the pack.
    centre->MoveCard(waste, waste->CardsCount());
    centre->TopCard->SetFace(true);
    DealRestToStock(waste, stock, false);
    for (int i = 0; i < kArms; ++i) {
      TDeck* arm = Arm(i + 1);
      arm->MoveCard(stock, 1);
      arm->TopCard->SetFace(true);
    }
    StartTimer(nullptr);
  }

  // One rank higher regardless of suit (an Ace on a King), 52 cards at most.
  void WindMillCentreRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (!ACard) return;
    const bool fits = !Sender->TopCard || (CardRules::FollowsAnySuit(Sender->TopCard, ACard) &&
                                           Sender->CardsCount() < kCentreFull);
    if (fits) Accept(ACard, Action, clicked);
  }

  // A King on an empty corner, then one rank lower regardless of suit; an
  // Ace ends the corner (ranks do not wrap here).
  void WindMillCornerRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (!ACard) return;
    const TCard* top = Sender->TopCard;
    const bool fits = top ? ACard->Rank() == top->Rank() - 1 : ACard->Rank() == 13;
    if (fits) Accept(ACard, Action, clicked);
  }

  // An arm holds one card: any card goes on an empty arm.
  void WindMillArmRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked) {
    Action = false;
    if (!ACard || Sender->TopCard) return;
    Accept(ACard, Action, clicked);
  }

  // After a move to the centre or a corner: the win test, then the refill of
  // an arm the move has just emptied.
  void WindMillAfterMove(TDeck* Source, TDeck*, TCard*) {
    if (Complete()) {
      // A card taken off a corner and put back must not win a second time.
      T.GameWon();
      return;
    }
    if (!Source || HasRole(Source, kNoRefillRole) || Source->TopCard) return;
    TDeck* from = T.Waste()->TopCard ? T.Waste() : T.Stock();
    if (TCard* c = from->TopCard) {
      c->SetFace(true);
      Source->MoveCardTo(c);
    }
  }

 private:
  TDeck* Arm(int i) { return T.Single[kFirstArm + i - 1]; }

  static void Accept(TCard* ACard, bool& Action, bool clicked) {
    if (clicked && !ACard->Face()) ACard->SetFace(true);
    Action = true;
  }

  bool Complete() const {
    const TDeck* centre = T.Foundation[kCentre];
    if (!centre || centre->CardsCount() != kCentreFull) return false;
    for (int i = 0; i < kCorners; ++i) {
      const TDeck* corner = T.Foundation[kFirstCorner + i];
      if (!corner || corner->CardsCount() != kCornerFull) return false;
    }
    return true;
  }
};

REGISTER_GAME(WindMill, 0);
