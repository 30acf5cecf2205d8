#include "direct/direktkanaele.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "direct/streifenring.h"

TEST(Direktkanaele, NachkommastellenLoesenEinenRohschrittAuf) {
  const struct {
    double lo, hi;
    int stellen;
  } faelle[] = {
      {0, 100, 2},
      {0, 10, 3},
      {0, 10000, 0},
      {100, 0, 2},
      {0, 4.095, 3},
      {-200, 1800, 1},
      {5, 5, 0},
      {0, 1e-20, kHoechsteNachkommastellen},
      {0, std::numeric_limits<double>::quiet_NaN(), 0},
      {0, std::numeric_limits<double>::infinity(), 0},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Nachkommastellen(f.lo, f.hi), f.stellen) << f.lo << ".." << f.hi;
}

TEST(Direktkanaele, BereicheUndProzenteInEinheiten) {
  Konfiguration k;
  // Input 1: a 1..6 V pressure sensor for 0..1000 mBar; output 3 falls from 60 to 0.
  k.inmin[0] = 1.0;
  k.inmax[0] = 6.0;
  k.inskalamax[0] = 1000.0;
  k.ineinheit[0] = "mBar";
  k.voutmax = 5.0;
  k.outmax[2] = 5.0;
  k.outskalamin[2] = 60.0;
  k.outskalamax[2] = 0.0;
  const Einheitenbereich ein = EingangsBereich(k, 0);
  EXPECT_DOUBLE_EQ(ein.lo, -200.0);
  EXPECT_DOUBLE_EQ(ein.hi, 1800.0);
  EXPECT_EQ(ein.stellen, 1);
  EXPECT_EQ(ein.einheit, "mBar");
  const Einheitenbereich aus = AusgangsBereich(k, 2);
  EXPECT_DOUBLE_EQ(aus.lo, 60.0);
  EXPECT_DOUBLE_EQ(aus.hi, 0.0);
  EXPECT_DOUBLE_EQ(aus.Kleinster(), 0.0);
  EXPECT_DOUBLE_EQ(aus.Groesster(), 60.0);
  EXPECT_EQ(aus.stellen, 2);
  EXPECT_DOUBLE_EQ(EingangProzentInEinheit(k, 0, 35.0), 500.0);
  EXPECT_DOUBLE_EQ(AusgangProzentInEinheit(k, 2, 50.0), 30.0);
}

TEST(Direktkanaele, FestkommaRundetWiePrintfMitDezimalpunkt) {
  EXPECT_EQ(Festkomma(2.0, 3), "2.000");
  EXPECT_EQ(Festkomma(-0.0244, 2), "-0.02");
  EXPECT_EQ(Festkomma(1234.5678, 0), "1235");
  EXPECT_EQ(Festkomma(0.125, 2), "0.12");  // exact binary half: to even, as printf
  EXPECT_EQ(Festkomma(1.0, -3), "1");
  EXPECT_EQ(Festkomma(1e300, 1).size(), 303u);
}

TEST(Streifenring, ZoomUndAbtastzeitWerdenBegrenzt) {
  EXPECT_EQ(ZoomXWert(0), 10);
  EXPECT_EQ(ZoomXWert(-7), 10);
  EXPECT_EQ(ZoomXWert(37), 37);
  EXPECT_EQ(ZoomXWert(1'000'000'000), kStreifenHoechstens);
  EXPECT_DOUBLE_EQ(ZoomYWert(5), 10);
  EXPECT_DOUBLE_EQ(ZoomYWert(150), 100);
  EXPECT_DOUBLE_EQ(ZoomYWert(42.5), 42.5);
  EXPECT_DOUBLE_EQ(ZoomYWert(std::nan("")), 10);
  EXPECT_DOUBLE_EQ(Abtastintervall(0.05), 0.2);
  EXPECT_DOUBLE_EQ(Abtastintervall(1.5), 1.5);
  EXPECT_DOUBLE_EQ(Abtastintervall(std::nan("")), 0.2);
  EXPECT_DOUBLE_EQ(Abtastintervall(1e12), kLaengsteAbtastzeit);
}

TEST(Streifenring, BehaeltDieNeuestenSchritte) {
  Streifenring ring(3);
  for (int n = 1; n <= 5; ++n) ring.Anhaengen({double(n), 0, 0, 0});
  ASSERT_EQ(ring.Schritte().size(), 3u);
  EXPECT_EQ(ring.Schritte().front()[0], 3.0);
  EXPECT_EQ(ring.Schritte().back()[0], 5.0);
  ring.PunkteSetzen(2);
  EXPECT_EQ(ring.Punkte(), 2);
  EXPECT_EQ(ring.Schritte().front()[0], 4.0);
  ring.PunkteSetzen(0);
  EXPECT_EQ(ring.Punkte(), 10);
}
