// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every game: the shared pile rules, the deal conventions and
// the automatic play, written once. A game is one class in one file: its
// piles, its deal, its handlers and its registration.
//
//   class FreeCell : public TGame {
//    public:
//     using TGame::TGame;
//     void Deal() override;
//     ...
//   };
//   REGISTER_GAME(FreeCell, 32);
//
// Handlers are bound to pile events with Rule(&Class::Method) and friends;
// a game object lives from its deal until the next deal clears the table.

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "rules/CardRules.h"
#include "rules/PileLayout.h"
#include "rules/Table.h"

// Piles P[1..count] of a slot list, and optionally one more pile after them
// (a waste, a reserve) that automatic play treats as part of the group.
struct PileGroup {
  PileGroup(const TTable::PileList& p, int n, TDeck* more = nullptr)
      : piles(&p), count(n), extra(more) {}
  const TTable::PileList* piles;
  int count;
  TDeck* extra;
};

// What a double click sends to the foundations: the top card goes to the
// first of T.Foundation[1..count] that takes it by `fits`; a complete
// foundation takes nothing, nor (with skipKingTopped) one topped by a King.
struct ToFoundation {
  int count = 4;
  CardRules::Comparison fits = CardRules::FollowsInSuit;
  bool skipKingTopped = false;
};

// The waste and the stock of a game that turns its stock onto a waste. Both
// are fanned two pixels each way and take nothing from the player. The
// waste shows nothing when empty and sends its top card on with
// wasteDblClick; a click on the stock runs `turn` (StockToWasteSelect when
// none is given), a click on the empty stock `redeal` (none: the stock is
// gone through once, and stockLook says so).
struct WasteAndStock {
  int wasteLeft = 100;
  int wasteTop = 5;
  int stockLeft = 10;
  int stockTop = 5;
  Look stockLook = Look::NoRedeal;
  Role wasteRole = Role::Marked;
  Role stockRole = Role::Plain;
  TDeckEEvent wasteDblClick = nullptr;
  TDeckEvent turn = nullptr;
  TDeckEEvent redeal = nullptr;
};

class TGame {
 public:
  explicit TGame(TTable& table) : T(table) {}
  virtual ~TGame() = default;
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  // Creates the piles, deals the cards and attaches the timer handler.
  virtual void Deal() = 0;

