#include "characteristic/kennlinienbearbeitung.h"

#include <gtest/gtest.h>

#include "characteristic/kennlinienansicht.h"
#include "characteristic/kennlinienundo.h"
#include "characteristic/kennlinienverschiebung.h"
#include "tests/characteristic/kennlinientesthilfe.h"

TEST(Kennlinienbearbeitung, Zeichnen) {
  Bearbeitungsumgebung u;
  // At X = 0 on the initial characteristic the point goes to X = 1.
  EXPECT_EQ(KennlZeichnenVorschau(u.b, 0, 100.4), (Kennlpunkt{1, 100}));
  ASSERT_TRUE(KennlPunktZeichnen(u.b, 0, 100.4));
  EXPECT_EQ(u.punkte(), Punkte({{4095, 1}, {100, 1}}));
  EXPECT_TRUE(u.z.gKennlGeaendert);

  u.punkte() = Punkte({{0, 100}, {4095, 1}});
  ASSERT_TRUE(KennlPunktZeichnen(u.b, 50, 7));
  EXPECT_EQ(u.punkte(), Punkte({{0, 100}, {4095, 1}, {7, 1}}));
  u.punkte() = Punkte({{0, 100}, {4095, 1}});
  u.z.gKennlXRaster = 10;
  u.z.gKennlYRaster = 100;
  ASSERT_TRUE(KennlPunktZeichnen(u.b, 50, 149));
  EXPECT_EQ(u.punkte(), Punkte({{0, 100}, {4095, 10}, {100, 1}}));

  // The last point at 4095: nothing, no message, no undo step.
  u.punkte() = Punkte({{0, 4095}, {5, 1}});
  const int schritte = u.z.rueckgaengig.sgAnzahlRueckgaengig;
  EXPECT_FALSE(KennlZeichnenVorschau(u.b, 4095, 5));
  EXPECT_FALSE(KennlPunktZeichnen(u.b, 4095, 5));
  EXPECT_EQ(u.punkte(), Punkte({{0, 4095}, {5, 1}}));
  EXPECT_EQ(u.z.rueckgaengig.sgAnzahlRueckgaengig, schritte);
  EXPECT_TRUE(u.dialoge.meldungen.empty());
}

TEST(Kennlinienbearbeitung, LoeschenUndTeilen) {
  Bearbeitungsumgebung u;
  EXPECT_FALSE(KennlPunktLoeschen(u.b, 0, 4095, u.plot));
  EXPECT_EQ(u.Meldung(), "Letzter Punkt kann nicht gelöscht werden");
  EXPECT_FALSE(u.z.gKennlGeaendert);

  const auto drei = Punkte({{0, 10}, {500, 20}, {900, 1}});
  u.punkte() = drei;
  ASSERT_TRUE(KennlPunktLoeschen(u.b, 10, 500, u.plot));
  EXPECT_EQ(u.punkte(), Punkte({{0, 30}, {900, 1}}));
  u.punkte() = drei;
  ASSERT_TRUE(KennlPunktLoeschen(u.b, 30, 900, u.plot));
  EXPECT_EQ(u.punkte(), Punkte({{0, 10}, {500, 1}}));
  u.punkte() = drei;
  ASSERT_TRUE(KennlPunktLoeschen(u.b, 0, 0, u.plot));  // the rest moves left
  EXPECT_EQ(u.punkte(), Punkte({{500, 20}, {900, 1}}));

  u.punkte() = Punkte({{0, 10}, {1000, 1}});
  ASSERT_TRUE(KennlGeradeTeilen(u.b, 3));
  EXPECT_EQ(u.punkte(), Punkte({{0, 3}, {333, 7}, {1000, 1}}));
  u.dialoge.meldungen.clear();
  EXPECT_FALSE(KennlGeradeTeilen(u.b, 10));  // at the last point
  EXPECT_FALSE(KennlGeradeTeilen(u.b, 4000));
  EXPECT_TRUE(u.dialoge.meldungen.empty());
  u.punkte() = Punkte({{0, 1}, {1000, 1}});
  EXPECT_FALSE(KennlGeradeTeilen(u.b, 0));
  EXPECT_EQ(u.Meldung(),
            "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer internen "
            "Rastereinheit hat.");
  EXPECT_EQ(u.punkte(), Punkte({{0, 1}, {1000, 1}}));
}

