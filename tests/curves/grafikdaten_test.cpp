// The data handed to the curve graphs: the literal staircase as golden reference at pixel
// resolution, bounded sizes for heavy curves, and the pictures the display promises.

#include "curves/grafikdaten.h"

#include <gtest/gtest.h>

#include <random>

#include "curves/kurvenansicht.h"
#include "editor/spaltenlaeufe.h"
#include "tests/curves/literalestufen.h"
#include "tests/curves/stresskurven.h"

namespace {

std::size_t Groesster(const Grafikdaten& d) {
  std::size_t n = std::max({d.aktuell.linien.Groesse(), d.aktuell.schlusslinie.Groesse(),
                            d.aktuell.punkte.Groesse(), d.aktuell.stufen.Groesse(),
                            d.aktuell.schlussstufen.Groesse(), d.markenlinien.Groesse(),
                            d.uebersicht.Groesse()});
  for (const Linienzug& h : d.hintergrund) n = std::max(n, h.Groesse());
  return n;
}

Kurve Zufallskurve(std::mt19937& zufall) {
  Kurve kurve;
  const int n = std::uniform_int_distribution<int>(1, 120)(zufall);
  kurve.punkte.clear();
  for (int i = 0; i < n; ++i) {
    const int art = std::uniform_int_distribution<int>(0, 9)(zufall);
    const int laenge = art < 6   ? std::uniform_int_distribution<int>(1, 12)(zufall)
                       : art < 9 ? std::uniform_int_distribution<int>(1, 400)(zufall)
                                 : std::uniform_int_distribution<int>(1, 6000)(zufall);
    kurve.punkte.push_back({std::uniform_int_distribution<int>(0, 4095)(zufall), laenge,
                            kZeitbasisListe[std::uniform_int_distribution<int>(0, 8)(zufall)]});
  }
  return kurve;
}

}  // namespace

TEST(Grafikdaten, VerdichteteStufenGleichDerLiteralenTreppeJeSpalte) {
  std::mt19937 zufall(4711);
  for (int lauf = 0; lauf < 400; ++lauf) {
    const Kurve kurve = Zufallskurve(zufall);
    const std::vector<double> zeiten = Punktzeiten(kurve);
    const double dauer = zeiten.back();
    const double start =
        std::floor(std::uniform_real_distribution<double>(-0.1, 0.9)(zufall) * dauer);
    const double breite =
        std::max(1.0, std::floor(std::uniform_real_distribution<double>(0, 1.3)(zufall) * dauer));
    const int spalten = std::uniform_int_distribution<int>(1, 1500)(zufall);
    const Spaltenraster raster(std::max(0.0, start), std::max(0.0, start) + breite, spalten);
    const Geradenbereich b = SichtbareGeraden(zeiten, raster.Start(), raster.Ende() - 1);
    if (b.Leer()) continue;

    Linienzug stufen, linien, volleLinien;
    StufenAnhaengen(stufen, kurve, zeiten, b.von, b.bis, raster);
    ASSERT_EQ(Rastern(stufen, raster), Rastern(LiteraleStufen(kurve, b.von, b.bis), raster))
        << "Lauf " << lauf;
    ASSERT_LE(stufen.Groesse(), 4u * spalten + 2);

    // The lines keep their picture as well.
    LinienAnhaengen(linien, kurve, zeiten, b.von, b.bis, raster);
    for (int i = b.von; i <= b.bis + 1; ++i)
      volleLinien.Anhaengen(zeiten[i], kurve.punkte[i % kurve.anzahlPunkte()].y);
    ASSERT_EQ(Rastern(linien, raster), Rastern(volleLinien, raster)) << "Lauf " << lauf;
    ASSERT_LE(linien.Groesse(), 4u * spalten + 2);
  }
}

// The rows y0..y1 (pixel coordinates) take on a screen whose rows are oben..unten: none, or
// floor(y0)..floor(y1) clipped to them.
Spaltenumfang Zeilen(double y0, double y1, int oben, int unten) {
  Spaltenumfang u;
  if (y1 < y0 || y1 < oben || y0 >= unten + 1) return u;
  u.Dazu(std::max<double>(std::floor(y0), oben));
  u.Dazu(std::min<double>(std::floor(y1), unten));
  return u;
}

