#include "curves/grafikdaten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

void StufenAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster) {
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) {
    const Kurvenpunkt& p = kurve.punkte[i];
    const int y1 = GeradenEndwert(kurve, i);
    StufenzugAnhaengen(
        v, raster, zeiten[i], p.y, y1, p.laenge, ZeitbasisDauer(p.zeitbasis),
        [&](long long k) { return Stufenwert(p.y, y1, p.laenge, static_cast<int>(k)); });
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
  Spaltenverdichter v(zug, raster);
  for (int i = von; i <= bis && v.Offen(); ++i) v.Punkt(zeiten[i], kurve.punkte[i].y);
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
  PunkteAnhaengen(bild.punkte, kurve, zeiten, b.von, b.bis, raster);
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
