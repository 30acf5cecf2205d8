#include "base/zeitachse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using Texte = std::vector<std::string>;

struct Fall {
  double von, bis;  // microseconds, as a graph's X axis holds them
  const char* einheit;
  Texte beschriftungen;
};

}  // namespace

TEST(Zeitachse, EinheitUndBeschriftungJeAnsicht) {
  const Fall faelle[] = {
      // The curve graph's axis runs from gAnsichtStart to gAnsichtEnde + 1.
      {0, 10001, "ms", {"0", "2", "4", "6", "8", "10"}},
      {0, 10e6 + 1, "s", {"0", "2", "4", "6", "8", "10"}},
      {0, 200e6 + 1, "s", {"0", "50", "100", "150", "200"}},
      {0, 7200e6 + 1, "min", {"0", "20", "40", "60", "80", "100", "120"}},
      {0, 6 * 3600e6, "h", {"0", "1", "2", "3", "4", "5", "6"}},
      {12.5e6, 13.7e6, "s", {"12.6", "12.8", "13.0", "13.2", "13.4", "13.6"}},
      {5000, 5001, "µs", {"5000.0", "5000.2", "5000.4", "5000.6", "5000.8", "5001.0"}},
      {-0.1, 0.9, "µs", {"0.0", "0.2", "0.4", "0.6", "0.8"}},  // no "-0.0"
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.von << ".." << f.bis);
    const Zeitachse achse = ZeitachseBerechnen(f.von, f.bis, 5);
    EXPECT_STREQ(achse.einheit.name, f.einheit);
    EXPECT_EQ(achse.beschriftungen, f.beschriftungen);
    EXPECT_EQ(ZeitachsenTitel(f.bis - f.von), std::string("Zeit [") + f.einheit + "]");
  }
  EXPECT_EQ(ZeitachseBerechnen(12.5e6, 13.7e6, 5, ',').beschriftungen,
            (Texte{"12,6", "12,8", "13,0", "13,2", "13,4", "13,6"}));
}

TEST(Zeitachse, NieExponentenUndTicksPassenZuDenTexten) {
  for (double offset : {0.0, 123456789.0, 3600e6, 1e13}) {
    for (double breite = 1; breite < 1e14; breite *= 1.7) {
      SCOPED_TRACE(testing::Message() << offset << " + " << breite);
      const Zeitachse a = ZeitachseBerechnen(offset, offset + breite, 5);
      ASSERT_EQ(a.ticks.size(), a.beschriftungen.size());
      ASSERT_GE(a.ticks.size(), 3u);
      ASSERT_LE(a.ticks.size(), 11u);
      EXPECT_GE(a.unterteilung, 1);
      for (size_t i = 0; i < a.ticks.size(); ++i) {
        const std::string& text = a.beschriftungen[i];
        EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        EXPECT_GE(a.ticks[i], offset);
        EXPECT_LE(a.ticks[i], offset + breite);
        if (i > 0) {
          EXPECT_NEAR(a.ticks[i] - a.ticks[i - 1], a.schritt,
                      a.schritt * 1e-6 + std::abs(a.ticks[i]) * 1e-15);
        }
        const double wert = std::strtod(text.c_str(), nullptr) * a.einheit.mikrosekunden;
        EXPECT_NEAR(wert, a.ticks[i], a.schritt * 1e-3 + std::abs(a.ticks[i]) * 1e-12);
      }
    }
  }
}

TEST(Zeitachse, LeereUndUngueltigeBereicheOhneTicks) {
  const double unendlich = HUGE_VAL;
  for (auto [von, bis] : {std::pair{5.0, 5.0},
                          {7.0, 3.0},
                          {std::nan(""), 1.0},
                          {0.0, unendlich},
                          {-unendlich, unendlich}})
    EXPECT_TRUE(ZeitachseBerechnen(von, bis, 5).ticks.empty()) << von << ".." << bis;
  EXPECT_EQ(ZeitachsenTitel(0), "Zeit [µs]");
}
