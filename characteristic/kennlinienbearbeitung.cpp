#include "characteristic/kennlinienbearbeitung.h"

#include <cmath>
#include <new>

#include "characteristic/kennlinienraster.h"
#include "characteristic/kennlinienundo.h"
#include "editor/geradenteilung.h"

namespace {

// Inserts a point before index a; -600503 when memory runs out (points unchanged).
int PunktEinfuegen(Kennlinie& kennlinie, int a, const Kennlinienpunkt& punkt) {
  try {
    kennlinie.punkte.insert(kennlinie.punkte.begin() + a, punkt);
  } catch (const std::bad_alloc&) {
    return -600503;
  }
  return 0;
}

// The new point of "Punkt zeichnen" and the length of the segment that leads to it.
struct Zeichenziel {
  Kennlpunkt punkt;
  double laenge = 0.0;
};

std::optional<Zeichenziel> Zeichnen(const Kennlinienbearbeitung& b, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
  const double l = KennlLetztesX(b.zustand.gKennlinie);
  Zeichenziel ziel{{KennlXRaster(b.zustand, b.konfig, x), KennlYRaster(b.zustand, b.konfig, y)}};
  ziel.laenge = std::trunc(std::floor(ziel.punkt.x + 0.5) - l + 0.5);
  if (ziel.laenge <= 0) {
    ziel.punkt.x = KennlXRaster(b.zustand, b.konfig, l, Rasterrichtung::AUFWAERTS);
    ziel.laenge = std::trunc(std::floor(ziel.punkt.x + 0.5) - l + 0.5);
    if (ziel.laenge <= 0) {
      ziel.laenge = 1;
      ziel.punkt.x = l + 1;
    }
  }
  if (l + ziel.laenge > kKennlRohMax) return std::nullopt;
  return ziel;
}

}  // namespace

bool KennlAblehnen(Kennlinienbearbeitung& b, const char* text) {
  b.fehler.dialoge().MessagePopup("Fehler", text);
  return false;
}

std::optional<Kennlpunkt> KennlZeichnenVorschau(const Kennlinienbearbeitung& b, double x,
                                                double y) {
  const std::optional<Zeichenziel> ziel = Zeichnen(b, x, y);
  if (!ziel) return std::nullopt;
  return ziel->punkt;
}

bool KennlPunktZeichnen(Kennlinienbearbeitung& b, double x, double y) {
  const std::optional<Zeichenziel> ziel = Zeichnen(b, x, y);
  if (!ziel) return false;
  Kennlinie& kennlinie = b.zustand.gKennlinie;
  const int letzter = kennlinie.letzterPunkt();
  KennlUndoSichern(b.zustand, b.fehler.dialoge());
  const Kennlinienpunkt neu{static_cast<int32_t>(ziel->punkt.y + 0.5), 1, 0};
  if (const int code = PunktEinfuegen(kennlinie, letzter + 1, neu); code != 0) {
    b.fehler.NOV_Fehlerpopup(code);
    return false;
  }
  kennlinie.punkte[letzter].laenge = static_cast<int32_t>(ziel->laenge);
  kennlinie.punkte[letzter].zeitbasis = 0;
  return true;
}

bool KennlPunktLoeschen(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  Kennlinie& kennlinie = b.zustand.gKennlinie;
  const int i = KennlNaechsterPunkt(b.zustand, x, y, plot);
  if (kennlinie.anzahlPunkte() <= 1)
    return KennlAblehnen(b, "Letzter Punkt kann nicht gelöscht werden");
  const int letzter = kennlinie.letzterPunkt();
  KennlUndoSichern(b.zustand, b.fehler.dialoge());
  if (i != 0 && i != letzter) kennlinie.punkte[i - 1].laenge += kennlinie.punkte[i].laenge;
  kennlinie.punkte.erase(kennlinie.punkte.begin() + i);
  if (i == letzter) kennlinie.punkte.back().laenge = 1;
  return true;
}

bool KennlGeradeTeilen(Kennlinienbearbeitung& b, double x) {
  if (!std::isfinite(x)) return false;
  Kennlinie& kennlinie = b.zustand.gKennlinie;
  const int g = KennlGeradeZuX(kennlinie, x);
  if (g == kennlinie.letzterPunkt()) return false;
  const Kennlinienpunkt alt = kennlinie.punkte[g];
  // A segment of length 0 only comes from a damaged file; it cannot be split either.
  if (alt.laenge <= 1)
    return KennlAblehnen(b,
                         "Gerade kann nicht geteilt werden, da sie eine Länge \n"
                         " von nur einer internen Rastereinheit hat.");
  const Geradenteilung t =
      Teilungspunkt(std::trunc(x - KennlPunktX(kennlinie, g) + 0.5), alt.laenge, alt.y,
                    kennlinie.punkte[g + 1].y, kKennlRohMax);

  KennlUndoSichern(b.zustand, b.fehler.dialoge());
  const Kennlinienpunkt neu{t.wert, alt.laenge - t.erste, alt.zeitbasis};
  if (const int code = PunktEinfuegen(kennlinie, g + 1, neu); code != 0) {
    b.fehler.NOV_Fehlerpopup(code);
    return false;
  }
  kennlinie.punkte[g].laenge = t.erste;
  return true;
}
