// The recovery file: written a tick after the unsaved state settled and removed when nothing is
// unsaved; offered with the time it was written; "Ja" gives back exactly what was drawn, marked
// as unsaved and with its file names; "Nein" removes it; a refused part changes nothing; a kill
// while it is written leaves the old or the new file whole.

#include "app/wiederherstellung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/dateischreiben.h"
#include "characteristic/kennliniendateien.h"
#include "curves/kurvendateien.h"
#include "tests/app/killschleife.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

// 2026-12-08 14:30:05 UTC.
constexpr std::time_t kZeit = 1796740205;

struct Editoren {
  Kurvensatz satz;
  Kennlinienzustand kennlinie;
  Editoren() {
    KurvenAnlegen(satz);
    KennlAnlegen(kennlinie);
  }
  void Zeichnen(int version) {
    satz.gKurven[1].punkte = {{100, 4, 2}, {4000 - version, 7, 5}, {17, 1, 5}};
    satz.gKurven[1].kommentar = "Rampe für Prüfstand";
    satz.gZyklen[1] = 3;
    satz.gKurvendateiname = "/daten/rampe.skr";
    satz.gKurvenGeaendert = true;
    kennlinie.gKennlinie.punkte = {{0, 100, 0}, {2000 + version, 1, 0}};
    kennlinie.gKennlinie.kommentar = "Heizung";
    kennlinie.gKennlGeaendert = true;
  }
};

bool Vorhanden(const std::string& pfad) {
  return std::filesystem::exists(pfad);
}

}  // namespace

TEST(Wiederherstellung, TaktSchreibtNachBeruhigungUndEntferntOhneAenderungen) {
  TempOrdner ordner;
  const std::string pfad = WiederherstellungsPfad(ordner.datei("tvm5RKurvengenerator.ini"));
  Wiederherstellungsdatei datei(pfad, [] { return kZeit; });
  Editoren e;
  const Konfiguration konfig;
  datei.Takt(UngesichertesInhalt(e.satz, e.kennlinie, konfig));
  EXPECT_FALSE(Vorhanden(pfad));
  e.Zeichnen(0);
  const std::string inhalt = UngesichertesInhalt(e.satz, e.kennlinie, konfig);
  datei.Takt(inhalt);  // just changed: not yet
  EXPECT_FALSE(Vorhanden(pfad));
  datei.Takt(inhalt);  // settled: written
  std::string bytes;
  ASSERT_TRUE(DateiLesen(pfad, bytes));
  EXPECT_EQ(bytes, WiederherstellungsBytes(inhalt, kZeit));
  e.satz.gKurvenGeaendert = e.kennlinie.gKennlGeaendert = false;  // both saved
  datei.Takt(UngesichertesInhalt(e.satz, e.kennlinie, konfig));
  datei.Takt(UngesichertesInhalt(e.satz, e.kennlinie, konfig));
  EXPECT_FALSE(Vorhanden(pfad));
}

