#include "characteristic/kennlinienverschiebung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "characteristic/kennlinienraster.h"
#include "characteristic/kennlinienundo.h"

namespace {

// The neighbours a (before) and n (after) of point i, clamped to the characteristic.
struct Nachbarn {
  int a, n, letzter;
  double xa, xn;
};

Nachbarn NachbarnVon(const Kennlinie& kennlinie, int i) {
  Nachbarn nb;
  nb.letzter = kennlinie.letzterPunkt();
  nb.a = std::max(i - 1, 0);
  nb.n = std::min(i + 1, nb.letzter);
  nb.xa = KennlPunktX(kennlinie, nb.a);
  nb.xn = KennlPunktX(kennlinie, nb.n);
  return nb;
}

// The picked point, or the nearest one when none is picked or the pick no longer exists.
int Verschobener(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot) {
  Kennlinienzustand& z = b.zustand;
  if (z.ersterZug || z.verschobenerPunkt > z.gKennlinie.letzterPunkt()) {
    z.verschobenerPunkt = KennlNaechsterPunkt(z, x, y, plot);
    z.ersterZug = false;
  }
  return z.verschobenerPunkt;
}

std::string Punkttitel(int i) {
  char titel[32];
  std::snprintf(titel, sizeof titel, "Punkt %d", i + 1);
  return titel;
}

// The checks of a typed X (raw, not yet limited); true when xt may become point i's X.
bool XPruefen(Kennlinienbearbeitung& b, int i, double xt) {
  const Kennlinie& kennlinie = b.zustand.gKennlinie;
  if (i == 0)
    return KennlAblehnen(b, "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
  if (!(xt <= kKennlRohMax))
    return KennlAblehnen(b, "Die angegebene X-Koordinate ist größer als der Maximalwert.");
  if (KennlPunktX(kennlinie, i - 1) >= xt)
    return KennlAblehnen(b,
                         "Die angegebene X-Koordinate ist zu klein \n"
                         "(Der Punkt kann nicht auf einen X-Wert kleiner oder gleich dem \n"
                         "des vorherigen Punktes verschoben werden).");
  if (i != kennlinie.letzterPunkt() && KennlPunktX(kennlinie, i + 1) <= xt)
    return KennlAblehnen(b,
                         "Die angegebene X-Koordinate ist zu groß \n"
                         "(Der Punkt kann nicht auf einen X-Wert größer oder gleich dem \n"
                         "des nächsten Punktes verschoben werden).");
  return true;
}

bool YPruefen(Kennlinienbearbeitung& b, double yt) {
  if (yt < 0) return KennlAblehnen(b, "Y-Wert zu klein.");
  if (!(yt <= kKennlRohMax)) return KennlAblehnen(b, "Y-Wert zu groß.");
  return true;
}

}  // namespace

Kennlpunkt KennlZielposition(const Kennlinienbearbeitung& b, int i, double x, double y) {
  const Kennlinienzustand& z = b.zustand;
  const Kennlinie& kennlinie = z.gKennlinie;
  const Nachbarn nb = NachbarnVon(kennlinie, i);
  const bool letzter = i == nb.letzter;
  const double yz = KennlYRaster(z, b.konfig, y);
  double r = KennlXRaster(z, b.konfig, x);
  if (nb.xa >= r) r = KennlXRaster(z, b.konfig, nb.xa, Rasterrichtung::AUFWAERTS);
  if (letzter)
    r = std::min(r, static_cast<double>(kKennlRohMax));
  else if (nb.xn <= r)
    r = KennlXRaster(z, b.konfig, nb.xn, Rasterrichtung::ABWAERTS);
  bool gueltig = true;
  if (z.gKennlXRaster != 0) {
    gueltig = (letzter || nb.xn > r) && nb.xa < r;
  } else {
    if (!letzter && nb.xn <= r) r = nb.xn - 1;
    if (nb.xa >= r) r = nb.xa + 1;
  }
  if (i == 0) return {0, yz};
  return {gueltig ? r : KennlPunktX(kennlinie, i), yz};
}

Kennlverschiebung KennlVerschiebenZiehen(Kennlinienbearbeitung& b, double x, double y,
                                         const Plotgroesse& plot) {
  const int i = Verschobener(b, x, y, plot);
  return {i, KennlZielposition(b, i, x, y)};
}

bool KennlPunktVerschieben(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  const int i = Verschobener(b, x, y, plot);
  b.zustand.ersterZug = true;
  Kennlinie& kennlinie = b.zustand.gKennlinie;
  const Kennlpunkt ziel = KennlZielposition(b, i, x, y);
  const Nachbarn nb = NachbarnVon(kennlinie, i);
  KennlUndoSichern(b.zustand, b.fehler.dialoge());
  if (i != 0) {
    kennlinie.punkte[nb.a].laenge = static_cast<int32_t>(ziel.x - nb.xa + 0.5);
    if (i != nb.letzter) kennlinie.punkte[i].laenge = static_cast<int32_t>(nb.xn - ziel.x + 0.5);
  }
  kennlinie.punkte[i].y = static_cast<int32_t>(ziel.y + 0.5);
  return true;
}

int KennlPunktkoordinaten(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot) {
  Kennlinie& kennlinie = b.zustand.gKennlinie;
  const int i = KennlNaechsterPunkt(b.zustand, x, y, plot);
  const double px = KennlPunktX(kennlinie, i);
  const Punktwerte anzeige{RohXInEinheit(b.konfig, px),
                           RohYInEinheit(b.konfig, 1, kennlinie.punkte[i].y)};
  const Punktwerte typ = b.eingabe.Punktdialog(Punkttitel(i), i, anzeige);
  const double xt = std::trunc(EinheitInRohX(b.konfig, typ.x) + 0.5);
  const double yt = std::trunc(EinheitInRohY(b.konfig, 1, typ.y) + 0.5);
  const bool xNeu = xt != px;
  if (xNeu && !XPruefen(b, i, xt)) return 0;
  const bool yNeu = yt != kennlinie.punkte[i].y;
  if (yNeu && !YPruefen(b, yt)) return 0;
  if (!xNeu && !yNeu) return 0;
  KennlUndoSichern(b.zustand, b.fehler.dialoge());
  if (xNeu) {
    const auto d = static_cast<int32_t>(xt - px);
    kennlinie.punkte[i - 1].laenge += d;
    if (i != kennlinie.letzterPunkt()) kennlinie.punkte[i].laenge -= d;
  }
  if (yNeu) kennlinie.punkte[i].y = static_cast<int32_t>(yt);
  return 1;
}
