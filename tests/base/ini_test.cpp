#include "base/ini.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <cmath>
#include <csignal>
#include <fstream>

#include "base/dateischreiben.h"
#include "tests/support/tempordner.h"

TEST(Ini, SchreibtSortiertMitCrLfUndLeerzeilen) {
  IniDatei ini = Ini_New(true);
  Ini_PutDouble(ini, "konfig", "voutmax", 10.0);
  Ini_PutInt(ini, "com", "port", -1);
  Ini_PutDouble(ini, "konfig", "outmin0", 0.1);
  Ini_PutRawString(ini, "konfig", "outeinheit0", "mBar");
  Ini_PutInt(ini, "com", "lport", 3);
  Ini_PutInt(ini, "com", "adresse", 49);
  Ini_PutInt(ini, "Kurven", "darstellung", 3);
  Ini_PutInt(ini, "com", "PORT", 4);  // replaces, whatever the case
  EXPECT_EQ(Ini_Text(ini),
            "[com]\r\nadresse = 49\r\nlport = 3\r\nPORT = 4\r\n\r\n"
            "[konfig]\r\noutein"
            "heit0 = \"mBar\"\r\noutmin0 = 0.1\r\nvoutmax = 10\r\n\r\n"
            "[Kurven]\r\ndarstellung = 3\r\n\r\n");

  IniDatei zurueck = Ini_New(true);
  Ini_ParseText(zurueck, Ini_Text(ini));
  double d = 0;
  EXPECT_EQ(Ini_GetDouble(zurueck, "konfig", "outmin0", d), 1);
  EXPECT_EQ(d, 0.1);
  std::string text;
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(zurueck, "konfig", "outeinheit0", text, 8), 1);
  EXPECT_EQ(text, "mBar");
  EXPECT_EQ(Ini_Text(zurueck), Ini_Text(ini));
}

TEST(Ini, LeseregelnFuerHandgeschriebeneDateien) {
  IniDatei ini = Ini_New(true);
  const std::string lang(300, 'x');
  Ini_ParseText(ini,
                "vorher = 1\n"
                "  ; Kommentar = 5\n"
                "[ Kurven ]\r\n"
                "ohne Gleichheitszeichen\n"
                "leer =    \n"
                "   Darstellung   =   7  \n"
                "einheit = \"mBar\"\n"
                "kurz = \"\n"
                "lang = " +
                    lang +
                    "\n"
                    "[com]\n"
                    "adresse = 38\n");
  long wert = -5;
  EXPECT_EQ(Ini_GetInt(ini, "kurven", "DARSTELLUNG", wert), 1);
  EXPECT_EQ(wert, 7);
  EXPECT_EQ(Ini_GetInt(ini, "kurven", "leer", wert), 0);
  EXPECT_EQ(Ini_GetInt(ini, "kurven", "Kommentar", wert), 0);
  EXPECT_EQ(Ini_GetInt(ini, "kurven", "vorher", wert), 0);
  EXPECT_EQ(wert, 7);
  std::string text;
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "kurven", "einheit", text, 100), 1);
  EXPECT_EQ(text, "mBar");
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "kurven", "kurz", text, 100), 1);
  EXPECT_EQ(text, "\"");
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "kurven", "lang", text, 1000), 1);
  EXPECT_EQ(text.size(), 255u - 7u);  // a line is at most 255 characters
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "kurven", "einheit", text, 3), 1);
  EXPECT_EQ(text, "mB");
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "kurven", "fehlt", text, 3), 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(ini.abschnitte.front().name, "com");
}

