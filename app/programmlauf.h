#pragma once
// The body of the desktop program, callable with a running QApplication: options, start-up,
// the event loop until the orderly end, settings file, release of the panels.

#include <string>
#include <vector>

// argumente: the command line after the program name, without Qt's own options. Returns the
// program's exit status: 0 after a normal end or --hilfe, 2 for an unknown option, -1 when the
// panels cannot be initialised.
int Programmlauf(const std::vector<std::string>& argumente);