TEST(Kennlinienbearbeitung, Verschieben) {
  Bearbeitungsumgebung u;
  u.punkte() = Punkte({{0, 100}, {2000, 100}, {4000, 1}});
  // Dragging picks the nearest point once; the target stays between the neighbours.
  const Kennlverschiebung v = KennlVerschiebenZiehen(u.b, 110, 2000, u.plot);
  EXPECT_EQ(v.punkt, 1);
  EXPECT_EQ(v.ziel, (Kennlpunkt{110, 2000}));
  EXPECT_EQ(KennlVerschiebenZiehen(u.b, 500, 3000, u.plot).ziel, (Kennlpunkt{199, 3000}));
  ASSERT_TRUE(KennlPunktVerschieben(u.b, -50, 3000.4, u.plot));
  EXPECT_EQ(u.punkte(), Punkte({{0, 1}, {3000, 199}, {4000, 1}}));
  // The first point stays at X = 0; the last can go up to 4095.
  ASSERT_TRUE(KennlPunktVerschieben(u.b, 30, 10, u.plot));
  EXPECT_EQ(u.punkte(), Punkte({{10, 1}, {3000, 199}, {4000, 1}}));
  ASSERT_TRUE(KennlPunktVerschieben(u.b, 5000, 4000, u.plot));
  EXPECT_EQ(u.punkte(), Punkte({{10, 1}, {3000, 4094}, {4000, 1}}));
  // With an X grid that leaves no place the point keeps its X.
  u.punkte() = Punkte({{0, 5}, {100, 5}, {200, 1}});
  u.z.gKennlXRaster = 10;
  EXPECT_EQ(KennlZielposition(u.b, 1, 7, 150), (Kennlpunkt{5, 150}));
}

TEST(Kennlinienbearbeitung, Punktkoordinaten) {
  Bearbeitungsumgebung u;
  u.punkte() = Punkte({{0, 100}, {2000, 100}, {4000, 1}});
  const auto alt = u.punkte();
  const struct {
    Punktwerte eingabe;
    double x, y;  // the cursor
    const char* meldung;
  } abgelehnt[] = {
      {{1, 0}, 0, 0, "Der erste Punkt kann nicht auf der Zeitachse verschoben werden."},
      {{4096, 4000}, 200, 4000, "Die angegebene X-Koordinate ist größer als der Maximalwert."},
      {{0, 2000},
       100,
       2000,
       "Die angegebene X-Koordinate ist zu klein \n(Der Punkt kann nicht auf einen X-Wert "
       "kleiner oder gleich dem \ndes vorherigen Punktes verschoben werden)."},
      {{200, 2000},
       100,
       2000,
       "Die angegebene X-Koordinate ist zu groß \n(Der Punkt kann nicht auf einen X-Wert "
       "größer oder gleich dem \ndes nächsten Punktes verschoben werden)."},
      {{100, -1.5}, 100, 2000, "Y-Wert zu klein."},
      {{100, 4095.6}, 100, 2000, "Y-Wert zu groß."},
      {{150, 5000}, 100, 2000, "Y-Wert zu groß."},
  };
  for (const auto& f : abgelehnt) {
    u.dialoge.meldungen.clear();
    u.eingabe.antworten = {f.eingabe};
    EXPECT_EQ(KennlPunktkoordinaten(u.b, f.x, f.y, u.plot), 0);
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u) << f.meldung;
    EXPECT_EQ(u.Meldung(), f.meldung);
    EXPECT_EQ(u.punkte(), alt);
  }
  EXPECT_FALSE(u.z.gKennlGeaendert);
  EXPECT_EQ(u.eingabe.titel.front(), "Punkt 1");
  EXPECT_EQ(u.eingabe.gezeigt.at(1).x, 200);

  // Only a new Y for the first point is accepted; unchanged values change nothing.
  u.eingabe.antworten = {{0, 7}, {100, 2000}, {150.4, 1999.6}, {4095, 4095}};
  EXPECT_EQ(KennlPunktkoordinaten(u.b, 0, 0, u.plot), 1);
  EXPECT_EQ(KennlPunktkoordinaten(u.b, 100, 2000, u.plot), 0);
  EXPECT_EQ(KennlPunktkoordinaten(u.b, 100, 2000, u.plot), 1);
  EXPECT_EQ(KennlPunktkoordinaten(u.b, 200, 4000, u.plot), 1);
  EXPECT_EQ(u.punkte(), Punkte({{7, 150}, {2000, 3945}, {4095, 1}}));
  EXPECT_EQ(u.z.rueckgaengig.sgAnzahlRueckgaengig, 3);
}

