#include "curves/punktverschiebung.h"

#include <gtest/gtest.h>

#include "curves/punktbearbeitung.h"
#include "tests/curves/kurventesthilfe.h"

namespace {

// Points at 0 ("2ms" x 10), 20 ms ("5ms" x 10) and 70 ms (last).
void ZweiZeitbasen(Kurvenumgebung& u) {
  u.punkte() = {{0, 10, 2}, {1000, 10, 3}, {2000, 1, 3}};
  u.satz.ansicht = {0, 80000};
}

Punkteingabe Eingabe(double ms, double volt) {
  return {Millisekunden(ms), volt};
}

}  // namespace

TEST(Punktkoordinaten, ZeitrasterDerNachbargeraden) {
  Kurvenumgebung u;
  ZweiZeitbasen(u);
  const auto vorher = u.punkte();
  const double wert = RohInEinheit(u.konfig, 0, 1000);
  u.eingabe.punkte = {Eingabe(25, wert), Eingabe(30, wert)};
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 20000, 1000, u.plot));
  EXPECT_EQ(u.eingabe.titel.back(), "Punkt 2");
  EXPECT_EQ(u.eingabe.gezeigt.back().zeit.millisekunden, 20.0);
  EXPECT_EQ(u.eingabe.gezeigt.back().wert, wert);
  EXPECT_EQ(u.Meldung(),
            "Die angegebene Zeitkoordinate paßt nicht ins Zeitraster \n(Der Punkt muß ins "
            "Zeitraster der vorherigen und der folgenden Gerade passen).");
  EXPECT_EQ(u.punkte(), vorher);

  ASSERT_TRUE(PunktkoordinatenAendern(u.b, 20000, 1000, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 15, 2}, {1000, 8, 3}, {2000, 1, 3}}));
  EXPECT_EQ(u.Schritte(), 1);
}

TEST(Punktkoordinaten, GrenzenUndWerte) {
  Kurvenumgebung u;
  ZweiZeitbasen(u);
  u.eingabe.punkte = {Eingabe(1, 0), Eingabe(0, 5), Eingabe(0, 20), Eingabe(70, 0),
                      Eingabe(80, -1)};
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 0, 0, u.plot));
  EXPECT_EQ(u.Meldung(), "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
  ASSERT_TRUE(PunktkoordinatenAendern(u.b, 0, 0, u.plot));
  EXPECT_EQ(u.punkte()[0].y, 2048);
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 20000, 1000, u.plot));
  EXPECT_EQ(u.Meldung(),
            "Die angegebene Zeitkoordinate ist zu klein \n(Der Punkt kann nicht auf eine Zeit "
            "kleiner oder gleich der \ndes vorherigen Punktes verschoben werden).");
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 20000, 1000, u.plot));
  EXPECT_EQ(u.Meldung(),
            "Die angegebene Zeitkoordinate ist zu groß \n(Der Punkt kann nicht auf eine Zeit "
            "größer oder gleich der \ndes nächsten Punktes verschoben werden).");
  // The last point moves later with its length; the refused value keeps the time change.
  EXPECT_TRUE(PunktkoordinatenAendern(u.b, 70000, 2000, u.plot));
  EXPECT_EQ(u.Meldung(), "Y-Wert zu klein.");
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{2048, 10, 2}, {1000, 12, 3}, {2000, 1, 3}}));
  EXPECT_EQ(Kurvendauer(u.kurve()), 85000.0);
  EXPECT_EQ(u.Schritte(), 2);

  u.eingabe.punkte = {Eingabe(80, 10.01)};
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 80000, 2000, u.plot));
  EXPECT_EQ(u.Meldung(), "Y-Wert zu groß.");

  u.punkte() = {{0, 65000, 9}, {0, 1, 9}};
  u.eingabe.punkte = {Eingabe(16250 + 1000, 0)};
  EXPECT_FALSE(PunktkoordinatenAendern(u.b, 16250000, 0, u.plot));
  EXPECT_EQ(u.Meldung(),
            "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge. \nWählen Sie für "
            "die angrenzenden Geraden eine größere Zeitbasis.");
}

TEST(PunktVerschieben, RastertAufDieNachbargeraden) {
  Kurvenumgebung u;
  u.punkte() = {{0, 10, 1}, {1000, 10, 1}, {0, 1, 1}};
  u.satz.ansicht = {0, 30000};
  const Verschiebung v = VerschiebenZiehen(u.b, 10000, 1000, u.plot);
  EXPECT_EQ(v.punkt, 1);
  EXPECT_EQ(VerschiebenZiehen(u.b, 13400, 2000.2, u.plot).ziel.t, 13000.0);
  ASSERT_TRUE(PunktVerschieben(u.b, 13400, 2000.2, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 13, 1}, {2000, 7, 1}, {0, 1, 1}}));
  EXPECT_FALSE(u.satz.verschobenerPunkt);

  // The coarser own segment snaps to its grid from the next point.
  u.punkte() = {{0, 10, 1}, {1000, 2, 3}, {0, 1, 1}};
  ASSERT_TRUE(PunktVerschieben(u.b, 12600, 1000, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 15, 1}, {1000, 1, 3}, {0, 1, 1}}));

  u.punkte() = {{0, 5, 2}, {1000, 2, 3}, {0, 1, 1}};
  EXPECT_FALSE(PunktVerschieben(u.b, 14000, 1000, u.plot));
  EXPECT_EQ(u.Meldung(), "Unvorhergesehene Operation.");

  u.punkte() = {{0, 1, 9}, {0, 1, 9}};
  VerschiebenZiehen(u.b, 250, 0, u.plot);
  EXPECT_FALSE(PunktVerschieben(u.b, 20e6, 0, u.plot));
  EXPECT_EQ(u.Meldung(), "Resultierende Gerade ist zu lang!");

  // The first point changes only its value.
  ASSERT_TRUE(PunktVerschieben(u.b, 100, 3000, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{3000, 1, 9}, {0, 1, 9}}));
}

TEST(PunktVerschieben, OhneGueltigenZugWirdNeuGewaehlt) {
  Kurvenumgebung u;
  u.punkte() = {{0, 10, 1}, {1000, 10, 1}, {500, 1, 1}};
  u.satz.ansicht = {0, 30000};
  EXPECT_EQ(VerschiebenZiehen(u.b, 20000, 500, u.plot).punkt, 2);
  ASSERT_TRUE(PunktAufloesen(u.b, 20000, 500, u.plot));
  ASSERT_TRUE(PunktVerschieben(u.b, 10000, 3000, u.plot));
  EXPECT_EQ(u.punkte(), (std::vector<Kurvenpunkt>{{0, 10, 1}, {3000, 1, 1}}));
  // A commit without any drag picks the nearest point too.
  ASSERT_TRUE(PunktVerschieben(u.b, 0, 700, u.plot));
  EXPECT_EQ(u.punkte()[0].y, 700);
}
