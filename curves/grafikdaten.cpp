#include "curves/grafikdaten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "editor/punktmarken.h"

namespace {

// The staircase of one segment into the reducer. Its vertices lie at a_j = t0 + j*d
// (j = 0..L): there the value changes from v(j-1) to v(j), and at j = L to the end value. The
// values are monotone in j, so the vertices of one column span exactly the range between the
// column's first and last vertex, and those two are all the reducer needs.
void GeradenstufenAnhaengen(Spaltenverdichter& v, const Spaltenraster& raster, double t0, int y0,
                            int y1, int laenge, double d) {
  if (laenge < 1 || !(d > 0)) {
    v.Punkt(t0, y0);
    v.Punkt(t0, y1);
    return;
  }
  const auto ecke = [&](long long j) { return t0 + static_cast<double>(j) * d; };
  const auto vorher = [&](long long j) { return j == 0 ? y0 : Stufenwert(y0, y1, laenge, j - 1); };
  const auto nachher = [&](long long j) {
    return j == laenge ? y1 : Stufenwert(y0, y1, laenge, j);
  };
  long long j = 0;
  while (j <= laenge && v.Offen()) {
    const int spalte = raster.Spalte(ecke(j));
    v.Punkt(ecke(j), vorher(j));
    if (!v.Offen()) return;
    // The last vertex in this column: estimated from the column's end, then corrected.
    const double spaltenende = raster.Spaltenstart(spalte + 1);
    const double schaetzung = std::ceil((spaltenende - t0) / d) - 1;
    long long bis = static_cast<long long>(
        std::clamp(schaetzung, static_cast<double>(j), static_cast<double>(laenge)));
    while (bis < laenge && raster.Spalte(ecke(bis + 1)) == spalte) ++bis;
    while (bis > j && raster.Spalte(ecke(bis)) != spalte) --bis;
    v.Punkt(ecke(bis), nachher(bis));
    j = bis + 1;
  }
}

}  // namespace

std::vector<double> Punktzeiten(const Kurve& kurve) {
  std::vector<double> zeiten(kurve.punkte.size() + 1);
  double t = 0.0;
  for (std::size_t i = 0; i < kurve.punkte.size(); ++i) {
    zeiten[i] = t;
    t += Geradendauer(kurve.punkte[i]);
  }
  zeiten.back() = t;
  return zeiten;
}

Geradenbereich SichtbareGeraden(const std::vector<double>& zeiten, double start, double ende) {
  // Segment i ends at zeiten[i + 1].
  const auto enden = zeiten.begin() + 1;
  const auto erste = std::lower_bound(enden, zeiten.end(), start);
  if (erste == zeiten.end()) return {};
  const auto jenseits = std::upper_bound(erste, zeiten.end(), ende);
  const int letzte = static_cast<int>(zeiten.size()) - 2;
  Geradenbereich bereich;
  bereich.von = static_cast<int>(erste - enden);
  bereich.bis = jenseits == zeiten.end() ? letzte : static_cast<int>(jenseits - enden);
  return bereich;
}

void StufenAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) {
    const Kurvenpunkt& p = kurve.punkte[i];
    GeradenstufenAnhaengen(v, raster, zeiten[i], p.y, GeradenEndwert(kurve, i), p.laenge,
                           ZeitbasisDauer(p.zeitbasis));
  }
}

void LinienAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster) {
  if (bis < von) return;
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) v.Punkt(zeiten[i], kurve.punkte[i].y);
  v.Punkt(zeiten[bis + 1], GeradenEndwert(kurve, bis));
}

void PunkteAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster) {
  for (int i = von; i <= bis; ++i) {
    const double vorher = i > 0 ? zeiten[i - 1] : -kKeinNachbar;
    if (PunktmarkeZeigen(raster, vorher, zeiten[i], zeiten[i + 1]))
      zug.Anhaengen(zeiten[i], kurve.punkte[i].y);
  }
}

namespace {

// One curve in the main graph. Background curves draw their lines (mode 1) or their staircase
// (modes 2 and 3), closing segment included; the current curve draws lines, points and
// staircase with its closing segment apart.
void HintergrundBerechnen(Linienzug& zug, const Kurve& kurve, int darstellung,
                          const Spaltenraster& raster, double ende) {
  const std::vector<double> zeiten = Punktzeiten(kurve);
  const Geradenbereich b = SichtbareGeraden(zeiten, raster.Start(), ende);
  if (b.Leer()) return;
  if (darstellung == 1)
    LinienAnhaengen(zug, kurve, zeiten, b.von, b.bis, raster);
  else
    StufenAnhaengen(zug, kurve, zeiten, b.von, b.bis, raster);
}

void AktuelleBerechnen(Kurvenbild& bild, const Kurve& kurve, const std::vector<double>& zeiten,
                       int darstellung, const Spaltenraster& raster, double ende) {
  const Geradenbereich b = SichtbareGeraden(zeiten, raster.Start(), ende);
  if (b.Leer()) return;
  const int schluss = kurve.letzterPunkt();
  const int bisVorSchluss = std::min(b.bis, schluss - 1);
  const bool mitSchluss = b.bis == schluss;
  if (darstellung == 1 || darstellung == 3) {
    LinienAnhaengen(bild.linien, kurve, zeiten, b.von, bisVorSchluss, raster);
    if (mitSchluss) LinienAnhaengen(bild.schlusslinie, kurve, zeiten, schluss, schluss, raster);
  }
  // The point after the view as well: its marker may reach into it.
  PunkteAnhaengen(bild.punkte, kurve, zeiten, b.von, std::min(b.bis + 1, schluss), raster);
  if (darstellung == 2 || darstellung == 3) {
    StufenAnhaengen(bild.stufen, kurve, zeiten, b.von, bisVorSchluss, raster);
    if (mitSchluss) StufenAnhaengen(bild.schlussstufen, kurve, zeiten, schluss, schluss, raster);
  }
}

// Labels this many columns apart at least, so that they do not cover each other.
constexpr int kMarkenAbstand = 40;

}  // namespace

