#include "base/einstellungen.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/dateischreiben.h"
#include "base/programmende.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

TEST(Einstellungen, AbschnitteInFesterReihenfolge) {
  TempOrdner ordner;
  Einstellungen einstellungen(ordner.datei("tvm5r/tvm5RKurvengenerator.ini"));
  std::vector<std::string> gelesen;
  auto anmelden = [&](Einstellungsabschnitt a, const char* name, const char* schluessel) {
    einstellungen.Anmelden(
        a, {[&gelesen, name](const IniDatei&) { gelesen.push_back(name); },
            [name, schluessel](IniDatei& ini) { Ini_PutInt(ini, name, schluessel, 1); }});
  };
  anmelden(Einstellungsabschnitt::Kennlinie, "kennlinie", "darstellung");
  anmelden(Einstellungsabschnitt::Com, "com", "port");
  anmelden(Einstellungsabschnitt::Kurven, "kurven", "darstellung");
  anmelden(Einstellungsabschnitt::Konfig, "konfig", "voutmax");
  anmelden(Einstellungsabschnitt::Direkt, "direkt", "kurve1");

  EXPECT_EQ(einstellungen.ReadIni(), -801202);
  EXPECT_TRUE(gelesen.empty());
  EXPECT_EQ(einstellungen.WriteIni(), 0);
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(einstellungen.Pfad(), inhalt));
  EXPECT_EQ(inhalt.substr(0, 16), "[com]\r\nport = 1\r");
  EXPECT_LT(inhalt.find("[direkt]"), inhalt.find("[kennlinie]"));
  EXPECT_LT(inhalt.find("[kennlinie]"), inhalt.find("[konfig]"));
  EXPECT_LT(inhalt.find("[konfig]"), inhalt.find("[kurven]"));
  EXPECT_EQ(einstellungen.ReadIni(), 0);
  EXPECT_EQ(gelesen, (std::vector<std::string>{"konfig", "com", "direkt", "kurven", "kennlinie"}));

  Einstellungen ordnerStattDatei(ordner.pfad().string());
  EXPECT_EQ(ordnerStattDatei.WriteIni(), -800203);
}

TEST(Einstellungen, OrtDerDatei) {
  setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(IniPfad(), "/tmp/xdg/tvm5r/tvm5RKurvengenerator.ini");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/anna", 1);
  EXPECT_EQ(IniPfad(), "/home/anna/.config/tvm5r/tvm5RKurvengenerator.ini");
}

namespace {

struct FrageEditor : Editor {
  FrageEditor(int a, int* g) : antwort(a), gefragt(g) {}
  int antwort;
  int* gefragt;
  int AbbruchWeilNichtGespeichert() override {
    ++*gefragt;
    return antwort;
  }
};

}  // namespace

TEST(Programmende, EinEditorKannDasEndeAbbrechen) {
  Programmende ende;
  int gefragt = 0, beendet = 0;
  FrageEditor kurven(0, &gefragt), kennlinie(1, &gefragt), direkt(0, &gefragt);
  ende.Anmelden(Editorplatz::Kurven, &kurven);
  ende.Anmelden(Editorplatz::Kennlinie, &kennlinie);
  ende.Anmelden(Editorplatz::Direkt, &direkt);
  EXPECT_EQ(ende.ProgrammendeFallsAllesGespeichert([&] { ++beendet; }), 1);
  EXPECT_EQ(gefragt, 2);
  EXPECT_EQ(beendet, 0);
  kennlinie.antwort = 0;
  EXPECT_EQ(ende.ProgrammendeFallsAllesGespeichert([&] { ++beendet; }), 0);
  EXPECT_EQ(gefragt, 5);
  EXPECT_EQ(beendet, 1);
}

TEST(Programmende, FrageNachUngespeichertenAenderungen) {
  SkriptDialoge dialoge;
  int gespeichert = 0, gezeigt = 0, speicherErgebnis = 0;
  auto fragen = [&] {
    return AenderungenSpeichernFragen(
        dialoge, "test.skr",
        [&] {
          ++gespeichert;
          return speicherErgebnis;
        },
        [&](int) { ++gezeigt; });
  };
  dialoge.antworten = {2, 3, 0, 1, 1, 1};
  EXPECT_EQ(fragen(), 0);
  EXPECT_EQ(dialoge.fragen[0].titel, "Warnung");
  EXPECT_EQ(dialoge.fragen[0].text, "Möchten Sie die Änderungen in test.skr speichern?");
  EXPECT_EQ(dialoge.fragen[0].knoepfe, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
  EXPECT_EQ(fragen(), 1);
  EXPECT_EQ(fragen(), 1);
  EXPECT_EQ(gespeichert, 0);
  EXPECT_EQ(fragen(), 0);
  EXPECT_EQ(gespeichert, 1);
  speicherErgebnis = -301433;
  EXPECT_EQ(fragen(), 1);
  EXPECT_EQ(gezeigt, 1);
  // Nothing saved without an error (file dialog cancelled): cancelled, nothing shown.
  speicherErgebnis = 1;
  EXPECT_EQ(fragen(), 1);
  EXPECT_EQ(gezeigt, 1);
}
