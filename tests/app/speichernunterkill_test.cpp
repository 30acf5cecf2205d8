// Saves killed with SIGKILL at random moments leave the complete old or the complete new file
// and nothing that the next save trips over: curve files, configuration files, settings file.

#include <gtest/gtest.h>

#include <iostream>

#include "base/dateischreiben.h"
#include "base/ini.h"
#include "config/konfigdatei.h"
#include "curves/kurvendateien.h"
#include "tests/app/killschleife.h"
#include "tests/support/tempordner.h"

namespace {

constexpr int kKills = 200;

// Saves version 0 and 1 into separate files first, for the bytes to compare with.
Killzahlen Pruefen(const char* format, const std::string& name,
                   const std::function<int(const std::string&, int)>& speichern) {
  TempOrdner vorlagen;
  std::string versionen[2];
  for (int v = 0; v < 2; ++v) {
    const std::string pfad = vorlagen.datei(std::to_string(v) + name);
    EXPECT_EQ(speichern(pfad, v), 0);
    EXPECT_TRUE(DateiLesen(pfad, versionen[v]));
  }
  EXPECT_NE(versionen[0], versionen[1]);
  TempOrdner ordner(KillBasis());
  const std::string pfad = ordner.datei(name);
  const Killzahlen z = KillSchleife(
      pfad, [&](int v) { return speichern(pfad, v); }, versionen, kKills, 14);
  std::cout << KillBericht(format, z);
  EXPECT_EQ(z.kills, kKills);
  EXPECT_EQ(z.gemischt, 0);
  EXPECT_EQ(z.uebrig, 0);
  EXPECT_EQ(z.fehlschlaege, 0);
  EXPECT_GT(z.neu, 0);
  return z;
}

}  // namespace

TEST(SpeichernUnterKill, Kurvendatei) {
  Kurvensatz saetze[2];
  for (int v = 0; v < 2; ++v) {
    KurvenAnlegen(saetze[v]);
    for (int k = 0; k < kKurvenAnzahl; ++k) {
      saetze[v].gKurven[k].punkte.assign(5000, Kurvenpunkt{v * 100 + k, 3});
      saetze[v].gKurven[k].kommentar = "Version " + std::to_string(v);
    }
  }
  const Konfiguration konfig;
  Pruefen("*.skr", "kurven.skr", [&](const std::string& pfad, int v) {
    return KurvendateiSchreiben(pfad, saetze[v], konfig);
  });
}

TEST(SpeichernUnterKill, KonfigdateiUndEinstellungsdatei) {
  Konfiguration konfig[2];
  konfig[1].voutmax = 5.0;
  konfig[1].outeinheit[0] = "mA";
  Pruefen("*.sko", "kanaele.sko",
          [&](const std::string& pfad, int v) { return KonfigdateiSchreiben(pfad, konfig[v]); });

  IniDatei ini[2] = {Ini_New(false), Ini_New(false)};
  for (int v = 0; v < 2; ++v)
    for (int i = 0; i < 2000; ++i)
      Ini_PutInt(ini[v], "Abschnitt " + std::to_string(i % 20), "Wert" + std::to_string(i),
                 i * (v + 1));
  Pruefen("Einstellungsdatei", "tvm5r.ini",
          [&](const std::string& pfad, int v) { return Ini_WriteToFile(ini[v], pfad); });
}
