#include "config/konfiguration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/zeichensatz.h"

TEST(Konfiguration, Umrechnungen) {
  Konfiguration konfig;
  EXPECT_DOUBLE_EQ(AusgangRohInVolt(konfig, 4095), 10.0);
  EXPECT_DOUBLE_EQ(RohInEinheit(konfig, 0, 4095), 10.0);
  EXPECT_NEAR(AusgangRohInVolt(konfig, 2048), 5.001221, 5e-7);
  // Computed as raw * (10 / 4095), not raw * 10 / 4095.
  EXPECT_EQ(AusgangRohInVolt(konfig, 2048), 2048 * (10.0 / 4095.0));

  // A 0..60 V power supply driven by 0..5 V on output 1 of a 5 V box.
  konfig.voutmax = 5.0;
  konfig.outmax[0] = 5.0;
  konfig.outskalamax[0] = 60.0;
  EXPECT_DOUBLE_EQ(RohInEinheit(konfig, 0, 4095), 60.0);
  EXPECT_DOUBLE_EQ(AusgangEinheitInVolt(konfig, 0, 30.0), 2.5);
  EXPECT_DOUBLE_EQ(EinheitInRoh(konfig, 0, 30.0), 2047.5);
  EXPECT_DOUBLE_EQ(AusgangVoltInRoh(konfig, 5.0), 4095.0);
  EXPECT_DOUBLE_EQ(RohInEinheit(konfig, 1, 4095), 5.0);  // other outputs keep their scaling

  // A 0..1000 mBar sensor giving 1..6 V on input 1; no clamping.
  konfig.inmin[0] = 1.0;
  konfig.inmax[0] = 6.0;
  konfig.inskalamax[0] = 1000.0;
  EXPECT_DOUBLE_EQ(EingangVoltInEinheit(konfig, 0, 1.0), 0.0);
  EXPECT_DOUBLE_EQ(EingangVoltInEinheit(konfig, 0, 3.5), 500.0);
  EXPECT_DOUBLE_EQ(EingangVoltInEinheit(konfig, 0, 0.0), -200.0);
  EXPECT_DOUBLE_EQ(EingangEinheitInVolt(konfig, 0, 500.0), 3.5);
  EXPECT_DOUBLE_EQ(RohXInEinheit(konfig, 4095), 1800.0);
  EXPECT_DOUBLE_EQ(EinheitInRohX(konfig, 1800.0), 4095.0);
  EXPECT_DOUBLE_EQ(EingangRohInVolt(konfig, 4095), 10.0);
  EXPECT_DOUBLE_EQ(EingangVoltInRoh(konfig, 10.0), 4095.0);
}

TEST(Konfiguration, Vergleichen) {
  const Konfiguration a;
  Konfiguration b;
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 1);
  b.ineinheit[3] = "mV";
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
  b = a;
  b.outeinheit[2] = "v";  // case-sensitive
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
  b = a;
  b.vinmax = 5.0;
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
  b = a;
  b.outskalamax[3] = std::nextafter(10.0, 11.0);  // exact comparison
  EXPECT_EQ(KonfigurationenVergleichen(a, b), 0);
}

TEST(Konfiguration, GueltigNurMitTeilbarenBereichen) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(KonfigurationGueltig(Konfiguration{}));
  auto mit = [](auto aendern) {
    Konfiguration konfig;
    aendern(konfig);
    return konfig;
  };
  EXPECT_FALSE(KonfigurationGueltig(mit([](Konfiguration& k) { k.voutmax = 0.0; })));
  EXPECT_FALSE(KonfigurationGueltig(mit([&](Konfiguration& k) { k.vinmax = nan; })));
  EXPECT_FALSE(KonfigurationGueltig(mit([](Konfiguration& k) { k.outmin[2] = 10.0; })));
  EXPECT_FALSE(KonfigurationGueltig(mit([](Konfiguration& k) { k.inskalamax[3] = 0.0; })));
  EXPECT_FALSE(KonfigurationGueltig(mit([&](Konfiguration& k) { k.inmax[1] = inf; })));
  // Finite values whose difference or slope leaves the double range.
  EXPECT_FALSE(KonfigurationGueltig(mit([](Konfiguration& k) {
    k.outmin[0] = -1e308;
    k.outmax[0] = 1e308;
  })));
  EXPECT_FALSE(KonfigurationGueltig(mit([](Konfiguration& k) {
    k.outmax[1] = 1e-300;
    k.outskalamax[1] = 1e300;
  })));
  EXPECT_TRUE(KonfigurationGueltig(mit([](Konfiguration& k) {
    k.outmin[0] = 10.0;  // a falling scale is fine
    k.outmax[0] = 0.0;
    k.voutmax = 4.095;
  })));

  EXPECT_EQ(KanalPruefen(1.0, 1.0, 0.0, 5.0), Kanalmangel::GleicheSpannungen);
  EXPECT_EQ(KanalPruefen(1.0, 2.0, 5.0, 5.0), Kanalmangel::GleicheWerte);
  EXPECT_EQ(KanalPruefen(1.0, 2.0, nan, 5.0), Kanalmangel::Ungueltig);
}

TEST(Konfiguration, EinheitKuerzen) {
  // Unit texts count characters, whatever their UTF-8 length.
  EXPECT_EQ(Utf8Kuerzen("mBar", kEinheitLaenge), "mBar");
  EXPECT_EQ(Utf8Kuerzen("Kilopascal", kEinheitLaenge), "Kilopasc");
  EXPECT_EQ(Utf8Kuerzen("Kilopascal", 7), "Kilopas");
  EXPECT_EQ(Utf8Kuerzen("Grad  °C", kEinheitLaenge), "Grad  °C");
  EXPECT_EQ(Utf8Kuerzen("ÄÖÜäöüßµ°", kEinheitLaenge), "ÄÖÜäöüßµ");
}
