// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the program: command line, application object, main window or the
// headless modes (dump, script, screenshot). Returns the exit status.
int RunApplication(int argc, char** argv);

// Names the application: its name, and no display name, so that window
// titles stay exactly the program's own captions.
void NameApplication();
