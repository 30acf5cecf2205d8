// Unit texts in configuration files and the settings file: one Windows-1252 byte per character.

#include <gtest/gtest.h>

#include "base/dateischreiben.h"
#include "base/einstellungen.h"
#include "config/konfigdatei.h"
#include "config/konfigini.h"
#include "tests/config/konfigtestfelder.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

std::string Inhalt(const std::string& pfad) {
  std::string inhalt;
  EXPECT_TRUE(DateiLesen(pfad, inhalt));
  return inhalt;
}

}  // namespace

TEST(Konfigzeichensatz, EinheitenInDerKonfigurationsdatei) {
  TempOrdner ordner;
  const std::string pfad = ordner.datei("a.sko");
  Konfiguration konfig;
  konfig.outeinheit[0] = "°C";
  konfig.outeinheit[1] = "µA/Öl€xy";  // 8 characters, 11 bytes in UTF-8
  konfig.ineinheit[2] = "ÄÖÜäöüßµ°";  // 9 characters: cut to 8
  ASSERT_EQ(KonfigdateiSchreiben(pfad, konfig), 0);
  const std::string b = Inhalt(pfad);
  ASSERT_EQ(b.size(), kKonfigdateiGroesse);
  EXPECT_EQ(b.substr(40 + 136, 18), std::string("\xB0"
                                                "C\0\0\0\0\0\0\0"
                                                "\xB5"
                                                "A/\xD6l\x80xy\0",
                                                18));
  EXPECT_EQ(b.substr(40 + 312 + 18, 9), std::string("\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xB5\0", 9));

  Konfiguration gelesen;
  ASSERT_EQ(KonfigdateiLesen(pfad, gelesen), 0);
  EXPECT_EQ(gelesen.outeinheit[0], "°C");
  EXPECT_EQ(gelesen.outeinheit[1], "µA/Öl€xy");
  EXPECT_EQ(gelesen.ineinheit[2], "ÄÖÜäöüßµ");
}

TEST(Konfigzeichensatz, EinheitenInDerEinstellungsdatei) {
  TempOrdner ordner;
  const std::string pfad = ordner.datei("tvm5RKurvengenerator.ini");
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  Einstellungen einstellungen(pfad);
  einstellungen.Anmelden(Einstellungsabschnitt::Konfig, KonfigAbschnitt(zustand));

  felder.felder.outeinheit[0] = "°C";
  felder.felder.ineinheit[1] = "Ω";  // cannot be typed; should it arrive, it is kept as "?"
  ASSERT_EQ(einstellungen.WriteIni(), 0);
  const std::string text = Inhalt(pfad);
  EXPECT_NE(text.find("outeinheit0 = \"\xB0"
                      "C\"\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("ineinheit1 = \"?\"\r\n"), std::string::npos);
  felder.felder = {};
  ASSERT_EQ(einstellungen.ReadIni(), 0);
  EXPECT_EQ(zustand.gKonfig().outeinheit[0], "°C");

  // A file written elsewhere: seven characters of a unit are taken, umlauts included.
  ASSERT_TRUE(DateiSicherSchreiben(pfad, {"[konfig]\r\nouteinheit1 = \"\xB5"
                                          "A\"\r\nineinheit0 = \"\xC4\xD6\xDC\xE4\xF6\xFC\xDF"
                                          "xy\"\r\n"})
                  .ok());
  ASSERT_EQ(einstellungen.ReadIni(), 0);
  EXPECT_EQ(zustand.gKonfig().outeinheit[1], "µA");
  EXPECT_EQ(zustand.gKonfig().ineinheit[0], "ÄÖÜäöüß");
}
