#include "direct/protokolldatei.h"

#include <gtest/gtest.h>

#include "base/dateischreiben.h"
#include "tests/support/tempordner.h"

TEST(Protokolldatei, KopfzeilenUndSpaltenMitDenGenauigkeitenDerKanaele) {
  Konfiguration k;
  k.inskalamax[1] = 100.0;
  k.ineinheit[1] = "%";
  k.inskalamax[2] = 10000.0;
  k.ineinheit[2] = "°C";
  k.outskalamin[3] = -5.0;
  k.outskalamax[3] = 5.0;
  k.outeinheit[3] = "bar";
  EXPECT_EQ(KanalKopfzeilen(k, true),
            "Eingang1: 0.000..10.000 V\nEingang2: 0.00..100.00 %\nEingang3: 0..10000 °C\n"
            "Eingang4: 0.000..10.000 V\n");
  EXPECT_EQ(KanalKopfzeilen(k, false),
            "Ausgang1: 0.000..10.000 V\nAusgang2: 0.000..10.000 V\nAusgang3: 0.000..10.000 V\n"
            "Ausgang4: -5.000..5.000 bar\n");
  EXPECT_EQ(Spaltenkopf(k),
            "Datum\tUhrzeit\tEing1[V]\tEing2[%]\tEing3[°C]\tEing4[V]\tAusg1[V]\tAusg2[V]\t"
            "Ausg3[V]\tAusg4[bar]\n");
  EXPECT_EQ(Zeitspalten({31, 12, 2026, 23, 59, 59}), "31.12.2026\t23:59:59\t");
  EXPECT_EQ(Zeitspalten({1, 2, 987, 3, 4, 5}), "01.02.0987\t03:04:05\t");
  EXPECT_EQ(Wertspalten(k, {50, 12.5, 33.3, 100}, true), "5.000\t12.50\t3330\t10.000\t");
  EXPECT_EQ(Wertspalten(k, {50, 12.5, 33.3, 100}, true, {true, true, true, false}),
            "5.000\t12.50\t3330\t-----\t");
  EXPECT_EQ(Wertspalten(k, {0, 0, 0, 75}, false), "0.000\t0.000\t0.000\t2.500\t");
  EXPECT_EQ(Wertspalten(k, {0, 0, 0, 75}, false, {false, true, false, true}),
            "-----\t0.000\t-----\t2.500\t");
}

TEST(Protokolldatei, HaengtAnUndSchreibtWindows1252) {
  TempOrdner tmp;
  const std::string pfad = tmp.datei("p.txt");
  {
    Protokolldatei datei;
    ASSERT_EQ(datei.Oeffnen(pfad), 0);
    EXPECT_EQ(datei.Schreiben("alt\n", -1), 0);
  }
  Protokolldatei datei;
  EXPECT_EQ(datei.Schreiben("ohne Datei", -2), 0);
  ASSERT_EQ(datei.Oeffnen(pfad), 0);
  EXPECT_EQ(datei.Schreiben("Datenübertragung 20 °C \u20ac \u4e00\n", -3), 0);
  // Flushed: readable before the file is closed.
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(pfad, inhalt));
  EXPECT_EQ(inhalt,
            "alt\nDaten\xFC"
            "bertragung 20 \xB0"
            "C \x80 ?\n");
  EXPECT_EQ(datei.Oeffnen(tmp.pfad().string()), -308306);
  EXPECT_FALSE(datei.Offen());
}

TEST(Protokolldatei, SchreibfehlerSchliesstDieDatei) {
  Protokolldatei datei;
  ASSERT_EQ(datei.Oeffnen("/dev/full"), 0);
  EXPECT_EQ(datei.Schreiben("Zeile\n", -301312), -301312);
  EXPECT_FALSE(datei.Offen());
}
