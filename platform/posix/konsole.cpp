#include "platform/konsole.h"

#include <unistd.h>

// Terminals on Linux take UTF-8 as the program writes it.
void KonsoleEinrichten() {}

bool FehlerausgabeIstTerminal() { return isatty(STDERR_FILENO) == 1; }
