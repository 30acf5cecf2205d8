#include "curves/kurvenansicht.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

TEST(Kurvenansicht, ZoomPlusUndMinus) {
  Ansicht a;
  a.gAnsichtEnde = 9999;
  ZoomPlus(a);
  EXPECT_EQ(a.gAnsichtStart, 1666);
  EXPECT_EQ(a.gAnsichtEnde, 8332);

  // Width 1 stays width 1.
  a = {5, 5};
  ZoomPlus(a);
  EXPECT_EQ(a.gAnsichtStart, 5);
  EXPECT_EQ(a.gAnsichtEnde, 5);

  // From start 0 the start stays and the end widens.
  a = {0, 9999};
  ZoomMinus(a);
  EXPECT_EQ(a.gAnsichtStart, 0);
  EXPECT_EQ(a.gAnsichtEnde, 14999);
  a = {6000, 6999};  // F = 1500, w = 5750, v = 7250
  ZoomMinus(a);
  EXPECT_EQ(a.gAnsichtStart, 5750);
  EXPECT_EQ(a.gAnsichtEnde, 7249);
  a = {0, 0};  // F = 1.5: floor(w + 1) >= floor(v), so v grows by one
  ZoomMinus(a);
  EXPECT_EQ(a.gAnsichtEnde, 1);

  // Zooming out without end stops at 2^53 microseconds.
  for (int i = 0; i < 3000; ++i) ZoomMinus(a);
  EXPECT_LE(a.gAnsichtEnde, 9007199254740992.0);
  EXPECT_GT(a.gAnsichtEnde, 9007199254740992.0 / 1.6);

  AnsichtZuruecksetzen(a);
  EXPECT_EQ(a.gAnsichtStart, 0);
  EXPECT_EQ(a.gAnsichtEnde, 10000);
}

TEST(Kurvenansicht, ZoomMarkierungUndGesamtkurve) {
  Kurvensatz satz;
  AnsichtGesamtkurve(satz);
  EXPECT_EQ(satz.ansicht.gAnsichtStart, 0);
  EXPECT_EQ(satz.ansicht.gAnsichtEnde, 9999);

  Ansicht a{100, 900};
  Markierung m;
  m.gMarkierungStart = 200;
  m.gMarkierungEnde = 500;
  ZoomMarkierung(a, m);  // inactive: nothing changes
  EXPECT_EQ(a.gAnsichtStart, 100);
  EXPECT_EQ(a.gAnsichtEnde, 900);

  m.gMarkierungAktiv = true;
  m.gMarkierungEnde = 200;  // start = end: the mark only ends
  ZoomMarkierung(a, m);
  EXPECT_FALSE(m.gMarkierungAktiv);
  EXPECT_EQ(a.gAnsichtStart, 100);
  EXPECT_EQ(a.gAnsichtEnde, 900);

  m.gMarkierungAktiv = true;
  m.gMarkierungEnde = 500;
  ZoomMarkierung(a, m);
  EXPECT_FALSE(m.gMarkierungAktiv);
  EXPECT_EQ(a.gAnsichtStart, 200);
  EXPECT_EQ(a.gAnsichtEnde, 499);
}

TEST(Kurvenansicht, BildlaufleisteUndBildlauf) {
  EXPECT_EQ(BildlaufBerechnen({0, 9999}, 10000), (Bildlaufstand{100, 0}));
  EXPECT_EQ(BildlaufBerechnen({0, 10000}, 10000), (Bildlaufstand{100, 0}));
  EXPECT_EQ(BildlaufBerechnen({25000, 34999}, 100000), (Bildlaufstand{10, 27}));
  EXPECT_EQ(BildlaufBerechnen({0, 99}, 1e9), (Bildlaufstand{1, 0}));
  EXPECT_EQ(BildlaufBerechnen({95000, 104999}, 100000), (Bildlaufstand{10, 100}));
  EXPECT_EQ(BildlaufBerechnen({0, 9999}, 0), (Bildlaufstand{100, 0}));
  // Less than one microsecond to scroll counts as nothing to scroll.
  EXPECT_EQ(BildlaufBerechnen({0, 9999}, 10000.5).position, 0);

  Ansicht a{25000, 34999};
  Bildlauf(a, 100000, 50);
  EXPECT_EQ(a.gAnsichtStart, 45000);
  EXPECT_EQ(a.gAnsichtEnde, 54999);
  Bildlauf(a, 100000, 100);
  EXPECT_EQ(a.gAnsichtStart, 90000);
  a = {0, 19999};  // wider than the curve: stays at 0
  Bildlauf(a, 10000, 60);
  EXPECT_EQ(a.gAnsichtStart, 0);
  EXPECT_EQ(a.gAnsichtEnde, 19999);
}

