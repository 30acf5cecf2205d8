#include "curves/kurvendateien.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "base/dateischreiben.h"
#include "base/fehlerkatalog.h"
#include "config/konfigbytes.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

struct Dateiumgebung {
  TempOrdner ordner;
  Kurvensatz satz;
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Konfigzustand konfig{dialoge};

  std::string Lesen(const std::string& name) const {
    std::string inhalt;
    EXPECT_TRUE(DateiLesen(ordner.datei(name), inhalt));
    return inhalt;
  }
  void Schreiben(const std::string& name, const std::string& inhalt) const {
    ASSERT_TRUE(DateiSicherSchreiben(ordner.datei(name), {inhalt}).ok());
  }
  int Laden(const std::string& name) {
    dialoge.dateien.push_back(ordner.datei(name));
    return KurvenLaden(satz, konfig, fehler);
  }
};

int32_t Int32(const std::string& bytes, size_t stelle) {
  uint32_t wert = 0;
  for (int i = 0; i < 4; ++i)
    wert |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[stelle + i])) << (8 * i);
  return static_cast<int32_t>(wert);
}

void Int32Setzen(std::string& bytes, size_t stelle, int32_t wert) {
  for (int i = 0; i < 4; ++i)
    bytes[stelle + i] = static_cast<char>(static_cast<uint32_t>(wert) >> (8 * i));
}

// Curve 1 with three points, curve 2 with two, comments, cycles and rest values.
Kurvensatz Beispielsatz() {
  Kurvensatz satz;
  satz.gKurven[0].punkte = {{100, 4, 9}, {4095, 10, 1}, {7, 1, 1}};
  satz.gKurven[1].punkte = {{1, 2, 3}, {2, 1, 3}};
  satz.gKurven[0].kommentar = "Erste Zeile\nzweite Zeile";
  satz.gKurven[3].kommentar = std::string(1200, 'x');
  satz.gZyklen = {3, 0, -1, 70000};
  satz.gRuhezustand = {4095, 1, 2, 3};
  return satz;
}

}  // namespace

TEST(Kurvendatei, AnfangssatzByteGenau) {
  Dateiumgebung u;
  u.dialoge.dateien.push_back(u.ordner.datei("neu.skr"));
  u.satz.gKurvenGeaendert = true;
  ASSERT_EQ(KurvenSpeichern(u.satz, u.konfig, u.dialoge, false), 0);
  ASSERT_EQ(u.dialoge.auswahlen.size(), 1u);
  const Dateiauswahl& a = u.dialoge.auswahlen[0];
  EXPECT_EQ(a.dateimuster, "*.skr");
  EXPECT_EQ(a.filter, "*.skr");
  EXPECT_EQ(a.titel, "Kurve speichern");
  EXPECT_EQ(a.knopf, Dateiknopf::Speichern);
  EXPECT_TRUE(a.endungFest);
  EXPECT_EQ(u.satz.gKurvendateiname, u.ordner.datei("neu.skr"));
  EXPECT_EQ(KurvenTitel(u.satz.gKurvendateiname), "Kurvengenerator - neu.skr");
  EXPECT_FALSE(u.satz.gKurvenGeaendert);

  const std::string b = u.Lesen("neu.skr");
  ASSERT_EQ(b.size(), 4520u);
  EXPECT_EQ(b.substr(0, 32), std::string("tvm5rKurven Kurvendatei") + std::string(9, '\0'));
  EXPECT_EQ(Int32(b, 32), 1);
  EXPECT_EQ(Int32(b, 36), 4);
  EXPECT_EQ(b.substr(40, 4072 - 40), std::string(4032, '\0'));  // comments, cycles, rest values
  uint8_t konfig[352] = {};
  KonfigurationSchreiben(konfig, Konfiguration{});
  EXPECT_EQ(b.substr(4072, 352), std::string(reinterpret_cast<char*>(konfig), 352));
  const std::string anzahl1("\x01\0\0\0\0\0\0\0\0\0\0\0", 12);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(b.substr(4424 + 12 * k, 12), anzahl1);
  const std::string punkt("\0\0\0\0\x01\0\0\0\x04\0\0\0", 12);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(b.substr(4472 + 12 * k, 12), punkt);

  // Saving again uses the name without asking; "speichern unter" asks.
  ASSERT_EQ(KurvenSpeichern(u.satz, u.konfig, u.dialoge, false), 0);
  EXPECT_EQ(u.dialoge.auswahlen.size(), 1u);
  EXPECT_EQ(KurvenSpeichern(u.satz, u.konfig, u.dialoge, true), 0);  // cancelled
  EXPECT_EQ(u.dialoge.auswahlen.size(), 2u);
  EXPECT_EQ(u.satz.gKurvendateiname, u.ordner.datei("neu.skr"));
  EXPECT_EQ(KurvenTitel(""), "Kurvengenerator");
}

