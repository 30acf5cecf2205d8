#pragma once
// The console the command-line programs write to.

// Prepares the console for the program's German texts.
void KonsoleEinrichten();
// true when the error output is a terminal (messages may then be shaped for a reader).
bool FehlerausgabeIstTerminal();
