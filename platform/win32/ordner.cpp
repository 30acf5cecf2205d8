#include <windows.h>

#include <string>

#include "base/einstellungen.h"
#include "platform/win32/breit.h"

// %APPDATA%\tvm5r, read as a wide string so that a user name with umlauts stays whole.
std::string KonfigurationsOrdner() {
  const DWORD laenge = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
  if (laenge <= 1) return ".";
  std::wstring appdata(laenge, L'\0');
  const DWORD kopiert = GetEnvironmentVariableW(L"APPDATA", appdata.data(), laenge);
  if (kopiert == 0 || kopiert >= laenge) return ".";
  appdata.resize(kopiert);
  return Schmal(appdata) + "\\tvm5r";
}
