#include "base/dateilesen.h"

#include <windows.h>

#include "platform/win32/breit.h"

// Only files on a disk are read: a pipe, a console or a serial port could wait for input. A
// folder does not open without FILE_FLAG_BACKUP_SEMANTICS.
Lesedatei::Lesedatei(const std::string& pfad) {
  const std::wstring name = Breit(pfad);
  if (name.empty()) return;
  HANDLE datei = CreateFileW(name.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (datei == INVALID_HANDLE_VALUE) return;
  if (GetFileType(datei) != FILE_TYPE_DISK) {
    CloseHandle(datei);
    return;
  }
  griff_ = reinterpret_cast<std::intptr_t>(datei);
}

Lesedatei::~Lesedatei() {
  if (Offen()) CloseHandle(reinterpret_cast<HANDLE>(griff_));
}

long long Lesedatei::Lesen(char* ziel, std::size_t n) {
  DWORD gelesen = 0;
  const DWORD wunsch = n > 0x10000000 ? 0x10000000 : static_cast<DWORD>(n);
  if (!ReadFile(reinterpret_cast<HANDLE>(griff_), ziel, wunsch, &gelesen, nullptr)) return -1;
  return gelesen;
}
