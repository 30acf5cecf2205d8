// The characteristic commands of the command-line tool in-process: files without a device, and
// the box's slots on the simulated line.

#include <gtest/gtest.h>

#include <sstream>

#include "base/dateischreiben.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienexport.h"
#include "characteristic/kennlinientransfer.h"
#include "cli/hauptprogramm.h"
#include "sim/inprozessport.h"
#include "tests/support/cliumgebung.h"

namespace {

using Kennlinienlauf = Clilauf;
using Kennlinienumgebung = Cliumgebung;

Kennlinienzustand Beispiel() {
  Kennlinienzustand z;
  z.gKennlinie.punkte = {{0, 2000, 0}, {4095, 1, 0}};
  z.gKennlinie.kommentar = "Ventil";
  z.gKennlBegrenzung = 5;
  z.gKennlAnstiegszeit = 200;
  return z;
}

}  // namespace

TEST(Kennlinienbefehle, DateienOhneGeraet) {
  Kennlinienumgebung u;
  const Kennlinienzustand z = Beispiel();
  Konfiguration konfig;
  konfig.outeinheit[1] = "mA";
  ASSERT_EQ(KennliniendateiSchreiben(u.Datei("a.ske"), z, konfig), 0);

  Kennlinienlauf lauf = u.Tvm5r({"kennlinie", "info", u.Datei("a.ske")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "Punkte: 2\n"
            "X-Bereich: 0 bis 2000 (danach der letzte Wert bis 4095)\n"
            "Analogausgang 2: 5.000 mA (roh 2048)\n"
            "Anstiegszeit: 200.000 ms (Code 512, im Gerät 204.750 ms)\n");

  lauf = u.Tvm5r({"kennlinie", "export", u.Datei("a.ske"), u.Datei("a.txt")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(u.Inhalt("a.txt"), KennlExportText(z.gKennlinie));

  // Import on the basis of a.ske keeps its comment, values and configuration.
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("n.txt"), {"0\t100\n100\t0\n"}).ok());
  lauf = u.Tvm5r(
      {"kennlinie", "import", u.Datei("n.txt"), u.Datei("n.ske"), "--basis", u.Datei("a.ske")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  Kennliniendatei n;
  ASSERT_EQ(KennliniendateiEinlesen(u.Datei("n.ske"), n), 0);
  EXPECT_EQ(n.punkte, (std::vector<Kennlinienpunkt>{{4095, 4095, 0}, {0, 0, 0}}));
  EXPECT_EQ(n.kommentar, "Ventil");
  EXPECT_EQ(n.anstiegszeit, 200);
  EXPECT_EQ(n.konfig.outeinheit[1], "mA");

  lauf = u.Tvm5r({"kennlinie", "abbild", u.Datei("a.ske"), u.Datei("a.bin")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  std::vector<uint8_t> abbild;
  ASSERT_EQ(KennlSendeabbild(z, konfig, abbild), 0);
  EXPECT_EQ(u.Inhalt("a.bin"), std::string(abbild.begin(), abbild.end()));

  // Refusals: a bad import line, a damaged file, a slot outside 1..7, a missing slot.
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("f.txt"), {"50\t1\n"}).ok());
  lauf = u.Tvm5r({"kennlinie", "import", u.Datei("f.txt"), u.Datei("f.ske")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_NE(lauf.fehler.find("Kurve muß bei X=0 beginnen."), std::string::npos);
  EXPECT_NE(lauf.fehler.find("Fehler #312539: "), std::string::npos);
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("kurz.ske"), {u.Inhalt("a.ske").substr(0, 1430)}).ok());
  lauf = u.Tvm5r({"kennlinie", "info", u.Datei("kurz.ske")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #322545: Die Datei wurde beschädigt.\n");
  lauf = u.Tvm5r({"kennlinie", "senden", u.Datei("a.ske"), "--slot", "8"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #1024506: Kurvennummer ungültig.\n");
  lauf = u.Tvm5r({"kennlinie", "lesen", u.Datei("b.ske"), "--slot", "0"});
  EXPECT_EQ(lauf.fehler, "Fehler #1024511: Kurvennummer ungültig.\n");
  lauf = u.Tvm5r({"kennlinie", "senden", u.Datei("a.ske")});
  EXPECT_EQ(lauf.status, 2);
  EXPECT_EQ(u.leitung.Rahmenzahl(), 0);
}

TEST(Kennlinienbefehle, SlotsImSimuliertenGeraet) {
  Kennlinienumgebung u;
  ASSERT_EQ(KennliniendateiSchreiben(u.Datei("a.ske"), Beispiel(), {}), 0);
  Kennlinienlauf lauf = u.Tvm5r({"kennlinie", "senden", u.Datei("a.ske"), "--slot", "2"});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(u.geraet.modus, 2);
  lauf = u.Tvm5r({"kennlinie", "lesen", u.Datei("b.ske"), "--slot", "2"});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  Kennliniendatei b;
  ASSERT_EQ(KennliniendateiEinlesen(u.Datei("b.ske"), b), 0);
  ASSERT_EQ(b.punkte.size(), 4096u);
  EXPECT_EQ(b.punkte[1000].y, 2047);  // the slope 2.0475 first: 2047.4999..., rounded down
  EXPECT_EQ(b.punkte[3000].y, 4095);

  lauf = u.Tvm5r({"kennlinie", "waehlen", "--slot", "2"});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(u.geraet.ausgaenge[3], 2.0);
  lauf = u.Tvm5r({"kennlinie", "waehlen", "--slot", "9"});
  EXPECT_EQ(lauf.fehler, "Fehler #1024550: Kurvennummer ungültig.\n");
}
