#include "base/zeichensatz.h"

#include <gtest/gtest.h>

TEST(Zeichensatz, JedesByteHinUndZurueck) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle += static_cast<char>(b);
  const std::string utf8 = Cp1252ZuUtf8(alle);
  EXPECT_EQ(Utf8Zeichenzahl(utf8), 256u);
  EXPECT_EQ(Utf8ZuCp1252(utf8), alle);
  EXPECT_EQ(Cp1252ZuUtf8("\xB0"
                         "C \xB5"
                         "A \x80 \xE4\xF6\xFC\xDF"),
            "°C µA € äöüß");
  EXPECT_EQ(Utf8ZuCp1252("°C"), std::string("\xB0"
                                            "C"));
}

TEST(Zeichensatz, NichtDarstellbaresUndUngueltiges) {
  EXPECT_FALSE(Utf8ZuCp1252("Ω"));
  EXPECT_EQ(ErstesNichtDarstellbaresZeichen("ab€Ωc"), "Ω");
  EXPECT_TRUE(InCp1252Darstellbar("Grüße 5 µs"));
  EXPECT_FALSE(InCp1252Darstellbar("\xC3"));          // cut sequence
  EXPECT_FALSE(InCp1252Darstellbar("\xC0\xAF"));      // overlong
  EXPECT_FALSE(InCp1252Darstellbar("\xED\xA0\x80"));  // surrogate
  EXPECT_EQ(Utf8Kuerzen("äöüß", 3), "äöü");
  EXPECT_EQ(Utf8Kuerzen("ab", 5), "ab");
  EXPECT_EQ(Utf8Zeichenzahl("µ\xFF"), 2u);
}
