#pragma once
// One time curve: a polyline of points whose segments each carry their own time base and a
// length in units of it. The last point's segment (the closing segment) leads back to the first
// point's value, since the device plays curves cyclically. Times are double microseconds.

#include <cstdint>
#include <string>
#include <vector>

#include "curves/zeitbasis.h"

constexpr int kKurvenwertMax = 4095;        // raw values are 0..4095
constexpr int kGeradenlaengeMax = 65535;    // a segment has at most 65535 units
constexpr std::size_t kKommentarMax = 999;  // characters of a curve comment

struct Kurvenpunkt {
  int32_t y = 0;                          // raw value of the point
  int32_t laenge = 1;                     // units of the segment that starts here
  int8_t zeitbasis = kZeitbasisStandard;  // time-base code of that segment
  bool operator==(const Kurvenpunkt&) const = default;
};

// A default curve is the initial one-point curve {y 0, laenge 1, "10ms"}.
struct Kurve {
  std::vector<Kurvenpunkt> punkte{Kurvenpunkt{}};  // never empty
  std::string kommentar;                           // lines separated by "\n"

  int anzahlPunkte() const { return static_cast<int>(punkte.size()); }
  int letzterPunkt() const { return anzahlPunkte() - 1; }
};

double Geradendauer(const Kurvenpunkt& punkt);
// Start time of point i: the durations of points 0..i-1 added in order.
double Punktzeit(const Kurve& kurve, int i);
// All segments, the closing one included, added in point order.
double Kurvendauer(const Kurve& kurve);
// Index of the segment that contains floor(t); the last index at or beyond the end.
int GeradeZurZeit(const Kurve& kurve, double t);
// Value at the end of segment i: the next point's, or the first point's for the closing segment.
int GeradenEndwert(const Kurve& kurve, int i);

// Output value during time unit k of a segment of laenge units from y0 to y1, as the curve
// memory image holds it: v = (y0 - y1) / (0 - laenge) * k + y0 in double, limited to 0..4095,
// then trunc(v + 0.5); k is limited to 0..laenge - 1. The image's words and the drawn staircase
// both take their values from here, so the graph shows what the device outputs.
int Stufenwert(int y0, int y1, int laenge, int k);
// The same for unit k (0 <= k < laenge) of segment i of a curve.
int StufenwertBei(const Kurve& kurve, int segment, int k);
// The staircase the device outputs for one segment: one value per time unit, for the units
// whose start (repeated additions of the unit duration) stays below the segment's end.
std::vector<int> DigitalisierteWerte(int y0, int y1, int laenge, double einheit);
