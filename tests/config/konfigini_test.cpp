#include "config/konfigini.h"

#include <gtest/gtest.h>

#include "tests/config/konfigtestfelder.h"
#include "tests/support/skriptdialoge.h"

namespace {

Konfiguration Lesen(const std::string& text, int* gezeigt = nullptr) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini, text);
  ReadIniKonfigpanel(zustand, ini);
  if (gezeigt != nullptr) *gezeigt = felder.gezeigt;
  EXPECT_EQ(KonfigurationenVergleichen(felder.felder, zustand.gKonfig()), 1);
  return zustand.gKonfig();
}

}  // namespace

TEST(Konfigini, SchreibenUndLesen) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  TestFelder felder;
  zustand.FelderAnmelden(&felder);
  felder.felder.voutmax = 4.095;
  felder.felder.outmin[3] = 0.1;
  felder.felder.outeinheit[0] = "mBar";
  felder.felder.inskalamax[2] = 1000.0;
  felder.felder.ineinheit[3] = "";
  IniDatei ini = Ini_New(true);
  WriteIniKonfigpanel(zustand, ini);
  EXPECT_EQ(KonfigurationenVergleichen(zustand.gKonfig(), felder.felder), 1);

  const std::string text = Ini_Text(ini);
  for (const char* zeile :
       {"[konfig]\r\n", "voutmax = 4.095\r\n", "vinmax = 10\r\n", "outmin3 = 0.1\r\n",
        "outeinheit0 = \"mBar\"\r\n", "inskalamax2 = 1000\r\n", "ineinheit3 = \"\"\r\n",
        "outskalamin0 = 0\r\n", "inmax0 = 10\r\n"})
    EXPECT_NE(text.find(zeile), std::string::npos) << zeile;
  EXPECT_EQ(ini.abschnitte.at(0).eintraege.size(), 2u + 4 * 10);

  int gezeigt = 0;
  EXPECT_EQ(KonfigurationenVergleichen(Lesen(text, &gezeigt), felder.felder), 1);
  EXPECT_EQ(gezeigt, 1);
}

TEST(Konfigini, FehlendeUndUnbrauchbareWerte) {
  Konfiguration leer = Lesen("");
  Konfiguration erwartet;
  erwartet.outeinheit = {"", "", "", ""};
  erwartet.ineinheit = {"", "", "", ""};
  EXPECT_EQ(KonfigurationenVergleichen(leer, erwartet), 1);

  const Konfiguration k = Lesen(
      "[konfig]\n"
      "voutmax = 0\nvinmax = +Inf\n"
      "outmin0 = 5\noutmax0 = 5\noutskalamin0 = 2\noutskalamax0 = 4\n"
      "outmin1 = abc\noutmax1 = 3\n"
      "outskalamin2 = 7\noutskalamax2 = 7\noutmin2 = 1\noutmax2 = 2\n"
      "inmin0 = -Inf\ninmax0 = 10\n"
      "inmin1 = 1e-300\ninmax1 = 2e-300\ninskalamax1 = 1e300\n"
      "inmin3 = 10\ninskalamax3 = 500\n"
      "outeinheit0 = \"Kilopascal\"\nineinheit1 = \"Temp. \xB0"
      "C\"\nineinheit2 = mA\n");
  EXPECT_EQ(k.voutmax, 10.0);
  EXPECT_EQ(k.vinmax, 10.0);
  // Equal voltages count as missing, the unit values stay.
  EXPECT_EQ(k.outmin[0], 0.0);
  EXPECT_EQ(k.outmax[0], 10.0);
  EXPECT_EQ(k.outskalamin[0], 2.0);
  EXPECT_EQ(k.outskalamax[0], 4.0);
  EXPECT_EQ(k.outmin[1], 0.0);  // not a number: missing
  EXPECT_EQ(k.outmax[1], 3.0);
  EXPECT_EQ(k.outmin[2], 1.0);  // equal unit values count as missing, the voltages stay
  EXPECT_EQ(k.outskalamin[2], 0.0);
  EXPECT_EQ(k.outskalamax[2], 10.0);
  EXPECT_EQ(k.inmin[0], 0.0);  // not finite: missing
  // A slope beyond the double range: the whole channel falls back.
  EXPECT_EQ(k.inmin[1], 0.0);
  EXPECT_EQ(k.inmax[1], 10.0);
  EXPECT_EQ(k.inskalamax[1], 10.0);
  // 10 .. 10 V: the voltages fall back, the unit values stay.
  EXPECT_EQ(k.inmin[3], 0.0);
  EXPECT_EQ(k.inskalamax[3], 500.0);
  EXPECT_TRUE(KonfigurationGueltig(k));
  EXPECT_EQ(k.outeinheit[0], "Kilopas");
  EXPECT_EQ(k.ineinheit[1], "Temp. °");  // seven characters, one byte each in the file
  EXPECT_EQ(k.ineinheit[2], "mA");
  EXPECT_EQ(k.ineinheit[0], "");
}

TEST(Konfigini, SteuerzeichenInEinheitenBrechenKeineZeile) {
  SkriptDialoge dialoge;
  Konfigzustand zustand(dialoge);
  Konfiguration konfig;
  konfig.outeinheit[0] = "a\nb=c";
  ASSERT_TRUE(zustand.KonfigurationSetzen(konfig));
  IniDatei ini = Ini_New(true);
  WriteIniKonfigpanel(zustand, ini);
  EXPECT_NE(Ini_Text(ini).find("outeinheit0 = \"a b=c\"\r\n"), std::string::npos);
}
