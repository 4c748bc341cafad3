// SPDX-License-Identifier: GPL-3.0-or-later
// The shared handlers on small hand-made tables: the edges where a rule can
// go wrong (empty piles, wrapping ranks, face-down cards, the empty-column
// question, redeal limits, automatic play's safety and its one-card steps).

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "support/GameHarness.h"
#include "ui/EmptyColDlg.h"

using namespace harness;

namespace {

// A game without a layout of its own: the tests build its piles.
class BareGame : public TGame {
 public:
  using TGame::TGame;
  void Deal() override {}
  using TGame::After;
  using TGame::DealRandom;
  using TGame::DealRestToStock;
  using TGame::FreeDealPile;
  using TGame::MakePile;
  using TGame::Pile;
  using TGame::Rule;
  using TGame::StartTimer;
  using TGame::TakePacks;
};

class SharedRulesTest : public ::testing::Test {
 protected:
  SharedRulesTest()
      : game(host.Table), answers([this](const ModalRequest& r) -> std::optional<int> {
          if (r.kind == ModalRequest::Message) {
            ++messages;
            return mrOk;
          }
          asked.push_back(r.text.toStdString());
          defaults.push_back(r.defaultResult);
          return dialogAnswer;
        }) {
    host.ClearTable();
    host.Additional_timer.OnTimer = [this] { ++ticks; };
  }

  TDeck* Column(Role role = Role::Column) {
    TDeck* d = game.MakePile({.left = 10 + 80 * int(columns.size()),
                              .top = 115,
                              .vShift = 20,
                              .showsCard = true,
                              .role = role});
    columns.push_back(d);
    return d;
  }
  TDeck* Foundation(int slot) {
    TDeck* f = game.MakePile({.left = 330 + 75 * slot, .top = 5, .look = Look::Foundation});
    host.Table.Foundation[slot] = f;
    return f;
  }
  // Offers the selected pile's top card as the player's click would, and
  // tells what the rule answered.
  bool Offer(TDeck* to, TCard*& card, bool clicked = true) {
    bool action = true;
    to->OnAddWithRule(to, card, action, clicked);
    return action;
  }

  TableHost host;
  BareGame game;
  std::vector<TDeck*> columns;
  std::vector<std::string> asked;
  std::vector<int> defaults;
  int dialogAnswer = mrOk;
  int messages = 0;
  int ticks = 0;
  ScopedModalResponder answers;
};

}  // namespace

// --- Foundations ------------------------------------------------------------------

TEST_F(SharedRulesTest, EmptyFoundationRefusesAndKingToppedTakesItsAce) {
  TDeck* f = Foundation(1);
  TDeck* c = Column();
  Arrange(host, {{c, "AS"}});
  for (auto rule : {&TGame::FoundationUpRule, &TGame::SuitUpRule, &TGame::SuitDownRule}) {
    f->OnAddWithRule = game.Rule(rule);
    TCard* card = c->TopCard;
    EXPECT_FALSE(Offer(f, card)) << "an empty foundation takes nothing, not even an Ace";
  }
  f->OnAddWithRule = game.Rule(&TGame::FoundationUpRule);
  Arrange(host, {{f, "QS KS"}, {c, "AS"}});
  host.Table.GameStarted = 0;
  TCard* ace = c->TopCard;
  EXPECT_TRUE(Offer(f, ace, false));  // a probe starts nothing
  EXPECT_EQ(host.Table.GameStarted, 0);
  Move(c, f);
  EXPECT_EQ(Names(f), "QS KS AS");
  EXPECT_EQ(host.Table.GameStarted, 1);
  TCard* heart = CardNamed(host, "AH");
  EXPECT_FALSE(Offer(f, heart));
  // Down in suit wraps the other way: a King on an Ace.
  Arrange(host, {{f, "AD"}, {c, "KD"}});
  f->OnAddWithRule = game.Rule(&TGame::SuitDownRule);
  TCard* king = c->TopCard;
  EXPECT_TRUE(Offer(f, king));
  f->OnAddWithRule = game.Rule(&TGame::FrameDownRule);
  Arrange(host, {{c, "7C"}});
  TCard* any = c->TopCard;
  EXPECT_TRUE(Offer(f, any));  // any card on an empty frame pile
}

