#pragma once
// The characteristic: output value over the raw input value X (0..4095) as a polyline of points
// whose segments each have a length in raw X units. Points carry no X: a point's X is the sum
// of the lengths before it. After the last point the characteristic keeps the last point's
// value up to X = 4095.

#include <cstdint>
#include <string>
#include <vector>

#include "config/konfiguration.h"

constexpr int kKennlRohMax = 4095;               // both axes are raw 0..4095
constexpr std::size_t kKennlKommentarMax = 999;  // characters of the comment

// The 12-byte point record of the curves with time base 0. The default is the point of the
// initial characteristic.
struct Kennlinienpunkt {
  int32_t y = kKennlRohMax;
  int32_t laenge = 0;  // raw X units to the next point; a placeholder (0 or 1) for the last
  uint8_t zeitbasis = 0;
  bool operator==(const Kennlinienpunkt&) const = default;
};

struct Kennlinie {
  std::vector<Kennlinienpunkt> punkte{Kennlinienpunkt{}};  // never empty
  std::string kommentar;                                   // lines separated by "\n"

  int anzahlPunkte() const { return static_cast<int>(punkte.size()); }
  int letzterPunkt() const { return anzahlPunkte() - 1; }
};

// X of point i: the lengths of points 0..i-1 added in double.
double KennlPunktX(const Kennlinie& kennlinie, int i);
// All lengths, the last point's included.
double KennlLaenge(const Kennlinie& kennlinie);
// X of the last point.
double KennlLetztesX(const Kennlinie& kennlinie);
// Index of the segment that contains floor(x); the last index at or beyond the last point.
int KennlGeradeZuX(const Kennlinie& kennlinie, double x);

// The model's limits: at least one point, X strictly increasing, the last point at X <= 4095,
// every y in 0..4095. The editing operations keep them; files and the box may break them.
bool KennlinieGueltig(const Kennlinie& kennlinie);

// Output k (1 = the characteristic's Y, 2 = the fixed value of output 2): raw <-> unit. The
// X conversions are RohXInEinheit and EinheitInRohX of the configuration (input 1).
double RohYInEinheit(const Konfiguration& konfig, int k, double roh);
double EinheitInRohY(const Konfiguration& konfig, int k, double wert);
