// The curve commands of the command-line tool in-process: files without a device, and the
// device's curve memory on the simulated line.

#include <gtest/gtest.h>

#include <sstream>

#include "base/dateischreiben.h"
#include "cli/hauptprogramm.h"
#include "curves/kurvendateien.h"
#include "curves/kurvenexport.h"
#include "curves/kurventransfer.h"
#include "sim/inprozessport.h"
#include "tests/support/cliumgebung.h"

namespace {

using Kurvenlauf = Clilauf;

struct Kurvenumgebung : Cliumgebung {
  Kurvensatz Laden(const std::string& name) const {
    Kurvendatei datei;
    EXPECT_EQ(KurvendateiEinlesen(Datei(name), datei), 0);
    Kurvensatz satz;
    EXPECT_EQ(KurvendateiUebernehmen(satz, datei, false), 0);
    return satz;
  }
};

Kurvensatz Beispiel() {
  Kurvensatz satz;
  satz.gKurven[0].punkte = {{0, 4, 9}, {4095, 1, 9}};
  satz.gKurven[1].punkte = {{0, 10, 1}, {5, 1, 1}};
  satz.gZyklen[0] = 2;
  satz.gRuhezustand[1] = 4095;
  return satz;
}

}  // namespace

TEST(Kurvenbefehle, DateienOhneGeraet) {
  Kurvenumgebung u;
  const Kurvensatz satz = Beispiel();
  Konfiguration konfig;
  konfig.outeinheit[0] = "A";
  ASSERT_EQ(KurvendateiSchreiben(u.Datei("a.skr"), satz, konfig), 0);

  Kurvenlauf lauf = u.Tvm5r({"kurven", "info", u.Datei("a.skr")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "Kurve 1: 2 Punkte, 0.00125 s, Zyklen 2, Ruhezustand 0\n"
            "Kurve 2: 2 Punkte, 0.01100 s, Zyklen 0, Ruhezustand 4095\n"
            "Kurve 3: 1 Punkte, 0.01000 s, Zyklen 0, Ruhezustand 0\n"
            "Kurve 4: 1 Punkte, 0.01000 s, Zyklen 0, Ruhezustand 0\n"
            "Speicherbedarf: 68 Bytes (0.1 % von 61440)\n"
            "Abbild von Kurve 1: 42 Bytes, Adressen 4096 bis 4137\n");

  lauf = u.Tvm5r({"kurven", "export", u.Datei("a.skr"), u.Datei("a.txt")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(u.Inhalt("a.txt"), KurvenExportText(satz.gKurven[0]));

  // The import replaces curve 1 of the base file and keeps the rest and its configuration.
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("b.txt"), {"0\t50\t1s\t1\n3\t0\t1s\t1\n"}).ok());
  lauf = u.Tvm5r(
      {"kurven", "import", u.Datei("b.txt"), u.Datei("b.skr"), "--basis", u.Datei("a.skr")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  Kurvensatz b = u.Laden("b.skr");
  EXPECT_EQ(b.gKurven[0].punkte, (std::vector<Kurvenpunkt>{{2047, 3, 8}, {0, 1, 8}}));
  EXPECT_EQ(b.gKurven[1].punkte, satz.gKurven[1].punkte);
  EXPECT_EQ(b.gZyklen[0], 2);
  Kurvendatei datei;
  ASSERT_EQ(KurvendateiEinlesen(u.Datei("b.skr"), datei), 0);
  EXPECT_EQ(datei.konfig.outeinheit[0], "A");

  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("c.txt"), {"# Kopf\n0\t50\t1s\t2\n"}).ok());
  lauf = u.Tvm5r({"kurven", "import", u.Datei("c.txt"), u.Datei("c.skr")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler,
            "Importfehler: Fehler in Zeile 2:\nKurvennummer 2 ist nicht erlaubt.\n"
            "Fehler #312448: Aus Datei gelesene Daten haben nicht das erwartete Format\n");

  // The image file holds what is sent: device addresses 4096 to the end of the data.
  lauf = u.Tvm5r({"kurven", "abbild", u.Datei("a.skr"), u.Datei("a.bin")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  const auto abbild = KurvenAbbildErstellen(satz);
  EXPECT_EQ(u.Inhalt("a.bin"),
            std::string(abbild->bytes.begin() + 4096, abbild->bytes.end() - (65535 - 4137)));
}

TEST(Kurvenbefehle, AbgewieseneDateienUndAufrufe) {
  Kurvenumgebung u;
  Kurvensatz gross;
  gross.gKurven[0].punkte = {{0, 30705, 4}};
  ASSERT_EQ(KurvendateiSchreiben(u.Datei("gross.skr"), gross, {}), 0);
  Kurvenlauf lauf = u.Tvm5r({"kurven", "abbild", u.Datei("gross.skr"), u.Datei("g.bin")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler,
            "Fehler: Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz "
            "im TVM-5R.\nFehler #1023477: Nicht genug Speicherplatz auf dem TVM-5R.\n");
  lauf = u.Tvm5r({"kurven", "senden", u.Datei("gross.skr")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(u.leitung.Rahmenzahl(), 0);

  ASSERT_EQ(KurvendateiSchreiben(u.Datei("a.skr"), Beispiel(), {}), 0);
  ASSERT_TRUE(
      DateiSicherSchreiben(u.Datei("kurz.skr"), {u.Inhalt("a.skr").substr(0, 4472 + 2 * 12 + 6)})
          .ok());
  lauf = u.Tvm5r({"kurven", "info", u.Datei("kurz.skr")});
  EXPECT_EQ(lauf.fehler, "Fehler #322473: Die Datei wurde beschädigt.\n");
  lauf = u.Tvm5r({"kurven", "info", u.Datei("fehlt.skr")});
  EXPECT_EQ(lauf.fehler, "Fehler #308435: Fehler beim Öffnen der Datei\n");

  EXPECT_EQ(u.Tvm5r({"kurven"}).status, 2);
  EXPECT_EQ(u.Tvm5r({"kurven", "zeigen", "a.skr"}).status, 2);
  EXPECT_EQ(u.Tvm5r({"kurven", "export", u.Datei("a.skr")}).status, 2);
  EXPECT_EQ(u.Tvm5r({"kurven", "import", "a.txt", "b.skr", "--basis"}).status, 2);
}

TEST(Kurvenbefehle, SendenPruefenUndLesenAmGeraet) {
  Kurvenumgebung u;
  const Kurvensatz satz = Beispiel();
  ASSERT_EQ(KurvendateiSchreiben(u.Datei("a.skr"), satz, {}), 0);
  const auto abbild = KurvenAbbildErstellen(satz);

  // Curves of different duration: the warning is shown and the tool sends.
  Kurvenlauf lauf = u.Tvm5r({"kurven", "senden", u.Datei("a.skr"), "--pruefen"});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.fehler,
            "Warnung: Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n"
            "Kurve 1: 0.00125 sek\nKurve 2: 0.01100 sek\n\n-> Kurven senden\n");
  EXPECT_TRUE(std::equal(abbild->bytes.begin() + 4096, abbild->bytes.begin() + 4138,
                         u.geraet.Speicher(4).begin() + 4096));

  lauf = u.Tvm5r({"kurven", "lesen", u.Datei("zurueck.skr")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  const Kurvensatz zurueck = u.Laden("zurueck.skr");
  EXPECT_EQ(zurueck.gKurven[0].punkte,
            (std::vector<Kurvenpunkt>{
                {0, 1, 9}, {1024, 1, 9}, {2048, 1, 9}, {3071, 1, 9}, {4095, 1, 9}}));
  EXPECT_EQ(zurueck.gZyklen[0], 2);
  EXPECT_EQ(zurueck.gKurven[1].punkte, Kurve{}.punkte);

  // The dither memory is a memory of its own.
  lauf = u.Tvm5r({"kurven", "lesen", u.Datei("dither.skr"), "--dither"});
  EXPECT_EQ(lauf.fehler, "Fehler #1019472: Speicherinhalt fehlerhaft.\n");
  EXPECT_EQ(u.Tvm5r({"kurven", "senden", u.Datei("a.skr"), "--dither"}).status, 0);
  EXPECT_EQ(u.Tvm5r({"kurven", "lesen", u.Datei("dither.skr"), "--dither"}).status, 0);
  EXPECT_EQ(u.Laden("dither.skr").gKurven[0].punkte, zurueck.gKurven[0].punkte);

  // A device that stores a byte wrongly while acknowledging the write: only --pruefen sees it.
  u.leitung.protokoll = [&](const Protokolleintrag& e) {
    if (e.anfrage.starts_with("#1BDW")) u.geraet.SpeicherVerfaelschen(4, 4130, 0x04);
  };
  EXPECT_EQ(u.Tvm5r({"kurven", "senden", u.Datei("a.skr")}).status, 0);
  lauf = u.Tvm5r({"kurven", "senden", u.Datei("a.skr"), "--pruefen"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_NE(lauf.fehler.find("Fehler #1019478: Speicherinhalt fehlerhaft.\n"), std::string::npos);
}

TEST(Kurvenbefehle, UnbrauchbareKonfigurationHindertDieKurvenNicht) {
  Kurvenumgebung u;
  ASSERT_EQ(KurvendateiSchreiben(u.Datei("a.skr"), Beispiel(), {}), 0);
  std::string bytes = u.Inhalt("a.skr");
  std::fill(bytes.begin() + 4072, bytes.begin() + 4072 + 352, '\0');  // panel never left
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("null.skr"), {bytes}).ok());
  const Kurvenlauf lauf = u.Tvm5r({"kurven", "info", u.Datei("null.skr")});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus.find("Kurve 1: 2 Punkte, 0.00125 s, Zyklen 2, Ruhezustand 0\n"), 0u);
  // Built on it, the configuration goes along unchanged.
  ASSERT_TRUE(DateiSicherSchreiben(u.Datei("b.txt"), {"0\t50\t1s\t1\n3\t0\t1s\t1\n"}).ok());
  EXPECT_EQ(u.Tvm5r({"kurven", "import", u.Datei("b.txt"), u.Datei("b.skr"), "--basis",
                     u.Datei("null.skr")})
                .status,
            0);
  EXPECT_EQ(u.Inhalt("b.skr").substr(4072, 352), std::string(352, '\0'));
}
