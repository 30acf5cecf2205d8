#include "curves/kurvenabbild.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<uint16_t> Worte(const Kurvenabbild& abbild) {
  std::vector<uint16_t> worte;
  for (int a = kKurvendatenStart; a < abbild.ende; a += 2)
    worte.push_back(static_cast<uint16_t>(abbild.bytes[a] << 8 | abbild.bytes[a + 1]));
  return worte;
}

Kurvensatz MitKurve1(std::vector<Kurvenpunkt> punkte) {
  Kurvensatz satz;
  satz.gKurven[0].punkte = std::move(punkte);
  return satz;
}

}  // namespace

TEST(Kurvenabbild, AnfangskurveByteGenau) {
  const auto abbild = KurvenAbbildErstellen(Kurvensatz{});
  ASSERT_TRUE(abbild);
  ASSERT_EQ(abbild->bytes.size(), 65536u);
  EXPECT_EQ(abbild->ende, 4129);
  std::vector<uint8_t> erwartet(34, 0);
  erwartet[0] = 0x00;  // checksum 1 + 0x10 + 0x21 + 1 + 0x30
  erwartet[1] = 0x63;
  erwartet[2] = 0x10;  // end address 4129
  erwartet[3] = 0x21;
  erwartet[26] = 1;  // one curve
  erwartet[32] = 0x30;
  EXPECT_EQ(std::vector<uint8_t>(abbild->bytes.begin() + 4096, abbild->bytes.begin() + 4130),
            erwartet);
  EXPECT_EQ(KurvenPruefsumme(abbild->bytes, 4098, 4129), 0x0063);
}

TEST(Kurvenabbild, WorteMitZeitbasisbits) {
  auto abbild = KurvenAbbildErstellen(MitKurve1({{0, 4, 9}, {4095, 1, 9}}));
  ASSERT_TRUE(abbild);
  EXPECT_EQ(Worte(*abbild), (std::vector<uint16_t>{0x8000, 0x8400, 0x8800, 0x8BFF, 0x8FFF}));

  abbild = KurvenAbbildErstellen(MitKurve1({{4095, 2, 8}, {0, 1, 8}}));
  EXPECT_EQ(Worte(*abbild), (std::vector<uint16_t>{0x7FFF, 0x7800, 0x7000}));

  // Every code's bits, and a code outside 1..9 with bits 0.
  std::vector<Kurvenpunkt> punkte;
  for (int8_t code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 12}) punkte.push_back({5, 1, code});
  abbild = KurvenAbbildErstellen(MitKurve1(punkte));
  EXPECT_EQ(Worte(*abbild), (std::vector<uint16_t>{0x0005, 0x1005, 0x2005, 0x3005, 0x4005, 0x5005,
                                                   0x6005, 0x7005, 0x8005, 0x0005, 0x0005}));
  for (int bits = 0; bits <= 8; ++bits) EXPECT_EQ(ZeitbasisBits(ZeitbasisAusBits(bits)), bits);
  for (int bits = 9; bits <= 15; ++bits) EXPECT_EQ(ZeitbasisAusBits(bits), 0);
}

TEST(Kurvenabbild, KopfMitEinstellungenAllerKurven) {
  Kurvensatz satz = MitKurve1({{0, 2, 4}, {10, 1, 4}});
  satz.gKurven[1].punkte = {{1, 5, 1}, {2, 1, 1}};  // curves 2..4 are not compiled
  satz.gZyklen = {1, 0x10002, 3, 4};
  satz.gRuhezustand = {4095, 6, 7, 8};
  satz.gKurvenzahl = 2;
  const auto abbild = KurvenAbbildErstellen(satz);
  ASSERT_TRUE(abbild);
  EXPECT_EQ(abbild->ende, 4128 + 3 * 2 - 1);
  const Abbildkopf kopf = AbbildkopfLesen(abbild->bytes);
  EXPECT_EQ(kopf.endadressen, (std::array<uint16_t, 4>{4133, 0, 0, 0}));
  EXPECT_EQ(kopf.zyklen, (std::array<uint16_t, 4>{1, 2, 3, 4}));
  EXPECT_EQ(kopf.ruhezustand, (std::array<uint16_t, 4>{4095, 6, 7, 8}));
  EXPECT_EQ(kopf.kurvenzahl, 1);
  EXPECT_EQ(kopf.pruefsumme, KurvenPruefsumme(abbild->bytes, 4098, 4133));
  EXPECT_EQ(std::count(abbild->bytes.begin() + 4134, abbild->bytes.end(), 0), 65536 - 4134);
}

TEST(Kurvenabbild, GrenzeDesKurvenbereichs) {
  EXPECT_EQ(kAbbildEinheitenMax, 30704);
  auto abbild = KurvenAbbildErstellen(MitKurve1({{0, 30000, 4}, {1, 703, 4}, {2, 1, 4}}));
  ASSERT_TRUE(abbild);
  EXPECT_EQ(abbild->ende, 65535);
  EXPECT_EQ(AbbildkopfLesen(abbild->bytes).endadressen[0], 0xFFFF);
  EXPECT_FALSE(KurvenAbbildErstellen(MitKurve1({{0, 30000, 4}, {1, 704, 4}, {2, 1, 4}})));
}

TEST(Kurvenabbild, WorteZuPunkten) {
  std::vector<uint8_t> abbild(65536, 0);
  const std::vector<uint8_t> worte = {0x8F, 0xFF, 0x00, 0x01, 0x7A, 0xBC, 0x90, 0x00};
  std::copy(worte.begin(), worte.end(), abbild.begin() + 4128);
  std::vector<Kurvenpunkt> punkte;
  EXPECT_EQ(AbbildPunkteLesen(abbild, 4128, 4133, punkte), 0);
  EXPECT_EQ(punkte, (std::vector<Kurvenpunkt>{{4095, 1, 9}, {1, 1, 1}, {0xABC, 1, 8}}));
  punkte.clear();
  EXPECT_EQ(AbbildPunkteLesen(abbild, 4128, 4135, punkte), -1019418);
  punkte.clear();
  EXPECT_EQ(AbbildPunkteLesen(abbild, 4128, 4130, punkte), -1019417);
}
