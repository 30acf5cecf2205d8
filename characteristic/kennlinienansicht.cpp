#include "characteristic/kennlinienansicht.h"

#include <cmath>

#include "characteristic/kennlinienmodell.h"
#include "editor/markierziehen.h"

namespace {

Sichtfenster Fenster(const Kennlinienzustand& z) {
  return {z.gKennlAnsichtStart, z.gKennlAnsichtEnde};
}

void Setzen(Kennlinienzustand& z, const Sichtfenster& fenster) {
  z.gKennlAnsichtStart = fenster.start;
  z.gKennlAnsichtEnde = fenster.ende;
}

// The cursor of the graph never leaves the X range; a position beyond it counts as its edge.
double ImBereich(double x) {
  if (!(x >= 0)) return 0;
  return x > kKennlRohMax ? kKennlRohMax : x;
}

Markenfelder Marke(Kennlinienzustand& z) {
  return {z.gKennlMarkStart, z.gKennlMarkEnde, z.gKennlMarkiert, z.neueMarkierung};
}

}  // namespace

void KennlZoom(Kennlinienzustand& zustand, KennlZoomArt art) {
  switch (art) {
    case KennlZoomArt::PLUS:
      Setzen(zustand, ZoomPlusBerechnen(Fenster(zustand)));
      break;
    case KennlZoomArt::MINUS:
      Setzen(zustand, ZoomMinusBerechnen(Fenster(zustand), kKennlRohMax));
      break;
    case KennlZoomArt::MARKIERUNG:
      if (!zustand.gKennlMarkiert) break;
      if (zustand.gKennlMarkEnde > zustand.gKennlMarkStart)
        Setzen(zustand, {zustand.gKennlMarkStart, zustand.gKennlMarkEnde - 1});
      zustand.gKennlMarkiert = false;
      break;
    case KennlZoomArt::GESAMMTKURVE:
      Setzen(zustand, {0, kKennlRohMax - 1});
      break;
    case KennlZoomArt::ALLESMARKIEREN:
      zustand.gKennlMarkStart = 0;
      zustand.gKennlMarkEnde = kKennlRohMax;
      zustand.gKennlMarkiert = true;
      break;
  }
}

void KennlMarkierungZiehen(Kennlinienzustand& zustand, double x) {
  MarkeZiehen(Marke(zustand), ImBereich(x));
}

void KennlMarkierungAbschliessen(Kennlinienzustand& zustand, double x) {
  MarkeAbschliessen(Marke(zustand), ImBereich(x));
}

void KennlWerkzeugWaehlen(Kennlinienzustand& zustand, KennlWerkzeug werkzeug) {
  zustand.werkzeug = werkzeug;
  if (werkzeug != KennlWerkzeug::MARKIEREN) zustand.gKennlMarkiert = false;
}

Bildlaufstand KennlBildlauf(const Kennlinienzustand& zustand) {
  return BildlaufBerechnen(Fenster(zustand), kKennlRohMax);
}

void KennlBildlaufEnde(Kennlinienzustand& zustand, int position) {
  Setzen(zustand, BildlaufVerschieben(Fenster(zustand), kKennlRohMax, position));
}

bool KennlYZoomSetzen(Kennlinienzustand& zustand, const Konfiguration& konfig, double min,
                      double max) {
  double lo = std::trunc(EinheitInRohY(konfig, 1, min));
  double hi = std::trunc(EinheitInRohY(konfig, 1, max));
  if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
  if (lo < 0) lo = 0;
  if (hi > kKennlRohMax) hi = kKennlRohMax;
  if (!(lo < hi)) return false;
  zustand.gKennlYZoomMin = static_cast<int32_t>(lo);
  zustand.gKennlYZoomMax = static_cast<int32_t>(hi);
  return true;
}
