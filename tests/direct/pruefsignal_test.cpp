// The simulator's moving input signals, its fixed inputs and the mode word's bit 0.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "sim/simoptionen.h"

TEST(Pruefsignal, JederEingangBewegtSichAndersImBereich) {
  for (int n = 1; n <= 4; ++n) {
    std::set<double> werte;
    for (double t = 0.0; t < 120.0; t += 0.25) {
      const double v = Pruefsignal(n, t, 5.0);
      ASSERT_GE(v, 0.0) << n << " " << t;
      ASSERT_LE(v, 5.0) << n << " " << t;
      werte.insert(v);
    }
    EXPECT_GT(werte.size(), 4u) << n;
    // Slowly: a sample interval of 0.2 s moves no signal by more than a tenth of the range,
    // except where the ramp and the staircase jump.
    const double schritt = std::fabs(Pruefsignal(n, 3.2, 5.0) - Pruefsignal(n, 3.0, 5.0));
    EXPECT_LT(schritt, 0.5) << n;
  }
  EXPECT_DOUBLE_EQ(Pruefsignal(1, 5.0, 10.0), 10.0);   // sine top after a quarter of 20 s
  EXPECT_DOUBLE_EQ(Pruefsignal(2, 15.0, 10.0), 10.0);  // triangle top at half of 30 s
  EXPECT_DOUBLE_EQ(Pruefsignal(3, 10.0, 10.0), 2.5);   // ramp over 40 s
  EXPECT_DOUBLE_EQ(Pruefsignal(4, 12.0, 10.0), 5.0);   // third of five steps
  EXPECT_NE(Pruefsignal(1, 7.0, 10.0), Pruefsignal(2, 7.0, 10.0));
}

TEST(Pruefsignal, OptionenFestEingaengeBereichUndStartStopp) {
  SimOptionen o;
  ASSERT_EQ(SimOptionenLesen(
                {"--eingang", "2:1.25", "--eingangsbereich", "4.095", "--eingang4-startstopp"}, o),
            "");
  SimLeitung leitung;
  SimLeitungEinrichten(o, leitung);
  Geraet& g = leitung.Geraete().front();
  double zeit = 10.0;
  g.uhr = [&zeit] { return zeit; };
  EXPECT_EQ(leitung.Empfangen("#1V2R\r"), "\x06#1V2R1.250\r");
  EXPECT_EQ(leitung.Empfangen("#1V3R\r"), "\x06#1V3R1.024\r");  // 4.095 * 10 / 40
  zeit = 30.0;
  EXPECT_EQ(leitung.Empfangen("#1V3R\r"), "\x06#1V3R3.071\r");
  EXPECT_EQ(leitung.Empfangen("#1V2R\r"), "\x06#1V2R1.250\r");
  // Bit 2 is set from the start: the box starts in curve operation.
  EXPECT_EQ(leitung.Empfangen("#1M1R\r"), "\x06#1M1R$05\r");
  EXPECT_EQ(leitung.Empfangen("#1M1C01\r#1M1R\r"), "\x06\x06#1M1R$04\r");

  for (const std::string falsch : {"0", "-1", "1000", "x"}) {
    SimOptionen f;
    EXPECT_EQ(SimOptionenLesen({"--eingangsbereich", falsch}, f),
              "--eingangsbereich: Spannung über 0 bis 999.999 erwartet: " + falsch);
  }
}
