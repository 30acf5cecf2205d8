// The parts of tvm5r-sim that need no terminal: the line's pace and the command line.

#include <gtest/gtest.h>

#include "sim/leitungstakt.h"
#include "sim/simoptionen.h"

using std::chrono::nanoseconds;

TEST(Leitungstakt, AbsoluteZeitpunkteOhneDrift) {
  const Uhr::time_point t0{};
  Leitungstakt takt(115200);
  Uhr::time_point letzter{};
  for (int i = 0; i < 1000; ++i) letzter = takt.Empfangen(t0);
  // 1000 characters of 10 bits: 86805555.5 ns; adding the rounded time of one character
  // (86805 ns) a thousand times would lose 555 ns.
  EXPECT_EQ(letzter - t0, nanoseconds(86'805'555));

  // The answer starts when the request has arrived; the directions are independent.
  EXPECT_EQ(takt.Senden(letzter) - letzter, nanoseconds(86'805));
  EXPECT_EQ(takt.Senden(letzter) - letzter, nanoseconds(173'611));

  // A byte after a pause starts a new stretch; one arriving while the line is busy queues up.
  const Uhr::time_point spaeter = letzter + nanoseconds(1'000'000);
  EXPECT_EQ(takt.Empfangen(spaeter) - spaeter, nanoseconds(86'805));
  EXPECT_EQ(takt.Empfangen(spaeter) - spaeter, nanoseconds(173'611));

  Leitungstakt ohne(0);
  EXPECT_EQ(ohne.Empfangen(spaeter), spaeter);
  EXPECT_EQ(ohne.Senden(spaeter), spaeter);
}

TEST(SimOptionen, LiestGeraeteStoerungenUndTakt) {
  SimOptionen o;
  EXPECT_EQ(SimOptionenLesen(
                {"--com", "7", "--geraet", "3", "--geraet", "5:PWC-2 V2.1", "--baud-emulation",
                 "--stoerung-rahmen", "4:abgeschnitten:3", "--stoerung-rate", "0.25:nak",
                 "--eingang", "2:-1.5", "--log", "--speicher", "s.bin", "--seed", "9"},
                o),
            "");
  EXPECT_EQ(o.com, 7);
  ASSERT_EQ(o.geraete.size(), 2u);
  EXPECT_EQ(o.geraete[0].adresse, '3');
  EXPECT_EQ(o.geraete[0].kennung, kTvm5rKennung);
  EXPECT_EQ(o.geraete[1].kennung, "PWC-2 V2.1");
  EXPECT_EQ(o.baud, 9600);
  ASSERT_EQ(o.stoerungenAufRahmen.size(), 1u);
  EXPECT_EQ(o.stoerungenAufRahmen[0].first, 4);
  EXPECT_EQ(o.stoerungenAufRahmen[0].second.art, Stoerart::Abgeschnitten);
  EXPECT_EQ(o.stoerungenAufRahmen[0].second.parameter, 3);
  ASSERT_EQ(o.stoerungenMitRate.size(), 1u);
  EXPECT_EQ(o.stoerungenMitRate[0].second, 0.25);
  EXPECT_EQ(o.eingaenge, (std::vector<std::pair<int, double>>{{2, -1.5}}));
  EXPECT_TRUE(o.log);
  EXPECT_EQ(o.speicher, "s.bin");
  EXPECT_EQ(o.seed, 9u);

  SimLeitung leitung;
  SimLeitungEinrichten(o, leitung);
  ASSERT_EQ(leitung.Geraete().size(), 2u);
  EXPECT_EQ(leitung.GeraetMit('5')->Eingang(2), -1.5);

  SimOptionen leer;
  SimLeitung standard;
  SimLeitungEinrichten(leer, standard);
  ASSERT_EQ(standard.Geraete().size(), 1u);
  EXPECT_EQ(standard.Geraete().front().adresse, '1');

  SimOptionen schnell;
  EXPECT_EQ(SimOptionenLesen({"--baud-emulation=115200"}, schnell), "");
  EXPECT_EQ(schnell.baud, 115200);
}

TEST(SimOptionen, WeistUnpassendesZurueck) {
  const std::vector<std::vector<std::string>> falsch = {
      {"--com"},
      {"--com", "257"},
      {"--com", "x"},
      {"--geraet", "0"},
      {"--geraet", "A"},
      {"--geraet", "12"},
      {"--geraet", "3:"},
      {"--geraet", "3:123456789012345678901234567"},
      {"--geraet", "3", "--geraet", "3:anders"},
      {"--stoerung-rahmen", "0:nak"},
      {"--stoerung-rahmen", "2:laut"},
      {"--stoerung-rahmen", "2:nak:-1"},
      {"--stoerung-rate", "0.5:muell:1001"},
      {"--stoerung-rate", "1.5:nak"},
      {"--stoerung-rate", "nan:nak"},
      {"--eingang", "5:1"},
      {"--eingang", "1:1000"},
      {"--baud-emulation=0"},
      {"--unbekannt"},
  };
  for (const auto& argumente : falsch) {
    SimOptionen o;
    EXPECT_NE(SimOptionenLesen(argumente, o), "") << argumente[0];
  }
}
