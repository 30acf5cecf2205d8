#include "characteristic/kennliniengrafikdaten.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "characteristic/kennlinienabbild.h"

namespace {

// X of every point, and as the last entry the end of the continuation: segment i runs from
// lagen[i] to lagen[i + 1], the continuation (index letzterPunkt) to 4095.
std::vector<double> Lagen(const Kennlinie& kennlinie) {
  std::vector<double> lagen(kennlinie.punkte.size() + 1);
  double x = 0.0;
  for (std::size_t i = 0; i < kennlinie.punkte.size(); ++i) {
    lagen[i] = x;
    if (i + 1 < kennlinie.punkte.size()) x += kennlinie.punkte[i].laenge;
  }
  lagen.back() = std::max(x, static_cast<double>(kKennlRohMax));
  return lagen;
}

int Endwert(const Kennlinie& kennlinie, int i) {
  return kennlinie.punkte[std::min(i + 1, kennlinie.letzterPunkt())].y;
}

void LinienAnhaengen(Linienzug& zug, const Kennlinie& kennlinie, const std::vector<double>& lagen,
                     int von, int bis, const Spaltenraster& raster) {
  if (bis < von) return;
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) v.Punkt(lagen[i], kennlinie.punkte[i].y);
  v.Punkt(lagen[bis + 1], Endwert(kennlinie, bis));
}

// The table values of segments von..bis (the continuation included when it is among them),
// exactly as the slot image computes them.
void StufenAnhaengen(Linienzug& zug, const Kennlinie& kennlinie, const std::vector<double>& lagen,
                     int von, int bis, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) {
    const double y0 = kennlinie.punkte[i].y;
    const double y1 = Endwert(kennlinie, i);
    const auto laenge = static_cast<long long>(lagen[i + 1] - lagen[i]);
    const auto wert = [&](long long k) {
      return KennlTabellenwert(y0, y1, static_cast<int>(laenge), static_cast<int>(k));
    };
    if (laenge < 1) continue;
    StufenzugAnhaengen(v, raster, lagen[i], wert(0), static_cast<int>(y1), laenge, 1.0, wert);
  }
}

void PunkteAnhaengen(Linienzug& zug, const Kennlinie& kennlinie, const std::vector<double>& lagen,
                     int von, int bis, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) v.Punkt(lagen[i], kennlinie.punkte[i].y);
}

Kennlachse Achse(double einheitBei0, double einheitBeiMax, std::string einheit) {
  return {(einheitBeiMax - einheitBei0) / kKennlRohMax, einheitBei0, std::move(einheit)};
}

}  // namespace

Kennliniengrafikdaten KennliniengrafikBerechnen(const Kennlinienzustand& zustand, int darstellung,
                                                int breite, int breiteKlein) {
  Kennliniengrafikdaten daten;
  const Kennlinie& k = zustand.gKennlinie;
  daten.xMin = zustand.gKennlAnsichtStart;
  daten.xMax = zustand.gKennlAnsichtEnde + 1;
  const std::vector<double> lagen = Lagen(k);
  const int letzter = k.letzterPunkt();

  const Spaltenraster raster(daten.xMin, daten.xMax, breite);
  const Geradenbereich b = SichtbareGeraden(lagen, daten.xMin, zustand.gKennlAnsichtEnde);
  if (!b.Leer()) {
    const int bisVorEnde = std::min(b.bis, letzter - 1);
    const bool mitErgaenzung = b.bis == letzter;
    if (darstellung == 1 || darstellung == 3) {
      LinienAnhaengen(daten.linien, k, lagen, b.von, bisVorEnde, raster);
      if (mitErgaenzung) LinienAnhaengen(daten.ergaenzung, k, lagen, letzter, letzter, raster);
    }
    PunkteAnhaengen(daten.punkte, k, lagen, b.von, b.bis, raster);
    if (darstellung == 2 || darstellung == 3) {
      StufenAnhaengen(daten.stufen, k, lagen, b.von, bisVorEnde, raster);
      if (mitErgaenzung)
        StufenAnhaengen(daten.ergaenzungsstufen, k, lagen, letzter, letzter, raster);
    }
  }
  const Spaltenraster klein(0.0, kKennlRohMax, breiteKlein);
  LinienAnhaengen(daten.uebersicht, k, lagen, 0, letzter, klein);
  return daten;
}

Kennlachsen KennlAchsenBerechnen(const Kennlinienzustand& zustand, const Konfiguration& konfig) {
  Kennlachsen achsen;
  achsen.x =
      Achse(RohXInEinheit(konfig, 0), RohXInEinheit(konfig, kKennlRohMax), konfig.ineinheit[0]);
  achsen.y = Achse(RohYInEinheit(konfig, 1, 0), RohYInEinheit(konfig, 1, kKennlRohMax),
                   konfig.outeinheit[0]);
  achsen.yMin = zustand.gKennlYZoomMin;
  achsen.yMax = zustand.gKennlYZoomMax;
  return achsen;
}

Kennlfelder KennlfelderBerechnen(const Kennlinienzustand& zustand, const Konfiguration& konfig) {
  Kennlfelder f;
  f.yZoomMin = RohYInEinheit(konfig, 1, zustand.gKennlYZoomMin);
  f.yZoomMax = RohYInEinheit(konfig, 1, zustand.gKennlYZoomMax);
  f.xEinheit = konfig.ineinheit[0];
  f.yEinheit = konfig.outeinheit[0];
  f.begrenzungBeschriftung = "Analogausgang2 [" + konfig.outeinheit[1] + "]";
  f.begrenzungMin = RohYInEinheit(konfig, 2, 0);
  f.begrenzungMax = RohYInEinheit(konfig, 2, kKennlRohMax);
  if (f.begrenzungMin > f.begrenzungMax) std::swap(f.begrenzungMin, f.begrenzungMax);
  return f;
}

Linienzug KennlZeichnenVorschaulinie(const Kennlinie& kennlinie, const Kennlpunkt& ziel) {
  Linienzug zug;
  zug.Anhaengen(KennlLetztesX(kennlinie), kennlinie.punkte.back().y);
  zug.Anhaengen(ziel.x, ziel.y);
  return zug;
}

Linienzug KennlVerschiebenVorschaulinie(const Kennlinie& kennlinie, int i, const Kennlpunkt& ziel) {
  Linienzug zug;
  if (i > 0) zug.Anhaengen(KennlPunktX(kennlinie, i - 1), kennlinie.punkte[i - 1].y);
  zug.Anhaengen(ziel.x, ziel.y);
  if (i < kennlinie.letzterPunkt())
    zug.Anhaengen(KennlPunktX(kennlinie, i + 1), kennlinie.punkte[i + 1].y);
  return zug;
}

Linienzug KennlPunktmarke(const Kennlinie& kennlinie, int i) {
  Linienzug zug;
  if (i >= 0 && i < kennlinie.anzahlPunkte())
    zug.Anhaengen(KennlPunktX(kennlinie, i), kennlinie.punkte[i].y);
  return zug;
}
