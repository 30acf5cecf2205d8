#pragma once
// The curve memory image of the device: a 32-byte header at device address 4096 (checksum, end
// addresses, cycles, rest values, number of curves; big-endian), then one 16-bit word per time
// unit from address 4128 on: bits 0..11 the output value, bits 12..15 the time base.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "curves/kurvensatz.h"

inline constexpr int kAbbildGroesse = 65536;    // bytes of one memory type
inline constexpr int kAbbildStart = 4096;       // the header's address
inline constexpr int kAbbildKopf = 32;          // bytes of the header
inline constexpr int kKurvendatenStart = 4128;  // the first word of curve 1
// Time units of curve 1 that fit the curve area: (65536 - 4128) / 2.
inline constexpr int kAbbildEinheitenMax = (kAbbildGroesse - kKurvendatenStart) / 2;

// The refusal of an image that does not fit (popup titled "Fehler").
inline constexpr const char* kAbbildZuGross =
    "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz im TVM-5R.";

// Bits 12..15 of a word for a time-base code: "1ms" 0 .. "1s" 7, "250us" 8; 0 for a code
// outside 1..9.
int ZeitbasisBits(int code);
// The time-base code of bits 12..15 (0..8 -> 1..8, 9); 0 for 9..15.
int ZeitbasisAusBits(int bits);

// The bytes at addresses erste..letzte of the image added into 16 bits, plus 1.
uint16_t KurvenPruefsumme(std::span<const uint8_t> abbild, int erste, int letzte);

// A compiled image, indexed by device address; the data end at address ende.
struct Kurvenabbild {
  std::vector<uint8_t> bytes;  // kAbbildGroesse bytes
  int ende = 0;                // last data address; the image to send is kAbbildStart..ende
};

// Compiles curve 1 with the settings of all four curves; nothing when its words do not fit
// below address 65536 (more than kAbbildEinheitenMax time units).
std::optional<Kurvenabbild> KurvenAbbildErstellen(const Kurvensatz& satz);

// The header fields of an image, indexed by device address (at least 4128 bytes).
struct Abbildkopf {
  uint16_t pruefsumme = 0;
  std::array<uint16_t, kKurvenAnzahl> endadressen{};
  std::array<uint16_t, kKurvenAnzahl> zyklen{};
  std::array<uint16_t, kKurvenAnzahl> ruhezustand{};
  uint8_t kurvenzahl = 0;
};
Abbildkopf AbbildkopfLesen(std::span<const uint8_t> abbild);

// The words at addresses erste..letzte as one point per time unit {value, laenge 1, code}:
// 0, -1019417 (an odd byte left over), -1019418 (time-base bits 9..15). Throws std::bad_alloc.
int AbbildPunkteLesen(std::span<const uint8_t> abbild, int erste, int letzte,
                      std::vector<Kurvenpunkt>& punkte);
