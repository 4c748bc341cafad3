// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moves of any game, found and made by the game's own rule handlers:
// a private headless table (never the window's) where every candidate is
// tried with the clicks a player would make, and the moves are the clicks
// that changed the table. After each move the game's timer is fired until
// it stops changing the table, as the scripted driver's tick does, so the
// automatic play belongs to the move that set it off.

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/Messages.h"
#include "platform/Modal.h"
#include "solver/Position.h"

class TableHost;
class TDeck;

// A click on a pile as the player (and the scripted driver's pile and
// dblpile) makes it: on its top card, or on the pile when it is empty.
void ClickPileAsPlayer(TDeck* pile, bool doubleClick);

// One command of a move, as the scripted driver spells it.
struct MoveStep {
  enum Kind { Pile, DblPile, Click, Answer, Tick } kind = Pile;
  int a = 0;  // pile number, x, answer or tick count
  int b = 0;  // y of a click
  QString Text() const;
};

struct SolverMove {
  std::vector<MoveStep> steps;
  QString Text() const;  // one command a line
};

// A found move and the position it leads to (after the automatic play).
struct MoveOutcome {
  SolverMove move;
  TablePosition position;
  uint64_t digest = 0;  // canonical, as isNew saw it
  bool won = false;
};

// Asked for each position a move reaches, by its canonical digest: false
// when the search has that one already, which then is neither captured nor
// returned (a win always is).
using IsNewPosition = std::function<bool(uint64_t)>;

class SolverTable {
 public:
  // autoPlay: 0 On, 1 Off, as the game's option. mergeSwaps: the canonical
  // digest ignores swaps among interchangeable piles.
  SolverTable(int gameIndex, int autoPlay, bool mergeSwaps = true);
  ~SolverTable();
  SolverTable(const SolverTable&) = delete;
  SolverTable& operator=(const SolverTable&) = delete;

  // Deals the numbered shuffle and lets the timer settle; the ticks that
  // took are the first step of every line. False for a game without rules.
  bool Deal(uint32_t number, SolverMove* opening = nullptr);
  bool Won() const { return won_; }

  // Every move from the position (which this table's deal must have made)
  // to a position isNew accepts (all of them without one).
  std::vector<MoveOutcome> Moves(const TablePosition& from, const IsNewPosition& isNew = {});
  // Makes one move of a line and settles the timer; false when a step
  // cannot be carried out (a pile that is not there).
  bool Apply(const SolverMove& move);
  // Makes a move of these steps (clicks and answers) from the table as it
  // stands and settles the timer: the move as a line holds it, ticks and all.
  SolverMove Make(const std::vector<MoveStep>& steps);
  void Restore(const TablePosition& p);
  TablePosition Capture();
  TableDigest Digest();
  TableHost& Host() { return *host_; }

 private:
  static void ClickPile(TDeck* d, bool dbl) { ClickPileAsPlayer(d, dbl); }
  int Settle();
  // Puts back the position of the last Restore after clicks tried on it,
  // rebuilding only the piles they changed.
  void RestoreAgain(const TablePosition& p);
  void NoteRevisions();
  // The piles on show, into visible_ (kept between calls: Moves runs for
  // every position the search expands).
  void CollectVisible();
  // Records the move made of these steps when the clicks changed the table
  // (or won). The steps are copied only then: most clicks tried do nothing.
  void Collect(uint64_t fromExact, std::initializer_list<MoveStep> steps,
               const IsNewPosition& isNew, std::vector<MoveOutcome>& out);

  // Declared first: the table must be built deterministic (no real timers)
  // and every question its rules ask is answered here, on this thread.
  ScopedDeterministicThread deterministic_;
  ScopedThreadModalResponder responder_;
  std::unique_ptr<TableHost> host_;
  int gameIndex_;
  int autoPlay_;
  bool mergeSwaps_;
  bool won_ = false;
  std::vector<int> answers_;
  bool asked_ = false;
  std::vector<TDeck*> piles_;
  std::vector<int> groups_;          // InterchangeableGroups of piles_
  uint64_t fromMark_ = 0;            // QuickMark of the position Moves works from
  std::vector<PileDigest> digests_;  // DigestTable's cache for piles_
  std::vector<uint64_t> matched_;    // piles_' revisions when they held it
  std::vector<TDeck*> visible_;
};
