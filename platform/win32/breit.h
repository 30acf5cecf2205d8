#pragma once
// File names are UTF-8 inside the program and wide strings at the Win32 boundary: every file
// function of this folder converts here, never through the ANSI code page (which the narrow
// std::filesystem::path and fstream constructors of MinGW would use).

#include <windows.h>

#include <string>

inline std::wstring Breit(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int laenge =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (laenge <= 0) return {};
  std::wstring breit(static_cast<size_t>(laenge), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), breit.data(), laenge);
  return breit;
}

inline std::string Schmal(const std::wstring& breit) {
  if (breit.empty()) return {};
  const int laenge = WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()),
                                         nullptr, 0, nullptr, nullptr);
  if (laenge <= 0) return {};
  std::string utf8(static_cast<size_t>(laenge), '\0');
  WideCharToMultiByte(CP_UTF8, 0, breit.data(), static_cast<int>(breit.size()), utf8.data(), laenge,
                      nullptr, nullptr);
  return utf8;
}
