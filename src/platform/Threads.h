// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that may wait for everything else: the solver's searches in the
// background lower their own thread's priority, so the window and the
// player's other programs always come first.

// Lowers the calling thread's scheduling priority as far as it goes; it
// cannot be raised again. Does nothing where the system does not allow it.
void LowerThisThreadPriority();
