#include "characteristic/kennliniengrafik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennlinienbearbeitung.h"
#include "tests/characteristic/kennlinientesthilfe.h"

namespace {

// Lowest and highest y of the vertices in each pixel column.
std::map<int, std::pair<double, double>> Spaltenumfang(const Linienzug& zug,
                                                       const Spaltenraster& raster) {
  std::map<int, std::pair<double, double>> umfang;
  for (std::size_t i = 0; i < zug.Groesse(); ++i) {
    const int c = raster.Spalte(zug.t[i]);
    if (c < 0 || c >= raster.Spalten()) continue;
    auto [it, neu] = umfang.try_emplace(c, zug.y[i], zug.y[i]);
    it->second.first = std::min(it->second.first, zug.y[i]);
    it->second.second = std::max(it->second.second, zug.y[i]);
  }
  return umfang;
}

// The literal staircase of the slot image: value x holds from x to x + 1.
Linienzug Bildstufen(const std::vector<uint8_t>& abbild, int bis) {
  Linienzug zug;
  for (int x = 0; x < bis; ++x) {
    const int wert = abbild[32 + 2 * x] << 8 | abbild[33 + 2 * x];
    zug.Anhaengen(x, wert);
    zug.Anhaengen(x + 1, wert);
  }
  return zug;
}

}  // namespace

TEST(Kennliniengrafik, StufenSindDasAbbild) {
  Kennlinienzustand z;
  z.gKennlinie.punkte = Punkte({{1000, 2}, {2000, 1}});
  Kennliniengrafik g = KennliniengrafikBerechnen(z, 3, 8190, 100);
  EXPECT_EQ(g.xMin, 0);
  EXPECT_EQ(g.xMax, 4095);
  EXPECT_EQ(g.linien.t, (std::vector<double>{0, 2}));
  EXPECT_EQ(g.linien.y, (std::vector<double>{1000, 2000}));
  EXPECT_EQ(g.stufen.t, (std::vector<double>{0, 1, 1, 2, 2}));
  EXPECT_EQ(g.stufen.y, (std::vector<double>{1000, 1000, 1500, 1500, 2000}));
  EXPECT_EQ(g.ergaenzung.t, (std::vector<double>{2, 4095}));
  EXPECT_EQ(g.ergaenzungsstufen.t, (std::vector<double>{2, 3, 4095}));
  EXPECT_TRUE(g.punkte.Leer());  // 4 columns apart: too close for markers
  EXPECT_EQ(g.uebersicht.t, (std::vector<double>{0, 2, 2, 4095}));

  // A ramp over the whole range, reduced to 97 columns, covers the same pixels as the
  // literal staircase of the image.
  z.gKennlinie.punkte = Punkte({{0, 3000}, {4095, 1000}, {17, 0}});
  g = KennliniengrafikBerechnen(z, 2, 97, 50);
  EXPECT_TRUE(g.linien.Leer());
  EXPECT_LE(g.stufen.Groesse(), 4u * 97 + 2);
  std::vector<uint8_t> abbild;
  ASSERT_EQ(KennlAbbildErstellen(z.gKennlinie, 0, 256, abbild), 0);
  const Spaltenraster raster(0, 4095, 97);
  Linienzug literal = Bildstufen(abbild, 4000);
  literal.Anhaengen(4000, 17);  // the vertical line to the last point
  EXPECT_EQ(Spaltenumfang(g.stufen, raster), Spaltenumfang(literal, raster));
  EXPECT_EQ(g.ergaenzungsstufen.y, (std::vector<double>{17, 17, 17}));

  // A zoomed view leaves out what lies before it.
  z.gKennlAnsichtStart = 3000;
  z.gKennlAnsichtEnde = 3009;
  g = KennliniengrafikBerechnen(z, 1, 1000, 50);
  EXPECT_EQ(g.xMax, 3010);
  EXPECT_TRUE(g.stufen.Leer());
  EXPECT_EQ(g.linien.t.front(), 0);  // the segment that reaches into the view
  EXPECT_EQ(g.punkte.t, (std::vector<double>{3000}));
}

TEST(Kennliniengrafik, PunktmarkenNurWoPunkteAuseinanderstehen) {
  Kennlinienzustand z;
  z.gKennlinie.punkte = Punkte({{1000, 2}, {2000, 10}, {3000, 1}});  // X 0, 2 and 12
  struct Fall {
    int spalten;  // over 0..4095
    std::vector<double> marken;
  };
  // 1/4, 3 and 3/2 columns per X step; the last point has no neighbour after it.
  for (const Fall& f : {Fall{1024, {}}, Fall{12285, {0, 2, 12}}, Fall{6143, {12}}}) {
    const Kennliniengrafik g = KennliniengrafikBerechnen(z, 3, f.spalten, 100);
    EXPECT_EQ(g.punkte.t, f.marken) << f.spalten;
  }
  // A slot read back: a point per X step, no markers at full view; zoomed in, all of them.
  z.gKennlinie.punkte.assign(4096, Kennlinienpunkt{2000, 1, 0});
  EXPECT_TRUE(KennliniengrafikBerechnen(z, 3, 1200, 100).punkte.Leer());
  z.gKennlAnsichtStart = 100;
  z.gKennlAnsichtEnde = 199;
  EXPECT_EQ(KennliniengrafikBerechnen(z, 3, 1000, 100).punkte.Groesse(), 101u);
}

TEST(Kennliniengrafik, Vorschau) {
  Kennlinie k;
  k.punkte = Punkte({{0, 10}, {500, 20}, {900, 1}});
  EXPECT_EQ(KennlZeichnenVorschaulinie(k, 40, 7).t, (std::vector<double>{30, 40}));
  const Linienzug mitte = KennlVerschiebenVorschaulinie(k, 1, 15, 600);
  EXPECT_EQ(mitte.t, (std::vector<double>{0, 15, 30}));
  EXPECT_EQ(mitte.y, (std::vector<double>{0, 600, 900}));
  EXPECT_EQ(KennlVerschiebenVorschaulinie(k, 0, 0, 5).t, (std::vector<double>{0, 10}));
  EXPECT_EQ(KennlVerschiebenVorschaulinie(k, 2, 40, 5).t, (std::vector<double>{10, 40}));
  EXPECT_TRUE(KennlVerschiebenVorschaulinie(k, 3, 40, 5).Leer());
}

TEST(Kennliniengrafik, KennlinieJenseitsDerGrenzenBleibtBeschraenkt) {
  // As a damaged file may hold it: 200000 X steps and many points without length.
  Bearbeitungsumgebung u;
  u.punkte() = Punkte({{0, 4095}, {4095, 4095}});
  for (int i = 0; i < 50; ++i) u.punkte().push_back({7, 4095, 0});
  u.punkte().resize(u.punkte().size() + 1000, Kennlinienpunkt{9, 0, 0});
  const Kennliniengrafik g = KennliniengrafikBerechnen(u.z, 3, 200, 100);
  EXPECT_LE(g.stufen.Groesse(), 4u * 200 + 2);
  EXPECT_LE(g.linien.Groesse(), 4u * 200 + 2);
  EXPECT_TRUE(g.ergaenzung.Leer());
  const auto vorher = u.punkte();
  EXPECT_FALSE(KennlPunktZeichnen(u.b, 100, 100));
  EXPECT_EQ(u.punkte(), vorher);
  std::vector<uint8_t> abbild;
  EXPECT_EQ(KennlAbbildErstellen(u.z.gKennlinie, 0, 256, abbild), -1023505);
}
