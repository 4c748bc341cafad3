// SPDX-License-Identifier: GPL-3.0-or-later
// A foundation holding its thirteen cards takes nothing more, by hand, by
// double click or by automatic play, although ranks wrap (King, then Ace).

#include <gtest/gtest.h>

#include "rules/Game.h"
#include "session/TableHost.h"

namespace {

class Bare : public TGame {
 public:
  using TGame::TGame;
  void Deal() override {}
  using TGame::MakePile;
};

class CompleteFoundation : public ::testing::Test {
 protected:
  CompleteFoundation() : game(host.Table) {
    f = game.MakePile({.left = 300, .top = 5, .look = Look::Foundation});
    col = game.MakePile(
        {.left = 10, .top = 115, .vShift = 20, .showsCard = true, .role = Role::Column});
    host.Table.Foundation[1] = f;
    host.Table.Tableau[1] = col;
    host.Board1->Recording = false;
    for (int r = 1; r <= 13; ++r)
      Put(f, r);        // hearts, Ace to King
    Put(col, 52 + 27);  // the second Ace of hearts
    host.Board1->Recording = true;
  }
  void Put(TDeck* d, int id) {
    TCard* c = host.Table.CardPool[id < 14 ? 26 + id : id];
    c->Show();
    c->SetFace(true);
    d->AddCard(c);
  }
  TableHost host;
  Bare game;
  TDeck* f;
  TDeck* col;
};

}  // namespace

TEST_F(CompleteFoundation, RefusesTheSecondAceEveryWay) {
  TCard* ace = col->TopCard;
  ASSERT_EQ(ace->Rank(), 1);
  ASSERT_EQ(f->TopCard->Rank(), 13);
  ASSERT_EQ(f->TopCard->Suit(), ace->Suit());
  for (auto rule : {&TGame::FoundationUpRule, &TGame::SuitUpRule, &TGame::AnySuitUpRule}) {
    TCard* offered = ace;
    bool action = true;
    (game.*rule)(f, offered, action, true);
    EXPECT_FALSE(action);
  }
  host.Board1->SelectedPile = col;
  for (int count : {1, 4, 8})
    EXPECT_FALSE(game.SendToFoundation(col, {.count = count}));
  EXPECT_EQ(f->CardsCount(), 13);
  EXPECT_FALSE(game.AutoPlayToFoundations(host.Table.Foundation, 1, host.Table.Tableau, 1, false, 1,
                                          CardRules::FollowsInSuit));
  EXPECT_EQ(f->CardsCount(), 13);
  EXPECT_TRUE(TGame::AllFoundationsFull(host.Table.Foundation, 1));
}

TEST_F(CompleteFoundation, ADownwardFoundationStopsAtThirteenToo) {
  // A King-down foundation that reached the Ace must not take the second King.
  TDeck* down = game.MakePile({.left = 400, .top = 5, .look = Look::Foundation});
  host.Table.Foundation[2] = down;
  host.Board1->Recording = false;
  for (int r = 13; r >= 1; --r) {
    TCard* c = host.Table.CardPool[39 + r];  // spades
    c->Show();
    c->SetFace(true);
    down->AddCard(c);
  }
  host.Board1->Recording = true;
  TCard* king = host.Table.CardPool[104];  // the second King of spades
  bool action = true;
  game.SuitDownRule(down, king, action, false);
  EXPECT_FALSE(action);
  // A pile that is no foundation may still wrap around.
  host.Table.Foundation[2] = nullptr;
  action = true;
  game.SuitDownRule(down, king, action, false);
  EXPECT_TRUE(action);
}
