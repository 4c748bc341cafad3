// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen's cursor table: numbered cursors that controls name by number.

#include <QCursor>
#include <QImage>
#include <functional>

// Draws a cursor for an integral device pixel ratio r: an image of r x r
// device pixels per cursor pixel.
using CursorPainter = std::function<QImage(int ratio)>;

// Installs a cursor under a number, with its hot spot in cursor pixels.
void SetScreenCursor(int index, CursorPainter painter, int hotX, int hotY);
bool HasScreenCursor(int index);
// The cursor for a number (the arrow for 0 or unknown numbers), drawn for
// the screen's pixel ratio. Needs a GUI application.
QCursor ScreenCursor(int index, qreal devicePixelRatio = 1.0);
