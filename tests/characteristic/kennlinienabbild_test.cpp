#include "characteristic/kennlinienabbild.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "base/festkomma.h"
#include "characteristic/kennlinienangaben.h"

#include "tests/characteristic/kennlinientesthilfe.h"

namespace {

double Zahl(const std::string& text) {
  double zahl = -1;
  std::from_chars(text.data(), text.data() + text.size(), zahl);
  return zahl;
}

int Wert(const std::vector<uint8_t>& abbild, int x) {
  return abbild[32 + 2 * x] << 8 | abbild[33 + 2 * x];
}

std::vector<uint8_t> Abbild(std::vector<Kennlinienpunkt> punkte, int ausgang2 = 0,
                            int32_t code = 256) {
  Kennlinie k;
  k.punkte = std::move(punkte);
  std::vector<uint8_t> abbild;
  EXPECT_EQ(KennlAbbildErstellen(k, ausgang2, code, abbild), 0);
  return abbild;
}

}  // namespace

TEST(Kennlinienabbild, Tabellen) {
  const std::vector<uint8_t> anfang = Abbild(Punkte({{4095, 0}}));
  ASSERT_EQ(anfang.size(), 8224u);
  // Header: checksum 0xE002 over 4096 values 0x0FFF and the rise-time code 256.
  EXPECT_EQ(std::vector<uint8_t>(anfang.begin(), anfang.begin() + 32),
            std::vector<uint8_t>({0xE0, 0x02, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0,
                                  0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  for (int x = 0; x < 4096; ++x) ASSERT_EQ(Wert(anfang, x), 4095);

  const std::vector<uint8_t> rampe = Abbild(Punkte({{0, 4095}, {4095, 1}}));
  for (int x = 0; x < 4096; ++x) ASSERT_EQ(Wert(rampe, x), x);

  const std::vector<uint8_t> kurz = Abbild(Punkte({{1000, 2}, {2000, 1}}), 2048, 0xFFF00);
  EXPECT_EQ(Wert(kurz, 0), 1000);
  EXPECT_EQ(Wert(kurz, 1), 1500);
  for (int x = 2; x < 4096; ++x) ASSERT_EQ(Wert(kurz, x), 2000);
  EXPECT_EQ(std::vector<uint8_t>(kurz.begin() + 4, kurz.begin() + 10),
            std::vector<uint8_t>({0x08, 0x00, 0x0F, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(KennlPruefsumme(kurz, 8223), kurz[0] << 8 | kurz[1]);

  // 4096 X steps fit, one more does not; nothing is written then.
  Abbild(Punkte({{0, 4096}, {7, 0}}));
  Kennlinie lang;
  lang.punkte = Punkte({{0, 4095}, {5, 2}, {6, 0}});
  std::vector<uint8_t> alt{1, 2, 3};
  EXPECT_EQ(KennlAbbildErstellen(lang, 0, 256, alt), -1023505);
  EXPECT_EQ(alt, (std::vector<uint8_t>{1, 2, 3}));

  // The last point's length is a placeholder: a file may hold any, and the image stays the same.
  const auto bis4094 = [](int platzhalter) {
    return Punkte({{409, 1023}, {3276, 1433}, {1638, 1638}, {4095, platzhalter}});
  };
  EXPECT_EQ(Abbild(bis4094(93)), Abbild(bis4094(1)));
}

TEST(Kennlinienabbild, LeerblockUndRuecklesen) {
  const auto block = KennlLeerblock();
  std::array<uint8_t, 34> erwartet{};
  erwartet[1] = 0xCF;
  erwartet[9] = 1;
  erwartet[33] = 0xCD;
  EXPECT_EQ(block, erwartet);
  const Kennlslotkopf kopf = KennlSlotkopfLesen(block);
  EXPECT_TRUE(kopf.leer);
  EXPECT_EQ(kopf.Pruefende(), 33);
  EXPECT_EQ(KennlPruefsumme(block, kopf.Pruefende()), kopf.pruefsumme);
  EXPECT_EQ(KennlAbbildPunkte(std::span(block).subspan(32), 1), Punkte({{205, 1}}));
  const uint8_t werte[] = {0x10, 0x00, 0x0F, 0xFF, 0x00, 0x07};
  EXPECT_EQ(KennlAbbildPunkte(werte, 3), Punkte({{4095, 1}, {4095, 1}, {7, 1}}));
}

TEST(Kennlinienabbild, Anstiegszeit) {
  const struct {
    double t;
    int32_t code;
  } codes[] = {{409.5, 256}, {0.1, 0xFFF00}, {0.01, 0xFFF00}, {1000, 254},  {200, 512},
               {1e9, 1},     {0, 0xFFF00},   {-5, 256},       {104422.5, 1}};
  for (const auto& c : codes) EXPECT_EQ(AnstiegszeitCode(c.t), c.code) << c.t;
  EXPECT_EQ(AnstiegszeitCode(std::numeric_limits<double>::quiet_NaN()), 1);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(254), 819);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(512), 204.75);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(256), 409.5);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(0xFFF00), 0.1);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(0), 104422.5);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(0xFFFFFF), 0.1);
  EXPECT_DOUBLE_EQ(AnstiegszeitAusCode(300), 409.5);  // 300 div 256 = 1 step per tick
}