// What the screen shows of SpaltenZeichnen's result per column: its runs and its lines (each
// line at its full extent per column), clipped to the rows.
std::vector<Spaltenumfang> Gezeichnet(const Spaltenzeichnung& z, const Spaltenraster& raster,
                                      int oben, int unten) {
  std::vector<Spaltenumfang> spalten(raster.Spalten());
  const auto dazu = [&](int c, const Spaltenumfang& u) {
    if (u.min > u.max) return;
    spalten[c].Dazu(u.min);
    spalten[c].Dazu(u.max);
  };
  const int links = static_cast<int>(raster.Start());
  for (const Spaltenlauf& l : z.laeufe) dazu(l.spalte - links, Zeilen(l.von, l.bis, oben, unten));
  for (const Pixelstrecke& s : z.strecken) {
    Linienzug strich;
    strich.Anhaengen(s.x0, s.y0);
    strich.Anhaengen(s.x1, s.y1);
    const std::vector<Spaltenumfang> u = Rastern(strich, raster);
    for (int c = 0; c < raster.Spalten(); ++c) dazu(c, Zeilen(u[c].min, u[c].max, oben, unten));
  }
  return spalten;
}

TEST(Grafikdaten, SpaltenlaeufeZeigenDieLiteraleTreppeInPixeln) {
  // The literal staircase in pixel coordinates of a plot area from column 40 to 439 and row 10
  // to 309, drawn by SpaltenZeichnen, against the rows it takes per pixel column.
  constexpr int kLinks = 40, kRechts = 439, kOben = 10, kUnten = 309;
  const Spaltenraster pixel(kLinks, kRechts + 1, kRechts - kLinks + 1);
  std::mt19937 zufall(815);
  for (int lauf = 0; lauf < 100; ++lauf) {
    const Kurve kurve = Zufallskurve(zufall);
    const Linienzug literal = LiteraleStufen(kurve, 0, kurve.letzterPunkt());
    // A view from a random start over a random share of the curve, Y zoomed in at times.
    const double dauer = literal.t.back();
    const double start = std::uniform_real_distribution<double>(-0.1, 0.8)(zufall) * dauer;
    const double breite = std::uniform_real_distribution<double>(0.001, 1.2)(zufall) * dauer;
    const double yMax = std::uniform_int_distribution<int>(1000, 4095)(zufall);
    std::vector<double> x, y;
    for (std::size_t i = 0; i < literal.Groesse(); ++i) {
      x.push_back(kLinks + (literal.t[i] - start) / breite * (kRechts + 1 - kLinks));
      y.push_back(kOben + (yMax - literal.y[i]) / yMax * (kUnten + 1 - kOben));
    }
    Linienzug zug;
    zug.t = x;
    zug.y = y;
    std::vector<Spaltenumfang> erwartet = Rastern(zug, pixel);
    for (Spaltenumfang& u : erwartet) u = Zeilen(u.min, u.max, kOben, kUnten);
    const Spaltenzeichnung z = SpaltenZeichnen(x, y, kLinks, kRechts, kOben, kUnten);
    ASSERT_EQ(Gezeichnet(z, pixel, kOben, kUnten), erwartet) << "Lauf " << lauf;
    // At most one run per column, and no more lines than the polyline has pieces.
    ASSERT_LE(z.laeufe.size(), std::size_t{kRechts - kLinks + 1} + z.strecken.size());
  }
}

TEST(Grafikdaten, StufenEinerGeradeUndSchlussstueck) {
  Kurvensatz satz;
  satz.aktuelleKurve().punkte = {{0, 4, 9}, {4095, 1, 9}};
  satz.ansicht = {0, 1249};
  const Grafikdaten d = GrafikdatenBerechnen(satz, Kurvendarstellung{2}, 1000, 200);
  EXPECT_EQ(d.aktuell.stufen.t, (std::vector<double>{0, 250, 250, 500, 500, 750, 750, 1000, 1000}));
  EXPECT_EQ(d.aktuell.stufen.y,
            (std::vector<double>{0, 0, 1024, 1024, 2048, 2048, 3071, 3071, 4095}));
  EXPECT_EQ(d.aktuell.schlussstufen.t, (std::vector<double>{1000, 1250, 1250}));
  EXPECT_EQ(d.aktuell.schlussstufen.y, (std::vector<double>{4095, 4095, 0}));
  EXPECT_TRUE(d.aktuell.linien.Leer());
  EXPECT_TRUE(d.aktuell.schlusslinie.Leer());
  EXPECT_EQ(d.aktuell.punkte.t, (std::vector<double>{0, 1000}));

  const Grafikdaten linien = GrafikdatenBerechnen(satz, Kurvendarstellung{1}, 1000, 200);
  EXPECT_EQ(linien.aktuell.linien.t, (std::vector<double>{0, 1000}));
  EXPECT_EQ(linien.aktuell.linien.y, (std::vector<double>{0, 4095}));
  EXPECT_EQ(linien.aktuell.schlusslinie.y, (std::vector<double>{4095, 0}));
  EXPECT_TRUE(linien.aktuell.stufen.Leer());
  EXPECT_EQ(GrafikdatenBerechnen(satz, Kurvendarstellung{3}, 1000, 200).aktuell.stufen.Groesse(),
            9u);
}

