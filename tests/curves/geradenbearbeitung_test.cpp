#include "curves/geradenbearbeitung.h"

#include <gtest/gtest.h>

#include "tests/curves/kurventesthilfe.h"

TEST(GeradeTeilen, NeuerPunktUndVerweigerung) {
  const std::vector<std::pair<double, Kurvenpunkt>> faelle = {
      {3000, {333, 7, 1}}, {5000, {500, 5, 1}}, {7000, {1000, 3, 1}}, {100, {100, 9, 1}}};
  for (const auto& [t, neu] : faelle) {
    Kurvenumgebung u;
    u.punkte() = {{0, 10, 1}, {1000, 1, 1}};
    ASSERT_TRUE(GeradeTeilen(u.b, t)) << t;
    EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 10 - neu.laenge, 1}, neu, {1000, 1, 1}}));
    EXPECT_EQ(Kurvendauer(u.kurve()), 11000.0);
    EXPECT_EQ(u.Schritte(), 1);
  }
  Kurvenumgebung u;
  u.punkte() = {{0, 1, 1}, {1000, 5, 1}};
  EXPECT_FALSE(GeradeTeilen(u.b, 500));
  EXPECT_EQ(
      u.Meldung(),
      "Gerade kann nicht geteilt werden, da sie eine Länge \n von nur einer Zeiteinheit hat.");
  u.dialoge.meldungen.clear();
  EXPECT_FALSE(GeradeTeilen(u.b, 3000));  // the closing segment
  EXPECT_TRUE(u.dialoge.meldungen.empty());
  EXPECT_EQ(u.Schritte(), 0);
}

TEST(ZeitbasisAendern, UmrechnenOderVerweigern) {
  Kurvenumgebung u;
  u.punkte() = {{0, 3, 8}, {9, 1, 8}};
  ASSERT_TRUE(ZeitbasisAendern(u.b, 0, 2));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 1500, 2}, {9, 1, 2}}));

  u.punkte() = {{0, 1, 3}, {9, 1, 3}};
  EXPECT_FALSE(ZeitbasisAendern(u.b, 0, 2));
  EXPECT_EQ(u.Meldung(), "Die Länge der Gerade läßt sich nicht durch die \nneue Zeitbasis teilen.");
  u.punkte() = {{0, 100, 8}, {9, 1, 8}};
  EXPECT_FALSE(ZeitbasisAendern(u.b, 0, 9));
  EXPECT_EQ(u.Meldung(),
            "Zeitbasis kann nicht umgewandelt werden. \nDie entstehende Gerade wäre zu lang.");
  EXPECT_EQ(u.punkte()[0], (Kurvenpunkt{0, 100, 8}));
  EXPECT_EQ(u.Schritte(), 1);

  // The closing segment takes any code up to the curve's end, as an undoable change.
  u.satz.gKurvenGeaendert = false;
  EXPECT_FALSE(ZeitbasisAendern(u.b, 101000001, 9));
  ASSERT_TRUE(ZeitbasisAendern(u.b, 100000000, 9));
  EXPECT_EQ(u.punkte()[1], (Kurvenpunkt{9, 1, 9}));
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.Schritte(), 2);
}

TEST(GeradenlaengeAendern, DialogUndPruefungen) {
  Kurvenumgebung u;
  u.punkte() = {{0, 10, 1}, {9, 1, 1}};
  u.eingabe.geraden = {Millisekunden(2.5), Millisekunden(70000), Millisekunden(0),
                       Millisekunden(25)};
  for (const char* text :
       {"Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.",
        "Die neue Länge der Geraden ist zu groß. \nWählen Sie eine größere Zeitbasis.",
        "Die neue Länge der Geraden ist zu klein."}) {
    EXPECT_FALSE(GeradenlaengeAendern(u.b, 500));
    EXPECT_EQ(u.Meldung(), text);
  }
  EXPECT_EQ(u.punkte()[0].laenge, 10);
  EXPECT_FALSE(u.satz.gKurvenGeaendert);

  ASSERT_TRUE(GeradenlaengeAendern(u.b, 500));
  EXPECT_EQ(u.eingabe.titel.back(), "Gerade 1");
  EXPECT_EQ(u.punkte()[0].laenge, 25);
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.Schritte(), 1);

  EXPECT_FALSE(GeradenlaengeAendern(u.b, 25000));  // the closing segment: no dialog
  EXPECT_EQ(u.eingabe.titel.size(), 4u);
}
