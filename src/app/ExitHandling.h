// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program ends besides the Exit command: SIGTERM and SIGHUP (log-out,
// shutdown, a closed terminal) take the same road as Exit, with the exit
// accounting and the saves; and a save that failed is told to the player.

#include <QString>
#include <functional>

#include "records/SaveReport.h"

class QObject;

namespace ExitHandling {

// A file-size limit makes a write fail instead of ending the program, so
// the save can keep the old file and say why.
void IgnoreFileSizeSignal();

// Catches SIGTERM and SIGHUP from now on. The handler only notes the signal;
// `onSignal` then runs on the user-interface thread through the event loop
// (it lives as long as `context`).
void WatchSignals(QObject* context, std::function<void()> onSignal);
// Whether one of those signals has arrived, for work that runs without the
// event loop (the scripted driver checks between commands).
bool SignalArrived();

// The message box text for a failed exit save.
QString SaveFailureText(const SaveReport& report);
// Shows it, once per call; nothing when all was saved.
void ReportSaveFailure(const SaveReport& report);

}  // namespace ExitHandling
