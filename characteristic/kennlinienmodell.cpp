#include "characteristic/kennlinienmodell.h"

#include <cmath>

double KennlPunktX(const Kennlinie& kennlinie, int i) {
  double x = 0.0;
  for (int j = 0; j < i; ++j) x += kennlinie.punkte[j].laenge;
  return x;
}

double KennlLaenge(const Kennlinie& kennlinie) {
  return KennlPunktX(kennlinie, kennlinie.anzahlPunkte());
}

double KennlLetztesX(const Kennlinie& kennlinie) {
  return KennlPunktX(kennlinie, kennlinie.letzterPunkt());
}

int KennlGeradeZuX(const Kennlinie& kennlinie, double x) {
  const double f = std::floor(x);
  double ende = 0.0;
  for (int i = 0; i < kennlinie.anzahlPunkte(); ++i) {
    ende += kennlinie.punkte[i].laenge;
    if (f + 1 <= ende) return i;
  }
  return kennlinie.letzterPunkt();
}

bool KennlinieGueltig(const Kennlinie& kennlinie) {
  if (kennlinie.punkte.empty()) return false;
  double x = 0.0;
  for (int i = 0; i < kennlinie.anzahlPunkte(); ++i) {
    const Kennlinienpunkt& p = kennlinie.punkte[i];
    if (p.y < 0 || p.y > kKennlRohMax) return false;
    if (i < kennlinie.letzterPunkt()) {
      if (p.laenge < 1) return false;
      x += p.laenge;
    }
  }
  return x <= kKennlRohMax;
}

double RohYInEinheit(const Konfiguration& konfig, int k, double roh) {
  return RohInEinheit(konfig, k - 1, roh);
}

double EinheitInRohY(const Konfiguration& konfig, int k, double wert) {
  return EinheitInRoh(konfig, k - 1, wert);
}