TEST(Kennlinienabbild, AnstiegszeitJedesCodesFuehrtZuSeinemCodeZurueck) {
  // Every code the conversion gives: the step codes s * 256 and the slow codes 1..254; code 255
  // stands for the same 409.5 ms as code 256 and comes back as 256.
  std::vector<int32_t> codes;
  for (int32_t s = 1; s <= 4095; ++s) codes.push_back(s * 256);
  for (int32_t f = 1; f <= 255; ++f) codes.push_back(f);
  std::vector<std::string> falsch;
  for (const int32_t code : codes) {
    const double zeit = AnstiegszeitAusCode(code);
    const int32_t zurueck = code == 255 ? 256 : code;
    // The field shows kAnstiegszeitStellen decimals; the user may commit that text as typed.
    const std::string text = Festkomma(zeit, kAnstiegszeitStellen);
    const double getippt = Zahl(text);
    Kennlinienzustand z;
    KennlAnstiegszeitSetzen(z, getippt);
    if (AnstiegszeitCode(zeit) != zurueck || AnstiegszeitCode(getippt) != zurueck ||
        z.gKennlAnstiegszeit != AnstiegszeitAusCode(zurueck) ||
        std::fabs(getippt - zeit) > 5.000001e-6 || Zahl(AnstiegszeitText(zeit)) != getippt)
      falsch.push_back(std::to_string(code) + ": " + text);
  }
  EXPECT_EQ(falsch, std::vector<std::string>{});
  EXPECT_EQ(AnstiegszeitAusCode(255), AnstiegszeitAusCode(256));

  // A typed time between two codes' times gets the shorter of them that is not shorter.
  EXPECT_EQ(AnstiegszeitCode(16.0), 25 * 256);
  EXPECT_EQ(AnstiegszeitCode(16.381), 24 * 256);
  EXPECT_EQ(AnstiegszeitText(AnstiegszeitAusCode(25 * 256)), "16.38");
  EXPECT_EQ(AnstiegszeitText(AnstiegszeitAusCode(4094 * 256)), "0.10002");
}

TEST(Kennlinienabbild, Ausgang2) {
  const Konfiguration konfig;  // 0..10 V
  EXPECT_EQ(KennlAusgang2Roh(konfig, 5), 2048);
  EXPECT_EQ(KennlAusgang2Roh(konfig, 12), 4095);
  EXPECT_EQ(KennlAusgang2Roh(konfig, -1), 0);
  EXPECT_EQ(KennlSlotAdresse(1), 0);
  EXPECT_EQ(KennlSlotAdresse(7), 49344);
}
