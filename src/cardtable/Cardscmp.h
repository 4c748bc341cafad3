// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card table's components: cards, piles and the board they share, with
// the two-click move protocol and the move history behind undo and redo.
//
// Cards and piles are windowless controls on a TForm. The form owns them
// (a pile only chains its cards, from its top card down); the board holds
// what piles share: score, selection, options, flags and the history.

#include "cardtable/Board.h"
#include "cardtable/Card.h"
#include "cardtable/Deck.h"
