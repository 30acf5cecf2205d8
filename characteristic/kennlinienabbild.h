#pragma once
// The device image of one characteristic slot (8224 bytes, big-endian): a 32-byte header
// (checksum, value of output 2, rise-time code, empty flag) and one output value for every raw
// input value X = 0..4095. Slot n (1..7) starts at device address (n - 1) * 8224 of memory
// type 4. Also the rise-time code and the empty-slot block.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "characteristic/kennlinienmodell.h"
#include "config/konfiguration.h"

inline constexpr int kKennlSlotGroesse = 8224;
inline constexpr int kKennlSlotKopf = 32;
inline constexpr int kKennlWerte = 4096;
inline constexpr int kKennlLeerblockGroesse = 34;

inline constexpr int kKennlSlots = 7;

inline bool KennlSlotGueltig(int slot) {
  return slot >= 1 && slot <= kKennlSlots;
}
// Device address of slot n (1..7).
int KennlSlotAdresse(int slot);

// The bytes 2..letzte added as unsigned bytes, plus 1, modulo 65536.
uint16_t KennlPruefsumme(std::span<const uint8_t> abbild, int letzte);
// 34 bytes: the checksum 207, the empty flag and one value 205.
std::array<uint8_t, kKennlLeerblockGroesse> KennlLeerblock();

// Decimal places of a rise time as the panel shows it: enough to tell every two codes apart
// (the times of neighbouring step codes near 0.1 ms lie 2.4e-5 ms apart).
inline constexpr int kAnstiegszeitStellen = 5;

// The box's code for a rise time of t milliseconds from 0 to 100 %: s raw steps per 0.1 ms tick
// as s * 256 up to 409.5 ms, above that one step every 256 - f ticks as f. A time within half a
// unit of the last shown decimal of a code's time is that code, so that the time of a code, also
// as shown, gives the code again; any other time up to 409.5 ms gets the shortest time that is
// not shorter.
int32_t AnstiegszeitCode(double t);
// The rise time that a code stands for, in milliseconds: 409.5 / s, or 409.5 * (256 - f), each
// the double nearest to the exact time. Code 255 and code 256 both stand for 409.5 ms.
double AnstiegszeitAusCode(int32_t code);
// The raw value of output 2 for a value in its unit, limited to the unit values of raw 0 and
// raw 4095.
int KennlAusgang2Roh(const Konfiguration& konfig, double wert);

// The value the box outputs at step k (0..laenge-1) of a segment of laenge X steps from y0 to
// y1: (y0 - y1) / (0 - laenge) * k + y0, limited to 0..4095 and rounded.
int KennlStufenwert(int y0, int y1, int laenge, int k);

// Builds the slot image of a characteristic: 0, or -1023505 when its points cover more than 4096
// X steps (only a characteristic that breaks the model's limits does).
int KennlAbbildErstellen(const Kennlinie& kennlinie, int ausgang2Roh, int32_t anstiegsCode,
                         std::vector<uint8_t>& abbild);

// The header fields of a slot image (at least 34 bytes).
struct Kennlslotkopf {
  uint16_t pruefsumme = 0;
  int ausgang2 = 0;
  int32_t anstiegsCode = 0;
  bool leer = false;
  // The last byte the checksum covers: 33 for an empty slot, 8223 otherwise.
  int Pruefende() const { return leer ? kKennlLeerblockGroesse - 1 : kKennlSlotGroesse - 1; }
};
Kennlslotkopf KennlSlotkopfLesen(std::span<const uint8_t> abbild);
// The characteristic a slot image stands for: one point {value, laenge 1} per stored value
// (values above 4095 become 4095), one for an empty slot, 4096 otherwise. Throws
// std::bad_alloc.
std::vector<Kennlinienpunkt> KennlAbbildPunkte(std::span<const uint8_t> werte, int anzahl);
