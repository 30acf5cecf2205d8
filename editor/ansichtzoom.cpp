#include "editor/ansichtzoom.h"

#include <algorithm>
#include <cmath>

namespace {

// trunc(x) limited to lo..hi, compared in double first; NaN gives lo.
int Begrenzt(double x, int lo, int hi) {
  if (!(x >= lo)) return lo;
  if (x >= hi) return hi;
  return static_cast<int>(x);
}

}  // namespace

double Sichtbreite(const Sichtfenster& fenster) {
  return fenster.ende - fenster.start + 1;
}

Sichtfenster ZoomPlusBerechnen(const Sichtfenster& fenster) {
  const double w = Sichtbreite(fenster);
  const double h = std::max(1.0, w / 1.5);
  const double a = fenster.start + (w - h) / 2;
  return {std::floor(a), std::floor(a + h) - 1};
}

Sichtfenster ZoomMinusBerechnen(const Sichtfenster& fenster, double grenze) {
  const double g = 1.5 * Sichtbreite(fenster);
  const double a = std::max(0.0, fenster.start - g / 6);
  double b = std::min(a + g, grenze);
  if (std::floor(a + 1) >= std::floor(b)) b = b + 1;
  return {std::floor(a), std::floor(b) - 1};
}

Bildlaufstand BildlaufBerechnen(const Sichtfenster& fenster, double gesamt) {
  const double w = Sichtbreite(fenster);
  Bildlaufstand stand;
  stand.seite = Begrenzt(100 * w / gesamt + 0.5, 1, 100);
  const double bereich = std::trunc(gesamt - w);
  stand.position = bereich > 0 ? Begrenzt(100 * fenster.start / bereich, 0, 100) : 0;
  return stand;
}

Sichtfenster BildlaufVerschieben(const Sichtfenster& fenster, double gesamt, int position) {
  const double w = Sichtbreite(fenster);
  const double start = std::max(0.0, std::floor(position * (gesamt - w) / 100 + 0.5));
  return {start, start + w - 1};
}
