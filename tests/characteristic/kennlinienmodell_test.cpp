#include "characteristic/kennlinienmodell.h"

#include <gtest/gtest.h>

#include "characteristic/kennlinienraster.h"
#include "tests/characteristic/kennlinientesthilfe.h"

TEST(Kennlinienmodell, AnfangUndPositionen) {
  Kennlinienzustand z;
  z.gKennlXRaster = 5;
  z.gKennlinie.punkte = Punkte({{1, 2}});
  z.gKennlAnsichtEnde = 17;
  ASSERT_EQ(KennlAnlegen(z), 0);
  EXPECT_EQ(z.gKennlinie.punkte, Punkte({{4095, 0}}));
  EXPECT_EQ(KennlLaenge(z.gKennlinie), 0);
  EXPECT_EQ(z.gKennlAnsichtEnde, 4094);
  EXPECT_EQ(z.gKennlXRaster, 5);  // a panel field

  Kennlinie k;
  k.punkte = Punkte({{0, 100}, {4095, 1}});
  EXPECT_EQ(KennlPunktX(k, 1), 100);
  EXPECT_EQ(KennlLaenge(k), 101);
  EXPECT_EQ(KennlLetztesX(k), 100);
  EXPECT_EQ(KennlGeradeZuX(k, 99.9), 0);
  EXPECT_EQ(KennlGeradeZuX(k, 100), 1);
  EXPECT_EQ(KennlGeradeZuX(k, 5000), 1);
  EXPECT_TRUE(KennlinieGueltig(k));
  k.punkte = Punkte({{0, 4095}, {1, 1}, {2, 0}});
  EXPECT_FALSE(KennlinieGueltig(k));  // the last point beyond 4095
  k.punkte = Punkte({{0, 0}, {1, 1}});
  EXPECT_FALSE(KennlinieGueltig(k));
  k.punkte = Punkte({{4096, 0}});
  EXPECT_FALSE(KennlinieGueltig(k));
}

TEST(Kennlinienmodell, LeerenBehaeltRingUndGeaendert) {
  Kennlinienzustand z;
  Konfiguration konfig = RohEinheiten();
  konfig.inskalamin[0] = -5;  // BEGRENZUNG takes the input's unit value of raw 0
  z.gKennlinie.punkte = Punkte({{0, 10}, {5, 1}});
  z.gKennlinie.kommentar = "alt";
  z.gKennlGeaendert = true;
  z.gKennlDateiname = "a.ske";
  z.gKennlAnstiegszeit = 7;
  z.rueckgaengig.sgAnzahlRueckgaengig = 3;
  ASSERT_EQ(KennlLeeren(z, konfig), 0);
  EXPECT_EQ(z.gKennlinie.punkte, Punkte({{4095, 0}}));
  EXPECT_EQ(z.gKennlinie.kommentar, "");
  EXPECT_DOUBLE_EQ(z.gKennlBegrenzung, -5);
  EXPECT_EQ(z.gKennlAnstiegszeit, 0.1);
  EXPECT_EQ(z.gKennlDateiname, "");
  EXPECT_TRUE(z.gKennlGeaendert);
  EXPECT_EQ(z.rueckgaengig.sgAnzahlRueckgaengig, 3);
}

TEST(Kennlinienmodell, Raster) {
  Kennlinienzustand z;
  const Konfiguration konfig = RohEinheiten();
  struct Fall {
    double raster, x;
    Rasterrichtung richtung;
    double erwartet;
  };
  const Fall faelle[] = {
      {10, 104, Rasterrichtung::NAECHSTES, 100},  {10, 100, Rasterrichtung::AUFWAERTS, 110},
      {10, 100, Rasterrichtung::ABWAERTS, 90},    {10, 4094, Rasterrichtung::AUFWAERTS, 4095},
      {10, 0, Rasterrichtung::ABWAERTS, 0},       {0, 104.4, Rasterrichtung::NAECHSTES, 104},
      {0, 104.5, Rasterrichtung::AUFWAERTS, 105}, {0, -3, Rasterrichtung::ABWAERTS, 0},
      {0, 5000, Rasterrichtung::NAECHSTES, 4095}};
  for (const Fall& f : faelle) {
    z.gKennlXRaster = f.raster;
    EXPECT_EQ(KennlXRaster(z, konfig, f.x, f.richtung), f.erwartet) << f.raster << " " << f.x;
  }
  // The Y grid is anchored at the unit value 0: with output 1 shown as -100..3995 a grid of 50
  // lies on raw 100, 150, ...
  Konfiguration versetzt = konfig;
  versetzt.outskalamin[0] = -100;
  versetzt.outskalamax[0] = 3995;
  z.gKennlYRaster = 50;
  EXPECT_EQ(KennlYRaster(z, versetzt, 124), 100);
  EXPECT_EQ(KennlYRaster(z, versetzt, 126), 150);
  EXPECT_EQ(KennlYRaster(z, versetzt, 4090), 4095);
  z.gKennlYRaster = 0;
  EXPECT_EQ(KennlYRaster(z, versetzt, 124.5), 125);
}

TEST(Kennlinienmodell, NaechsterPunktNimmtBeiGleichstandDenErsten) {
  Kennlinienzustand z;
  z.gKennlinie.punkte = Punkte({{1000, 100}, {3000, 100}, {0, 1}});
  const Plotgroesse plot{4095, 4095};
  EXPECT_EQ(KennlNaechsterPunkt(z, 50, 2000, plot), 0);  // points 0 and 1 equally near
  EXPECT_EQ(KennlNaechsterPunkt(z, 200, 0, plot), 2);
  EXPECT_EQ(KennlNaechsterPunkt(z, 100, 2999, plot), 1);
}
