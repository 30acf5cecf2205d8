#include "curves/kurvenangaben.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "curves/kurvenpanelini.h"

namespace {

Kurvendarstellung Gelesen(const std::string& text) {
  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini, text);
  Kurvendarstellung d;
  ReadIniKurvenpanel(d, ini);
  return d;
}

}  // namespace

TEST(Kurvenkommentar, VorschauZaehltZeichenUndDerKommentarBleibtGanz) {
  Kurvensatz satz;
  const std::string vierzig = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
  ASSERT_EQ(vierzig.size(), 40u);
  EXPECT_TRUE(KommentarSetzen(satz, 1, vierzig));
  EXPECT_EQ(satz.gKurven[1].kommentar, vierzig);
  EXPECT_TRUE(satz.gKurvenGeaendert);
  EXPECT_EQ(KommentarVorschau(vierzig), vierzig.substr(0, 30));
  // Umlauts are one character each, though two bytes.
  const std::string umlaute = "ÄÖÜäöüß ÄÖÜäöüß ÄÖÜäöüß ÄÖÜäöüß Ende";
  EXPECT_EQ(KommentarVorschau(umlaute), "ÄÖÜäöüß ÄÖÜäöüß ÄÖÜäöüß ÄÖÜäöü");
  EXPECT_EQ(KommentarVorschau("kurz\nzweite"), "kurz\nzweite");
  EXPECT_EQ(KommentarVorschau(""), "");

  satz.gKurvenGeaendert = false;
  EXPECT_FALSE(KommentarSetzen(satz, 1, vierzig));
  EXPECT_FALSE(satz.gKurvenGeaendert);
  EXPECT_FALSE(KommentarSetzen(satz, 4, "x"));
}

TEST(Kurvenkommentar, PasstInDasFeldDerKurvendatei) {
  Kurvensatz satz;
  const std::string lang(1200, 'a');
  KommentarSetzen(satz, 0, lang);
  EXPECT_EQ(satz.gKurven[0].kommentar, std::string(999, 'a'));
  // The file holds one byte per character: an umlaut counts once, though two bytes here.
  const std::string geteilt = std::string(998, 'b') + "äö";
  EXPECT_EQ(KommentarKuerzen(geteilt), std::string(998, 'b') + "ä");
}

TEST(Kurvenangaben, ZyklenUndRuhezustandInDerEinheit) {
  Kurvensatz satz;
  Konfiguration konfig;  // 0..10 V shown as 0..10 V: raw 4095 at 10 V
  ZyklenUndRuhezustandSetzen(satz, konfig, 2, 7, 5.0);
  EXPECT_TRUE(satz.gKurvenGeaendert);
  EXPECT_EQ(satz.gZyklen[2], 7);
  EXPECT_EQ(satz.gRuhezustand[2], static_cast<int32_t>(std::trunc(EinheitInRoh(konfig, 2, 5.0))));
  ZyklenUndRuhezustandSetzen(satz, konfig, 2, 0, 20.0);
  EXPECT_EQ(satz.gRuhezustand[2], 4095);
  ZyklenUndRuhezustandSetzen(satz, konfig, 2, 0, -3.0);
  EXPECT_EQ(satz.gRuhezustand[2], 0);
  ZyklenUndRuhezustandSetzen(satz, konfig, 2, 0, 10.0);
  ZyklenUndRuhezustandSetzen(satz, konfig, 2, 3, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(satz.gRuhezustand[2], 4095);
  EXPECT_EQ(satz.gZyklen[2], 3);
  EXPECT_EQ(satz.gRuhezustand[0], 0);
}

TEST(Kurvenpanelini, DarstellungUndHintergrund) {
  EXPECT_EQ(Gelesen("[kurven]\ndarstellung = 7\n").gDarstellung, 3);
  EXPECT_EQ(Gelesen("[kurven]\ndarstellung = 0\n").gDarstellung, 3);
  EXPECT_EQ(Gelesen("[kurven]\ndarstellung = zwei\n").gDarstellung, 3);
  EXPECT_EQ(Gelesen("[kurven]\ndarstellung = 2\n").gDarstellung, 2);
  EXPECT_EQ(Gelesen("[kurven]\ndarstellung = 1\n").gDarstellung, 1);
  EXPECT_EQ(Gelesen("").gDarstellung, 3);

  const auto keine = Gelesen("[kurven]\ndarstellung = 1\n").hintergrund;
  EXPECT_EQ(keine, (std::array<bool, 4>{true, false, false, false}));
  const auto gesetzt =
      Gelesen("[kurven]\nhintergrund1 = 0\nhintergrund2 = 5\nhintergrund4 = ja\n").hintergrund;
  EXPECT_EQ(gesetzt, (std::array<bool, 4>{false, true, false, false}));

  Kurvendarstellung d;
  d.gDarstellung = 2;
  d.hintergrund = {false, true, true, false};
  IniDatei ini = Ini_New(true);
  WriteIniKurvenpanel(d, ini);
  const std::string text = Ini_Text(ini);
  EXPECT_EQ(text,
            "[kurven]\r\ndarstellung = 2\r\nhintergrund1 = 0\r\nhintergrund2 = 1\r\n"
            "hintergrund3 = 1\r\nhintergrund4 = 0\r\n\r\n");
  EXPECT_EQ(Gelesen(text).hintergrund, d.hintergrund);
}