TEST(Grafikdaten, AnsichtHinterDemEndeUndUebersicht) {
  Kurvensatz satz;
  satz.aktuelleKurve().punkte = {{100, 2, 4}, {3000, 1, 4}};  // 0 .. 30000 us
  satz.ansicht = {40000, 49999};
  const Grafikdaten d = GrafikdatenBerechnen(satz, Kurvendarstellung{}, 800, 300);
  EXPECT_EQ(d.xMin, 40000);
  EXPECT_EQ(d.xMax, 50000);
  EXPECT_TRUE(d.aktuell.linien.Leer() && d.aktuell.schlusslinie.Leer() && d.aktuell.punkte.Leer() &&
              d.aktuell.stufen.Leer() && d.aktuell.schlussstufen.Leer());
  EXPECT_EQ(d.kleinXMax, 30000);
  EXPECT_EQ(d.uebersicht.t, (std::vector<double>{0, 20000, 30000}));
  EXPECT_EQ(d.uebersicht.y, (std::vector<double>{100, 3000, 100}));

  // A view starting at the curve's end still plots the closing segment.
  satz.ansicht = {30000, 39999};
  EXPECT_FALSE(
      GrafikdatenBerechnen(satz, Kurvendarstellung{}, 800, 300).aktuell.schlusslinie.Leer());

  // With the initial curve, the whole curve is 0..9999 and the frame spans the overview.
  Kurvensatz neu;
  AnsichtGesamtkurve(neu);
  const Grafikdaten g = GrafikdatenBerechnen(neu, Kurvendarstellung{}, 800, 300);
  EXPECT_EQ(g.xMin, 0);
  EXPECT_EQ(g.xMax, 10000);
  EXPECT_EQ(g.kleinXMax, 10000);
}

TEST(Grafikdaten, PunktmarkenNurWoPunkteAuseinanderstehen) {
  // Points at 0, 1000, 1250 and 3250 us, the curve ends at 4250 us.
  Kurvensatz satz;
  satz.aktuelleKurve().punkte = {{10, 4, 9}, {20, 1, 9}, {30, 8, 9}, {40, 4, 9}};
  struct Fall {
    Ansicht ansicht;
    int spalten;
    std::vector<double> marken;
  };
  const Fall faelle[] = {
      {{0, 4249}, 425, {0, 1000, 1250, 3250}},  // 10 us per column: all apart
      {{0, 4249}, 50, {0, 3250}},               // 85 us: 1000 and 1250 lie 3 columns apart
      {{0, 4249}, 10, {}},                      // 425 us: every point next to another
      {{0, 1149}, 115, {0, 1000}},              // 1250 lies 10 columns after the view
      {{1200, 3199}, 200, {1250, 3250}},        // 3250 lies 5 columns after it: half shown
      {{1200, 3189}, 199, {1250}},              // 6 columns: out of sight
      {{1310, 3199}, 189, {3250}}};             // 1250 lies 6 columns before the view
  for (const Fall& f : faelle) {
    satz.ansicht = f.ansicht;
    const Grafikdaten d = GrafikdatenBerechnen(satz, Kurvendarstellung{}, f.spalten, 100);
    EXPECT_EQ(d.aktuell.punkte.t, f.marken) << f.ansicht.gAnsichtEnde << " " << f.spalten;
  }
  // A read-back curve at full view: a point per time unit, no markers.
  Kurvensatz gelesen = GeleseneKurve();
  AnsichtGesamtkurve(gelesen);
  EXPECT_TRUE(GrafikdatenBerechnen(gelesen, Kurvendarstellung{}, 1200, 100).aktuell.punkte.Leer());
}

TEST(Grafikdaten, HintergrundkurvenFolgenDenSchaltern) {
  Kurvensatz satz;
  for (int k = 0; k < kKurvenAnzahl; ++k) satz.gKurven[k].punkte = {{k * 1000, 1, 4}};
  satz.gKurven[3].punkte = {{3000, 2, 4}, {1000, 1, 4}};
  satz.gAktuelleKurve = 1;
  Kurvendarstellung wahl{1, {true, true, false, true}};
  Grafikdaten d = GrafikdatenBerechnen(satz, wahl, 500, 100);
  EXPECT_FALSE(d.hintergrund[0].Leer());
  EXPECT_TRUE(d.hintergrund[1].Leer());  // the current curve is never its own background
  EXPECT_TRUE(d.hintergrund[2].Leer());
  EXPECT_EQ(d.hintergrund[3].y, (std::vector<double>{3000, 1000}));  // lines in mode 1

  wahl.gDarstellung = 3;  // staircase in modes 2 and 3
  d = GrafikdatenBerechnen(satz, wahl, 500, 100);
  EXPECT_EQ(d.hintergrund[3].y, (std::vector<double>{3000, 3000, 2000, 2000}));
  satz.gAktuelleKurve = 0;
  d = GrafikdatenBerechnen(satz, Kurvendarstellung{}, 500, 100);
  for (const Linienzug& h : d.hintergrund) EXPECT_TRUE(h.Leer());
}

