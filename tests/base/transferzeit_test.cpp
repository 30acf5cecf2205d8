#include "base/transferzeit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/skriptdialoge.h"

TEST(Transferzeit, TexteDerDauerUndDerRestzeit) {
  const struct {
    double sekunden;
    const char* dauer;
    const char* rest;
  } faelle[] = {
      {0.0, "0,0 s", "noch 0 s"},
      {0.04, "0,0 s", "noch 1 s"},
      {2.46, "2,5 s", "noch 3 s"},
      {9.96, "10 s", "noch 10 s"},
      {45.4, "45 s", "noch 46 s"},
      {82.01, "1:22 min", "noch 1:23 min"},
      {148.0, "2:28 min", "noch 2:28 min"},
      {3723.0, "1:02:03 h", "noch 1:02:03 h"},
      {-5.0, "0,0 s", "noch 0 s"},
      {std::numeric_limits<double>::quiet_NaN(), "0,0 s", "noch 0 s"},
      {1e300, "2777:46:40 h", "noch 2777:46:40 h"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.sekunden);
    EXPECT_EQ(DauerText(f.sekunden), f.dauer);
    EXPECT_EQ(RestzeitText(f.sekunden), f.rest);
  }
  EXPECT_EQ(Tausender(0), "0");
  EXPECT_EQ(Tausender(999), "999");
  EXPECT_EQ(Tausender(8224), "8 224");
  EXPECT_EQ(Tausender(1234567), "1 234 567");
  EXPECT_EQ(Transfermeldung("Kurve geschrieben", 30704, 148.2),
            "Kurve geschrieben: 30 704 Bytes in 2:28 min");
  EXPECT_DOUBLE_EQ(Restsekunden(250, 1000, 10.0), 30.0);
  EXPECT_LT(Restsekunden(0, 1000, 10.0), 0.0);
  EXPECT_LT(Restsekunden(250, 1000, 0.0), 0.0);
}

// The dialog shows the percentage and the time that remains at the rate measured so far; a stop
// asked for counts only while bytes remain.
TEST(Transferzeit, FortschrittMitRestzeitUndAbbruch) {
  SkriptDialoge dialoge;
  double jetzt = 100.0;
  {
    Transferfortschritt f(&dialoge, "Daten senden", 1000, [&] { return jetzt; });
    jetzt = 110.0;
    EXPECT_FALSE(f.Stand(250));
    dialoge.abbrechenNach = 2;
    jetzt = 112.0;
    EXPECT_TRUE(f.Stand(300));
    EXPECT_FALSE(f.Stand(1000));
    EXPECT_EQ(dialoge.offeneFortschritte, 1);
  }
  EXPECT_EQ(dialoge.offeneFortschritte, 0);
  EXPECT_EQ(dialoge.fortschrittTitel, (std::vector<std::string>{"Daten senden"}));
  EXPECT_EQ(dialoge.prozente, (std::vector<int>{25, 30, 100}));
  EXPECT_EQ(dialoge.restzeiten, (std::vector<std::string>{"noch 30 s", "noch 28 s", "noch 0 s"}));

  Transferfortschritt ohne(nullptr, "Daten lesen", 10);
  EXPECT_FALSE(ohne.Stand(5));
}
