// The command-line tool in-process, on the simulated line.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/hauptprogramm.h"
#include "sim/inprozessport.h"

namespace {

struct CliLauf {
  int status;
  std::string aus;
  std::string fehler;
};

CliLauf Ausfuehren(InProzessFabrik& fabrik, const std::vector<std::string>& argumente) {
  std::ostringstream aus, fehler;
  const int status = CliAusfuehren(argumente, fabrik, aus, fehler);
  return {status, aus.str(), fehler.str()};
}

}  // namespace

TEST(Kommandozeile, TraceZeigtJedesByteMitZeichen) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik(leitung);
  const CliLauf lauf = Ausfuehren(fabrik, {"--trace", "id"});
  EXPECT_EQ(lauf.status, 0);
  EXPECT_EQ(lauf.aus, "NOV-TVM5ARV1.00\n");
  EXPECT_EQ(lauf.fehler,
            "-> 23 31 49 44 52 0D                                #1IDR.\n"
            "<- 06 23 31 4E 4F 56 2D 54 56 4D 35 41 52 20 56 31  .#1NOV-TVM5AR V1\n"
            "<- 2E 30 30 0D                                      .00.\n");
}

TEST(Kommandozeile, GeraetefehlerMitKatalogtextUndStatus1) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('1');
  leitung.StoerungAufRahmen(1, {Stoerart::Nak});
  InProzessFabrik fabrik(leitung);
  CliLauf lauf = Ausfuehren(fabrik, {"id"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #402010: Fehlermeldung (NAK) vom Gerät erhalten\n");

  lauf = Ausfuehren(fabrik, {"--adresse", "alle", "id"});
  EXPECT_EQ(lauf.fehler, "Fehler #400006: Unzulässige Geräteadresse\n");

  fabrik.stoerungen.oeffnenFehler = true;
  lauf = Ausfuehren(fabrik, {"--port", "3", "start"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #100003: Fehler beim öffnen der seriellen Schnittstelle\n");
}

TEST(Kommandozeile, SpeicherAlsHexTextMit32BytesJeZeile) {
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('2');
  for (int i = 0; i < 40; ++i) geraet.Speicher(5)[0x300 + i] = static_cast<uint8_t>(0xA0 + i);
  InProzessFabrik fabrik(leitung);
  CliLauf lauf = Ausfuehren(fabrik, {"speicher", "lesen", "+5", "+0x300", "40", "--adresse", "2"});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "A0A1A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBF\n"
            "C0C1C2C3C4C5C6C7\n");

  lauf = Ausfuehren(fabrik, {"--adresse", "2", "speicher", "schreiben", "4", "10", "ab CD", "0e"});
  EXPECT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(geraet.Speicher(4)[10], 0xAB);
  EXPECT_EQ(geraet.Speicher(4)[11], 0xCD);
  EXPECT_EQ(geraet.Speicher(4)[12], 0x0E);

  // The device refuses memory type 6 through the driver's check.
  lauf = Ausfuehren(fabrik, {"--adresse", "2", "speicher", "lesen", "6", "0", "1"});
  EXPECT_EQ(lauf.fehler, "Fehler #896095: Ungültiger Speichertyp.\n");
}

TEST(Kommandozeile, UnpassendeAufrufeMitStatus2) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik(leitung);
  const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
      {{}, "tvm5r: Befehl fehlt\n"},
      {{"kurbeln"}, "tvm5r: Unbekannter Befehl \"kurbeln\"\n"},
      {{"--port", "300", "id"}, "tvm5r: Der Port muss zwischen 0 und 256 liegen: \"300\"\n"},
      {{"id", "--port"}, "tvm5r: --port: Wert fehlt\n"},
      {{"--adresse", "12", "id"}, "tvm5r: --adresse: ein Zeichen oder \"alle\" erwartet\n"},
      {{"id", "zuviel"}, "tvm5r: Zu viele Argumente: \"zuviel\"\n"},
      {{"speicher"}, "tvm5r: speicher: lesen oder schreiben erwartet\n"},
      {{"speicher", "lesen", "4", "0x10000", "1"},
       "tvm5r: Die Startadresse muss zwischen 0 und 65535 liegen: \"0x10000\"\n"},
      {{"speicher", "lesen", "4", "0xFFFF", "2"},
       "tvm5r: Die Anzahl muss zwischen 1 und 1 liegen: \"2\"\n"},
      {{"speicher", "schreiben", "4", "0", "0G"},
       "tvm5r: Hexadezimale Daten erwartet (zwei Ziffern je Byte) bei \"0G \"\n"},
      {{"speicher", "schreiben", "4", "0", "012"},
       "tvm5r: Hexadezimale Daten erwartet (zwei Ziffern je Byte) bei \"2 \"\n"},
      {{"speicher", "schreiben", "4", "0", "--datei"}, "tvm5r: --datei: Dateiname fehlt\n"},
      {{"speicher", "lesen", "4", "0x-5", "1"},
       "tvm5r: Die Startadresse muss eine ganze Zahl sein: \"0x-5\"\n"},
      {{"--port", "x", "id"}, "tvm5r: Der Port muss eine ganze Zahl sein: \"x\"\n"},
      {{"--port", "99999999999999999999", "id"},
       "tvm5r: Der Port muss zwischen 0 und 256 liegen: \"99999999999999999999\"\n"},
      {{"kennlinie", "lesen", "b.ske", "--slot", "x"},
       "tvm5r: Die Kurvennummer muss eine ganze Zahl sein: \"x\"\n"},
      {{"ausgang", "+-1", "1"}, "tvm5r: Der Ausgang muss eine ganze Zahl sein: \"+-1\"\n"},
      {{"ausgang", "1", "inf"},
       "tvm5r: Der Wert muss eine Zahl sein (mit Dezimalpunkt): \"inf\"\n"},
      {{"ausgang", "1", "1e400"},
       "tvm5r: Der Wert liegt außerhalb des Zahlenbereichs: \"1e400\"\n"},
      {{"protokoll", "p.txt", "--intervall", "0"},
       "tvm5r: Das Intervall muss größer als 0 sein: \"0\"\n"},
      {{"protokoll", "p.txt", "--intervall", "-0.5"},
       "tvm5r: Das Intervall muss größer als 0 sein: \"-0.5\"\n"},
      {{"protokoll", "p.txt", "--intervall", "3600.5"},
       "tvm5r: Das Intervall darf höchstens 3600 Sekunden sein: \"3600.5\"\n"},
      {{"protokoll", "p.txt", "--intervall", "1", "--dauer", "1e10"},
       "tvm5r: Die Dauer darf höchstens 1000000000 Sekunden sein: \"1e10\"\n"},
      {{"protokoll", "p.txt", "--intervall", "1", "--dauer", "1e400"},
       "tvm5r: Die Dauer liegt außerhalb des Zahlenbereichs: \"1e400\"\n"},
  };
  for (const auto& [argumente, text] : faelle) {
    const CliLauf lauf = Ausfuehren(fabrik, argumente);
    EXPECT_EQ(lauf.status, 2) << text;
    EXPECT_EQ(lauf.fehler.substr(0, lauf.fehler.find('\n') + 1), text);
    EXPECT_NE(lauf.fehler.find("Aufruf: tvm5r"), std::string::npos);
    // A call that names a command gets that command's usage, any other the whole help.
    const bool befehl = !argumente.empty() && argumente[0] != "kurbeln" && argumente[0][0] != '-';
    EXPECT_EQ(lauf.fehler.find("  scan\n") == std::string::npos, befehl) << text;
  }
  const CliLauf lesen = Ausfuehren(fabrik, {"kennlinie", "lesen", "b.ske", "--slot", "x"});
  EXPECT_EQ(lesen.fehler,
            "tvm5r: Die Kurvennummer muss eine ganze Zahl sein: \"x\"\n\n"
            "Aufruf: tvm5r [--port N] [--adresse A] [--trace] BEFEHL [ARGUMENTE]\n"
            "  kennlinie lesen AUS.ske --slot S\n"
            "      liest Speicherplatz S (1..7) in eine Kennliniendatei\n"
            "Alle Befehle und Optionen: tvm5r --hilfe\n");
  const CliLauf gruppe = Ausfuehren(fabrik, {"kennlinie"});
  EXPECT_NE(gruppe.fehler.find("  kennlinie info DATEI.ske\n"), std::string::npos);
  EXPECT_NE(gruppe.fehler.find("  kennlinie waehlen --slot S\n"), std::string::npos);
  EXPECT_EQ(gruppe.fehler.find("  kurven "), std::string::npos);
  // Nothing reached the line.
  EXPECT_EQ(leitung.Rahmenzahl(), 0);

  const CliLauf hilfe = Ausfuehren(fabrik, {"--hilfe"});
  EXPECT_EQ(hilfe.status, 0);
  EXPECT_NE(hilfe.aus.find("speicher lesen TYP START ANZAHL"), std::string::npos);
}
