// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table with everything the rules need, without any window: the form
// and its framebuffer, Board1, the 104-card pool, the pile slots and
// services (TTable), the two timers and the shuffle generator. The main
// window owns one; tests and benchmarks use one directly.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "cardtable/Drag.h"
#include "platform/Controls.h"
#include "platform/Timer.h"
#include "rules/Game.h"
#include "rules/Table.h"
#include "session/Shuffle.h"

class TableHost {
 public:
  explicit TableHost(int width = 800, int height = 800, int back = 1);
  ~TableHost();
  TableHost(const TableHost&) = delete;
  TableHost& operator=(const TableHost&) = delete;

  TForm& Form() { return *form_; }
  TBoard* Board1 = nullptr;
  TTable Table;
  TTimer Additional_timer{100, false};
  TTimer Redeal_Timer{5, false};
  ShuffleGenerator Shuffle;

  TGame* Game() const { return game_.get(); }
  // Drag and drop on the form; automatic play waits while a card is lifted.
  TDragControl& Drag() { return *drag_; }

  // Frees the redeal button, clears the selection, stops the timer,
  // destroys every pile, hides, turns down and detaches every card, and
  // empties the pile slots.
  void ClearTable();
  // Told at the start of every ClearTable (the window hides what it drew
  // over the piles).
  std::function<void()> OnClearTable;
  // Calls the deal routine of the index with recording off and empties the
  // history afterwards. False (and nothing dealt) without a routine.
  bool RunDeal(int index);
  // For tests and tools: clear, seed with the number and deal, without any
  // accounting.
  bool DealGame(int index, uint32_t number);

  // Every card's back design.
  void SetBack(int back);
  // The opacity rule after a background change.
  void UpdateCardOpacity();

 private:
  uint64_t TickDigest() const;

  std::unique_ptr<TForm> form_;
  std::unique_ptr<TGame> game_;
  // The previous deal's rules, kept one deal longer: a handler of theirs may
  // still be on the stack when the table is cleared.
  std::unique_ptr<TGame> retired_;
  std::unique_ptr<TDragControl> drag_;
  bool timerHeld_ = false;  // Additional_timer's state when a drag began
};

// The table as text, one block per call, for the command line's --dump and
// the scripts (see docs/architecture.md for the format).
QString DumpTable(TableHost& host, int gameIndex, uint32_t number);
// One card as text: rank and suit, lower case face down, "2" for pack two.
QString CardText(const TCard* card);