TEST(Ini, TypisiertesLesen) {
  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini,
                "[a]\nzahl = 12x\ngross = 99999999999999999999\nplus = +Inf\ninf = Inf\n"
                "minus = -Inf\nkomma = 1,5\ngut = -3\nreal = 2.5e3\n");
  long l = 4;
  EXPECT_LT(Ini_GetInt(ini, "a", "zahl", l), 0);
  EXPECT_LT(Ini_GetInt(ini, "a", "gross", l), 0);
  EXPECT_LT(Ini_GetInt(ini, "a", "real", l), 0);
  EXPECT_EQ(l, 4);
  EXPECT_EQ(Ini_GetInt(ini, "a", "fehlt", l), 0);
  EXPECT_EQ(Ini_GetInt(ini, "a", "gut", l), 1);
  EXPECT_EQ(l, -3);
  double d = 1;
  EXPECT_EQ(Ini_GetDouble(ini, "a", "plus", d), 1);
  EXPECT_TRUE(std::isinf(d) && d > 0);
  EXPECT_EQ(Ini_GetDouble(ini, "a", "inf", d), 1);
  EXPECT_TRUE(std::isinf(d) && d > 0);
  EXPECT_EQ(Ini_GetDouble(ini, "a", "minus", d), 1);
  EXPECT_TRUE(std::isinf(d) && d < 0);
  d = 1;
  EXPECT_LT(Ini_GetDouble(ini, "a", "komma", d), 0);
  EXPECT_EQ(Ini_GetDouble(ini, "a", "fehlt", d), 0);
  EXPECT_EQ(d, 1);
  EXPECT_EQ(Ini_GetDouble(ini, "a", "real", d), 1);
  EXPECT_EQ(d, 2500);
}

TEST(Ini, LangeWerteWerdenInZeilenGeteilt) {
  IniDatei ini = Ini_New(true);
  const std::string wert = std::string(80, 'a') + std::string(10, 'b');
  Ini_PutRawString(ini, "s", "k", wert);
  EXPECT_EQ(Ini_Text(ini), "[s]\r\nk Line0001 = \"" + std::string(80, 'a') +
                               "\"\r\nk Line0002 = \"bbbbbbbbbb\"\r\n\r\n");
  std::string zurueck;
  EXPECT_EQ(Ini_GetRawStringIntoBuffer(ini, "s", "k", zurueck, 200), 1);
  EXPECT_EQ(zurueck, wert);
}

TEST(Ini, FehlgeschlagenesSchreibenLaesstAlteDateiStehen) {
  TempOrdner ordner;
  const std::string pfad = ordner.datei("tvm5RKurvengenerator.ini");
  { std::ofstream(pfad) << "[alt]\r\nx = 1\r\n\r\n"; }
  IniDatei ini = Ini_New(true);
  Ini_PutInt(ini, "neu", "y", 2);

  for (int i = 0; i < 100; ++i) Ini_PutInt(ini, "neu", "k" + std::to_string(i), i);

  // A file size limit makes the write fail half-way, even for root.
  rlimit alt{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
  auto* vorher = std::signal(SIGXFSZ, SIG_IGN);
  rlimit eng = alt;
  eng.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
  const int ergebnis = Ini_WriteToFile(ini, pfad);
  setrlimit(RLIMIT_FSIZE, &alt);
  std::signal(SIGXFSZ, vorher);
  EXPECT_NE(ergebnis, 0);
  std::string alterInhalt;
  ASSERT_TRUE(DateiLesen(pfad, alterInhalt));
  EXPECT_EQ(alterInhalt, "[alt]\r\nx = 1\r\n\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);

  // A target that is a folder cannot be replaced: refused, nothing left behind.
  std::filesystem::create_directory(ordner.datei("ordner.ini"));
  EXPECT_NE(Ini_WriteToFile(ini, ordner.datei("ordner.ini")), 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 2);

  EXPECT_EQ(Ini_WriteToFile(ini, pfad), 0);
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(pfad, inhalt));
  EXPECT_EQ(inhalt.substr(0, 21), "[neu]\r\nk0 = 0\r\nk1 = 1");
  IniDatei fehlt = Ini_New(true);
  EXPECT_NE(Ini_ReadFromFile(fehlt, ordner.datei("gibtsnicht.ini")), 0);
}
