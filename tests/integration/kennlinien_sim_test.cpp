// A characteristic written to and read back from tvm5r-sim on a pseudo-terminal by the
// command-line tool, as a user without hardware works.

#include <gtest/gtest.h>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinientransfer.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

TEST(KennlinienSim, SendenPruefenZuruecklesen) {
  TempOrdner xdg;
  SimProzess sim({"--com", "24"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());

  // The box starts in curve operation: nothing to read yet.
  Lauf lauf =
      Tvm5r({"--port", "24", "kennlinie", "lesen", xdg.datei("x.ske"), "--slot", "3"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #1026512: Im PWC-2 sind keine Kennlinien gespeichert.\n");

  Kennlinienzustand z;
  z.gKennlinie.punkte = {{100, 1000, 0}, {4000, 50, 0}, {2000, 1, 0}};
  z.gKennlBegrenzung = 2.5;
  z.gKennlAnstiegszeit = 1000;
  const Konfiguration konfig;
  ASSERT_EQ(KennliniendateiSchreiben(xdg.datei("a.ske"), z, konfig), 0);
  lauf =
      Tvm5r({"--port", "24", "kennlinie", "senden", xdg.datei("a.ske"), "--slot", "3", "--pruefen"},
            xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  lauf =
      Tvm5r({"--port", "24", "kennlinie", "lesen", xdg.datei("b.ske"), "--slot", "3"}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;

  std::vector<uint8_t> abbild;
  ASSERT_EQ(KennlSendeabbild(z, konfig, abbild), 0);
  Kennliniendatei zurueck;
  ASSERT_EQ(KennliniendateiEinlesen(xdg.datei("b.ske"), zurueck), 0);
  ASSERT_EQ(zurueck.punkte.size(), 4096u);
  for (int x = 0; x < 4096; ++x) {
    const int wert = abbild[32 + 2 * x] << 8 | abbild[33 + 2 * x];
    ASSERT_EQ(zurueck.punkte[x], (Kennlinienpunkt{wert, 1, 0})) << x;
  }
  EXPECT_EQ(zurueck.punkte[500].y, 2050);
  EXPECT_DOUBLE_EQ(zurueck.anstiegszeit, 819);

  // The other slots were emptied when the box was prepared.
  lauf =
      Tvm5r({"--port", "24", "kennlinie", "lesen", xdg.datei("c.ske"), "--slot", "7"}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  ASSERT_EQ(KennliniendateiEinlesen(xdg.datei("c.ske"), zurueck), 0);
  EXPECT_EQ(zurueck.punkte, (std::vector<Kennlinienpunkt>{{205, 1, 0}}));
  EXPECT_EQ(sim.Beenden(), 0);
}

TEST(KennlinienSim, PruefenScheitertAmVerfaelschtenSpeicher) {
  TempOrdner xdg;
  SimProzess sim({"--com", "25", "--speicherfehler", "4:16500"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  ASSERT_EQ(KennliniendateiSchreiben(xdg.datei("a.ske"), Kennlinienzustand{}, {}), 0);
  const Lauf lauf =
      Tvm5r({"--port", "25", "kennlinie", "senden", xdg.datei("a.ske"), "--slot", "3", "--pruefen"},
            xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #1019549: Speicherinhalt fehlerhaft.\n");
  EXPECT_EQ(sim.Beenden(), 0);
}