TEST_F(SharedRulesTest, RulesWakeTheTimerOnlyForRealMovesAndOnlyWithAHandler) {
  TDeck* f = Foundation(1);
  TDeck* c = Column();
  f->OnAddWithRule = game.Rule(&TGame::FoundationUpRule);
  Arrange(host, {{f, "AC"}, {c, "2C"}});
  TCard* two = c->TopCard;
  Offer(f, two, false);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  Offer(f, two, true);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Additional_timer.SetEnabled(false);
  host.Additional_timer.OnTimer = nullptr;
  Offer(f, two, true);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  // A free cell takes a card only while empty and starts nothing.
  TDeck* cell = Column(Role::Plain);
  cell->OnAddWithRule = game.Rule(&TGame::EmptyOnlyRule);
  host.Table.GameStarted = 0;
  EXPECT_TRUE(Offer(cell, two));
  EXPECT_EQ(host.Table.GameStarted, 0);
  Arrange(host, {{cell, "9D"}, {c, "2C"}});
  EXPECT_FALSE(Offer(cell, two));
}

TEST_F(SharedRulesTest, DoubleClicksNeverStartAFoundationAndNoKingSkipsKings) {
  for (int i = 1; i <= 4; ++i)
    Foundation(i);
  TDeck* c = Column();
  auto& F = host.Table.Foundation;
  struct Case {
    ToFoundation how;
    const char* goesTo;  // foundation content after a double click on AS
  };
  const Case cases[] = {{{.count = 4}, "KS AS"},
                        {{.count = 8}, "KS AS"},
                        {{.skipKingTopped = true}, "KS"},
                        {{.fits = CardRules::FollowsAnySuit}, "KS AS"}};
  for (const Case& k : cases) {
    Arrange(host, {{F[2], "KS"}, {c, "AS"}});
    c->OnDoubleSelect = game.DoubleClickToFoundation(k.how);
    DoubleClick(c);
    EXPECT_EQ(Names(F[2]), k.goesTo);
    EXPECT_EQ(Names(F[1]) + Names(F[3]) + Names(F[4]), "");  // never an empty one
    EXPECT_EQ(host.Board1->SelectedPile, k.goesTo == std::string("KS") ? c : nullptr);
    host.Board1->ClearSelection();
  }
  // No King-topped foundation takes anything, whatever fits.
  Arrange(host, {{F[1], "KH"}, {F[2], "KS"}, {F[3], "7C"}, {c, "AH"}});
  c->OnDoubleSelect = game.DoubleClickToFoundation({.skipKingTopped = true});
  DoubleClick(c);
  EXPECT_EQ(Names(c), "AH");
  c->OnDoubleSelect = game.DoubleClickToFoundation({.fits = CardRules::FollowsAnySuit});
  Arrange(host, {{F[1], "KH"}, {F[2], "5C"}, {c, "6H"}});
  DoubleClick(c);
  EXPECT_EQ(Names(F[2]), "5C 6H");
}

// --- Columns in alternating colours --------------------------------------------

