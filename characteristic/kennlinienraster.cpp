#include "characteristic/kennlinienraster.h"

#include <cmath>

namespace {

// Limited to 0..4095 (NaN gives 0) and rounded with floor(x + 0.5).
double Begrenzen(double x) {
  if (!(x <= kKennlRohMax)) x = kKennlRohMax;
  if (!(x >= 0)) x = 0;
  return std::floor(x + 0.5);
}

double Gerastert(double x, double r, Rasterrichtung richtung) {
  switch (richtung) {
    case Rasterrichtung::NAECHSTES:
      return std::floor(x / r + 0.5) * r;
    case Rasterrichtung::AUFWAERTS:
      return std::floor((std::floor(x / r) + 1) * r + 0.5);
    case Rasterrichtung::ABWAERTS:
      return std::floor(std::floor((x - 1) / r) * r + 0.5);
  }
  return x;
}

}  // namespace

double KennlXRaster(const Kennlinienzustand& zustand, const Konfiguration& konfig, double x,
                    Rasterrichtung richtung) {
  if (zustand.gKennlXRaster != 0) {
    const double gerastert = Gerastert(x, EinheitInRohX(konfig, zustand.gKennlXRaster), richtung);
    // A grid without a usable size leaves the value off the grid.
    if (std::isfinite(gerastert)) x = gerastert;
  }
  return Begrenzen(x);
}

double KennlYRaster(const Kennlinienzustand& zustand, const Konfiguration& konfig, double y) {
  if (zustand.gKennlYRaster != 0) {
    const double b = EinheitInRohY(konfig, 1, 0.0);
    const double d = EinheitInRohY(konfig, 1, zustand.gKennlYRaster) - b;
    const double gerastert = std::floor((y - b) / d + 0.5) * d + b;
    if (std::isfinite(gerastert)) y = gerastert;
  }
  return Begrenzen(y);
}

int KennlNaechsterPunkt(const Kennlinienzustand& zustand, double x, double y,
                        const Plotgroesse& plot) {
  const Kennlinie& kennlinie = zustand.gKennlinie;
  NaechsterPunktSuche suche(x, y, zustand.gKennlAnsichtEnde - zustand.gKennlAnsichtStart + 1, plot);
  double px = 0.0;
  for (int i = 0; i < kennlinie.anzahlPunkte(); ++i) {
    suche.Punkt(i, px, kennlinie.punkte[i].y);
    px += kennlinie.punkte[i].laenge;
  }
  return suche.Ergebnis();
}
