// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work the first frame does not need waits until that frame is on the
// screen: the window shows as soon as a bare window would, and the work runs
// right after, before the player can reasonably click.

#include <functional>

class QWidget;

// Runs work once, queued behind the window's first completed paint (at
// once when the window has painted already). A window that is never shown
// (the headless modes) never runs it.
void AfterFirstFrame(QWidget* window, std::function<void()> work);
