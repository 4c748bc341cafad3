// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game rules see of the program: the table and a few services.
// The main window owns one TTable and wires its hooks to the caption,
// status bar, timers and win display; tests build one around a bare form,
// so every game runs headless.

#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "cardtable/Cardscmp.h"
#include "platform/Timer.h"

// The one push button a deal may put on the window (Pharaoh's "Re&Deal").
class TRedealButton {
 public:
  TRedealButton(const QString& caption, const QRect& geometry, TBoard* board = nullptr)
      : Caption(caption), Geometry(geometry), board_(board) {}
  const QString Caption;
  const QRect Geometry;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) {
    enabled_ = on;
    if (OnChanged) OnChanged();
  }
  // A click as the player makes it: only an enabled button reacts, and the
  // board hears of it as of any other player action.
  void Click() {
    if (!enabled_ || !OnClick) return;
    if (board_)
      board_->PlayerAction(OnClick);
    else
      OnClick();
  }
  std::function<void()> OnClick;
  std::function<void()> OnChanged;  // the window mirrors the state

 private:
  bool enabled_ = true;
  TBoard* board_;
};

// A list of slots counted from 1 as the layouts count them; slot 0 exists
// but stays unused. Any int index is accepted: one outside 0..N reads as an
// empty slot (and writes to a spare one), so a rule that counts one pile too
// far finds nothing instead of corrupting memory.
template <class P, int N>
class SlotList {
 public:
  static constexpr int Last = N;
  P& operator[](int i) { return InRange(i) ? slots_[static_cast<size_t>(i)] : Spare(); }
  P operator[](int i) const { return InRange(i) ? slots_[static_cast<size_t>(i)] : P{}; }
  static constexpr bool InRange(int i) { return i >= 0 && i <= N; }
  int size() const { return N + 1; }
  void fill(P v) { slots_.fill(v); }
  auto begin() { return slots_.begin(); }
  auto end() { return slots_.end(); }
  auto begin() const { return slots_.begin(); }
  auto end() const { return slots_.end(); }

 private:
  P& Spare() {
    spare_ = P{};
    return spare_;
  }
  std::array<P, N + 1> slots_{};
  P spare_{};
};

class TTable {
 public:
  using PileList = SlotList<TDeck*, 20>;

  TForm* Form = nullptr;
  TBoard* Board1 = nullptr;
  // Sets the board the piles share. Any change the player makes to its
  // table marks the game started: this is the one place that does it, so no
  // pile rule has to remember. The player's action is heard once it has run,
  // and a click that lays the last card home has already won the deal by
  // then: the win has settled the game, so it must not start again (it would
  // be counted lost at the next deal or at exit, on top of the win).
  void AttachBoard(TBoard* board) {
    Board1 = board;
    if (board)
      board->OnPlayerChange = [this] {
        if (won_) return;
        GameStarted = 1;
        // A resting automatic-play timer answers the player's move at once.
        if (Additional_timer) Additional_timer->Wake();
      };
  }
  SlotList<TCard*, 104> CardPool;

  // 15 single slots (1 Waste, 2 Stock, 4 the reserve that refills columns)
  // and seven lists of 20 slots. Every game keeps its foundations in
  // Foundation: the shared rules know a foundation by that list.
  SlotList<TDeck*, 15> Single;
  PileList ListA, ListB, ListC, ListD;
  PileList Tableau, Reserve, Foundation;
  TDeck*& Waste() { return Single[1]; }
  TDeck*& Stock() { return Single[2]; }

  int GameIndex = 0;
  int GameStarted = 0;
  int AutoPlay = 0;  // 0 On, 1 Off
  int RedealLimit = 0;
  int Rotation_Counter() const { return rotation_; }
  void SetRotation_Counter(int v) {
    rotation_ = v;
    if (OnRotationChange) OnRotationChange();
  }

  TTimer* Additional_timer = nullptr;
  void EnableTimer() {
    if (Additional_timer) Additional_timer->SetEnabled(true);
  }
  void DisableTimer() {
    if (Additional_timer) Additional_timer->SetEnabled(false);
  }
  bool TimerHasHandler() const { return Additional_timer && Additional_timer->OnTimer; }

  // The next shuffle number in 1..n.
  int NextRandom(int n) { return RandomSource ? RandomSource(n) : 1; }
  // Called by a game's rules when the game is won. A deal is won once:
  // rules that test for the win on every tick or move may call it again
  // (after an undo and redo of the last card, say) and are not heard.
  void GameWon() {
    if (won_) return;
    won_ = true;
    if (OnGameWon) OnGameWon();
  }
  bool Won() const { return won_; }
  // A position from before the win is put back on the table (the solver
  // tries its lines on a private table): the deal may be won again.
  void ForgetWin() { won_ = false; }
  bool IsFoundation(const TDeck* d) const {
    if (!d) return false;
    for (const TDeck* f : Foundation)
      if (f == d) return true;
    return false;
  }

  // A deal may create one push button on the window; ClearSlots frees it.
  TRedealButton* CreateRedealButton(const QString& caption, const QRect& geometry) {
    RedealButton = std::make_unique<TRedealButton>(caption, geometry, Board1);
    if (OnRedealButtonChanged) OnRedealButtonChanged();
    return RedealButton.get();
  }
  std::unique_ptr<TRedealButton> RedealButton;

  // Empties every pile slot (the piles themselves are the form's).
  void ClearSlots() {
    won_ = false;
    OnHistoryStep = nullptr;
    Single.fill(nullptr);
    for (PileList* l : {&ListA, &ListB, &ListC, &ListD, &Tableau, &Reserve, &Foundation})
      l->fill(nullptr);
  }
  void FreeRedealButton() {
    if (!RedealButton) return;
    RedealButton.reset();
    if (OnRedealButtonChanged) OnRedealButtonChanged();
  }

  // Called by the Undo and Redo commands once the history has stepped. A game
  // whose state lies outside the piles (Pharaoh's redeal button) sets it in
  // its deal to bring that state in line with the table; ClearSlots drops it.
  std::function<void()> OnHistoryStep;
  void HistoryStepped() {
    if (OnHistoryStep) OnHistoryStep();
  }

  // Hooks the owner sets.
  std::function<int(int)> RandomSource;
  std::function<void()> OnGameWon;
  std::function<void()> OnRotationChange;
  std::function<void()> OnRedealButtonChanged;

 private:
  int rotation_ = -1;
  bool won_ = false;
};
