// The staircase the graph draws and the words of the curve memory image agree unit for unit.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "curves/grafikdaten.h"
#include "curves/kurvenabbild.h"

namespace {

// The value a staircase polyline holds at time t (a horizontal piece covers it).
int WertBei(const Linienzug& zug, double t) {
  const auto nach = std::upper_bound(zug.t.begin(), zug.t.end(), t);
  EXPECT_TRUE(nach != zug.t.begin() && nach != zug.t.end()) << t;
  const std::size_t i = static_cast<std::size_t>(nach - zug.t.begin()) - 1;
  EXPECT_EQ(zug.y[i], zug.y[i + 1]) << t;
  return static_cast<int>(zug.y[i]);
}

// Curve 1 drawn as staircase over its whole duration, four pixel columns per unit, read in the
// middle of every unit; the closing segment has its own polyline.
std::vector<int> GezeichneteWerte(Kurvensatz& satz) {
  const Kurve& kurve = satz.gKurven[0];
  const double dauer = Kurvendauer(kurve);
  const double einheit = ZeitbasisDauer(kurve.punkte[0].zeitbasis);
  satz.ansicht = {0.0, dauer - 1};
  Kurvendarstellung darstellung;
  darstellung.gDarstellung = 2;
  const int einheiten = static_cast<int>(dauer / einheit);
  const Grafikdaten daten = GrafikdatenBerechnen(satz, darstellung, 4 * einheiten, 100);
  const std::vector<double> zeiten = Punktzeiten(kurve);
  std::vector<int> werte;
  for (int i = 0; i < kurve.anzahlPunkte(); ++i) {
    const Linienzug& zug =
        i == kurve.letzterPunkt() ? daten.aktuell.schlussstufen : daten.aktuell.stufen;
    for (int k = 0; k < kurve.punkte[i].laenge; ++k)
      werte.push_back(WertBei(zug, zeiten[i] + (k + 0.5) * einheit));
  }
  return werte;
}

std::vector<int> Abbildwerte(const Kurvensatz& satz) {
  const std::optional<Kurvenabbild> abbild = KurvenAbbildErstellen(satz);
  EXPECT_TRUE(abbild.has_value());
  std::vector<int> werte;
  for (int a = kKurvendatenStart; abbild && a < abbild->ende; a += 2)
    werte.push_back((abbild->bytes[a] << 8 | abbild->bytes[a + 1]) & 0x0FFF);
  return werte;
}

// Segments of even length between values an odd step apart have a unit that is exactly a half.
std::vector<Kurvenpunkt> Zufallspunkte(std::mt19937& zufall) {
  std::uniform_int_distribution<int> wert(0, kKurvenwertMax), anzahl(2, 10), laenge(1, 200);
  const int code = kZeitbasisListe[zufall() % std::size(kZeitbasisListe)];
  std::vector<Kurvenpunkt> punkte;
  int y = wert(zufall);
  for (int i = anzahl(zufall); i > 0; --i) {
    const int l = laenge(zufall);
    punkte.push_back({y, zufall() % 2 ? 2 * l : l, static_cast<int8_t>(code)});
    const int schritt = 2 * static_cast<int>(zufall() % 600) + 1;
    y = std::clamp(y + (zufall() % 2 ? schritt : -schritt), 0, kKurvenwertMax);
  }
  return punkte;
}

}  // namespace

TEST(Stufenabbild, GezeichneteStufenSindDieWorteDesAbbilds) {
  // Exact halves that a slope rounded first puts just below: 15 * 11 / 22 is 7.5.
  Kurvensatz satz;
  satz.gKurven[0].punkte = {{0, 22, 9}, {15, 28, 9}, {49, 22, 9}, {0, 38, 9}, {53, 1, 9}};
  EXPECT_EQ(Stufenwert(0, 15, 22, 11), 7);
  EXPECT_EQ(GezeichneteWerte(satz), Abbildwerte(satz));

  std::mt19937 zufall(20261208);
  for (int durchlauf = 0; durchlauf < 300; ++durchlauf) {
    satz.gKurven[0].punkte = Zufallspunkte(zufall);
    ASSERT_EQ(GezeichneteWerte(satz), Abbildwerte(satz)) << durchlauf;
  }
}
