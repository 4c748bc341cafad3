// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How big the table must be to show a game whole: the layout the view
// zooms to fit, and the window size that first shows a game at zoom 1.

#include <QRect>
#include <QSize>

class TableHost;

// Room kept right of and below the outermost pile.
constexpr int kLayoutMargin = 10;

// The live table's layout: its piles with their cards, the room a fanned
// pile keeps to grow a whole run, and the redeal button, from the board's
// corner to the outermost edge plus the margin; empty when nothing is dealt.
QRect TableLayout(TableHost& host);

// The layout of a game's opening deal (computed once per game, on a private
// table), for sizing the window before the game is dealt.
QRect GameLayout(int game);

// Whether a stored window placement is still the one every game starts with.
bool IsDefaultPlacement(const QRect& placement);

// The window size for a first open: the table area shows the layout at
// zoom 1 (plus the window's own bars, `chrome`), but never more than the
// available screen area.
QSize FirstOpenWindowSize(const QRect& layout, QSize chrome, const QRect& available);
