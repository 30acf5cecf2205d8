// The characteristic's graph data: the staircase drawn is the slot image's table, the drawing
// cost follows the pixel columns, the visible part and the continuation, the fields.

#include "characteristic/kennliniengrafikdaten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "characteristic/kennlinienabbild.h"

namespace {

// The value drawn on [X, X + 1) for X = 0..4094, read from the horizontal pieces of the
// staircases; -1 where nothing is drawn.
std::vector<int> GezeichneteWerte(const Kennliniengrafikdaten& d) {
  std::vector<int> werte(kKennlRohMax, -1);
  for (const Linienzug* zug : {&d.stufen, &d.ergaenzungsstufen})
    for (std::size_t i = 0; i + 1 < zug->Groesse(); ++i) {
      if (zug->y[i] != zug->y[i + 1] || !(zug->t[i + 1] > zug->t[i])) continue;
      for (int x = static_cast<int>(std::ceil(zug->t[i])); x < zug->t[i + 1] && x < kKennlRohMax;
           ++x)
        werte[x] = static_cast<int>(zug->y[i]);
    }
  return werte;
}

std::vector<int> Tabelle(const Kennlinie& k) {
  std::vector<uint8_t> abbild;
  EXPECT_EQ(KennlAbbildErstellen(k, 0, 256, abbild), 0);
  std::vector<int> werte(kKennlRohMax);
  for (int x = 0; x < kKennlRohMax; ++x)
    werte[x] = abbild[kKennlSlotKopf + 2 * x] << 8 | abbild[kKennlSlotKopf + 2 * x + 1];
  return werte;
}

Kennlinie Zufallskennlinie(std::mt19937& zufall) {
  Kennlinie k;
  k.punkte.clear();
  int x = 0;
  std::uniform_int_distribution<int> wert(0, kKennlRohMax), laenge(1, 300);
  while (true) {
    const int l = laenge(zufall);
    k.punkte.push_back({wert(zufall), l, 0});
    if (x + l > kKennlRohMax - 200) break;
    x += l;
  }
  k.punkte.back().laenge = 1;
  return k;
}

}  // namespace

TEST(Kennliniengrafikdaten, StufenSindDieTabelleDesAbbilds) {
  std::mt19937 zufall(12);
  for (int durchlauf = 0; durchlauf < 20; ++durchlauf) {
    Kennlinienzustand z;
    z.gKennlinie = Zufallskennlinie(zufall);
    // Four columns per X step: every step of the staircase keeps its own vertices.
    const Kennliniengrafikdaten d = KennliniengrafikBerechnen(z, 2, 4 * 4096, 100);
    EXPECT_EQ(GezeichneteWerte(d), Tabelle(z.gKennlinie)) << "run " << durchlauf;
    EXPECT_TRUE(d.linien.Leer());
    EXPECT_FALSE(d.punkte.Leer());
  }
  // The initial characteristic is all continuation at 4095.
  Kennlinienzustand z;
  const Kennliniengrafikdaten d = KennliniengrafikBerechnen(z, 3, 4 * 4096, 100);
  EXPECT_TRUE(d.stufen.Leer());
  EXPECT_EQ(GezeichneteWerte(d), std::vector<int>(kKennlRohMax, kKennlRohMax));
  EXPECT_EQ(d.ergaenzung.t, (std::vector<double>{0, 4095}));
}

TEST(Kennliniengrafikdaten, KostenFolgenDenSpalten) {
  // Read from the box: 4096 points of length 1, a sawtooth.
  Kennlinienzustand z;
  z.gKennlinie.punkte.clear();
  for (int x = 0; x < 4096; ++x) z.gKennlinie.punkte.push_back({(x * 37) % 4096, 1, 0});
  const Kennliniengrafikdaten d = KennliniengrafikBerechnen(z, 3, 500, 200);
  for (const Linienzug* zug : {&d.linien, &d.stufen, &d.punkte})
    EXPECT_LE(zug->Groesse(), 4u * 500 + 8);
  EXPECT_LE(d.uebersicht.Groesse(), 4u * 200 + 8);

  // Zoomed into 100..199: only the segments reaching into it, no continuation.
  z.gKennlAnsichtStart = 100;
  z.gKennlAnsichtEnde = 199;
  const Kennliniengrafikdaten teil = KennliniengrafikBerechnen(z, 1, 500, 200);
  EXPECT_EQ(teil.xMin, 100);
  EXPECT_EQ(teil.xMax, 200);
  EXPECT_GE(teil.linien.t.front(), 99);
  EXPECT_LE(teil.linien.t.back(), 201);
  EXPECT_TRUE(teil.ergaenzung.Leer());
  EXPECT_TRUE(teil.stufen.Leer());
}

TEST(Kennliniengrafikdaten, AchsenFelderUndVorschau) {
  Konfiguration konfig;
  konfig.outskalamax[0] = 100;
  konfig.outeinheit[0] = "bar";
  konfig.outskalamin[1] = 20;  // output 2 falls from 20 to 0 "mA"
  konfig.outskalamax[1] = 0;
  konfig.outeinheit[1] = "mA";
  konfig.ineinheit[0] = "%";
  Kennlinienzustand z;
  z.gKennlYZoomMin = 819;
  const Kennlachsen a = KennlAchsenBerechnen(z, konfig);
  EXPECT_DOUBLE_EQ(a.y.verstaerkung, 100.0 / 4095);
  EXPECT_EQ(a.y.einheit, "bar");
  EXPECT_EQ(a.x.einheit, "%");
  EXPECT_EQ(a.yMin, 819);
  const Kennlfelder f = KennlfelderBerechnen(z, konfig);
  EXPECT_DOUBLE_EQ(f.yZoomMin, 20);
  EXPECT_DOUBLE_EQ(f.yZoomMax, 100);
  EXPECT_EQ(f.begrenzungBeschriftung, "Analogausgang2 [mA]");
  EXPECT_DOUBLE_EQ(f.begrenzungMin, 0);
  EXPECT_DOUBLE_EQ(f.begrenzungMax, 20);

  Kennlinie k;
  k.punkte = {{0, 100, 0}, {4095, 50, 0}, {2000, 1, 0}};
  EXPECT_EQ(KennlZeichnenVorschaulinie(k, {300, 10}).t, (std::vector<double>{150, 300}));
  EXPECT_EQ(KennlVerschiebenVorschaulinie(k, 1, {120, 7}).t, (std::vector<double>{0, 120, 150}));
  EXPECT_EQ(KennlVerschiebenVorschaulinie(k, 0, {0, 7}).t, (std::vector<double>{0, 100}));
  EXPECT_EQ(KennlVerschiebenVorschaulinie(k, 2, {170, 7}).y, (std::vector<double>{4095, 7}));
  EXPECT_EQ(KennlPunktmarke(k, 1).y, (std::vector<double>{4095}));
  EXPECT_TRUE(KennlPunktmarke(k, 3).Leer());
}
