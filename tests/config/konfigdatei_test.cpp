#include "config/konfigdatei.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>

#include "base/dateischreiben.h"
#include "base/ini.h"
#include "config/konfigbytes.h"
#include "config/konfigini.h"
#include "tests/config/konfigtestfelder.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

std::string Inhalt(const std::string& pfad) {
  std::string inhalt;
  EXPECT_TRUE(DateiLesen(pfad, inhalt));
  return inhalt;
}

void Schreiben(const std::string& pfad, const std::string& inhalt) {
  std::ofstream(pfad, std::ios::binary) << inhalt;
}

std::string Recordbytes(const Konfiguration& konfig) {
  std::string bytes(kKonfigurationGroesse, '\0');
  KonfigurationSchreiben(reinterpret_cast<uint8_t*>(bytes.data()), konfig);
  return bytes;
}

struct Umgebung {
  SkriptDialoge dialoge;
  Konfigzustand zustand{dialoge};
  TestFelder felder;
  TempOrdner ordner;
  Umgebung() { zustand.FelderAnmelden(&felder); }
};

}  // namespace

TEST(Konfigdatei, SpeichernUndLaden) {
  Umgebung u;
  const std::string pfad = u.ordner.datei("netzgeraet.sko");
  u.felder.felder.voutmax = 5.0;
  u.felder.felder.outmax[0] = 5.0;
  u.felder.felder.outskalamax[0] = 60.0;
  u.felder.felder.ineinheit[1] = "Kilopasc";  // 8 characters survive the file
  u.dialoge.dateien = {pfad};
  EXPECT_EQ(KonfigurationSpeichern(u.zustand), 0);
  ASSERT_EQ(u.dialoge.auswahlen.size(), 1u);
  EXPECT_EQ(u.dialoge.auswahlen[0].titel, "Konfiguration speichern");
  EXPECT_EQ(u.dialoge.auswahlen[0].dateimuster, "*.sko");
  EXPECT_EQ(u.dialoge.auswahlen[0].filter, "*.sko");
  EXPECT_EQ(u.dialoge.auswahlen[0].knopf, Dateiknopf::Speichern);
  EXPECT_EQ(u.zustand.gKonfig().outskalamax[0], 60.0);  // the fields were taken over

  const std::string inhalt = Inhalt(pfad);
  ASSERT_EQ(inhalt.size(), 392u);
  EXPECT_EQ(inhalt.substr(0, 40), std::string("tvm5rKurven Konfigdatei\0\0\0\0\0\0\0\0\0"
                                              "\1\0\0\0\0\0\0\0",
                                              40));
  EXPECT_EQ(inhalt.substr(40), Recordbytes(u.felder.felder));

  u.zustand.KonfigurationZuruecksetzen();
  u.felder.gezeigt = 0;
  u.dialoge.dateien = {pfad};
  EXPECT_EQ(KonfigurationLaden(u.zustand), 0);
  EXPECT_EQ(u.dialoge.auswahlen[1].titel, "Konfiguration laden");
  EXPECT_EQ(u.dialoge.auswahlen[1].knopf, Dateiknopf::Laden);
  EXPECT_EQ(KonfigurationenVergleichen(u.zustand.gKonfig(), u.felder.felder), 1);
  EXPECT_EQ(u.zustand.gKonfig().ineinheit[1], "Kilopasc");
  EXPECT_EQ(u.felder.gezeigt, 1);

  // The settings file keeps only 7 characters of it.
  IniDatei ini = Ini_New(true);
  WriteIniKonfigpanel(u.zustand, ini);
  IniDatei gelesen = Ini_New(true);
  Ini_ParseText(gelesen, Ini_Text(ini));
  ReadIniKonfigpanel(u.zustand, gelesen);
  EXPECT_EQ(u.zustand.gKonfig().ineinheit[1], "Kilopas");

  u.dialoge.dateien = {std::nullopt, std::nullopt};
  EXPECT_EQ(KonfigurationSpeichern(u.zustand), 0);
  EXPECT_EQ(KonfigurationLaden(u.zustand), 0);
  EXPECT_EQ(u.dialoge.unerwartet, 0);
}

