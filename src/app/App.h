// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainForm.h"
// Runs the program: command line, application object, main window or the
// headless modes (dump, script, screenshot). Returns the exit status.
int RunApplication(int argc, char** argv);

// Names the application: its name, and no display name, so that window
// titles stay exactly the program's own captions.
void NameApplication();

// The main window's options for a run: a data folder, whether it runs by
// itself (--dump, --script, --screenshot), whether --resume was given and
// whether the command line deals a game or number of its own.
MainOptions WindowOptions(const QString& dataDir, bool headless, bool resume, bool dealGiven);
