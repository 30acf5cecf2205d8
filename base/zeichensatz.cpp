#include "base/zeichensatz.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ZeichenAusByte(uint8_t b) {
  if (b >= 0x80 && b < 0xA0) return kObereSteuerzeichen[b - 0x80];
  return b;
}

std::optional<uint8_t> ByteAusZeichen(char32_t z) {
  if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) return static_cast<uint8_t>(z);
  for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i)
    if (kObereSteuerzeichen[i] == z) return static_cast<uint8_t>(0x80 + i);
  return std::nullopt;
}

void Utf8Anhaengen(std::string& ziel, char32_t z) {
  if (z < 0x80) {
    ziel += static_cast<char>(z);
  } else if (z < 0x800) {
    ziel += static_cast<char>(0xC0 | (z >> 6));
    ziel += static_cast<char>(0x80 | (z & 0x3F));
  } else {
    ziel += static_cast<char>(0xE0 | (z >> 12));
    ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (z & 0x3F));
  }
}

struct Dekodiert {
  char32_t zeichen = 0;
  std::size_t laenge = 0;  // 0: no valid character starts here
};

// One UTF-8 character at position i; overlong forms, surrogates and cut sequences are invalid.
Dekodiert Utf8Zeichen(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<uint8_t>(s[i]);
  if (b0 < 0x80) return {b0, 1};
  std::size_t n = 0;
  char32_t z = 0;
  char32_t minimum = 0;
  if ((b0 & 0xE0) == 0xC0) {
    n = 2, z = b0 & 0x1F, minimum = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 3, z = b0 & 0x0F, minimum = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 4, z = b0 & 0x07, minimum = 0x10000;
  } else {
    return {};
  }
  if (i + n > s.size()) return {};
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<uint8_t>(s[i + k]);
    if ((b & 0xC0) != 0x80) return {};
    z = (z << 6) | (b & 0x3F);
  }
  if (z < minimum || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return {};
  return {z, n};
}

// UTF-8 to Windows-1252; a character that cannot be stored gives nothing, or ersatz when given.
std::optional<std::string> Umwandeln(std::string_view utf8, std::optional<char> ersatz) {
  std::string ergebnis;
  ergebnis.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Dekodiert d = Utf8Zeichen(utf8, i);
    const auto byte = d.laenge == 0 ? std::nullopt : ByteAusZeichen(d.zeichen);
    if (!byte && !ersatz) return std::nullopt;
    ergebnis += byte ? static_cast<char>(*byte) : *ersatz;
    i += d.laenge == 0 ? 1 : d.laenge;
  }
  return ergebnis;
}

}  // namespace

std::string Cp1252ZuUtf8(std::string_view cp1252) {
  std::string ergebnis;
  ergebnis.reserve(cp1252.size());
  for (char c : cp1252) Utf8Anhaengen(ergebnis, ZeichenAusByte(static_cast<uint8_t>(c)));
  return ergebnis;
}

std::optional<std::string> Utf8ZuCp1252(std::string_view utf8) {
  return Umwandeln(utf8, std::nullopt);
}

bool InCp1252Darstellbar(std::string_view utf8) {
  return !ErstesNichtDarstellbaresZeichen(utf8);
}

std::optional<std::string> ErstesNichtDarstellbaresZeichen(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const Dekodiert d = Utf8Zeichen(utf8, i);
    if (d.laenge == 0) return std::string(utf8.substr(i, 1));
    if (!ByteAusZeichen(d.zeichen)) return std::string(utf8.substr(i, d.laenge));
    i += d.laenge;
  }
  return std::nullopt;
}

std::size_t Utf8Zeichenzahl(std::string_view utf8) {
  std::size_t zahl = 0;
  for (std::size_t i = 0; i < utf8.size(); ++zahl) {
    const std::size_t n = Utf8Zeichen(utf8, i).laenge;
    i += n == 0 ? 1 : n;
  }
  return zahl;
}

std::string Utf8Kuerzen(std::string_view utf8, std::size_t zeichen) {
  std::size_t i = 0;
  for (std::size_t zahl = 0; zahl < zeichen && i < utf8.size(); ++zahl) {
    const std::size_t n = Utf8Zeichen(utf8, i).laenge;
    i += n == 0 ? 1 : n;
  }
  return std::string(utf8.substr(0, i));
}

std::string Cp1252Feld(std::string_view utf8, std::size_t zeichen) {
  return *Umwandeln(Utf8Kuerzen(utf8, zeichen), '?');
}

std::string NichtDarstellbarMeldung(std::string_view zeichen) {
  return "Das Zeichen „" + std::string(zeichen) +
         "“ kann nicht gespeichert werden:\n"
         "Die Dateien des Programms speichern nur Zeichen des Zeichensatzes Windows-1252\n"
         "(Buchstaben mit Umlauten und Akzenten, °, µ, € und ähnliche).";
}