TEST_F(SharedRulesTest, AltColourDownWalksFaceUpRunsFromTag4Columns) {
  TDeck* src = Column(Role::Column);
  TDeck* dst = Column(Role::Column);
  dst->OnAddWithRule = game.Rule(&TGame::AltColourDownRule);

  Arrange(host, {{src, "KC"}, {dst, "AH"}});  // a King on an Ace
  Move(src, dst);
  EXPECT_EQ(Names(dst), "AH KC");

  Arrange(host, {{src, "2D 9C 8H 7S"}, {dst, "TD"}});
  host.Additional_timer.SetEnabled(true);
  Move(src, dst);
  EXPECT_EQ(Names(dst), "TD 9C 8H 7S");
  EXPECT_EQ(Names(src), "2D");
  EXPECT_FALSE(host.Additional_timer.Enabled());  // the game's OnAfterMove wakes it

  Arrange(host, {{src, "9c 8H 7S"}, {dst, "TD"}});  // the run ends at a covered card
  Move(src, dst);
  EXPECT_EQ(Names(dst), "TD");
  Arrange(host, {{src, "9c 8H 7S"}, {dst, "9S"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "9S 8H 7S");

  src->Tag = 0;  // not a column: the top card alone
  Arrange(host, {{src, "9C 8H 7S"}, {dst, "TD"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "TD");
  Arrange(host, {{src, "9C 8H 7S"}, {dst, "8D"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "8D 7S");

  src->Tag = 15;  // a pile whose cards the rule refuses
  Arrange(host, {{src, "7S"}, {dst, "8D"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "8D");
  TCard* seven = src->TopCard;
  EXPECT_FALSE(Offer(dst, seven));
}

TEST_F(SharedRulesTest, AltColourDownAsksAboutRunsOnAnEmptyColumn) {
  TDeck* src = Column(Role::Column);
  TDeck* dst = Column(Role::Column);
  dst->OnAddWithRule = game.Rule(&TGame::AltColourDownRule);
  host.Table.GameIndex = 5;

  dialogAnswer = mrOk;  // the whole run, down to the pile's bottom card
  Arrange(host, {{src, "9C 8H 7S"}});
  Move(src, dst);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Move to empty column...");
  EXPECT_EQ(defaults[0], mrOk);
  EXPECT_EQ(Names(dst), "9C 8H 7S");
  EXPECT_EQ(Names(src), "");

  Arrange(host, {{src, "th 9C 8H 7S"}});  // stops above a covered card, fitting or not
  Move(src, dst);
  EXPECT_EQ(Names(dst), "9C 8H 7S");
  EXPECT_EQ(Names(src), "th");

  dialogAnswer = mrYes;
  Arrange(host, {{src, "9C 8H 7S"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "7S");

  for (int answer : {int(mrCancel), 0}) {
    dialogAnswer = answer;
    Arrange(host, {{src, "9C 8H 7S"}});
    Move(src, dst);
    EXPECT_EQ(Names(dst), "");
    EXPECT_EQ(Names(src), "9C 8H 7S");
    EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  }
  EXPECT_EQ(messages, 0);  // cancelling warns nobody

  const size_t before = asked.size();
  // A card that lies on a covered card is no run: nothing to ask.
  dialogAnswer = mrOk;
  Arrange(host, {{src, "8h 7S"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "7S");
  EXPECT_EQ(Names(src), "8h");
  // The single-card variant never asks; a probe never asks.
  dst->OnAddWithRule = game.Rule(&TGame::AltColourDownSingleToEmptyRule);
  Arrange(host, {{src, "9C 8H 7S"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "7S");
  dst->OnAddWithRule = game.Rule(&TGame::AltColourDownRule);
  Arrange(host, {{src, "9C 8H 7S"}});
  TCard* top = src->TopCard;
  EXPECT_TRUE(Offer(dst, top, false));
  EXPECT_EQ(top, src->TopCard);
  EXPECT_EQ(asked.size(), before);
}

TEST_F(SharedRulesTest, FreePileRunsNeedRoomAndComeOnlyFromRunPiles) {
  TDeck* src = Column(Role::Marked);  // a waste whose cards happen to lie in order
  TDeck* dst = Column(Role::Column);
  TDeck* spare = Column(Role::Column);
  auto& P = host.Table.Tableau;
  P[1] = src;
  P[2] = dst;
  P[3] = spare;
  dst->OnAddWithRule = [this](TDeck* s, TCard*& c, bool& a, bool k) {
    game.FreePileRunRule(s, c, a, k, CardRules::FitsAltColourDown, host.Table.Tableau, 3,
                         Role::Column);
  };
  Arrange(host, {{src, "9C 8H"}, {dst, "TD"}});
  Move(src, dst);
  EXPECT_EQ(Names(dst), "TD");  // not from a waste
  src->Tag = 4;
  TCard* top = src->TopCard;
  EXPECT_TRUE(Offer(dst, top, false));  // the probe says yes and moves nothing
  EXPECT_EQ(Names(src), "9C 8H");
  EXPECT_EQ(Names(spare), "");
  Move(src, dst);
  EXPECT_EQ(Names(dst), "TD 9C 8H");
}

// --- Stocks and after-move handlers --------------------------------------------

TEST_F(SharedRulesTest, StockTurnsOntoTheWasteAsOneUndoStep) {
  TDeck* waste = host.Table.Waste() =
      game.MakePile({.left = 100, .top = 5, .vShift = 2, .gShift = 2, .role = Role::Marked});
  TDeck* stock = host.Table.Stock() =
      game.MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::Ring});
  stock->OnSelect = game.Rule(&TGame::StockToWasteSelect);
  Arrange(host, {{stock, "ac 2c"}});
  Click(stock);
  EXPECT_EQ(Names(waste), "2C");
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  EXPECT_EQ(host.Table.GameStarted, 1);
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Board1->UndoStep();
  EXPECT_EQ(Names(stock), "ac 2c");
  EXPECT_FALSE(host.Board1->CanUndo());
  Arrange(host, {});
  Click(stock);  // an empty stock does nothing here
  EXPECT_EQ(Names(waste), "");
}

TEST_F(SharedRulesTest, RedealTurnsTheWasteUntilTheLimit) {
  TDeck* waste = host.Table.Waste() =
      game.MakePile({.left = 100, .top = 5, .vShift = 2, .gShift = 2, .role = Role::Marked});
  TDeck* stock = host.Table.Stock() =
      game.MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::Ring});
  TDeck* other = Column();
  stock->OnEmptySelect = game.Pile(&TGame::RedealEmptySelect);
  host.Table.SetRotation_Counter(1);
  host.Table.RedealLimit = 2;
  Arrange(host, {{waste, "AC 2C 3C"}, {other, "9H"}});
  Move(other, waste);  // something to forget
  ASSERT_TRUE(host.Board1->CanUndo());
  Click(stock);
  EXPECT_EQ(Names(stock), "9h 3c 2c ac");  // the waste's bottom card on top
  EXPECT_EQ(Names(waste), "");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  EXPECT_EQ(stock->ShowEmpty(), 2);
  EXPECT_TRUE(host.Board1->History.empty());
  EXPECT_TRUE(host.Additional_timer.Enabled());
  // At the limit an empty stock stays empty.
  Arrange(host, {{waste, "AC 2C"}});
  Click(stock);
  EXPECT_EQ(Names(waste), "AC 2C");
  EXPECT_EQ(host.Table.Rotation_Counter(), 2);
  // Below it, the look stays 3.
  SetLook(stock, Look::Ring);
  host.Table.SetRotation_Counter(0);
  Click(stock);
  EXPECT_EQ(host.Table.Rotation_Counter(), 1);
  EXPECT_EQ(stock->ShowEmpty(), 3);
}

TEST_F(SharedRulesTest, DealRowDealsEightFaceUpAsOneStep) {
  TDeck* stock =
      game.MakePile({.left = 10, .top = 5, .vShift = 2, .gShift = 2, .look = Look::Ring});
  stock->OnSelect = game.Rule(&TGame::DealRowSelect);
  for (int i = 1; i <= 8; ++i)
    host.Table.Tableau[i] = Column();
  Arrange(host, {{stock, "tc jc qc kc 2d 3d 4d 5d 6d 7d"}});
  Click(stock);
  EXPECT_EQ(stock->CardsCount(), 2);
  EXPECT_EQ(Names(host.Table.Tableau[1]), "7D");
  EXPECT_EQ(Names(host.Table.Tableau[8]), "QC");
  host.Board1->UndoStep();
  EXPECT_EQ(Names(stock), "tc jc qc kc 2d 3d 4d 5d 6d 7d");
  host.Board1->RedoStep();
  Click(stock);  // two left: slots 1 and 2
  EXPECT_EQ(Names(host.Table.Tableau[1]), "7D JC");
  EXPECT_EQ(Names(host.Table.Tableau[2]), "6D TC");
  EXPECT_EQ(Names(host.Table.Tableau[3]), "5D");
}

TEST_F(SharedRulesTest, AfterMovesTurnUpAndRefillFromTheReserveInOneStep) {
  TDeck* col = Column(Role::Column);
  TDeck* dst = Column(Role::Plain);
  dst->OnAfterMove = game.After(&TGame::TurnUpAfterMove);
  Arrange(host, {{col, "5s 9H"}});
  Move(col, dst);
  EXPECT_EQ(Names(col), "5S");
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Board1->UndoStep();
  EXPECT_EQ(Names(col), "5s 9H");

  TDeck* reserve = host.Table.Single[4] =
      game.MakePile({.left = 10, .top = 410, .vShift = 2, .gShift = 2, .role = Role::Reserve});
  for (TDeck* d : {col, dst, reserve})
    d->OnAfterMove = game.After(&TGame::ReserveRefillAfterMove);
  Arrange(host, {{col, "9H"}, {reserve, "3d 4d 5D"}});
  const TableState before = Snapshot(host);
  Move(col, dst);
  EXPECT_EQ(Names(col), "5D");
  EXPECT_EQ(Names(reserve), "3d 4D");
  host.Board1->UndoStep();
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_FALSE(host.Board1->CanUndo());
}

TEST_F(SharedRulesTest, SelectRulesRefuseAcesAndEverything) {
  TDeck* c = Column();
  c->OnSelect = game.Rule(&TGame::NoAceSelect);
  Arrange(host, {{c, "5C AH"}});
  Click(c);
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
  Arrange(host, {{c, "5C 2H"}});
  Click(c);
  EXPECT_EQ(host.Board1->SelectedPile, c);
  Click(c);
  c->OnSelect = game.Rule(&TGame::RefuseAll);
  Click(c);
  EXPECT_EQ(host.Board1->SelectedPile, nullptr);
}

// --- Automatic play ----------------------------------------------------------------

TEST_F(SharedRulesTest, AutoPlaceMovesAtMostOneFromThePilesAndOneExtra) {
  TDeck* f1 = Foundation(1);
  TDeck* f2 = Foundation(2);
  f1->Hide();
  f2->Hide();
  auto& P = host.Table.ListA;
  for (int i = 1; i <= 3; ++i)
    P[i] = Column();
  TDeck* extra = Column(Role::Marked);
  Arrange(host, {{P[1], "as"}, {P[2], "AH"}, {P[3], "AC"}, {extra, "ad"}});
  game.AutoPlaceBaseCards(host.Table.Foundation, 2, P, 3, 1, extra);
  EXPECT_EQ(Names(f1), "AH");  // the covered Ace of spades is passed over
  EXPECT_EQ(Names(f2), "ad");  // the extra pile's base card goes face down or up
  EXPECT_TRUE(f1->Visible() && f2->Visible());
  EXPECT_EQ(Names(P[3]), "AC");
  game.AutoPlaceBaseCards(host.Table.Foundation, 2, P, 3, 1, extra);
  EXPECT_EQ(Names(P[3]), "AC");  // every foundation occupied
  // Another base rank.
  Arrange(host, {{P[1], "5H"}, {P[2], "5C"}});
  game.AutoPlaceBaseCards(host.Table.Foundation, 2, P, 3, 5, nullptr);
  EXPECT_EQ(Names(f1) + "|" + Names(f2), "5H|");
}

TEST_F(SharedRulesTest, AutoPlayIsSafeOneCardAtATime) {
  for (int i = 1; i <= 4; ++i)
    Foundation(i);
  auto& F = host.Table.Foundation;
  auto& P = host.Table.ListA;
  for (int i = 1; i <= 3; ++i)
    P[i] = Column();
  TDeck* extra = Column(Role::Marked);
  Arrange(host, {{F[2], "AH"}, {F[3], "AD 2D"}, {P[1], "3D"}, {P[2], "2H"}, {extra, "3h"}});
  // One foundation empty: nothing above height 2 goes up.
  EXPECT_TRUE(game.AutoPlayToFoundations(F, 4, P, 3, true, 1, CardRules::FollowsInSuit, extra));
  EXPECT_EQ(Names(F[2]), "AH 2H");
  EXPECT_FALSE(game.AutoPlayToFoundations(F, 4, P, 3, true, 1, CardRules::FollowsInSuit, extra));
  EXPECT_EQ(Names(P[1]), "3D");
  // Without the safe flag the Threes go, one per call, the extra pile last
  // and turned face up.
  EXPECT_TRUE(game.AutoPlayToFoundations(F, 4, P, 3, false, 1, CardRules::FollowsInSuit, extra));
  EXPECT_EQ(Names(F[3]), "AD 2D 3D");
  EXPECT_EQ(Names(extra), "3h");
  EXPECT_TRUE(game.AutoPlayToFoundations(F, 4, P, 3, false, 1, CardRules::FollowsInSuit, extra));
  EXPECT_EQ(Names(F[2]), "AH 2H 3H");
  // Heights count from the base rank: from Fives, a Six is height 2.
  Arrange(host, {{F[1], "5H"}, {F[2], "5C 6C"}, {P[1], "7C"}, {P[2], "6H"}});
  EXPECT_TRUE(game.AutoPlayToFoundations(F, 2, P, 3, true, 5, CardRules::FollowsInSuit));
  EXPECT_EQ(Names(F[1]), "5H 6H");
  // All foundations at height 2 now: the Seven (height 3) may go.
  EXPECT_TRUE(game.AutoPlayToFoundations(F, 2, P, 3, true, 5, CardRules::FollowsInSuit));
  EXPECT_EQ(Names(F[2]), "5C 6C 7C");
}

TEST_F(SharedRulesTest, CommonTimerWinsOnceAndWaitsWhileAMoveIsInFlight) {
  for (int i = 1; i <= 4; ++i)
    Foundation(i);
  auto& F = host.Table.Foundation;
  auto& P = host.Table.Tableau;
  P[1] = Column();
  int wins = 0;
  host.Table.OnGameWon = [&] { ++wins; };
  host.Additional_timer.OnTimer = [&] {
    game.CommonTimer(F, 4, P, 1, true, 1, CardRules::FollowsInSuit);
  };
  Arrange(host, {{F[1], "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"},
                 {F[2], "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD"},
                 {F[3], "AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH"},
                 {F[4], "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS"},
                 {P[1], "KS"}});
  EXPECT_FALSE(TGame::AllFoundationsFull(F, 4));
  host.Additional_timer.SetEnabled(true);
  host.Board1->Busy = true;
  host.Additional_timer.Fire();
  EXPECT_EQ(Names(P[1]), "KS");  // the tick only waited
  EXPECT_TRUE(host.Additional_timer.Enabled());
  host.Board1->Busy = false;
  host.Additional_timer.Fire();  // the King goes up; the same tick sees the win
  EXPECT_EQ(wins, 1);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  host.Additional_timer.Fire();
  EXPECT_EQ(wins, 1);
  EXPECT_TRUE(TGame::AllFoundationsFull(F, 4));
  EXPECT_FALSE(TGame::AllFoundationsFull(F, 5));  // a missing foundation is not full
}

TEST_F(SharedRulesTest, HandlersSurviveNoCardEmptyPilesAndHolesInTheLists) {
  TDeck* f = Foundation(3);  // slots 1, 2 and 4 stay empty
  TDeck* col = Column();
  host.Table.Tableau[2] = col;
  host.Table.Waste() = nullptr;
  const TableState before = Snapshot(host);
  for (auto rule :
       {&TGame::RefuseAll, &TGame::StockToWasteSelect, &TGame::FoundationUpRule, &TGame::SuitUpRule,
        &TGame::AnySuitUpRule, &TGame::SuitDownRule, &TGame::FrameDownRule, &TGame::EmptyOnlyRule,
        &TGame::NoAceSelect, &TGame::AltColourDownRule, &TGame::DealRowSelect}) {
    for (bool clicked : {false, true}) {
      TCard* none = nullptr;
      bool action = true;
      (game.*rule)(col, none, action, clicked);
      EXPECT_EQ(none, nullptr);
    }
  }
  TCard* none = nullptr;
  bool action = true;
  game.FreePileRunRule(col, none, action, true, CardRules::FitsAltColourDown, host.Table.Tableau,
                       20);
  EXPECT_FALSE(action);
  for (const ToFoundation& how :
       {ToFoundation{.count = 8}, ToFoundation{.count = 4}, ToFoundation{.skipKingTopped = true},
        ToFoundation{.fits = CardRules::FollowsAnySuit}})
    game.DoubleClickToFoundation(how)(col);
  game.RedealEmptySelect(col);
  game.ToFoundationElseFreeCell(col, host.Table.Foundation, 20, host.Table.Reserve, 20);
  game.TurnUpAfterMove(col, col, nullptr);
  game.ReserveRefillAfterMove(col, col, nullptr);
  game.ReserveRefillAfterMove(nullptr, col, nullptr);
  // Counts beyond the twenty slots stop at the last slot.
  game.AutoPlaceBaseCards(host.Table.Foundation, 50, host.Table.Tableau, 50, 1, nullptr);
  EXPECT_FALSE(game.AutoPlayToFoundations(host.Table.Foundation, 50, host.Table.Tableau, 50, true,
                                          1, CardRules::FollowsInSuit, nullptr));
  EXPECT_FALSE(TGame::AllFoundationsFull(host.Table.Foundation, 0));
  EXPECT_EQ(Snapshot(host), before);
  EXPECT_EQ(Names(f), "");
}

// --- The empty-column question -------------------------------------------------------

TEST_F(SharedRulesTest, EmptyColumnQuestionGoesThroughTheModalSeam) {
  dialogAnswer = mrYes;
  EXPECT_EQ(game.AskEmptyColumn(), mrYes);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Move to empty column...");
  EXPECT_EQ(defaults[0], mrOk);
}

TEST(EmptyColDlg, ButtonsKeysAndClosingAnswer) {
  auto press = [](QWidget* target, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
  };
  {
    TEmptyColDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Move to empty column...");
    EXPECT_EQ(dlg.Col_Btn->text(), "Move &column");
    EXPECT_EQ(dlg.Card_Btn->text(), "Move &single card");
    EXPECT_EQ(dlg.Cancel_Btn->text(), "Cancel");
    EXPECT_TRUE(dlg.Col_Btn->isDefault());
    dlg.show();
    press(dlg.Card_Btn, Qt::Key_Return);  // Enter answers the default button
    EXPECT_EQ(dlg.result(), mrOk);
  }
  {
    TEmptyColDlg dlg;
    dlg.show();
    press(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), mrCancel);
  }
  {
    TEmptyColDlg dlg;
    dlg.show();
    dlg.close();
    EXPECT_EQ(dlg.result(), mrCancel);
  }
  {
    TEmptyColDlg dlg;
    dlg.show();
    dlg.Card_Btn->click();
    EXPECT_EQ(dlg.result(), mrYes);
  }
}

// --- Deal helpers ----------------------------------------------------------------------

TEST_F(SharedRulesTest, DealHelpersDrawFromTheDealPileAndFreeIt) {
  TDeck* deal = host.Table.Waste() = game.MakePile({.left = 100,
                                                    .top = 410,
                                                    .vShift = 2,
                                                    .gShift = 2,
                                                    .look = Look::None,
                                                    .role = Role::Marked});
  TDeck* stock = host.Table.Stock() =
      game.MakePile({.left = 10, .top = 410, .vShift = 2, .gShift = 2, .look = Look::Ring});
  TDeck* col = Column();
  host.Table.ListB[7] = deal;
  game.TakePacks(deal, 2, true);
  ASSERT_EQ(deal->CardsCount(), 104);
  EXPECT_EQ(deal->TopCard->CardID, 104);
  EXPECT_TRUE(deal->TopCard->Face() && deal->TopCard->Visible());

  // Each draw n = NextRandom(count) takes the n-th card from the top.
  host.Shuffle.Seed(1);
  ShuffleGenerator g = host.Shuffle;
  TCard* first = deal->CardAt(g.NextRandom(104));
  EXPECT_EQ(game.DealRandom(deal, col, false), first);
  EXPECT_FALSE(first->Face());
  TCard* next = deal->CardAt(g.NextRandom(103));
  EXPECT_EQ(game.DealRandom(deal, col), next);
  EXPECT_TRUE(next->Face());  // keeps its side
  EXPECT_EQ(Cards(col), (std::vector<TCard*>{first, next}));
  game.DealRestToStock(deal, stock, false);
  EXPECT_EQ(deal->CardsCount(), 0);
  EXPECT_EQ(stock->CardsCount(), 102);
  EXPECT_EQ(game.DealRandom(deal, col), nullptr);

  game.FreeDealPile(host.Table.Waste());
  EXPECT_EQ(host.Table.Waste(), nullptr);
  EXPECT_EQ(host.Table.ListB[7], nullptr);
  for (TDeck* d : Piles(host))
    EXPECT_NE(d->DeckID(), 1);

  game.StartTimer(nullptr);
  EXPECT_FALSE(host.Additional_timer.Enabled());
  EXPECT_FALSE(bool(host.Additional_timer.OnTimer));
  game.StartTimer([this] { ++ticks; });
  EXPECT_TRUE(host.Additional_timer.Fire());
  EXPECT_EQ(ticks, 1);
}
