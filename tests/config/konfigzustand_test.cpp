#include "config/konfigzustand.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(Konfigzustand, StartUndVerlassenGebenDieVorgabeDesKurvengenerators) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  std::vector<std::string> skaliert;
  zustand.SkalierungAnmelden([&] { skaliert.push_back("kurven"); });
  zustand.SkalierungAnmelden([&] { skaliert.push_back("kennlinie"); });
  zustand.SkalierungAnmelden([&] { skaliert.push_back("direkt"); });

  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini,
                "[konfig]\nvoutmax = 10\noutmax0 = 8\noutskalamax0 = 80\noutmax1 = 5\n"
                "outeinheit1 = \"mA\"\ninmin2 = 1\nineinheit2 = \"bar\"\n");
  ReadIniKonfigpanel(zustand, ini);
  zustand.InitialisiereKonfigPanel();
  EXPECT_EQ(zustand.gKonfig().outmax[0], 8.0);  // the preset is in the fields only
  EXPECT_TRUE(skaliert.empty());

  EXPECT_TRUE(zustand.KonfigpanelVerlassen());
  const Konfiguration& k = zustand.gKonfig();
  EXPECT_EQ(k.voutmax, 4.095);
  EXPECT_EQ(k.outmin[0], 0.0);
  EXPECT_EQ(k.outmax[0], 4.095);
  EXPECT_EQ(k.outskalamin[0], 0.0);
  EXPECT_EQ(k.outskalamax[0], 4.095);
  EXPECT_EQ(k.outeinheit[0], "A");
  EXPECT_EQ(k.outmax[1], 5.0);
  EXPECT_EQ(k.outeinheit[1], "mA");
  EXPECT_EQ(k.inmin[2], 1.0);
  EXPECT_EQ(k.ineinheit[2], "bar");
  EXPECT_EQ(k.ineinheit[3], "");  // missing unit texts are empty
  EXPECT_EQ(k.vinmax, 10.0);
  EXPECT_EQ(skaliert, (std::vector<std::string>{"kurven", "kennlinie", "direkt"}));
  EXPECT_TRUE(dialoge.meldungen.empty());
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
