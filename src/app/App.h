#pragma once
// Runs the program: command line, application object, main window or the
// headless modes (dump, script, screenshot). Returns the exit status.
int RunApplication(int argc, char** argv);
