// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solver's command-line modes, for measurement:
//   --solve --game G --number N [--budget SECONDS] [--nodes N] [--autoplay on|off]
//           [--engine auto|native|reference] [--stock-jumps on|off]
//   --solve-stats G FIRST COUNT [the same options]
// Both also take --data-dir DIR, checked as everywhere and otherwise unused.

// Whether the command line asks for one of them.
bool IsSolveCommand(int argc, char** argv);
// Runs it headless and returns the exit status (2 for a bad option).
int RunSolveCommand(int argc, char** argv);