TEST(Wiederherstellung, AngebotJaNeinUndBeschaedigt) {
  setenv("TZ", "UTC", 1);
  tzset();
  TempOrdner ordner;
  const std::string pfad = ordner.datei(kWiederherstellungsdatei);
  const Konfiguration konfig;
  Editoren vorher;
  vorher.Zeichnen(0);
  const std::string inhalt = UngesichertesInhalt(vorher.satz, vorher.kennlinie, konfig);

  Wiederherstellungsdatei(pfad, [] { return kZeit; }).Sichern(inhalt);
  Editoren nachher;
  SkriptDialoge ja;
  ja.antworten = {1};
  EXPECT_EQ(WiederherstellungAnbieten(ja, pfad, nachher.satz, nachher.kennlinie, konfig), 1);
  ASSERT_EQ(ja.fragen.size(), 1u);
  EXPECT_EQ(ja.fragen[0].text,
            "Nicht gespeicherte Änderungen vom 08.12.2026 14:30:05 wiederherstellen?");
  EXPECT_EQ(ja.fragen[0].knoepfe, (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(KurvendateiBytes(nachher.satz, konfig), KurvendateiBytes(vorher.satz, konfig));
  EXPECT_EQ(KennliniendateiBytes(nachher.kennlinie, konfig),
            KennliniendateiBytes(vorher.kennlinie, konfig));
  EXPECT_TRUE(nachher.satz.gKurvenGeaendert);
  EXPECT_TRUE(nachher.kennlinie.gKennlGeaendert);
  EXPECT_EQ(nachher.satz.gKurvendateiname, "/daten/rampe.skr");
  EXPECT_EQ(nachher.kennlinie.gKennlDateiname, "");
  EXPECT_TRUE(Vorhanden(pfad));  // kept until the restored state is written again

  // A part its format refuses: its code, nothing changed, the file stays.
  std::string bytes = WiederherstellungsBytes(inhalt, kZeit);
  const size_t typ = bytes.find(kKurvendateiTyp);
  ASSERT_NE(typ, std::string::npos);
  bytes[typ] = 'X';
  ASSERT_TRUE(DateiSicherSchreiben(pfad, {bytes}).ok());
  Editoren unberuehrt;
  SkriptDialoge ja2;
  ja2.antworten = {1};
  EXPECT_EQ(WiederherstellungAnbieten(ja2, pfad, unberuehrt.satz, unberuehrt.kennlinie, konfig),
            -1020437);
  EXPECT_FALSE(unberuehrt.satz.gKurvenGeaendert);
  EXPECT_FALSE(unberuehrt.kennlinie.gKennlGeaendert);

  // "Nein": nothing taken, the file removed; no file and a cut file: no question.
  SkriptDialoge nein;
  nein.antworten = {2};
  EXPECT_EQ(WiederherstellungAnbieten(nein, pfad, unberuehrt.satz, unberuehrt.kennlinie, konfig),
            0);
  EXPECT_FALSE(unberuehrt.satz.gKurvenGeaendert);
  EXPECT_FALSE(Vorhanden(pfad));
  SkriptDialoge still;
  EXPECT_EQ(WiederherstellungAnbieten(still, pfad, unberuehrt.satz, unberuehrt.kennlinie, konfig),
            0);
  ASSERT_TRUE(DateiSicherSchreiben(pfad, {bytes.substr(0, bytes.size() - 1)}).ok());
  EXPECT_EQ(WiederherstellungAnbieten(still, pfad, unberuehrt.satz, unberuehrt.kennlinie, konfig),
            0);
  EXPECT_TRUE(still.fragen.empty());
}

TEST(SpeichernUnterKill, Wiederherstellungsdatei) {
  const Konfiguration konfig;
  std::string inhalte[2], versionen[2];
  for (int v = 0; v < 2; ++v) {
    Editoren e;
    e.Zeichnen(v);
    e.satz.gKurven[0].punkte.assign(20000, Kurvenpunkt{v * 100, 3, 2});
    inhalte[v] = UngesichertesInhalt(e.satz, e.kennlinie, konfig);
    versionen[v] = WiederherstellungsBytes(inhalte[v], kZeit);
  }
  TempOrdner ordner(KillBasis());
  const std::string pfad = ordner.datei(kWiederherstellungsdatei);
  Wiederherstellungsdatei datei(pfad, [] { return kZeit; });
  const Killzahlen z = KillSchleife(
      pfad, [&](int v) { return datei.Sichern(inhalte[v]) ? 0 : -1; }, versionen, 200, 21);
  std::cout << KillBericht("Wiederherstellungsdatei", z);
  EXPECT_EQ(z.gemischt, 0);
  EXPECT_EQ(z.uebrig, 0);
  EXPECT_EQ(z.fehlschlaege, 0);
  EXPECT_GT(z.neu, 0);
}
