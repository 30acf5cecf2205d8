#include "platform/dateisperre.h"

#include <windows.h>

#include "platform/win32/breit.h"

// The sharing mode is the lock: while the file is open for writing here, nobody else can open
// it for writing; Windows closes the handle when the process ends in any way.
Dateisperre::Dateisperre(const std::string& pfad) : pfad_(pfad) {
  HANDLE datei = CreateFileW(Breit(pfad).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (datei == INVALID_HANDLE_VALUE) return;
  if (GetFileType(datei) != FILE_TYPE_DISK) {
    CloseHandle(datei);
    return;
  }
  griff_ = reinterpret_cast<std::intptr_t>(datei);
}

Dateisperre::~Dateisperre() {
  if (Gehalten()) CloseHandle(reinterpret_cast<HANDLE>(griff_));
}

std::string Dateisperre::Inhalt() const {
  if (!Gehalten()) return "";
  HANDLE datei = reinterpret_cast<HANDLE>(griff_);
  char puffer[4096];
  DWORD gelesen = 0;
  if (SetFilePointer(datei, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
      !ReadFile(datei, puffer, sizeof puffer, &gelesen, nullptr))
    return "";
  return std::string(puffer, gelesen);
}

bool Dateisperre::InhaltSetzen(const std::string& text) {
  if (!Gehalten()) return false;
  HANDLE datei = reinterpret_cast<HANDLE>(griff_);
  DWORD geschrieben = 0;
  return SetFilePointer(datei, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
         SetEndOfFile(datei) &&
         WriteFile(datei, text.data(), static_cast<DWORD>(text.size()), &geschrieben, nullptr) &&
         geschrieben == text.size();
}

void Dateisperre::Aufgeben() {
  if (!Gehalten()) return;
  CloseHandle(reinterpret_cast<HANDLE>(griff_));
  griff_ = kKeinGriff;
  DeleteFileW(Breit(pfad_).c_str());
}
