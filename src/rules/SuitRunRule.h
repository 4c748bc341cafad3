// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Columns down in suit where a run of one suit moves at once, however many
// columns are empty. Josephine lets any card or run into an empty column;
// Napoleon Leaves Moscow only a King or a run based on a King.

#include "rules/Game.h"

// What an empty column takes.
enum class EmptyColumnTakes { AnyCard, KingOnly };

void SuitDownRunRule(TGame& game, TTable& T, TDeck* Sender, TCard*& ACard, bool& Action,
                     bool clicked, EmptyColumnTakes empty);
