// Curve sets written to and read back from tvm5r-sim on a pseudo-terminal by the command-line
// tool, as a user without hardware works.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>

#include "base/dateischreiben.h"
#include "curves/kurvendateien.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

namespace {

long Zeilen(const std::string& pfad) {
  std::string text;
  DateiLesen(pfad, text);
  return std::count(text.begin(), text.end(), '\n');
}

Kurvensatz Geladen(const std::string& pfad) {
  Kurvendatei datei;
  EXPECT_EQ(KurvendateiEinlesen(pfad, datei), 0);
  Kurvensatz satz;
  EXPECT_EQ(KurvendateiUebernehmen(satz, datei, false), 0);
  return satz;
}

}  // namespace

TEST(KurvenSim, SchreibenZuruecklesenVergleichen) {
  TempOrdner xdg;
  SimProzess sim({"--com", "14"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());

  // 300 time units: five blocks of 64 bytes and a rest.
  Kurvensatz satz;
  satz.gKurven[0].punkte = {{0, 100, 9}, {4095, 150, 1}, {2000, 49, 8}, {17, 1, 8}};
  satz.gZyklen[0] = 12;
  satz.gRuhezustand[0] = 300;
  ASSERT_EQ(KurvendateiSchreiben(xdg.datei("a.skr"), satz, {}), 0);

  Lauf lauf =
      Tvm5r({"--port", "14", "kurven", "senden", xdg.datei("a.skr"), "--pruefen"}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  lauf = Tvm5r({"--port", "14", "kurven", "lesen", xdg.datei("b.skr")}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;

  const Kurvensatz zurueck = Geladen(xdg.datei("b.skr"));
  const std::vector<Kurvenpunkt>& punkte = zurueck.gKurven[0].punkte;
  ASSERT_EQ(punkte.size(), 300u);
  for (int i = 0; i < 300; ++i) {
    const int segment = i < 100 ? 0 : i < 250 ? 1 : i < 299 ? 2 : 3;
    const int anfang = segment == 0 ? 0 : segment == 1 ? 100 : segment == 2 ? 250 : 299;
    EXPECT_EQ(punkte[i].y, StufenwertBei(satz.gKurven[0], segment, i - anfang)) << i;
    EXPECT_EQ(punkte[i].zeitbasis, satz.gKurven[0].punkte[segment].zeitbasis) << i;
  }
  EXPECT_EQ(Kurvendauer(zurueck.gKurven[0]), Kurvendauer(satz.gKurven[0]));
  EXPECT_EQ(zurueck.gZyklen[0], 12);
  EXPECT_EQ(zurueck.gRuhezustand[0], 300);

  // The image read back is the image sent.
  lauf = Tvm5r({"kurven", "abbild", xdg.datei("b.skr"), xdg.datei("b.bin")}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  lauf = Tvm5r({"kurven", "abbild", xdg.datei("a.skr"), xdg.datei("a.bin")}, xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  lauf = Tvm5r(
      {"--port", "14", "speicher", "lesen", "4", "4096", "632", "--datei", xdg.datei("geraet.bin")},
      xdg.pfad());
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  std::string a, b, geraet;
  ASSERT_TRUE(DateiLesen(xdg.datei("a.bin"), a));
  ASSERT_TRUE(DateiLesen(xdg.datei("b.bin"), b));
  ASSERT_TRUE(DateiLesen(xdg.datei("geraet.bin"), geraet));
  EXPECT_EQ(a.size(), 632u);
  EXPECT_EQ(geraet, a);
  EXPECT_EQ(b, a);
  EXPECT_EQ(sim.Beenden(), 0);
}

TEST(KurvenSim, PruefenScheitertAmGestoertenZuruecklesen) {
  TempOrdner xdg;
  // Frame 1 writes the 34-byte image, frame 2 reads it back with a wrong checksum.
  SimProzess sim({"--com", "15", "--stoerung-rahmen", "2:checksumme"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  ASSERT_EQ(KurvendateiSchreiben(xdg.datei("a.skr"), Kurvensatz{}, {}), 0);
  const Lauf lauf =
      Tvm5r({"--port", "15", "kurven", "senden", xdg.datei("a.skr"), "--pruefen"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #406114: Checksummenfehler bei der Übertragung\n");
  EXPECT_EQ(Tvm5r({"--port", "15", "kurven", "senden", xdg.datei("a.skr"), "--pruefen"}, xdg.pfad())
                .status,
            0);
}

TEST(KurvenSim, PruefenFindetEineFalscheSpeicherzelle) {
  TempOrdner xdg;
  // The write is acknowledged, but the box keeps byte 4100 (the image header) wrong.
  SimProzess sim({"--com", "16", "--speicherfehler", "4:4100"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  ASSERT_EQ(KurvendateiSchreiben(xdg.datei("a.skr"), Kurvensatz{}, {}), 0);
  EXPECT_EQ(Tvm5r({"--port", "16", "kurven", "senden", xdg.datei("a.skr")}, xdg.pfad()).status, 0);
  const Lauf lauf =
      Tvm5r({"--port", "16", "kurven", "senden", xdg.datei("a.skr"), "--pruefen"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler.rfind("Fehler #1019478: ", 0), 0u) << lauf.fehler;
  EXPECT_EQ(sim.Beenden(), 0);
}

TEST(KurvenSim, StrgCBeendetDasSendenNachHoechstensEinemRahmen) {
  TempOrdner xdg;
  // At the box's 9600 baud a 64-byte block takes 0.15 s on the line; the log has a line per frame.
  const std::string log = xdg.datei("sim.log");
  SimProzess sim({"--com", "17", "--baud-emulation=9600", "--log"}, xdg.pfad(), log);
  ASSERT_FALSE(sim.zeile().empty());
  // 3000 time units: about 100 blocks, some 15 s to write.
  Kurvensatz satz;
  for (int i = 0; i < 30; ++i) satz.gKurven[0].punkte.push_back({i * 100, 100, 1});
  ASSERT_EQ(KurvendateiSchreiben(xdg.datei("a.skr"), satz, {}), 0);

  const pid_t pid =
      Tvm5rStarten({"--port", "17", "kurven", "senden", xdg.datei("a.skr")}, xdg.pfad());
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(WartenBis([&] { return Zeilen(log) >= 5; }));
  kill(pid, SIGINT);
  const auto signal = std::chrono::steady_clock::now();
  const long bisDahin = Zeilen(log);
  const Lauf lauf = Tvm5rAbwarten(pid, xdg.pfad());
  const auto dauer = std::chrono::steady_clock::now() - signal;

  // The frame on the line is finished, no further one is begun.
  EXPECT_LE(Zeilen(log), bisDahin + 1);
  EXPECT_LT(dauer, std::chrono::seconds(1));
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler,
            "Warnung: Die Kurve wurde nicht vollständig geschrieben.\n"
            "Der TVM-5R enthält jetzt eine unvollständige Kurve;\n"
            "sie muss erneut geschrieben werden.\n"
            "Fehler #4432: Abbruch durch Benutzer\n");
  EXPECT_EQ(sim.Beenden(), 0);
}