TEST(Kurvendatei, SpeichernUndLadenBehaltenAlles) {
  Dateiumgebung u;
  const Kurvensatz quelle = Beispielsatz();
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("b.skr"), quelle, Konfiguration{}), 0);
  const std::string b = u.Lesen("b.skr");
  EXPECT_EQ(b.size(), 4472u + 12 * (3 + 2 + 1 + 1));
  EXPECT_EQ(b.substr(4472, 12), std::string("\x64\0\0\0\x04\0\0\0\x09\0\0\0", 12));
  EXPECT_EQ(b[40 + 3000 + 999], '\0');  // a comment keeps at most 999 characters

  u.satz.gKurvenzahl = 2;
  u.satz.gKurvenGeaendert = true;
  u.dialoge.antworten.push_back(2);  // "Nein": do not save the changes
  ASSERT_EQ(u.Laden("b.skr"), 0);
  ASSERT_EQ(u.dialoge.fragen.size(), 1u);
  EXPECT_EQ(u.dialoge.fragen[0].titel, "Warnung");
  EXPECT_EQ(u.dialoge.auswahlen.back().titel, "Kurve laden");
  EXPECT_EQ(u.dialoge.auswahlen.back().knopf, Dateiknopf::Laden);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(u.satz.gKurven[k].punkte, quelle.gKurven[k].punkte);
  EXPECT_EQ(u.satz.gKurven[0].kommentar, quelle.gKurven[0].kommentar);
  EXPECT_EQ(u.satz.gKurven[3].kommentar, std::string(999, 'x'));
  EXPECT_EQ(u.satz.gZyklen, quelle.gZyklen);
  EXPECT_EQ(u.satz.gRuhezustand, quelle.gRuhezustand);
  EXPECT_EQ(u.satz.gKurvenzahl, 4);
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.satz.gKurvendateiname, u.ordner.datei("b.skr"));
  EXPECT_EQ(u.satz.rueckgaengig[0].sgAnzahlRueckgaengig, 0);  // no undo snapshot
}

TEST(Kurvendatei, AbgeschnitteneDatenLadenWasDaIstUndMeldenBeschaedigt) {
  Dateiumgebung u;
  const Kurvensatz quelle = Beispielsatz();
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("b.skr"), quelle, Konfiguration{}), 0);
  // Curve 2's data stop after its first record.
  u.Schreiben("kurz.skr", u.Lesen("b.skr").substr(0, 4472 + 12 * 3 + 12));
  u.satz.gKurvendateiname = "alt.skr";
  ASSERT_EQ(u.Laden("kurz.skr"), -322473);
  EXPECT_EQ(Fehlertext(-322473, kSpracheDeutsch), std::string("Die Datei wurde beschädigt."));
  EXPECT_EQ(u.satz.gKurven[0].punkte, quelle.gKurven[0].punkte);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(u.satz.gKurven[k].punkte, Kurve{}.punkte);
  EXPECT_EQ(u.satz.gKurven[0].kommentar, quelle.gKurven[0].kommentar);
  EXPECT_EQ(u.satz.gZyklen, quelle.gZyklen);
  EXPECT_EQ(u.satz.gKurvendateiname, "");
  EXPECT_TRUE(u.satz.gKurvenGeaendert);

  // Saving now asks for a new name instead of overwriting the damaged file.
  ASSERT_EQ(KurvenSpeichern(u.satz, u.konfig, u.dialoge, false), 0);
  EXPECT_EQ(u.dialoge.auswahlen.back().titel, "Kurve speichern");
}