TEST(Grafikdaten, ZeitbasisMarken) {
  Kurvensatz satz;
  satz.aktuelleKurve().punkte = {{0, 4, 9}, {10, 1, 1}, {20, 2, 1}, {30, 1, 9}, {40, 1, 4}};
  satz.ansicht = {0, 14249};
  const Grafikdaten ohne = GrafikdatenBerechnen(satz, Kurvendarstellung{}, 1000, 100);
  EXPECT_TRUE(ohne.marken.empty());
  const Grafikdaten d = GrafikdatenBerechnen(satz, Kurvendarstellung{3, {}, true}, 1000, 100);
  ASSERT_EQ(d.marken.size(), 4u);
  EXPECT_EQ(d.marken[0].t, 0);
  EXPECT_EQ(d.marken[0].zeitbasis, 9);
  EXPECT_EQ(d.marken[1].t, 1000);
  EXPECT_EQ(d.marken[1].zeitbasis, 1);
  EXPECT_EQ(d.marken[2].t, 4000);
  EXPECT_EQ(d.marken[3].t, 4250);
  EXPECT_FALSE(d.marken[3].beschriftet);  // too close to the label before
  EXPECT_EQ(d.markenlinien.Groesse(), 9u);
  EXPECT_EQ(d.markenlinien.y[1], 4095);
  EXPECT_TRUE(std::isnan(d.markenlinien.y[2]));

  // Many markers in one column: one line, carrying the time base after the column.
  satz.ansicht = {0, 4249};
  const Grafikdaten eng = GrafikdatenBerechnen(satz, Kurvendarstellung{3, {}, true}, 1, 100);
  ASSERT_EQ(eng.marken.size(), 2u);
  EXPECT_EQ(eng.marken[1].t, 4000);
  EXPECT_EQ(eng.marken[1].zeitbasis, 9);
}

TEST(Grafikdaten, GroesseBleibtBeiSchwerenKurvenBeschraenkt) {
  constexpr int kBreite = 1200, kKlein = 600;
  const auto pruefen = [&](Kurvensatz& satz, const char* name) {
    const double dauer = Kurvendauer(satz.aktuelleKurve());
    const Ansicht ansichten[] = {{0, dauer - 1},
                                 {dauer / 3, dauer / 3 + dauer / 50},
                                 {dauer / 2, dauer / 2 + 5000000},
                                 {0, 9999}};
    for (const Ansicht& a : ansichten) {
      satz.ansicht = a;
      const Grafikdaten d = GrafikdatenBerechnen(
          satz, Kurvendarstellung{3, {true, true, true, true}, true}, kBreite, kKlein);
      EXPECT_LE(Groesster(d), 4u * kBreite + 8) << name << " " << a.gAnsichtStart;
      EXPECT_LE(d.marken.size(), kBreite + 2u) << name;
    }
  };
  Kurvensatz lang = LangeKurven();
  pruefen(lang, "3000 x 65535 s");
  lang.gAktuelleKurve = 2;
  pruefen(lang, "3000 x 65535 s, Kurve 3");
  Kurvensatz gelesen = GeleseneKurve();
  pruefen(gelesen, "30704 Punkte");
}

TEST(Grafikdaten, Vorschaulinien) {
  Kurve kurve;
  kurve.punkte = {{0, 4, 9}, {4095, 2, 9}, {100, 1, 9}};  // times 0, 1000, 1500, end 1750
  const Linienzug zeichnen = ZeichnenVorschaulinie(kurve, 2000, 7);
  EXPECT_EQ(zeichnen.t, (std::vector<double>{1500, 2000}));
  EXPECT_EQ(zeichnen.y, (std::vector<double>{100, 7}));
  EXPECT_EQ(VerschiebenVorschaulinie(kurve, 1, 1250, 9).t, (std::vector<double>{0, 1250, 1500}));
  EXPECT_EQ(VerschiebenVorschaulinie(kurve, 0, 0, 9).y, (std::vector<double>{9, 4095}));
  EXPECT_EQ(VerschiebenVorschaulinie(kurve, 2, 1500, 9).y, (std::vector<double>{4095, 9, 0}));
  EXPECT_EQ(Geradenlinie(kurve, 2).t, (std::vector<double>{1500, 1750}));
  EXPECT_EQ(Geradenlinie(kurve, 2).y, (std::vector<double>{100, 0}));
  EXPECT_TRUE(Geradenlinie(kurve, 3).Leer());
}
