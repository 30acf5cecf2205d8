#include "characteristic/kennliniengrafik.h"

#include "characteristic/kennlinienabbild.h"
#include "editor/punktmarken.h"

namespace {

// X of every point and, last, of the end of the last point's segment.
std::vector<double> PunktXWerte(const Kennlinie& kennlinie) {
  std::vector<double> x(kennlinie.punkte.size() + 1);
  double summe = 0.0;
  for (std::size_t i = 0; i < kennlinie.punkte.size(); ++i) {
    x[i] = summe;
    summe += kennlinie.punkte[i].laenge;
  }
  x.back() = summe;
  return x;
}

// Segments and points of the characteristic from X 0 to its last point.
struct Strecke {
  const Kennlinie& kennlinie;
  const std::vector<double>& x;
  int letzter() const { return kennlinie.letzterPunkt(); }
  int y(int i) const { return kennlinie.punkte[i].y; }
  // Segment i ends before start or starts after ende.
  bool Ausserhalb(int i, double start, double ende) const {
    return x[i + 1] < start || x[i] > ende;
  }
};

void LinienAnhaengen(Linienzug& zug, const Strecke& s, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = 0; i < s.letzter() && v.Offen(); ++i) {
    if (s.Ausserhalb(i, raster.Start(), raster.Ende())) continue;
    v.Punkt(s.x[i], s.y(i));
    v.Punkt(s.x[i + 1], s.y(i + 1));
  }
}

// The markers of the points that stand apart from their neighbours.
void PunkteAnhaengen(Linienzug& zug, const Strecke& s, const Spaltenraster& raster) {
  for (int i = 0; i <= s.letzter(); ++i) {
    const double vorher = i > 0 ? s.x[i - 1] : -kKeinNachbar;
    const double nachher = i < s.letzter() ? s.x[i + 1] : kKeinNachbar;
    if (PunktmarkeZeigen(raster, vorher, s.x[i], nachher)) zug.Anhaengen(s.x[i], s.y(i));
  }
}

// One step per X unit: value k holds from x0 + k to x0 + k + 1; a vertical line at the end leads
// to y1.
void GeradenstufenAnhaengen(Spaltenverdichter& v, double x0, int y0, int y1, int laenge) {
  for (int k = 0; k < laenge && v.Offen(); ++k) {
    const int wert = KennlStufenwert(y0, y1, laenge, k);
    v.Punkt(x0 + k, wert);
    v.Punkt(x0 + k + 1, wert);
  }
  v.Punkt(x0 + laenge, y1);
}

void StufenAnhaengen(Linienzug& zug, const Strecke& s, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = 0; i < s.letzter() && v.Offen(); ++i) {
    if (s.Ausserhalb(i, raster.Start(), raster.Ende())) continue;
    GeradenstufenAnhaengen(v, s.x[i], s.y(i), s.y(i + 1), s.kennlinie.punkte[i].laenge);
  }
}

// The continuation from the last point to X = 4095 at its value.
void ErgaenzungAnhaengen(Linienzug& zug, const Strecke& s, bool stufen) {
  const double x = s.x[s.letzter()];
  if (!(x < kKennlRohMax)) return;
  const int y = s.y(s.letzter());
  zug.Anhaengen(x, y);
  if (stufen) zug.Anhaengen(x + 1, y);
  zug.Anhaengen(kKennlRohMax, y);
}

}  // namespace

Kennliniengrafik KennliniengrafikBerechnen(const Kennlinienzustand& zustand, int darstellung,
                                           int breite, int breiteKlein) {
  Kennliniengrafik g;
  g.xMin = zustand.gKennlAnsichtStart;
  g.xMax = zustand.gKennlAnsichtEnde + 1;
  const std::vector<double> x = PunktXWerte(zustand.gKennlinie);
  const Strecke s{zustand.gKennlinie, x};
  const Spaltenraster raster(g.xMin, g.xMax, breite);
  const bool linien = darstellung == 1 || darstellung == 3;
  const bool stufen = darstellung == 2 || darstellung == 3;
  if (linien) {
    LinienAnhaengen(g.linien, s, raster);
    ErgaenzungAnhaengen(g.ergaenzung, s, false);
  }
  PunkteAnhaengen(g.punkte, s, raster);
  if (stufen) {
    StufenAnhaengen(g.stufen, s, raster);
    ErgaenzungAnhaengen(g.ergaenzungsstufen, s, true);
  }
  const Spaltenraster klein(0, kKennlRohMax, breiteKlein);
  LinienAnhaengen(g.uebersicht, s, klein);
  ErgaenzungAnhaengen(g.uebersicht, s, false);
  return g;
}

Linienzug KennlZeichnenVorschaulinie(const Kennlinie& kennlinie, double x, double y) {
  Linienzug zug;
  const int letzter = kennlinie.letzterPunkt();
  zug.Anhaengen(KennlPunktX(kennlinie, letzter), kennlinie.punkte[letzter].y);
  zug.Anhaengen(x, y);
  return zug;
}

Linienzug KennlVerschiebenVorschaulinie(const Kennlinie& kennlinie, int i, double x, double y) {
  Linienzug zug;
  if (i < 0 || i > kennlinie.letzterPunkt()) return zug;
  if (i > 0) zug.Anhaengen(KennlPunktX(kennlinie, i - 1), kennlinie.punkte[i - 1].y);
  zug.Anhaengen(x, y);
  if (i < kennlinie.letzterPunkt())
    zug.Anhaengen(KennlPunktX(kennlinie, i + 1), kennlinie.punkte[i + 1].y);
  return zug;
}
