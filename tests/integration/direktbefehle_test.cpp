// The direct commands of tvm5r in-process, on the simulated line, with a settings folder of
// their own.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "base/dateischreiben.h"
#include "cli/hauptprogramm.h"
#include "config/konfigdatei.h"
#include "sim/inprozessport.h"
#include "tests/support/tempordner.h"

namespace {

struct Lauf {
  int status;
  std::string aus;
  std::string fehler;
};

// A line with one device whose inputs are fixed, and XDG_CONFIG_HOME in a fresh folder.
struct Umgebung {
  TempOrdner tmp;
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik{leitung};

  Umgebung() {
    if (const char* alt = std::getenv("XDG_CONFIG_HOME")) vorher = alt;
    setenv("XDG_CONFIG_HOME", tmp.pfad().c_str(), 1);
    for (int n = 1; n <= 4; ++n) geraet.EingangSetzen(n, 1.5 * n);
  }
  ~Umgebung() {
    if (vorher)
      setenv("XDG_CONFIG_HOME", vorher->c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
  }
  std::optional<std::string> vorher;
  Lauf Ausfuehren(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = CliAusfuehren(argumente, fabrik, aus, fehler);
    return {status, aus.str(), fehler.str()};
  }
  void Einstellungen(const std::string& text) {
    std::filesystem::create_directories(tmp.pfad() / "tvm5r");
    std::ofstream(tmp.pfad() / "tvm5r" / "tvm5RKurvengenerator.ini") << text;
  }
  std::string Konfigdatei() {
    Konfiguration k;
    k.inskalamax[1] = 100.0;
    k.ineinheit[1] = "mBar";
    k.outskalamin[0] = -50.0;
    k.outskalamax[0] = 50.0;
    k.outeinheit[0] = "Nm";
    const std::string pfad = tmp.datei("k.sko");
    EXPECT_EQ(KonfigdateiSchreiben(pfad, k), 0);
    return pfad;
  }
};

}  // namespace

TEST(Direktbefehle, EingaengeInDenEinheitenDerKonfiguration) {
  Umgebung u;
  Lauf lauf = u.Ausfuehren({"eingaenge"});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "Eingang1: 1.500 V\nEingang2: 3.000 V\nEingang3: 4.500 V\nEingang4: 6.000 V\n");
  EXPECT_NE(lauf.fehler.find("Standardkonfiguration"), std::string::npos);

  u.geraet.modus = 0x01;
  lauf = u.Ausfuehren({"eingaenge", "--konfig", u.Konfigdatei()});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus,
            "Eingang1: 1.500 V\nEingang2: 30.00 mBar\nEingang3: 4.500 V\n"
            "Eingang4: ----- (Start/Stopp-Signal)\n");
  EXPECT_EQ(lauf.fehler, "");

  lauf = u.Ausfuehren({"eingaenge", "--konfig", u.tmp.datei("fehlt.sko")});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Fehler #308263: Fehler beim Öffnen der Datei\n");
  u.leitung.StoerungAufRahmen(u.leitung.Rahmenzahl() + 2, {Stoerart::Stille});
  lauf = u.Ausfuehren({"eingaenge"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler.substr(lauf.fehler.find("Fehler #")),
            "Fehler #403051: Keine Antwort vom Gerät\n");
}

TEST(Direktbefehle, AusgangMitBegrenzungUndBereich) {
  Umgebung u;
  u.Einstellungen("[direkt]\r\ngrenze1 = 20\r\ngrenze2 = 3\r\n\r\n");
  Lauf lauf = u.Ausfuehren({"ausgang", "1", "-25", "--konfig", u.Konfigdatei()});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus, "Ausgang1: -25.00 Nm\n");
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[0], 2.5);
  lauf = u.Ausfuehren({"ausgang", "1", "45", "--konfig", u.Konfigdatei()});
  EXPECT_EQ(lauf.aus, "Ausgang1: 20.00 Nm\n");
  EXPECT_EQ(lauf.fehler, "Hinweis: auf die Begrenzung 20.00 Nm gesetzt\n");
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[0], 7.0);
  // The settings file has no section "konfig": its unit texts are empty.
  lauf = u.Ausfuehren({"ausgang", "2", "4.5"});
  EXPECT_EQ(lauf.aus, "Ausgang2: 3.000\n");
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[1], 3.0);
  lauf = u.Ausfuehren({"ausgang", "3", "10"});
  EXPECT_EQ(lauf.aus, "Ausgang3: 10.000\n");

  const struct {
    std::vector<std::string> argumente;
    std::string meldung;
  } falsch[] = {
      {{"ausgang", "3", "10.5", "--konfig", u.Konfigdatei()},
       "Der Wert für Ausgang 3 muss zwischen 0.000 V und 10.000 V liegen"},
      {{"ausgang", "3", "1,5"}, "Der Wert muss eine Zahl sein (mit Dezimalpunkt): \"1,5\""},
      {{"ausgang", "5", "1"}, "Der Ausgang"},
      {{"ausgang", "1"}, ""},
  };
  for (const auto& f : falsch) {
    lauf = u.Ausfuehren(f.argumente);
    EXPECT_EQ(lauf.status, 2) << f.meldung;
    EXPECT_NE(lauf.fehler.find(f.meldung), std::string::npos) << lauf.fehler;
  }
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[2], 10.0);
}

TEST(Direktbefehle, ProtokollHaengtAnUndLaesstDieAusgaengeInRuhe) {
  Umgebung u;
  u.geraet.ausgaenge = {1, 2, 3, 4};
  const std::string datei = u.tmp.datei("p.txt");
  Lauf lauf = u.Ausfuehren({"protokoll", datei, "--intervall", "0.05", "--dauer", "0.4"});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(lauf.aus, datei + ": 2 Zeilen\n");  // the interval is at least 0.2 s
  EXPECT_EQ(u.geraet.ausgaenge, (std::array{1.0, 2.0, 3.0, 4.0}));
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(datei, inhalt));
  EXPECT_TRUE(inhalt.starts_with("\n\nDatenerfassung gestartet\nEingang1: 0.000..10.000 V\n"));
  EXPECT_NE(inhalt.find("\t1.500\t3.000\t4.500\t6.000\t-----\t-----\t-----\t-----\n"),
            std::string::npos)
      << inhalt;
  EXPECT_TRUE(inhalt.ends_with("Datenerfassung beendet\n"));

  lauf = u.Ausfuehren({"protokoll", u.tmp.datei("fehlt/p.txt"), "--intervall", "1"});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_EQ(lauf.fehler, "Hinweis: Einstellungsdatei " +
                             (u.tmp.pfad() / "tvm5r" / "tvm5RKurvengenerator.ini").string() +
                             " nicht lesbar, Standardkonfiguration (0 bis 10 V)\n"
                             "Fehler #308306: Fehler beim Öffnen der Datei\n"
                             "Den Ordner \"" + u.tmp.datei("fehlt") + "\" gibt es nicht.\n");
  for (const auto& a : std::vector<std::vector<std::string>>{
           {"protokoll", datei},
           {"protokoll", datei, "--intervall", "x"},
           {"protokoll", datei, "--intervall", "1", "--dauer", "0"},
           {"protokoll", "--intervall", "1"}}) {
    EXPECT_EQ(u.Ausfuehren(a).status, 2);
  }
}