TEST(Konfigdatei, FehlerAendernNichts) {
  Umgebung u;
  Konfiguration geladen;
  geladen.outskalamax[3] = 33.0;
  ASSERT_TRUE(u.zustand.KonfigurationSetzen(geladen));
  u.felder.gezeigt = 0;

  const std::string gut = Inhalt([&] {
    const std::string pfad = u.ordner.datei("gut.sko");
    EXPECT_EQ(KonfigdateiSchreiben(pfad, Konfiguration{}), 0);
    return pfad;
  }());
  auto laden = [&](const std::string& inhalt) {
    const std::string pfad = u.ordner.datei("test.sko");
    Schreiben(pfad, inhalt);
    u.dialoge.dateien = {pfad};
    return KonfigurationLaden(u.zustand);
  };
  auto mitRecord = [&](const Konfiguration& konfig) {
    return gut.substr(0, 40) + Recordbytes(konfig);
  };

  EXPECT_EQ(laden(gut.substr(0, 391)), -304264);
  EXPECT_EQ(laden(""), -304264);
  std::string typ = gut;
  std::memcpy(typ.data(), "tvm5rKurven Kurvendatei", 23);
  EXPECT_EQ(laden(typ), -1021265);
  std::string ohneNul = gut;
  ohneNul[23] = 'X';
  EXPECT_EQ(laden(ohneNul), -1021265);
  std::string version = gut;
  version[32] = 2;
  EXPECT_EQ(laden(version), -303266);
  version[32] = 1;
  version[35] = 1;
  EXPECT_EQ(laden(version), -303266);
  Konfiguration gleich;
  gleich.outmin[2] = 10.0;
  EXPECT_EQ(laden(mitRecord(gleich)), -322267);
  Konfiguration unendlich;
  unendlich.inskalamax[0] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(laden(mitRecord(unendlich)), -322267);
  Konfiguration ohneBereich;
  ohneBereich.vinmax = 0.0;
  EXPECT_EQ(laden(mitRecord(ohneBereich)), -322267);
  u.dialoge.dateien = {u.ordner.datei("fehlt.sko")};
  EXPECT_EQ(KonfigurationLaden(u.zustand), -308263);

  EXPECT_EQ(KonfigurationenVergleichen(u.zustand.gKonfig(), geladen), 1);
  EXPECT_EQ(u.felder.gezeigt, 0);

  // Bytes after the type text's NUL and after the file are not looked at.
  std::string rest = gut + "mehr";
  rest[30] = 'x';
  rest[36] = 'y';
  EXPECT_EQ(laden(rest), 0);
  EXPECT_EQ(KonfigurationenVergleichen(u.zustand.gKonfig(), Konfiguration{}), 1);

  EXPECT_EQ(KonfigdateiSchreiben(u.ordner.datei("fehlt/x.sko"), Konfiguration{}), -308261);
  u.dialoge.dateien = {u.ordner.pfad().string()};
  EXPECT_EQ(KonfigurationSpeichern(u.zustand), -308261);
}

TEST(Konfigdatei, AbgelehnterKanalSpeichertNichts) {
  Umgebung u;
  const std::string pfad = u.ordner.datei("k.sko");
  u.felder.felder.inmin[1] = 10.0;
  u.dialoge.dateien = {pfad};
  EXPECT_EQ(KonfigurationSpeichern(u.zustand), 0);
  EXPECT_EQ(u.dialoge.LetzteMeldung().text,
            "PWC-2 Eingang 2: Die beiden Spannungen sind gleich.\n"
            "Diese Werte wurden nicht übernommen.");
  std::string inhalt;
  EXPECT_FALSE(DateiLesen(pfad, inhalt));
}
