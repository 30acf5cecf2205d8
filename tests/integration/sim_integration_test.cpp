// tvm5r-sim on a pseudo-terminal, driven by the command-line tool and by the driver over the
// POSIX port, as a user without hardware works.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "device/novhln1.h"
#include "device/speichertransfer.h"
#include "platform/posix/posixport.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Muster(size_t anzahl, uint8_t saat) {
  std::vector<uint8_t> bytes(anzahl);
  for (size_t i = 0; i < anzahl; ++i) bytes[i] = static_cast<uint8_t>(saat + i * 7);
  return bytes;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char puffer[4];
  for (uint8_t b : bytes) {
    std::snprintf(puffer, sizeof puffer, "%02X", b);
    text += puffer;
  }
  return text;
}

std::string OhneZeilenenden(std::string text) {
  std::erase(text, '\n');
  return text;
}

fs::path Portordner(const TempOrdner& xdg) {
  return xdg.pfad() / "tvm5r" / "ports";
}

}  // namespace

TEST(SimIntegration, KennungUeberKommandozeileUndLinkBisZumEnde) {
  TempOrdner xdg;
  SimProzess sim({"--com", "7"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  const std::string pty = sim.zeile().substr(0, sim.zeile().find(' '));
  EXPECT_EQ(sim.zeile(), pty + " COM 7");
  EXPECT_EQ(fs::read_symlink(Portordner(xdg) / "com7"), fs::path(pty));

  Lauf lauf = Tvm5r({"ports"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0);
  EXPECT_NE(lauf.aus.find("COM 7\t" + pty + "\tPseudo-Terminal\n"), std::string::npos) << lauf.aus;

  lauf = Tvm5r({"--port", "7", "id"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus, "NOV-TVM5ARV1.00\n");

  lauf = Tvm5r({"id", "--port", "7", "--trace"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0);
  EXPECT_NE(lauf.fehler.find("-> 23 31 49 44 52 0D "), std::string::npos) << lauf.fehler;
  EXPECT_NE(lauf.fehler.find("<- 06 23 31 4E 4F 56 "), std::string::npos) << lauf.fehler;

  // Nothing answers at address 2: no acknowledge after the time-out.
  lauf = Tvm5r({"--port", "7", "--adresse", "2", "id"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.aus, "");
  EXPECT_EQ(lauf.fehler, "Fehler #403012: Keine Antwort vom Gerät\n");

  EXPECT_EQ(Tvm5r({"--port", "7", "start"}, xdg.pfad()).status, 0);
  EXPECT_EQ(Tvm5r({"--port", "7", "--adresse", "alle", "stopp"}, xdg.pfad()).status, 0);

  // A port without a device file cannot be opened.
  lauf = Tvm5r({"--port", "9", "id"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle\n");

  EXPECT_EQ(sim.Beenden(), 0);
  EXPECT_FALSE(fs::exists(fs::symlink_status(Portordner(xdg) / "com7")));
}

TEST(SimIntegration, ScanFindetTvm5rUndAnderesGeraet) {
  TempOrdner xdg;
  SimProzess sim({"--com", "3", "--geraet", "3", "--geraet", "5:PWC-2 V2.1"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  const Lauf lauf = Tvm5r({"--port", "3", "scan"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "Adresse 1: kein Gerät\n"
            "Adresse 2: kein Gerät\n"
            "Adresse 3: TVM-5R (NOV-TVM5ARV1.00)\n"
            "Adresse 4: kein Gerät\n"
            "Adresse 5: anderes Gerät (PWC-2V2.1)\n"
            "Adresse 6: kein Gerät\n"
            "Adresse 7: kein Gerät\n"
            "Adresse 8: kein Gerät\n"
            "Auswahl: 3\n");
}

TEST(SimIntegration, SpeicherRundreiseBeiderTypenUeberKommandozeile) {
  TempOrdner xdg;
  SimProzess sim({"--com", "12", "--baud-emulation=115200"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());

  // Type 4: 150 bytes from 0x1000 as hexadecimal text, three blocks.
  const std::vector<uint8_t> kurve = Muster(150, 3);
  Lauf lauf =
      Tvm5r({"--port", "12", "speicher", "schreiben", "4", "0x1000", Hex(kurve)}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  lauf = Tvm5r({"--port", "12", "speicher", "lesen", "4", "4096", "150"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(OhneZeilenenden(lauf.aus), Hex(kurve));

  // Type 5: 200 bytes from a file, up to the last address of the memory.
  const std::vector<uint8_t> dither = Muster(200, 0x80);
  const std::string quelle = xdg.datei("dither.bin");
  std::ofstream(quelle, std::ios::binary)
      .write(reinterpret_cast<const char*>(dither.data()), static_cast<long>(dither.size()));
  lauf = Tvm5r({"--port", "12", "speicher", "schreiben", "5", "0xFF38", "--datei", quelle},
               xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  const std::string ziel = xdg.datei("zurueck.bin");
  lauf = Tvm5r({"--port", "12", "speicher", "lesen", "5", "0xFF38", "200", "--datei", ziel},
               xdg.pfad());
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  std::ifstream zurueck(ziel, std::ios::binary);
  EXPECT_EQ(std::vector<uint8_t>(std::istreambuf_iterator<char>(zurueck), {}), dither);

  // The two memories are apart: type 4 at 0xFF38 is still empty.
  lauf = Tvm5r({"--port", "12", "speicher", "lesen", "4", "0xFF38", "4"}, xdg.pfad());
  EXPECT_EQ(lauf.aus, "00000000\n");

  lauf = Tvm5r({"--port", "12", "speicher", "schreiben", "5", "0xFFFF", "0102"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 2);
  EXPECT_NE(lauf.fehler.find("Speicherende"), std::string::npos);
}

TEST(SimIntegration, TreiberUeberPosixPortUndSpeicherUeberLaeufe) {
  TempOrdner xdg;
  const std::string speicherdatei = xdg.datei("speicher.bin");
  const std::vector<uint8_t> block = Muster(64, 0x41);
  {
    SimProzess sim({"--com", "4", "--speicher", speicherdatei}, xdg.pfad());
    ASSERT_FALSE(sim.zeile().empty());
    PosixPortfabrik fabrik(PortWurzeln{Portordner(xdg), xdg.pfad() / "dev", xdg.pfad() / "sys"});
    ComPorts ports(fabrik);
    ASSERT_EQ(NOVHLN1_Open(ports, 4, 9600), 0);
    ASSERT_EQ(NOVHLN1_Timeout(ports, 4, 0.5), 0);
    std::string kennung;
    EXPECT_EQ(NOVHLN1_IDLesen(ports, 4, '1', kennung), 0);
    EXPECT_EQ(kennung, "NOV-TVM5ARV1.00");
    for (int typ : {4, 5}) {
      EXPECT_EQ(NOVHLN1_SpeicherSchreiben(ports, 4, '1', typ, 0x2000 + typ, 64, block), 0);
      std::vector<uint8_t> gelesen(64);
      EXPECT_EQ(NOVHLN1_SpeicherLesen(ports, 4, '1', typ, 0x2000 + typ, 64, gelesen), 0);
      EXPECT_EQ(gelesen, block);
    }
    EXPECT_EQ(NOVHLN1_Close(ports, 4), 0);
    EXPECT_EQ(sim.Beenden(), 0);
  }
  EXPECT_EQ(fs::file_size(speicherdatei), 131072u);

  SimProzess sim({"--com", "4", "--speicher", speicherdatei}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  const Lauf lauf = Tvm5r({"--port", "4", "speicher", "lesen", "5", "0x2005", "64"}, xdg.pfad());
  EXPECT_EQ(OhneZeilenenden(lauf.aus), Hex(block));
}

TEST(SimIntegration, GestoerteAntwortenUndBelegterPort) {
  TempOrdner xdg;
  SimProzess sim({"--com", "5", "--stoerung-rahmen", "1:nak", "--stoerung-rahmen", "2:can",
                  "--stoerung-rahmen", "3:checksumme"},
                 xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  Lauf lauf = Tvm5r({"--port", "5", "id"}, xdg.pfad());
  EXPECT_EQ(lauf.fehler, "Fehler #402010: Fehlermeldung (NAK) vom Gerät erhalten\n");
  lauf = Tvm5r({"--port", "5", "start"}, xdg.pfad());
  EXPECT_EQ(lauf.fehler,
            "Fehler #405040: Befehlsausführung momentan nicht möglich (CAN erhalten)\n");
  lauf = Tvm5r({"--port", "5", "speicher", "lesen", "4", "0", "16"}, xdg.pfad());
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #406114: Checksummenfehler bei der Übertragung\n");

  // While this program holds the port, the command-line tool is refused.
  {
    PosixPortfabrik fabrik(PortWurzeln{Portordner(xdg), xdg.pfad() / "dev", xdg.pfad() / "sys"});
    ComPorts ports(fabrik);
    ASSERT_EQ(NOVHLN1_Open(ports, 5, 9600), 0);
    lauf = Tvm5r({"--port", "5", "id"}, xdg.pfad());
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.fehler,
              "Fehler #100238: Fehler beim öffnen der seriellen Schnittstelle: Port belegt (ein "
              "anderes Programm hat ihn geöffnet)\n");
  }

  // A second simulator cannot take a port whose link is alive.
  SimProzess zweiter({"--com", "5"}, xdg.pfad());
  EXPECT_EQ(zweiter.zeile(), "");
  EXPECT_EQ(zweiter.Beenden(), 1);
  EXPECT_EQ(fs::read_symlink(Portordner(xdg) / "com5"),
            fs::path(sim.zeile().substr(0, sim.zeile().find(' '))));
}
