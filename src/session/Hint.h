// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints: one move the rules would accept now, found by asking the piles'
// own rules in probe mode (the question the drop cursor asks), so a hint
// never moves a card, scores, records, starts the game or touches a timer.
// And the flash that shows it: the two piles' top cards inverted twice,
// drawn straight into the framebuffer and recomposed away.

#include <QRect>
#include <optional>

#include "platform/Timer.h"

class TableHost;
class TDeck;
class TForm;

struct THintMove {
  TDeck* From = nullptr;
  TDeck* To = nullptr;  // none for a move of From alone
  bool Double = false;  // From is double-clicked (its card sent home)
};

// Prefers moves to a foundation, then moves that turn up a covered card or
// empty a pile, then any other; piles in creation order within each kind.
// Nothing when no card can move (or a move, deal or drag is under way).
std::optional<THintMove> FindHint(TableHost& host);

class THintFlash {
 public:
  explicit THintFlash(TForm& form);
  ~THintFlash();
  THintFlash(const THintFlash&) = delete;
  THintFlash& operator=(const THintFlash&) = delete;

  // Inverts both piles now; the timer takes it away and shows it once more.
  void Start(const THintMove& move);
  // Restores the table (a click, a key, a new deal).
  void Stop();
  bool Showing() const { return lit_; }
  // One step of the flash (the timer's tick; tests call it directly).
  void Step();

  static constexpr int kSteps = 4;  // on, off, on, off
  static constexpr int kStepMs = 220;

 private:
  void Light(bool on);

  TForm& form_;
  TTimer timer_{kStepMs, false};
  QRect spots_[2];
  int step_ = 0;
  bool lit_ = false;
};