  // --- Shared handlers ------------------------------------------------------
  // Attach with Rule(&TGame::X), Pile(&TGame::X), After(&TGame::X). "Timer"
  // says what the handler does to Additional_timer. None of them marks the
  // game started: the board hears of every move the player makes.
  // Refuses every card (OnAddWithRule) or every pick-up (OnSelect).
  void RefuseAll(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // A stock: never selected; a click turns its top card onto the Waste.
  void StockToWasteSelect(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // Foundations built up in suit; an empty one takes nothing (the timer
  // places base cards), a King-topped one takes the Ace of its suit.
  void FoundationUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  void SuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  void AnySuitUpRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // Built down in suit; an empty pile takes nothing.
  void SuitDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // Down in suit, any card on an empty pile; single cards only.
  void FrameDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // A free cell: takes a card only while empty.
  void EmptyOnlyRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // OnSelect: Aces cannot be picked up (the timer moves them).
  void NoAceSelect(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // Columns down in alternating colours: face-up runs from Role::Column
  // piles move as a whole, Role::Closed piles give nothing, an empty column
  // takes any card and asks the empty-column question for a run. Leaves the
  // timer disabled: the game's OnAfterMove enables it again.
  void AltColourDownRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // The same, but a run never goes to an empty column in one move: only its
  // top card does, without a question.
  void AltColourDownSingleToEmptyRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // A stock that deals one card face up to each of tableau slots 1..8 as one
  // undo step.
  void DealRowSelect(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked);
  // The double clicks that send the top card to the foundations, one family:
  //   pile->OnDoubleSelect = DoubleClickToFoundation({.count = 8});
  // Never onto an empty foundation (the comparisons refuse it); enables the
  // timer afterwards.
  TDeckEEvent DoubleClickToFoundation(ToFoundation how = {});
  // Moves Sender's top card as `how` says; returns whether it moved.
  bool SendToFoundation(TDeck* Sender, const ToFoundation& how);
  // OnEmptySelect of a stock: turns the Waste over onto it while redeals are
  // left (Rotation_Counter below RedealLimit), shows look 2 after the last
  // one, and clears the history (a redeal is never undone).
  void RedealEmptySelect(TDeck* Sender);
  // OnAfterMove: turns the source's new top card face up; enables the timer.
  void TurnUpAfterMove(TDeck* Source, TDeck* Dest, TCard* ACard);
  // OnAfterMove: an emptied Tag-4 column takes the top card of the reserve
  // in single slot 4; a Tag-5 source (the reserve) turns its top card up.
  void ReserveRefillAfterMove(TDeck* Source, TDeck* Dest, TCard* ACard);

  // --- Automatic play and the win test ------------------------------------
  // Puts at most one base card from the piles and one from the extra pile
  // onto empty foundations.
  void AutoPlaceBaseCards(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                          int baseRank, TDeck* extra = nullptr);
  // Makes at most one ordinary move to a foundation; returns whether it did.
  bool AutoPlayToFoundations(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP,
                             bool safe, int baseRank, CardRules::Comparison rule,
                             TDeck* extra = nullptr);
  static bool AllFoundationsFull(const TTable::PileList& F, int n);
  // The common timer: disable, place base cards from each group, then (with
  // AutoPlay On, and a rule given) one card up from each group, then win or
  // enable again. A tick that arrives while a move is still in flight (the
  // board is busy) only waits for the next one. Without a rule only the base
  // cards go up.
  void CommonTimer(const TTable::PileList& F, int nF, const std::vector<PileGroup>& groups,
                   bool safe, int baseRank, CardRules::Comparison rule);
  // The pieces of that timer, for the games whose tick does more:
  //   void MyTimer() {
  //     if (TickWaitsForMove()) return;
  //     ... the game's own step ...
  //     PlayUp(...);
  //     FinishTick(T.Foundation, kFoundations);
  //   }
  // TickWaitsForMove disables the timer and, while a move is in flight,
  // enables it again and answers true. PlayUp places base cards and (AutoPlay
  // On, a rule given) one card per group. FinishTick wins when F[1..nF] are
  // full, otherwise enables the timer for the next tick.
  bool TickWaitsForMove();
  void PlayUp(const TTable::PileList& F, int nF, const std::vector<PileGroup>& groups, bool safe,
              int baseRank, CardRules::Comparison rule);
  void FinishTick(const TTable::PileList& F, int nF);
  // The common timer for a single group.
  void CommonTimer(const TTable::PileList& F, int nF, const TTable::PileList& P, int nP, bool safe,
                   int baseRank, CardRules::Comparison rule, TDeck* extra = nullptr);
  // A foundation full of its 13 cards takes nothing more.
  bool IsCompleteFoundation(const TDeck* d) const;

  // Asks how many cards go to an empty column: 1 whole run, 6 one card,
  // anything else cancels. Shown through the modal seam, so scripts and
  // tests answer it; Enter (the default) answers 1.
  int AskEmptyColumn();

  // --- Runs through free piles ----------------------------------------------
  // The column rule of the games where a run moves one card at a time through
  // the empty piles (FreeCell and its relatives): `fits`(A, B) tells whether B
  // may lie on A, P[1..nP] are the playing piles whose empty ones (other than
  // the destination) park the run. N free piles let a run of N + 1 cards move;
  // onto an empty column the empty-column question decides. Disables the
  // timer, and enables it again after a real move. Bind it in the game:
  //   void MyColumnRule(TDeck* s, TCard*& c, bool& a, bool k) {
  //     FreePileRunRule(s, c, a, k, MyFit, T.Tableau, 12);
  //   }
  // With runRole given, runs are taken only from piles of that role (a
  // waste whose cards happen to lie in order is no run); AnyRole takes them
  // from any pile.
  static constexpr Role AnyRole = Role(-1);
  void FreePileRunRule(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked,
                       CardRules::Comparison fits, const TTable::PileList& P, int nP,
                       Role runRole = AnyRole);
  // The double click of such games: the first of F[1..nF] on which the top
  // card follows in suit takes it, otherwise the first empty free cell of
  // cells[1..nCells]; then enables the timer.
  void ToFoundationElseFreeCell(TDeck* Sender, const TTable::PileList& F, int nF,
                                const TTable::PileList& cells, int nCells);

  // --- Small helpers rules are written with ---------------------------------
  // The card directly beneath c in its pile (nullptr for the bottom card).
  static TCard* Beneath(const TCard* c) { return c ? c->NextCard : nullptr; }
  // c lies on a face-up card beneath it and fits there: c sits on a run.
  static bool OnFaceUpRun(const TCard* c, CardRules::Comparison fits) {
    const TCard* b = Beneath(c);
    return b && b->Face() && fits(b, c);
  }
  // The empty piles among P[1..nP] other than `except`, in list order.
  static std::vector<TDeck*> FreePiles(const TTable::PileList& P, int nP, const TDeck* except);

 private:
  void AltColourDown(TDeck* Sender, TCard*& ACard, bool& Action, bool clicked, bool runsToEmpty);

 protected:
  // --- Deal conventions ----------------------------------------------------
  // A pile as the layout describes it.
  TDeck* MakePile(const PileLayout& at);
  // Foundations 1..n into T.Foundation, pile i laid out by at(i), with the
  // rule that takes cards and (when given) the rule for picking one up.
  //   MakeFoundations(4, [](int i) { return PileLayout{.left = 75 * i + 255, .top = 5,
  //                                                    .look = Look::Foundation}; },
  //                   Rule(&TGame::FoundationUpRule), Rule(&TGame::RefuseAll));
  void MakeFoundations(int n, const std::function<PileLayout(int)>& at, TDeckEvent takes,
                       TDeckEvent gives = {}, TDeckNEvent afterMove = {});
  // T.Waste() and T.Stock() as `piles` describes them, the waste first.
  void MakeWasteAndStock(const WasteAndStock& piles);
  // Puts CardPool[1..52*packs] on the deal pile, visible, face up or down.
  void TakePacks(TDeck* dealPile, int packs, bool faceUp);
  // One random card of the deal pile onto pile p (the n-th from the top,
  // n = NextRandom(count)).
  TCard* DealRandom(TDeck* dealPile, TDeck* p, bool faceUp);
  // The same, the card keeping the side it had on the deal pile.
  TCard* DealRandom(TDeck* dealPile, TDeck* p);
  // Frees a pile the deal needed only while dealing (the deal pile, a spare
  // pile) and empties every slot that holds it.
  void FreeDealPile(TDeck*& slot);
  // What is left goes to the stock by random draws, each card turned as told.
  void DealRestToStock(TDeck* dealPile, TDeck* stock, bool faceUp);
  // Attaches the game's timer handler and enables the timer (or none).
  void StartTimer(std::function<void()> handler);

  // Binding member handlers to pile events.
  template <class G>
  TDeckEvent Rule(void (G::*m)(TDeck*, TCard*&, bool&, bool)) {
    G* self = static_cast<G*>(this);
    return [self, m](TDeck* s, TCard*& c, bool& a, bool k) { (self->*m)(s, c, a, k); };
  }
  template <class G>
  TDeckEEvent Pile(void (G::*m)(TDeck*)) {
    G* self = static_cast<G*>(this);
    return [self, m](TDeck* s) { (self->*m)(s); };
  }
  template <class G>
  TDeckNEvent After(void (G::*m)(TDeck*, TDeck*, TCard*)) {
    G* self = static_cast<G*>(this);
    return [self, m](TDeck* s, TDeck* d, TCard* c) { (self->*m)(s, d, c); };
  }
  template <class G>
  std::function<void()> Timer(void (G::*m)()) {
    G* self = static_cast<G*>(this);
    return [self, m]() { (self->*m)(); };
  }

  // The first of F[1..n] that takes c by the rule (never a complete one),
  // with King-topped foundations left out when told.
  TDeck* FoundationFor(const TTable::PileList& F, int n, const TCard* c, CardRules::Comparison rule,
                       bool skipKing = false) const;

  // Enables the timer when it has a handler.
  void ResumeTimer() {
    if (T.TimerHasHandler()) T.EnableTimer();
  }
  // Takes the selection off a pile before a rule moves its top card.
  void Deselect(TDeck* pile);

  TTable& T;
};

// --- Registry: catalogue index -> the game's deal routine -------------------
using GameFactory = std::function<std::unique_ptr<TGame>(TTable&)>;
void RegisterGame(int index, GameFactory factory);
// nullptr for an index without a deal routine.
std::unique_ptr<TGame> CreateGame(int index, TTable& table);
bool HasDealRoutine(int index);

struct GameRegistration {
  GameRegistration(std::initializer_list<int> indices, GameFactory factory) {
    for (int i : indices)
      RegisterGame(i, factory);
  }
};

#define REGISTER_GAME(Class, ...)                     \
  static const GameRegistration Class##_registration( \
      {__VA_ARGS__}, [](TTable& t) { return std::unique_ptr<TGame>(new Class(t)); })

// One variant of a family: the class is built with the variant's arguments,
//   REGISTER_VARIANT(FortyThieves, 36, FortyThieves::Josephine);
#define REGISTER_VARIANT(Class, index, ...)                   \
  static const GameRegistration Class##_registration_##index( \
      {index}, [](TTable& t) { return std::unique_ptr<TGame>(new Class(t, __VA_ARGS__)); })