TEST(Kennlinienbearbeitung, ElfSchritteRueckgaengig) {
  Bearbeitungsumgebung u;
  std::vector<std::vector<Kennlinienpunkt>> stand{u.punkte()};
  for (int i = 1; i <= 11; ++i) {
    ASSERT_TRUE(KennlPunktZeichnen(u.b, 10 * i, i));
    stand.push_back(u.punkte());
  }
  EXPECT_EQ(u.z.rueckgaengig.sgAnzahlRueckgaengig, 10);
  EXPECT_EQ(u.z.freigabe, (Rueckgaengigfreigabe{true, false, true, false}));
  for (int i = 10; i >= 1; --i) {
    KennlRueckgaengig(u.z);
    EXPECT_EQ(u.punkte(), stand[i]) << i;
  }
  EXPECT_EQ(u.z.freigabe, (Rueckgaengigfreigabe{false, true, false, true}));
  KennlRueckgaengig(u.z);  // the eleventh does nothing
  EXPECT_EQ(u.punkte(), stand[1]);
  // Undoing marks the characteristic modified again after a save.
  u.z.gKennlGeaendert = false;
  KennlWiederherstellen(u.z);
  EXPECT_EQ(u.punkte(), stand[2]);
  EXPECT_TRUE(u.z.gKennlGeaendert);
  EXPECT_EQ(u.z.rueckgaengig.sgAnzahlWiederherstellen, 9);
  // A new edit clears every redo step.
  ASSERT_TRUE(KennlPunktZeichnen(u.b, 500, 5));
  EXPECT_EQ(u.z.rueckgaengig.sgAnzahlWiederherstellen, 0);
  EXPECT_EQ(u.z.freigabe, (Rueckgaengigfreigabe{true, false, true, false}));
  KennlWiederherstellen(u.z);
  EXPECT_EQ(u.punkte().size(), 4u);
}

TEST(Kennlinienansicht, ZoomMarkeUndBildlauf) {
  Kennlinienzustand z;
  const auto fenster = [&z] { return Sichtfenster{z.gKennlAnsichtStart, z.gKennlAnsichtEnde}; };
  KennlZoom(z, KennlZoomArt::MINUS);
  EXPECT_EQ(fenster(), (Sichtfenster{0, 4094}));
  EXPECT_EQ(KennlBildlauf(z), (Bildlaufstand{100, 0}));
  KennlZoom(z, KennlZoomArt::PLUS);
  EXPECT_EQ(fenster(), (Sichtfenster{682, 3411}));
  EXPECT_EQ(KennlBildlauf(z), (Bildlaufstand{67, 49}));
  KennlBildlaufEnde(z, 100);
  EXPECT_EQ(fenster(), (Sichtfenster{1365, 4094}));
  z.gKennlAnsichtStart = z.gKennlAnsichtEnde = 7;
  KennlZoom(z, KennlZoomArt::PLUS);
  EXPECT_EQ(fenster(), (Sichtfenster{7, 7}));
  KennlZoom(z, KennlZoomArt::MINUS);
  EXPECT_EQ(fenster(), (Sichtfenster{6, 7}));

  KennlMarkierungZiehen(z, 300.6);
  KennlMarkierungZiehen(z, 100);
  EXPECT_TRUE(z.gKennlMarkiert);
  KennlMarkierungAbschliessen(z, 99.7);
  EXPECT_EQ(z.gKennlMarkStart, 100);
  EXPECT_EQ(z.gKennlMarkEnde, 301);
  KennlZoom(z, KennlZoomArt::MARKIERUNG);
  EXPECT_EQ(fenster(), (Sichtfenster{100, 300}));
  EXPECT_FALSE(z.gKennlMarkiert);
  KennlZoom(z, KennlZoomArt::ALLESMARKIEREN);
  EXPECT_EQ(z.gKennlMarkEnde, 4095);
  KennlWerkzeugWaehlen(z, KennlWerkzeug::ZEICHNEN);
  EXPECT_FALSE(z.gKennlMarkiert);
  KennlZoom(z, KennlZoomArt::GESAMMTKURVE);
  EXPECT_EQ(fenster(), (Sichtfenster{0, 4094}));

  const Konfiguration konfig = RohEinheiten();
  EXPECT_FALSE(KennlYZoomSetzen(z, konfig, 500, 500));
  EXPECT_TRUE(KennlYZoomSetzen(z, konfig, -3, 5000.7));
  EXPECT_EQ(z.gKennlYZoomMin, 0);
  EXPECT_EQ(z.gKennlYZoomMax, 4095);
  EXPECT_TRUE(KennlYZoomSetzen(z, konfig, 10.9, 20));
  EXPECT_EQ(z.gKennlYZoomMin, 10);
}
