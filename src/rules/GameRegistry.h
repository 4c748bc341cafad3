// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking up and replacing deal routines, for tests that put a small
// stand-in game under a catalogue index for their own duration.

#include "rules/Game.h"

// The factory registered for an index; empty when there is none.
GameFactory FindGameFactory(int index);
void UnregisterGame(int index);

class ScopedGameOverride {
 public:
  ScopedGameOverride(int index, GameFactory factory)
      : index_(index), saved_(FindGameFactory(index)) {
    RegisterGame(index, std::move(factory));
  }
  ~ScopedGameOverride() {
    if (saved_)
      RegisterGame(index_, saved_);
    else
      UnregisterGame(index_);
  }
  ScopedGameOverride(const ScopedGameOverride&) = delete;
  ScopedGameOverride& operator=(const ScopedGameOverride&) = delete;

 private:
  int index_;
  GameFactory saved_;
};
