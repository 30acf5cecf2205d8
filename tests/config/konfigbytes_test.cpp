#include "config/konfigbytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

using Bild = std::array<uint8_t, kKonfigurationGroesse>;

Bild Schreiben(const Konfiguration& konfig) {
  Bild bild;
  bild.fill(0xAA);
  KonfigurationSchreiben(bild.data(), konfig);
  return bild;
}

std::vector<uint8_t> Bytes(const Bild& bild, size_t offset, size_t anzahl) {
  return {bild.begin() + offset, bild.begin() + offset + anzahl};
}

// Little-endian binary64 of the values used below.
const std::vector<uint8_t> kZehn{0, 0, 0, 0, 0, 0, 0x24, 0x40};
const std::vector<uint8_t> kNull(8, 0);
const std::vector<uint8_t> kFuenf{0, 0, 0, 0, 0, 0, 0x14, 0x40};
const std::vector<uint8_t> kEins{0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
const std::vector<uint8_t> kSechzig{0, 0, 0, 0, 0, 0, 0x4E, 0x40};
const std::vector<uint8_t> k4095{0xE1, 0x7A, 0x14, 0xAE, 0x47, 0x61, 0x10, 0x40};  // 4.095
const std::vector<uint8_t> kNullBytes4(4, 0);

}  // namespace

TEST(Konfigbytes, StandardRecord) {
  const Bild bild = Schreiben(Konfiguration{});
  EXPECT_EQ(Bytes(bild, 0, 8), kZehn);    // voutmax
  EXPECT_EQ(Bytes(bild, 8, 8), kNull);    // outmin[0]
  EXPECT_EQ(Bytes(bild, 40, 8), kZehn);   // outmax[0]
  EXPECT_EQ(Bytes(bild, 72, 8), kNull);   // outskalamin[0]
  EXPECT_EQ(Bytes(bild, 128, 8), kZehn);  // outskalamax[3]
  for (size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(Bytes(bild, 136 + 9 * k, 9), (std::vector<uint8_t>{'V', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(bild, 312 + 9 * k, 9), (std::vector<uint8_t>{'V', 0, 0, 0, 0, 0, 0, 0, 0}));
  }
  EXPECT_EQ(Bytes(bild, 172, 4), kNullBytes4);
  EXPECT_EQ(Bytes(bild, 176, 8), kZehn);  // vinmax
  EXPECT_EQ(Bytes(bild, 304, 8), kZehn);  // inskalamax[3]
  EXPECT_EQ(Bytes(bild, 348, 4), kNullBytes4);
  EXPECT_EQ(KonfigurationenVergleichen(KonfigurationLesen(bild.data()), Konfiguration{}), 1);
}

TEST(Konfigbytes, KonfigurierterRecordHinUndZurueck) {
  Konfiguration konfig;
  konfig.voutmax = 4.095;
  konfig.outmax[1] = 5.0;
  konfig.outskalamax[1] = 60.0;
  konfig.outeinheit[3] = "Kilopasc";  // 8 characters fill the field up to its NUL
  konfig.vinmax = 5.0;
  konfig.inmin[2] = 1.0;
  konfig.inskalamin[0] = 1.0;
  konfig.ineinheit[3] = "mBar";
  const Bild bild = Schreiben(konfig);
  EXPECT_EQ(Bytes(bild, 0, 8), k4095);
  EXPECT_EQ(Bytes(bild, 48, 8), kFuenf);     // outmax[1]
  EXPECT_EQ(Bytes(bild, 112, 8), kSechzig);  // outskalamax[1]
  EXPECT_EQ(Bytes(bild, 163, 9), (std::vector<uint8_t>{'K', 'i', 'l', 'o', 'p', 'a', 's', 'c', 0}));
  EXPECT_EQ(Bytes(bild, 172, 4), kNullBytes4);
  EXPECT_EQ(Bytes(bild, 176, 8), kFuenf);  // vinmax
  EXPECT_EQ(Bytes(bild, 200, 8), kEins);   // inmin[2]
  EXPECT_EQ(Bytes(bild, 248, 8), kEins);   // inskalamin[0]
  EXPECT_EQ(Bytes(bild, 339, 9), (std::vector<uint8_t>{'m', 'B', 'a', 'r', 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(bild, 348, 4), kNullBytes4);
  EXPECT_EQ(KonfigurationenVergleichen(KonfigurationLesen(bild.data()), konfig), 1);
}

TEST(Konfigbytes, AusrichtungUndUeberlangeTexte) {
  Bild bild = Schreiben(Konfiguration{});
  Bild anders = bild;
  std::memset(anders.data() + 172, 0x5A, 4);
  std::memset(anders.data() + 348, 0xFF, 4);
  EXPECT_EQ(KonfigurationenVergleichen(KonfigurationLesen(bild.data()),
                                       KonfigurationLesen(anders.data())),
            1);

  // Nine characters without NUL: cut to eight, the next field is not read into it.
  std::memcpy(bild.data() + 312 + 27, "ABCDEFGHI", 9);
  EXPECT_EQ(KonfigurationLesen(bild.data()).ineinheit[3], "ABCDEFGH");
  Konfiguration lang;
  lang.outeinheit[0] = "Zehnzeichen";
  const Bild geschrieben = Schreiben(lang);
  EXPECT_EQ(Bytes(geschrieben, 136, 10),
            (std::vector<uint8_t>{'Z', 'e', 'h', 'n', 'z', 'e', 'i', 'c', 0, 'V'}));
}
