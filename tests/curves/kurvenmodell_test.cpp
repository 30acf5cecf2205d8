#include "curves/kurvenmodell.h"

#include <gtest/gtest.h>

#include "curves/kurvensatz.h"
#include "curves/zeitanzeige.h"

TEST(Zeitbasis, CodesDauernUndNamen) {
  std::string liste;
  for (int code : kZeitbasisListe) liste += ZeitbasisName(code) + ",";
  EXPECT_EQ(liste, "250us,1ms,2ms,5ms,10ms,50ms,100ms,500ms,1s,");
  EXPECT_EQ(ZeitbasisDauer(9), 250.0);
  EXPECT_EQ(ZeitbasisDauer(8), 1000000.0);
  EXPECT_EQ(ZeitbasisDauer(0), 0.0);
  EXPECT_EQ(ZeitbasisDauer(10), 0.0);
  EXPECT_EQ(ZeitbasisName(0), " ");
  EXPECT_EQ(ZeitbasisAusName("250us"), 9);
  EXPECT_EQ(ZeitbasisAusName("250 us"), 0);
  EXPECT_EQ(ZeitbasisAusName("1S"), 0);
}

TEST(Kurvenmodell, DauernPunktzeitenUndGeradeZurZeit) {
  EXPECT_EQ(Kurvendauer(Kurve{}), 10000.0);
  Kurve kurve;
  kurve.punkte = {{0, 4, 9}, {4095, 1, 9}};
  EXPECT_EQ(Kurvendauer(kurve), 1250.0);
  EXPECT_EQ(Punktzeit(kurve, 0), 0.0);
  EXPECT_EQ(Punktzeit(kurve, 1), 1000.0);
  EXPECT_EQ(GeradeZurZeit(kurve, 999.9), 0);
  EXPECT_EQ(GeradeZurZeit(kurve, 1000), 1);
  EXPECT_EQ(GeradeZurZeit(kurve, 5000), 1);
  EXPECT_EQ(GeradeZurZeit(kurve, -3), 0);
  EXPECT_EQ(GeradenEndwert(kurve, 0), 4095);
  EXPECT_EQ(GeradenEndwert(kurve, 1), 0);

  kurve.punkte = {{0, 65535, 8}, {0, 65535, 8}, {0, 1, 9}};
  EXPECT_EQ(Geradendauer(kurve.punkte[0]), 65535000000.0);
  EXPECT_EQ(Kurvendauer(kurve), 131070000250.0);
  EXPECT_EQ(GeradeZurZeit(kurve, 131070000000.0), 2);
}

TEST(Kurvenmodell, StufenDerDigitalisiertenGeraden) {
  EXPECT_EQ(DigitalisierteWerte(0, 4095, 4, 250), (std::vector<int>{0, 1024, 2048, 3071}));
  EXPECT_EQ(DigitalisierteWerte(4095, 0, 2, 1000000), (std::vector<int>{4095, 2048}));
  EXPECT_TRUE(DigitalisierteWerte(0, 4095, 4, 0).empty());

  // The closed formula agrees with the sampled staircase on every unit.
  Kurve kurve;
  kurve.punkte = {{17, 65535, 9}, {4000, 3, 8}, {1, 997, 1}, {2222, 1, 5}};
  for (int i = 0; i < kurve.anzahlPunkte(); ++i) {
    const Kurvenpunkt& p = kurve.punkte[i];
    const std::vector<int> werte =
        DigitalisierteWerte(p.y, GeradenEndwert(kurve, i), p.laenge, ZeitbasisDauer(p.zeitbasis));
    ASSERT_EQ(werte.size(), static_cast<size_t>(p.laenge));
    for (int k = 0; k < p.laenge; ++k) ASSERT_EQ(StufenwertBei(kurve, i, k), werte[k]) << i;
  }
  EXPECT_EQ(StufenwertBei(kurve, 3, 0), 2222);
}

TEST(Kurvensatz, AnlegenLeerenUebernehmenUndSpeicherbedarf) {
  Kurvensatz satz;
  satz.gKurven[2].punkte = {{5, 7, 1}, {9, 1, 1}};
  satz.gKurven[2].kommentar = "alt";
  satz.gZyklen[2] = 3;
  satz.gRuhezustand[2] = 100;
  satz.gYZoomMax[2] = 2000;
  satz.gYRaster[2] = 0.5;
  satz.gKurvenGeaendert = true;
  satz.gKurvendateiname = "/tmp/a.skr";
  satz.sgZwischenablage = {{1, 1, 1}};
  EXPECT_EQ(Speicherbedarf(satz), 32 + 2 * (3 + 8));

  ASSERT_EQ(KurvenLeeren(satz), 0);
  EXPECT_EQ(satz.gKurven[2].punkte, std::vector<Kurvenpunkt>{Kurvenpunkt{}});
  EXPECT_EQ(satz.gKurven[2].kommentar, "");
  EXPECT_EQ(satz.gZyklen[2] + satz.gRuhezustand[2], 0);
  EXPECT_EQ(satz.gKurvendateiname, "");
  EXPECT_EQ(satz.gYZoomMax[2], 2000);
  EXPECT_EQ(satz.gYRaster[2], 0.5);
  EXPECT_TRUE(satz.gKurvenGeaendert);
  EXPECT_EQ(Speicherbedarf(satz), 40);

  ASSERT_EQ(KurveUebernehmen(satz.gKurven[1], {{1, 2, 3}, {4, 5, 6}}), 0);
  EXPECT_EQ(satz.gKurven[1].anzahlPunkte(), 2);
  ASSERT_EQ(PunktspeicherAnpassen(satz.gKurven[1], 1), 0);
  EXPECT_EQ(satz.gKurven[1].punkte, (std::vector<Kurvenpunkt>{{1, 2, 3}}));

  ASSERT_EQ(KurvenAnlegen(satz), 0);
  EXPECT_EQ(satz.gYZoomMax[2], 4095);
  EXPECT_TRUE(satz.sgZwischenablage.empty());
  EXPECT_EQ(satz.ansicht.gAnsichtEnde, 10000.0);
  EXPECT_EQ(satz.rueckgaengig[0].sgRueckgaengigPuffer[9], std::vector<Kurvenpunkt>{Kurvenpunkt{}});
}

TEST(Zeitanzeige, StundenMinutenSekundenMillisekunden) {
  const Zeitfelder f = ZeitInStunden(3723004250.0);
  EXPECT_EQ(f.stunden, 1);
  EXPECT_EQ(f.minuten, 2);
  EXPECT_EQ(f.sekunden, 3);
  EXPECT_EQ(f.millisekunden, 4.25);
  EXPECT_EQ(StundenInZeit(f), 3723004250.0);
  EXPECT_EQ(ZeitInStunden(250).millisekunden, 0.25);
  EXPECT_EQ(StundenInZeit(ZeitInStunden(131070000250.0)), 131070000250.0);
}
