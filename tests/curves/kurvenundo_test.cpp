#include "curves/kurvenundo.h"

#include <gtest/gtest.h>

#include "curves/punktbearbeitung.h"
#include "tests/curves/kurventesthilfe.h"

TEST(Rueckgaengig, ZehnSchritteImRing) {
  Kurvenumgebung u;
  std::vector<std::vector<Kurvenpunkt>> nachEdit;
  for (int i = 1; i <= 11; ++i) {
    ASSERT_TRUE(PunktZeichnen(u.b, i * 10000.0, i, 1));
    nachEdit.push_back(u.punkte());
  }
  EXPECT_TRUE(u.satz.freigabe.rueckgaengigKnopf);
  EXPECT_FALSE(u.satz.freigabe.wiederherstellenMenue);
  u.satz.gKurvenGeaendert = false;
  for (int i = 0; i < 11; ++i) KurveRueckgaengig(u.satz);
  EXPECT_EQ(u.punkte(), nachEdit[0]);
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_FALSE(u.satz.freigabe.rueckgaengigKnopf);
  EXPECT_TRUE(u.satz.freigabe.wiederherstellenKnopf);

  for (int i = 0; i < 11; ++i) KurveWiederherstellen(u.satz);
  EXPECT_EQ(u.punkte(), nachEdit[10]);
  EXPECT_FALSE(u.satz.freigabe.wiederherstellenKnopf);

  KurveRueckgaengig(u.satz);
  EXPECT_EQ(u.punkte(), nachEdit[9]);
  ASSERT_TRUE(PunktZeichnen(u.b, 1e6, 7, 1));
  const auto neu = u.punkte();
  KurveWiederherstellen(u.satz);
  EXPECT_EQ(u.punkte(), neu);
  EXPECT_EQ(u.satz.rueckgaengig[0].sgAnzahlWiederherstellen, 0);
}

TEST(Rueckgaengig, KurvenwahlUndUnveraenderteKurve) {
  Kurvenumgebung u;
  ASSERT_TRUE(PunktZeichnen(u.b, 10000, 1, 1));
  KurveWaehlen(u.satz, 1);
  EXPECT_EQ(u.satz.gAktuelleKurve, 1);
  EXPECT_FALSE(u.satz.freigabe.rueckgaengigKnopf);
  EXPECT_TRUE(u.satz.freigabe.rueckgaengigMenue);
  EXPECT_TRUE(u.satz.freigabe.wiederherstellenMenue);
  KurveRueckgaengig(u.satz);  // nothing to undo on curve 2
  EXPECT_EQ(u.satz.gKurven[0].anzahlPunkte(), 2);

  KurveWaehlen(u.satz, 0);
  EXPECT_TRUE(u.satz.freigabe.rueckgaengigKnopf);
  EXPECT_FALSE(u.satz.freigabe.wiederherstellenKnopf);

  // A step that restores identical points leaves the modified flag alone.
  RueckgaengigSichern(u.satz, u.dialoge);
  u.satz.gKurvenGeaendert = false;
  KurveRueckgaengig(u.satz);
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
}
