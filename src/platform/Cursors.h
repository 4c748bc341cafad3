#pragma once
// The screen's cursor table: numbered cursors that controls name by number.

#include <QCursor>
#include <QImage>

// Installs a cursor image with its hot spot under a number.
void SetScreenCursor(int index, const QImage& image, int hotX, int hotY);
bool HasScreenCursor(int index);
// The cursor for a number (the arrow for 0 or unknown numbers). Needs a GUI
// application.
QCursor ScreenCursor(int index);
