// File names are UTF-8 on every system: saving, replacing, reading and appending with umlauts in
// the name, a device written through, a folder refused. Plain standard C++, so that it runs in
// the Windows build too.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "curves/kurvendateien.h"
#include "tests/support/tempordner.h"

namespace {

#ifdef _WIN32
constexpr const char* kGeraet = "NUL";
#else
constexpr const char* kGeraet = "/dev/null";
#endif

}  // namespace

TEST(Dateinamen, Utf8NamenUeberallGleich) {
  TempOrdner ordner;
  const std::string basis = ordner.pfad().string() + "/";
  const std::string name = basis + "Kurven-\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F.skr";

  ASSERT_TRUE(DateiSicherSchreiben(name, {"alt"}).ok());
  ASSERT_TRUE(DateiSicherSchreiben(name, {"ne", "u"}).ok());
  std::string inhalt;
  EXPECT_EQ(DateiBegrenztLesen(name, 3, inhalt), Leseergebnis::Gelesen);
  EXPECT_EQ(inhalt, "neu");
  EXPECT_EQ(DateiBegrenztLesen(name, 2, inhalt), Leseergebnis::ZuLang);

  Kurvensatz satz;
  satz.gKurven[0].punkte = {{0, 4, 9}, {4095, 1, 9}};
  ASSERT_EQ(KurvendateiSchreiben(name, satz, Konfiguration{}), 0);
  Kurvendatei datei;
  ASSERT_EQ(KurvendateiEinlesen(name, datei), 0);
  EXPECT_EQ(datei.punkte[0], satz.gKurven[0].punkte);

  const std::string protokoll = basis + "Me\xC3\x9Fwerte.txt";
  for (const char* zeile : {"a\n", "b\n"}) {
    std::FILE* anhang = DateiZumAnhaengenOeffnen(protokoll);
    ASSERT_NE(anhang, nullptr);
    std::fputs(zeile, anhang);
    std::fclose(anhang);
  }
  ASSERT_TRUE(DateiLesen(protokoll, inhalt));
  EXPECT_EQ(inhalt, "a\nb\n");

  EXPECT_TRUE(DateiSicherSchreiben(kGeraet, {"weg"}).ok());
  EXPECT_EQ(DateiSicherSchreiben(basis, {"x"}).art, Schreibergebnis::Art::NichtGeoeffnet);
  EXPECT_EQ(DateiBegrenztLesen(basis, 10, inhalt), Leseergebnis::NichtGeoeffnet);
  EXPECT_EQ(
      SchreibhindernisText(basis + "fehlt/x.skr", SchreibhindernisSuchen(basis + "fehlt/x.skr")),
      "Den Ordner \"" + basis + "fehlt\" gibt es nicht.");
}