TEST(Kurvendatei, AbgewieseneDateienAendernNichts) {
  Dateiumgebung u;
  const Kurvensatz quelle = Beispielsatz();
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("b.skr"), quelle, Konfiguration{}), 0);
  const std::string gut = u.Lesen("b.skr");
  const auto mit = [&](size_t stelle, int32_t wert) {
    std::string b = gut;
    Int32Setzen(b, stelle, wert);
    return b;
  };
  std::string typ = gut;
  typ[5] = 'k';
  const std::vector<std::pair<std::string, int>> faelle = {
      {gut.substr(0, 4471), -304436},  {typ, -1020437},
      {mit(32, 2), -303438},           {mit(4424, 0), -322474},
      {mit(4424 + 12, -5), -322474},   {mit(4424, 0x7FFFFFFF), -322474},
      {mit(4424 + 36, 8), -322474},  // curve 4: more than the 7 records the file holds
      {mit(4472, 4096), -322475},    // y of curve 1's first point
      {mit(4472 + 4, 0), -322475},   // its laenge
      {mit(4472 + 4, 65536), -322475},
  };
  Kurvensatz vorher;
  vorher.gKurven[2].punkte = {{5, 5, 5}, {6, 1, 5}};
  vorher.gKurven[2].kommentar = "bleibt";
  for (const auto& [bytes, code] : faelle) {
    u.Schreiben("f.skr", bytes);
    u.satz = vorher;
    u.satz.gKurvendateiname = "alt.skr";
    EXPECT_EQ(u.Laden("f.skr"), code);
    EXPECT_EQ(u.satz.gKurven[2].punkte, vorher.gKurven[2].punkte) << code;
    EXPECT_EQ(u.satz.gKurven[2].kommentar, "bleibt");
    EXPECT_EQ(u.satz.gKurvendateiname, "");
    Kurvendatei datei;
    EXPECT_EQ(KurvendateiLesen(bytes, datei), code);
  }
  EXPECT_TRUE(u.dialoge.fragen.empty());
  EXPECT_EQ(u.Laden("fehlt.skr"), -308435);
  EXPECT_EQ(u.Laden(""), -308435);
}

TEST(Kurvendatei, KonfigurationsfrageNurBeiUnterschied) {
  Dateiumgebung u;
  Konfiguration andere;
  andere.outeinheit[0] = "A";
  andere.voutmax = 4.095;
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("a.skr"), Kurvensatz{}, andere), 0);

  u.dialoge.antworten.push_back(2);
  ASSERT_EQ(u.Laden("a.skr"), 0);
  ASSERT_EQ(u.dialoge.fragen.size(), 1u);
  const Frage& f = u.dialoge.fragen[0];
  EXPECT_EQ(f.titel, "Konfiguration laden?");
  EXPECT_EQ(f.text,
            "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\nKurven unterscheidet "
            "sich von der aktuellen Konfiguration.\nSoll die Konfiguration zusammen mit den Kurven "
            "geladen werden\noder soll die aktuelle Konfiguration behalten werden?");
  EXPECT_EQ(f.knoepfe, (std::vector<std::string>{"laden", "nicht laden"}));
  EXPECT_EQ(KonfigurationenVergleichen(u.konfig.gKonfig(), Konfiguration{}), 1);

  u.dialoge.antworten.push_back(1);
  ASSERT_EQ(u.Laden("a.skr"), 0);
  EXPECT_EQ(KonfigurationenVergleichen(u.konfig.gKonfig(), andere), 1);

  // The same configuration asks nothing.
  ASSERT_EQ(u.Laden("a.skr"), 0);
  EXPECT_EQ(u.dialoge.fragen.size(), 2u);
  EXPECT_EQ(u.dialoge.unerwartet, 0);
}

