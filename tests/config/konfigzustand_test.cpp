#include "config/konfigzustand.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "base/ini.h"
#include "config/konfigini.h"
#include "tests/config/konfigtestfelder.h"
#include "tests/support/skriptdialoge.h"

TEST(Konfigzustand, GleicheSpannungenOderWerteWerdenNichtUebernommen) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  felder.felder.outmax[0] = 5.0;
  felder.felder.outmin[1] = 3.0;
  felder.felder.outmax[1] = 3.0;
  felder.felder.outeinheit[1] = "mA";
  felder.felder.inskalamin[0] = 7.0;
  felder.felder.inskalamax[0] = 7.0;
  felder.felder.inmax[3] = 5.0;

  EXPECT_FALSE(zustand.KonfigfelderInStrukturSpeichern());
  ASSERT_EQ(dialoge.meldungen.size(), 1u);
  EXPECT_EQ(dialoge.meldungen[0].titel, "Konfiguration");
  EXPECT_EQ(dialoge.meldungen[0].text,
            "PWC-2 Ausgang 2: Die beiden Spannungen sind gleich.\n"
            "PWC-2 Eingang 1: Die beiden Werte sind gleich.\n"
            "Diese Werte wurden nicht übernommen.");
  const Konfiguration& k = zustand.gKonfig();
  EXPECT_EQ(k.outmax[0], 5.0);
  EXPECT_EQ(k.inmax[3], 5.0);
  EXPECT_EQ(k.outmin[1], 0.0);  // the refused channels keep their values, unit included
  EXPECT_EQ(k.outeinheit[1], "V");
  EXPECT_EQ(k.inskalamin[0], 0.0);
  EXPECT_TRUE(KonfigurationGueltig(k));
  EXPECT_EQ(felder.gezeigt, 0);  // the fields keep what was typed
  EXPECT_EQ(felder.felder.outmin[1], 3.0);

  felder.felder.voutmax = std::numeric_limits<double>::quiet_NaN();
  felder.felder.outmin[1] = 0.0;
  felder.felder.inskalamin[0] = 0.0;
  felder.felder.outeinheit[2] = "Zehnzeichen";
  EXPECT_FALSE(zustand.KonfigfelderInStrukturSpeichern());
  EXPECT_EQ(dialoge.LetzteMeldung().text,
            "PWC-2 Ausgänge: Der Bereich ist ungültig.\nDiese Werte wurden nicht übernommen.");
  EXPECT_EQ(zustand.gKonfig().voutmax, 10.0);
  EXPECT_EQ(zustand.gKonfig().outeinheit[1], "mA");
  EXPECT_EQ(zustand.gKonfig().outeinheit[2], "Zehnzeic");
}

TEST(Konfigzustand, SetzenPrueftDenRecord) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  Konfiguration schlecht;
  schlecht.inmin[2] = 10.0;
  EXPECT_FALSE(zustand.KonfigurationSetzen(schlecht));
  EXPECT_EQ(KonfigurationenVergleichen(zustand.gKonfig(), Konfiguration{}), 1);
  EXPECT_EQ(felder.gezeigt, 0);
  Konfiguration gut;
  gut.inmin[2] = 1.0;
  EXPECT_TRUE(zustand.KonfigurationSetzen(gut));
  EXPECT_EQ(zustand.gKonfig().inmin[2], 1.0);
  EXPECT_EQ(felder.felder.inmin[2], 1.0);
}

// One run of the program as far as the configuration goes: the settings read (none on the first
// run), the panel started, left without touching a field (or after the user's edit), the
// settings written.
struct Konfiglauf {
  SkriptDialoge dialoge;
  Konfigzustand zustand{dialoge};
  TestFelder felder;

  explicit Konfiglauf(const std::optional<std::string>& einstellungen) {
    zustand.FelderAnmelden(&felder);
    if (einstellungen) {
      IniDatei ini = Ini_New(true);
      Ini_ParseText(ini, *einstellungen);
      ReadIniKonfigpanel(zustand, ini);
    }
    zustand.InitialisiereKonfigPanel();
  }
  std::string Ende() {
    EXPECT_TRUE(zustand.KonfigpanelVerlassen());
    IniDatei ini = Ini_New(true);
    WriteIniKonfigpanel(zustand, ini);
    return Ini_Text(ini);
  }
};

