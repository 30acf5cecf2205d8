// Curve files whose configuration cannot be used, and the texts of curve files in Windows-1252.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "base/dateischreiben.h"
#include "base/zeichensatz.h"
#include "config/konfigbytes.h"
#include "curves/kurvenangaben.h"
#include "curves/kurvendateien.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

constexpr size_t kKonfigStelle = 4072;

struct Umgebung {
  TempOrdner ordner;
  Kurvensatz satz;
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Konfigzustand konfig{dialoge};

  std::string Bytes(const std::string& name) const {
    std::string inhalt;
    EXPECT_TRUE(DateiLesen(ordner.datei(name), inhalt));
    return inhalt;
  }
  void Schreiben(const std::string& name, const std::string& inhalt) const {
    ASSERT_TRUE(DateiSicherSchreiben(ordner.datei(name), {inhalt}).ok());
  }
};

Kurvensatz Beispiel() {
  Kurvensatz satz;
  satz.gKurven[0].punkte = {{100, 4, 9}, {4095, 10, 1}};
  satz.gKurven[2].punkte = {{7, 3, 2}, {8, 1, 2}};
  satz.gKurven[0].kommentar = "Prüfling";
  satz.gZyklen[0] = 5;
  return satz;
}

std::string MitKonfigBytes(std::string datei, size_t stelle, const void* bytes, size_t anzahl) {
  std::memcpy(datei.data() + kKonfigStelle + stelle, bytes, anzahl);
  return datei;
}

}  // namespace

TEST(Kurvendatei, UnbrauchbareKonfigurationLaedtDieKurvenUndBleibtDraussen) {
  Umgebung u;
  const Kurvensatz quelle = Beispiel();
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("gut.skr"), quelle, Konfiguration{}), 0);
  const std::string gut = u.Bytes("gut.skr");
  const std::string nullen(kKonfigurationGroesse, '\0');
  const double zehn = 10.0, nan = std::nan("");
  const std::vector<std::string> dateien = {
      MitKonfigBytes(gut, 0, nullen.data(), nullen.size()),  // panel never left
      MitKonfigBytes(gut, 8 + 3 * 8, &zehn, 8),              // output 4: outmin = outmax
      MitKonfigBytes(gut, 40, &nan, 8),                      // output 1: outmax not a number
  };
  for (const std::string& bytes : dateien) {
    Kurvendatei gelesen;
    ASSERT_EQ(KurvendateiLesen(bytes, gelesen), 0);
    EXPECT_FALSE(gelesen.konfigBrauchbar);
    u.Schreiben("f.skr", bytes);
    for (const bool anhaengen : {false, true}) {
      u.satz = Kurvensatz{};
      u.dialoge.meldungen.clear();
      ASSERT_EQ(KurvendateiLaden(u.satz, u.konfig, u.dialoge, u.ordner.datei("f.skr"), anhaengen),
                0);
      const std::vector<Kurvenpunkt> erwartet =
          anhaengen ? std::vector<Kurvenpunkt>{{0, 1, 4}, {100, 4, 9}, {4095, 10, 1}}
                    : quelle.gKurven[0].punkte;
      EXPECT_EQ(u.satz.gKurven[0].punkte, erwartet);
      EXPECT_EQ(u.satz.gKurven[0].kommentar, anhaengen ? "" : "Prüfling");
      EXPECT_EQ(u.satz.gKurvendateiname, u.ordner.datei("f.skr"));
      EXPECT_FALSE(u.satz.gKurvenGeaendert);
      EXPECT_TRUE(u.dialoge.fragen.empty());  // no "Konfiguration laden?"
      ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
      EXPECT_EQ(u.dialoge.meldungen[0].titel, "Konfiguration");
      EXPECT_EQ(u.dialoge.meldungen[0].text,
                "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\nKurven ist "
                "unbrauchbar (gleiche Grenzen oder ungültige Werte)\nund wird nicht geladen. Die "
                "aktuelle Konfiguration bleibt.");
      EXPECT_EQ(KonfigurationenVergleichen(u.konfig.gKonfig(), Konfiguration{}), 1);
    }
  }
  // The other checks of a damaged file stay.
  std::string kaputt = MitKonfigBytes(gut, 0, nullen.data(), nullen.size());
  kaputt[4424] = 0;  // curve 1: no points
  Kurvendatei gelesen;
  EXPECT_EQ(KurvendateiLesen(kaputt, gelesen), -322474);
}

TEST(Kurvendatei, TexteSindWindows1252) {
  Umgebung u;
  Kurvensatz satz = Beispiel();
  satz.gKurven[1].kommentar = "Grüße bei 5 °C\nµA";
  Konfiguration konfig;
  konfig.outeinheit[0] = "°C";
  konfig.ineinheit[3] = "µA/Öl€";
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("t.skr"), satz, konfig), 0);
  const std::string b = u.Bytes("t.skr");
  EXPECT_EQ(b.substr(40, 10), std::string("Pr\xFC"
                                          "fling\0\0",
                                          10));
  EXPECT_EQ(b.substr(1040, 19), std::string("Gr\xFC\xDF"
                                            "e bei 5 \xB0"
                                            "C\n\xB5"
                                            "A\0",
                                            19));
  EXPECT_EQ(b.substr(kKonfigStelle + 136, 9), std::string("\xB0"
                                                          "C\0\0\0\0\0\0\0",
                                                          9));
  EXPECT_EQ(b.substr(kKonfigStelle + 312 + 27, 9), std::string("\xB5"
                                                               "A/\xD6l\x80\0\0\0",
                                                               9));
  Kurvendatei gelesen;
  ASSERT_EQ(KurvendateiLesen(b, gelesen), 0);
  EXPECT_EQ(gelesen.kommentare[0], "Prüfling");
  EXPECT_EQ(gelesen.kommentare[1], "Grüße bei 5 °C\nµA");
  EXPECT_EQ(KonfigurationenVergleichen(gelesen.konfig, konfig), 1);

  // 999 characters, whatever their length in UTF-8: 1200 umlauts keep 999, one byte each.
  std::string umlaute;
  for (int i = 0; i < 600; ++i) umlaute += "ä";
  KommentarSetzen(satz, 3, std::string(600, 'x') + umlaute);
  EXPECT_EQ(Utf8Zeichenzahl(satz.gKurven[3].kommentar), 999u);
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("lang.skr"), satz, konfig), 0);
  const std::string lang = u.Bytes("lang.skr");
  EXPECT_EQ(lang.substr(3040, 1000), std::string(600, 'x') + std::string(399, '\xE4') + '\0');
  ASSERT_EQ(KurvendateiLesen(lang, gelesen), 0);
  EXPECT_EQ(gelesen.kommentare[3], satz.gKurven[3].kommentar);
}