TEST(Kurvendatei, AnhaengenFuegtPunkteAnUndBehaeltDenRest) {
  Dateiumgebung u;
  const Kurvensatz quelle = Beispielsatz();
  ASSERT_EQ(KurvendateiSchreiben(u.ordner.datei("b.skr"), quelle, Konfiguration{}), 0);
  u.satz.gKurven[0].punkte = {{50, 3, 4}, {60, 1, 4}};
  u.satz.gKurven[0].kommentar = "mein Kommentar";
  u.satz.gZyklen[0] = 9;
  u.satz.gKurvenGeaendert = true;  // appending does not ask about unsaved changes
  u.dialoge.dateien.push_back(u.ordner.datei("b.skr"));
  ASSERT_EQ(KurvenAnhaengen(u.satz, u.konfig, u.dialoge), 0);
  EXPECT_EQ(u.dialoge.auswahlen.back().titel, "Kurven anhängen");
  EXPECT_TRUE(u.dialoge.fragen.empty());
  EXPECT_EQ(
      u.satz.gKurven[0].punkte,
      (std::vector<Kurvenpunkt>{{50, 3, 4}, {60, 1, 4}, {100, 4, 9}, {4095, 10, 1}, {7, 1, 1}}));
  EXPECT_EQ(u.satz.gKurven[1].punkte, (std::vector<Kurvenpunkt>{{0, 1, 4}, {1, 2, 3}, {2, 1, 3}}));
  EXPECT_EQ(u.satz.gKurven[0].kommentar, "mein Kommentar");
  EXPECT_EQ(u.satz.gZyklen[0], 9);
  EXPECT_EQ(u.satz.gKurvendateiname, u.ordner.datei("b.skr"));
  EXPECT_FALSE(u.satz.gKurvenGeaendert);

  // A file that ends inside curve 2 appends curve 1 and costs no curve its points.
  u.Schreiben("kurz.skr", u.Lesen("b.skr").substr(0, 4472 + 12 * 4));
  const Kurvensatz vorher = u.satz;
  ASSERT_EQ(KurvendateiLaden(u.satz, u.konfig, u.dialoge, u.ordner.datei("kurz.skr"), true),
            -322473);
  EXPECT_EQ(u.satz.gKurven[0].anzahlPunkte(), 8);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(u.satz.gKurven[k].punkte, vorher.gKurven[k].punkte);
  EXPECT_EQ(u.satz.gKurvendateiname, "");
}

TEST(Kurvendatei, FehlgeschlagenesSpeichernLaesstAlteDateiStehen) {
  Dateiumgebung u;
  u.Schreiben("alt.skr", "alter Inhalt");
  Kurvensatz gross;
  gross.gKurven[0].punkte.assign(2000, Kurvenpunkt{});
  u.satz = gross;
  u.satz.gKurvendateiname = u.ordner.datei("alt.skr");
  u.satz.gKurvenGeaendert = true;

  // The file size limit makes the write fail part-way, as a full disk would.
  rlimit alt{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &alt), 0);
  const auto signal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit klein = alt;
  klein.rlim_cur = 6000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
  const int code = KurvenSpeichern(u.satz, u.konfig, u.dialoge, false);
  setrlimit(RLIMIT_FSIZE, &alt);
  std::signal(SIGXFSZ, signal);

  EXPECT_EQ(code, -301434);
  EXPECT_EQ(u.Lesen("alt.skr"), "alter Inhalt");
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(u.ordner.pfad()), {}), 1);

  u.satz.gKurvendateiname = u.ordner.pfad().string();  // a folder cannot be written
  EXPECT_EQ(KurvenSpeichern(u.satz, u.konfig, u.dialoge, false), -308432);
}
