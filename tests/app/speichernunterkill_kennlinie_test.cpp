// Characteristic files saved under SIGKILL: the complete old or the complete new file.

#include <gtest/gtest.h>

#include <iostream>

#include "base/dateischreiben.h"
#include "characteristic/kennliniendateien.h"
#include "tests/app/killschleife.h"
#include "tests/support/tempordner.h"

TEST(SpeichernUnterKill, Kennliniendatei) {
  Kennlinienzustand zustaende[2];
  for (int v = 0; v < 2; ++v) {
    KennlAnlegen(zustaende[v]);
    zustaende[v].gKennlinie.punkte.assign(4096, Kennlinienpunkt{v * 1000, 1, 0});
    zustaende[v].gKennlinie.kommentar = "Version " + std::to_string(v);
  }
  const Konfiguration konfig;
  TempOrdner vorlagen, ordner(KillBasis());
  std::string versionen[2];
  for (int v = 0; v < 2; ++v) {
    const std::string pfad = vorlagen.datei(std::to_string(v) + ".ske");
    ASSERT_EQ(KennliniendateiSchreiben(pfad, zustaende[v], konfig), 0);
    ASSERT_TRUE(DateiLesen(pfad, versionen[v]));
  }
  const std::string pfad = ordner.datei("kennlinie.ske");
  const Killzahlen z = KillSchleife(
      pfad, [&](int v) { return KennliniendateiSchreiben(pfad, zustaende[v], konfig); }, versionen,
      200, 14);
  std::cout << KillBericht("*.ske", z);
  EXPECT_EQ(z.gemischt, 0);
  EXPECT_EQ(z.uebrig, 0);
  EXPECT_EQ(z.fehlschlaege, 0);
  EXPECT_GT(z.neu, 0);
}
