#include "platform/konsole.h"

#include <windows.h>

// The program writes UTF-8; the console shows it as such only with that output code page (its
// default is the OEM code page, which turns every umlaut into two wrong characters).
void KonsoleEinrichten() {
  SetConsoleOutputCP(CP_UTF8);
}

bool FehlerausgabeIstTerminal() {
  DWORD modus = 0;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &modus) != 0;
}