TEST(Konfigzustand, JederLaufZeigtWasDerVorigeHinterliess) {
  // The first run shows the curve generator's configuration in record and fields.
  Konfiglauf erster(std::nullopt);
  const Konfiguration vorgabe = KurvengeneratorVorgabe();
  EXPECT_EQ(KonfigurationenVergleichen(erster.zustand.gKonfig(), vorgabe), 1);
  EXPECT_EQ(KonfigurationenVergleichen(erster.felder.felder, vorgabe), 1);
  EXPECT_EQ(vorgabe.voutmax, 4.095);
  EXPECT_EQ(vorgabe.outmax[0], 4.095);
  EXPECT_EQ(vorgabe.outskalamax[0], 4.095);
  EXPECT_EQ(vorgabe.outeinheit[0], "A");
  const std::string nachDemErsten = erster.Ende();

  // The second run shows the same; so does a settings file without the section "konfig".
  for (const std::string& einstellungen : {nachDemErsten, std::string("[com]\nport = -1\n")}) {
    Konfiglauf zweiter(einstellungen);
    EXPECT_EQ(KonfigurationenVergleichen(zweiter.zustand.gKonfig(), vorgabe), 1);
    EXPECT_EQ(KonfigurationenVergleichen(zweiter.felder.felder, vorgabe), 1);
  }

  // A configuration the user set stays across runs, also when the panel is left untouched.
  Konfiglauf gesetzt(nachDemErsten);
  gesetzt.felder.felder = Konfiguration{};
  gesetzt.felder.felder.outeinheit[1] = "mA";
  const std::string nachDemSetzen = gesetzt.Ende();
  for (int lauf = 0; lauf < 2; ++lauf) {
    Konfiglauf weiter(nachDemSetzen);
    EXPECT_EQ(weiter.zustand.gKonfig().voutmax, 10.0);
    EXPECT_EQ(weiter.zustand.gKonfig().outeinheit[0], "V");
    EXPECT_EQ(weiter.zustand.gKonfig().outeinheit[1], "mA");
    EXPECT_EQ(KonfigurationenVergleichen(weiter.felder.felder, weiter.zustand.gKonfig()), 1);
    EXPECT_EQ(weiter.Ende(), nachDemSetzen);
  }
}

TEST(Konfigzustand, AnpassenSetztDasFeld) {
  SkriptDialoge dialoge;
  Konfigzustand ohnePanel(dialoge);
  ohnePanel.FeldSkalaOutMax1Setzen(8.19);
  EXPECT_EQ(ohnePanel.gKonfig().outskalamax[0], 8.19);
  ohnePanel.FeldSkalaOutMax1Setzen(0.0);  // equal to outskalamin[0]: refused
  EXPECT_EQ(ohnePanel.gKonfig().outskalamax[0], 8.19);

  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  zustand.FeldSkalaOutMax1Setzen(6.1425);
  EXPECT_EQ(felder.felder.outskalamax[0], 6.1425);
  EXPECT_EQ(zustand.gKonfig().outskalamax[0], 10.0);
  EXPECT_TRUE(zustand.KonfigfelderInStrukturSpeichern());
  EXPECT_EQ(zustand.gKonfig().outskalamax[0], 6.1425);
}

TEST(Konfigzustand, Standardwerte) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  Konfiguration konfig;
  konfig.outskalamax[2] = 60.0;
  ASSERT_TRUE(zustand.KonfigurationSetzen(konfig));

  dialoge.antworten = {2};
  zustand.StandardwerteFragen();
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  EXPECT_EQ(dialoge.fragen[0].titel, "Werte zurücksetzen");
  EXPECT_EQ(dialoge.fragen[0].text,
            "Wollen Sie alle Werte löschen und\nauf Standardwerte zurücksetzen?");
  EXPECT_EQ(dialoge.fragen[0].knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(zustand.gKonfig().outskalamax[2], 60.0);

  dialoge.antworten = {1};
  zustand.StandardwerteFragen();
  EXPECT_EQ(KonfigurationenVergleichen(zustand.gKonfig(), Konfiguration{}), 1);
  EXPECT_EQ(KonfigurationenVergleichen(felder.felder, Konfiguration{}), 1);
}
