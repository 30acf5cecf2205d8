#include "curves/kurvenmodell.h"

#include <algorithm>
#include <cmath>

double Geradendauer(const Kurvenpunkt& punkt) {
  return punkt.laenge * ZeitbasisDauer(punkt.zeitbasis);
}

double Punktzeit(const Kurve& kurve, int i) {
  double zeit = 0.0;
  for (int j = 0; j < i; ++j) zeit += Geradendauer(kurve.punkte[j]);
  return zeit;
}

double Kurvendauer(const Kurve& kurve) {
  return Punktzeit(kurve, kurve.anzahlPunkte());
}

int GeradeZurZeit(const Kurve& kurve, double t) {
  const double f = std::floor(t);
  double ende = 0.0;
  for (int i = 0; i < kurve.anzahlPunkte(); ++i) {
    ende += Geradendauer(kurve.punkte[i]);
    if (f + 1 <= ende) return i;
  }
  return kurve.letzterPunkt();
}

int GeradenEndwert(const Kurve& kurve, int i) {
  return kurve.punkte[(i + 1) % kurve.anzahlPunkte()].y;
}

namespace {

// Value at offset x into a segment of duration dauer. Multiplying before dividing keeps every
// intermediate exact (offsets are multiples of 250 microseconds), so a value that is exactly
// a half rounds up as the device does, which a slope computed first would lose.
int Abtastwert(int y0, int y1, double x, double dauer) {
  return static_cast<int>(std::floor(y0 + (static_cast<double>(y1) - y0) * x / dauer + 0.5));
}

}  // namespace

int Stufenwert(int y0, int y1, int laenge, int k) {
  if (laenge <= 0) return y0;
  return Abtastwert(y0, y1, std::clamp(k, 0, laenge - 1), laenge);
}

int StufenwertBei(const Kurve& kurve, int segment, int k) {
  const Kurvenpunkt& punkt = kurve.punkte[segment];
  return Stufenwert(punkt.y, GeradenEndwert(kurve, segment), punkt.laenge, k);
}

std::vector<int> DigitalisierteWerte(int y0, int y1, int laenge, double einheit) {
  std::vector<int> werte;
  if (laenge < 1 || laenge > kGeradenlaengeMax || !(einheit > 0) || !std::isfinite(einheit))
    return werte;
  const double dauer = laenge * einheit;
  werte.reserve(static_cast<std::size_t>(laenge));
  for (double x = 0.0; x < dauer; x += einheit) werte.push_back(Abtastwert(y0, y1, x, dauer));
  return werte;
}