void ZeitbasisMarkenBerechnen(Grafikdaten& daten, const Kurve& kurve,
                              const std::vector<double>& zeiten, const Spaltenraster& raster,
                              int abstand) {
  const auto& p = kurve.punkte;
  daten.marken.push_back({0.0, p[0].zeitbasis, true});
  // Column of the last label; a label at 0 outside the view leaves room for the next one.
  const int nullspalte = raster.Spalte(0.0);
  int beschriftet = nullspalte >= 0 ? nullspalte : -abstand;
  // Only the points within the view can carry a visible marker.
  const auto anfang = std::lower_bound(zeiten.begin(), zeiten.end() - 1, raster.Start());
  std::size_t i = std::max<std::size_t>(1, anfang - zeiten.begin());
  int vorige = std::numeric_limits<int>::min();
  for (; i < p.size() && zeiten[i] < raster.Ende(); ++i) {
    if (p[i].zeitbasis == p[i - 1].zeitbasis) continue;
    const int spalte = raster.Spalte(zeiten[i]);
    Zeitbasismarke marke{zeiten[i], p[i].zeitbasis, spalte - beschriftet >= abstand};
    if (spalte == vorige) {
      marke.beschriftet = daten.marken.back().beschriftet;
      daten.marken.back() = marke;
      continue;
    }
    if (marke.beschriftet) beschriftet = spalte;
    daten.marken.push_back(marke);
    vorige = spalte;
  }
  for (std::size_t m = 1; m < daten.marken.size(); ++m) {
    const double t = daten.marken[m].t;
    daten.markenlinien.Anhaengen(t, 0);
    daten.markenlinien.Anhaengen(t, kKurvenwertMax);
    daten.markenlinien.Anhaengen(t, std::numeric_limits<double>::quiet_NaN());
  }
}

Grafikdaten GrafikdatenBerechnen(const Kurvensatz& satz, const Kurvendarstellung& darstellung,
                                 int breite, int breiteKlein) {
  Grafikdaten daten;
  const Ansicht& a = satz.ansicht;
  daten.xMin = a.gAnsichtStart;
  daten.xMax = a.gAnsichtEnde + 1;
  const Spaltenraster raster(daten.xMin, daten.xMax, breite);
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    if (!darstellung.hintergrund[k] || k == satz.gAktuelleKurve) continue;
    HintergrundBerechnen(daten.hintergrund[k], satz.gKurven[k], darstellung.gDarstellung, raster,
                         a.gAnsichtEnde);
  }
  const Kurve& kurve = satz.aktuelleKurve();
  const std::vector<double> zeiten = Punktzeiten(kurve);
  AktuelleBerechnen(daten.aktuell, kurve, zeiten, darstellung.gDarstellung, raster, a.gAnsichtEnde);
  if (darstellung.zeitbasisMarken)
    ZeitbasisMarkenBerechnen(daten, kurve, zeiten, raster, kMarkenAbstand);
  daten.kleinXMax = zeiten.back();
  const Spaltenraster klein(0.0, daten.kleinXMax, breiteKlein);
  LinienAnhaengen(daten.uebersicht, kurve, zeiten, 0, kurve.letzterPunkt(), klein);
  return daten;
}

Linienzug ZeichnenVorschaulinie(const Kurve& kurve, double t, double y) {
  Linienzug zug;
  const int letzter = kurve.letzterPunkt();
  zug.Anhaengen(Punktzeit(kurve, letzter), kurve.punkte[letzter].y);
  zug.Anhaengen(t, y);
  return zug;
}

Linienzug VerschiebenVorschaulinie(const Kurve& kurve, int punkt, double t, double y) {
  Linienzug zug;
  if (punkt < 0 || punkt >= kurve.anzahlPunkte()) return zug;
  if (punkt > 0) zug.Anhaengen(Punktzeit(kurve, punkt - 1), kurve.punkte[punkt - 1].y);
  zug.Anhaengen(t, y);
  zug.Anhaengen(Punktzeit(kurve, punkt + 1), GeradenEndwert(kurve, punkt));
  return zug;
}

Linienzug Geradenlinie(const Kurve& kurve, int segment) {
  Linienzug zug;
  if (segment < 0 || segment >= kurve.anzahlPunkte()) return zug;
  zug.Anhaengen(Punktzeit(kurve, segment), kurve.punkte[segment].y);
  zug.Anhaengen(Punktzeit(kurve, segment + 1), GeradenEndwert(kurve, segment));
  return zug;
}