TEST(Kurvenansicht, YZoomKorrekturUndAblehnung) {
  Kurvensatz satz;
  Konfiguration konfig;  // 0..10 V shown as 0..10 "V"
  satz.gAktuelleKurve = 2;
  EXPECT_TRUE(YZoomSetzen(satz, konfig, 2.5, 5));
  EXPECT_EQ(satz.gYZoomMin[2], 1023);  // trunc(1023.75)
  EXPECT_EQ(satz.gYZoomMax[2], 2047);  // trunc(2047.5)
  EXPECT_TRUE(YZoomSetzen(satz, konfig, -3, 20));
  EXPECT_EQ(satz.gYZoomMin[2], 0);
  EXPECT_EQ(satz.gYZoomMax[2], 4095);

  satz.gYZoomMin[2] = 100;
  satz.gYZoomMax[2] = 200;
  const std::vector<std::pair<double, double>> abgelehnt{
      {6, 5}, {5, 5}, {11, 12}, {-2, -1}, {std::nan(""), 5}};
  for (auto [lo, hi] : abgelehnt) {
    EXPECT_FALSE(YZoomSetzen(satz, konfig, lo, hi)) << lo << " " << hi;
    EXPECT_EQ(satz.gYZoomMin[2], 100);
    EXPECT_EQ(satz.gYZoomMax[2], 200);
  }
  const Kurvenfelder felder = KurvenfelderBerechnen(satz, konfig);
  EXPECT_DOUBLE_EQ(felder.yZoomMin, 1000.0 / 4095);
  EXPECT_DOUBLE_EQ(felder.yZoomMax, 2000.0 / 4095);
  EXPECT_EQ(satz.gYZoomMin[0], 0);  // other curves keep theirs
}

TEST(Kurvenansicht, YAchseFelderUndSpeicheranzeige) {
  Kurvensatz satz;
  Konfiguration konfig;
  satz.gAktuelleKurve = 1;
  konfig.outskalamin[1] = 100;  // 0..10 V shown as 100..-100 "bar"
  konfig.outskalamax[1] = -100;
  konfig.outeinheit[1] = "bar";
  satz.gRuhezustand[1] = 4095;
  satz.gZyklen[1] = 7;
  satz.gYZoomMin[1] = 10;
  const YAchse achse = YAchseBerechnen(satz, konfig);
  EXPECT_DOUBLE_EQ(achse.versatz, 100);
  EXPECT_DOUBLE_EQ(achse.verstaerkung, -200.0 / 4095);
  EXPECT_EQ(achse.einheit, "bar");
  EXPECT_EQ(achse.min, 10);
  EXPECT_EQ(achse.max, 4095);
  const Kurvenfelder f = KurvenfelderBerechnen(satz, konfig);
  EXPECT_EQ(f.ruhezustandBeschriftung, "Ruhezustand [bar]");
  EXPECT_DOUBLE_EQ(f.ruhezustand, -100);
  EXPECT_EQ(f.zyklen, 7);
  EXPECT_DOUBLE_EQ(f.speicher.prozent, 100.0 * 40 / 61440 + 0.05);

  EXPECT_DOUBLE_EQ(SpeicherbedarfAnzeigen(61440).prozent, 100.05);
  EXPECT_EQ(SpeicherbedarfAnzeigen(61440).farbe, 0xC0C0C0u);
  EXPECT_EQ(SpeicherbedarfAnzeigen(65502).farbe, 0xC0C0C0u);
  EXPECT_EQ(SpeicherbedarfAnzeigen(65504).farbe, 0xFF0000u);
}
