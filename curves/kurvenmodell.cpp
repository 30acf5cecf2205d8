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

int Stufenwert(int y0, int y1, int laenge, int k) {
  if (laenge <= 0) return y0;
  const int j = std::clamp(k, 0, laenge - 1);
  // The slope first, as the device's memory image is compiled: rounding it can put a value that
  // is exactly a half just below, and the drawn staircase must show what the device outputs.
  double v = (static_cast<double>(y0) - y1) / (0.0 - laenge) * (j - 0) + y0;
  v = std::clamp(v, 0.0, static_cast<double>(kKurvenwertMax));
  return static_cast<int>(v + 0.5);
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
  int k = 0;
  for (double x = 0.0; x < dauer; x += einheit) werte.push_back(Stufenwert(y0, y1, laenge, k++));
  return werte;
}
