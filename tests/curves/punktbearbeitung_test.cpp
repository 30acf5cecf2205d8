#include "curves/punktbearbeitung.h"

#include <gtest/gtest.h>

#include "tests/curves/kurventesthilfe.h"

TEST(PunktZeichnen, HaengtPunktAnOderLehntZuLangeGeradeAb) {
  Kurvenumgebung u;
  EXPECT_FALSE(PunktZeichnen(u.b, 20e6, 1000, 9));
  EXPECT_EQ(u.Meldung(), "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.");
  EXPECT_EQ(u.punkte(), std::vector<Kurvenpunkt>{Kurvenpunkt{}});
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.Schritte(), 0);

  ASSERT_TRUE(PunktZeichnen(u.b, 20e6, 1000.4, 1));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 20000, 1}, {1000, 1, 1}}));
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.Schritte(), 1);

  // Left of the last point: one unit of the chosen time base.
  ASSERT_TRUE(PunktZeichnen(u.b, 100, 5000, 2));
  EXPECT_EQ(u.punkte()[1], (Kurvenpunkt{1000, 1, 2}));
  EXPECT_EQ(u.punkte()[2], (Kurvenpunkt{4095, 1, 2}));
  EXPECT_EQ(Punktzeit(u.kurve(), 2), 20002000.0);
}

TEST(PunktZeichnen, YRasterUndVorschau) {
  Kurvenumgebung u;
  u.satz.gYRaster[0] = 1.0;  // 1 V = 409.5 raw
  EXPECT_EQ(YRasterAnwenden(u.satz, u.konfig, 0, 1000), 819);
  EXPECT_EQ(YRasterAnwenden(u.satz, u.konfig, 0, 4090), 4095);
  EXPECT_EQ(YRasterAnwenden(u.satz, u.konfig, 0, -300), 0);
  u.satz.gYRaster[0] = 0;
  EXPECT_EQ(YRasterAnwenden(u.satz, u.konfig, 0, 1000.4), 1000);

  u.punkte() = {{0, 5, 3}, {0, 1, 3}};  // last point at 25 ms
  const Grafikpunkt links = ZeichnenVorschau(u.b, 0, 7.6, 2);
  EXPECT_EQ(links.t, 27000.0);
  EXPECT_EQ(links.y, 8);
  EXPECT_EQ(ZeichnenVorschau(u.b, 28100, 0, 2).t, 29000.0);
  ASSERT_TRUE(PunktZeichnen(u.b, 28100, 0, 2));
  EXPECT_EQ(Punktzeit(u.kurve(), 2), 29000.0);
}

TEST(PunktAufloesen, Verweigerungen) {
  Kurvenumgebung u;
  EXPECT_FALSE(PunktAufloesen(u.b, 0, 0, u.plot));
  EXPECT_EQ(u.Meldung(), "Letzter Punkt kann nicht gelöscht werden");

  u.punkte() = {{0, 10, 1}, {500, 10, 2}, {0, 1, 2}};
  const auto vorher = u.punkte();
  u.satz.ansicht = {0, 40000};
  EXPECT_FALSE(PunktAufloesen(u.b, 10000, 500, u.plot));
  EXPECT_EQ(u.Meldung(),
            "Punkt kann nicht gelöscht werden, da die beiden angrenzenden \nGeraden "
            "unterschiedliche Zeitbasen haben. \nWandeln Sie die Zeitbasis von einer der "
            "Geraden in die der anderen um.");
  u.punkte() = {{0, 65000, 9}, {500, 536, 9}, {0, 1, 9}};
  EXPECT_FALSE(PunktAufloesen(u.b, 16250000, 500, u.plot));
  EXPECT_EQ(u.Meldung(),
            "Punkt kann nicht gelöscht werden, da die resultierende \nGerade zu lang wäre. "
            "\nWandeln Sie die Geraden in eine größere Zeitbasis um.");
  EXPECT_EQ(u.punkte()[0].laenge, 65000);
  EXPECT_EQ(u.Schritte(), 0);
}

TEST(PunktAufloesen, InnererErsterUndLetzterPunkt) {
  Kurvenumgebung u;
  u.satz.ansicht = {0, 40000};
  u.punkte() = {{0, 10, 1}, {500, 20, 1}, {900, 3, 2}, {0, 1, 2}};
  ASSERT_TRUE(PunktAufloesen(u.b, 10000, 500, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 30, 1}, {900, 3, 2}, {0, 1, 2}}));
  EXPECT_EQ(Kurvendauer(u.kurve()), 38000.0);
  ASSERT_TRUE(PunktAufloesen(u.b, 36000, 0, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 30, 1}, {900, 1, 2}}));
  ASSERT_TRUE(PunktAufloesen(u.b, 0, 0, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{900, 1, 2}}));
  EXPECT_EQ(u.Schritte(), 3);
}

TEST(NaechsterPunkt, PixelabstandUndGleichstand) {
  Kurve kurve;
  kurve.punkte = {{0, 1, 1}, {4095, 1, 1}};
  const Ansicht ansicht{0, 9999};
  EXPECT_EQ(NaechsterPunkt(kurve, 500, 4095, ansicht, {1000, 400}), 1);
  EXPECT_EQ(NaechsterPunkt(kurve, 500, 2047.5, ansicht, {1000, 400}), 0);
  EXPECT_EQ(NaechsterPunkt(kurve, 900, 0, ansicht, {1000, 1}), 1);
  EXPECT_EQ(NaechsterPunkt(kurve, 900, 0, ansicht, {1000, 400}), 0);
}
