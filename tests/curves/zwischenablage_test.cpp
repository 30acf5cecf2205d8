#include "curves/zwischenablage.h"

#include <gtest/gtest.h>

#include "curves/markierung.h"
#include "curves/speicherfrage.h"
#include "tests/curves/kurventesthilfe.h"

namespace {

// Points every 10 ms: 0, 10, 20, 30, 40 ms; the curve ends at 41 ms.
void FuenfPunkte(Kurvenumgebung& u) {
  u.punkte() = {{0, 10, 1}, {100, 10, 1}, {200, 10, 1}, {300, 10, 1}, {400, 1, 1}};
}

void Markieren(Kurvensatz& satz, double start, double ende) {
  MarkierungZiehen(satz.markierung, start);
  MarkierungAbschliessen(satz.markierung, ende);
}

}  // namespace

TEST(Markierung, ZiehenAbschliessenUndWerkzeug) {
  Markierung m;
  MarkierungZiehen(m, 100.4);
  MarkierungZiehen(m, 300.6);
  EXPECT_TRUE(m.gMarkierungAktiv);
  EXPECT_EQ(m.gMarkierungEnde, 301.0);
  MarkierungAbschliessen(m, 50);
  EXPECT_EQ(m.gMarkierungStart, 50.0);
  EXPECT_EQ(m.gMarkierungEnde, 100.0);
  MarkierungZiehen(m, 700);
  MarkierungAbschliessen(m, 900.5);
  EXPECT_EQ(m.gMarkierungStart, 700.0);
  EXPECT_EQ(m.gMarkierungEnde, 901.0);

  Kurvensatz satz;
  satz.markierung = m;
  WerkzeugWaehlen(satz, Werkzeug::MARKIEREN);
  EXPECT_TRUE(satz.markierung.gMarkierungAktiv);
  WerkzeugWaehlen(satz, Werkzeug::ZEICHNEN);
  EXPECT_FALSE(satz.markierung.gMarkierungAktiv);
}

TEST(Zwischenablage, MarkiertePunkteUndKopieren) {
  Kurvenumgebung u;
  FuenfPunkte(u);
  u.satz.sgZwischenablage = {{7, 7, 7}};
  Markieren(u.satz, 12000, 15000);
  EXPECT_TRUE(MarkiertePunkte(u.kurve(), u.satz.markierung).leer());
  EXPECT_EQ(MarkierungKopieren(u.satz), 0);
  EXPECT_EQ(u.satz.sgZwischenablage, (std::vector<Kurvenpunkt>{{7, 7, 7}}));

  AllesMarkieren(u.satz);
  EXPECT_EQ(u.satz.markierung.gMarkierungEnde, 41000.0);
  const Punktbereich alle = MarkiertePunkte(u.kurve(), u.satz.markierung);
  EXPECT_EQ(alle.b, 0);
  EXPECT_EQ(alle.e, 4);
  Markieren(u.satz, 9999, 30000);
  EXPECT_EQ(MarkierungKopieren(u.satz), 0);
  EXPECT_EQ(u.satz.sgZwischenablage, (std::vector<Kurvenpunkt>{{100, 10, 1}, {200, 10, 1}}));
}

TEST(Zwischenablage, AusschneidenLoeschenEinfuegen) {
  Kurvenumgebung u;
  FuenfPunkte(u);
  Markieren(u.satz, 10000, 25000);
  Ausschneiden(u.satz, u.fehler);
  EXPECT_EQ(u.punkte(),
            (std::vector<Kurvenpunkt>{{0, 10, 1}, {200, 10, 1}, {300, 10, 1}, {400, 1, 1}}));
  EXPECT_EQ(Kurvendauer(u.kurve()), 31000.0);
  EXPECT_EQ(u.satz.sgZwischenablage, (std::vector<Kurvenpunkt>{{100, 10, 1}}));
  EXPECT_FALSE(u.satz.markierung.gMarkierungAktiv);
  EXPECT_EQ(u.Schritte(), 1);
  Loeschen(u.satz, u.dialoge);  // the mark is gone: nothing happens
  EXPECT_EQ(u.Schritte(), 1);

  // Inside one segment the run goes behind it, starting at the value found there.
  u.satz.sgZwischenablage = {{1, 5, 2}, {2, 6, 3}};
  Markieren(u.satz, 5000, 5000);
  ASSERT_EQ(MarkierungEinfuegen(u.satz, u.dialoge), 0);
  EXPECT_EQ(u.punkte(),
            (std::vector<Kurvenpunkt>{
                {0, 10, 1}, {200, 5, 2}, {2, 6, 3}, {200, 10, 1}, {300, 10, 1}, {400, 1, 1}}));
  EXPECT_EQ(u.satz.sgZwischenablage[0].y, 200);
  EXPECT_EQ(u.satz.markierung.gMarkierungStart, 50000.05);
  EXPECT_TRUE(u.satz.markierung.gMarkierungAktiv);

  // An empty clipboard still deletes the marked points, after a snapshot.
  u.satz.sgZwischenablage.clear();
  Markieren(u.satz, 10000, 55000);
  ASSERT_EQ(MarkierungEinfuegen(u.satz, u.dialoge), 0);
  EXPECT_EQ(u.punkte(),
            (std::vector<Kurvenpunkt>{{0, 10, 1}, {200, 10, 1}, {300, 10, 1}, {400, 1, 1}}));
  EXPECT_EQ(u.satz.markierung.gMarkierungEnde, 20000.05);
  EXPECT_EQ(u.Schritte(), 3);
}

TEST(Speicherfrage, DreiAntworten) {
  Kurvenumgebung u;
  int gespeichert = 0;
  int ergebnis = 0;
  bool dialogAbgebrochen = false;
  auto speichern = [&] {
    ++gespeichert;
    // A save that happened leaves the set unmodified; a cancelled file dialog returns 0 too.
    if (ergebnis == 0 && !dialogAbgebrochen) u.satz.gKurvenGeaendert = false;
    return ergebnis;
  };
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 0);
  EXPECT_TRUE(u.dialoge.fragen.empty());

  u.satz.gKurvenGeaendert = true;
  u.dialoge.antworten = {2, 3, 1, 1};
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 0);
  const Frage& frage = u.dialoge.fragen.back();
  EXPECT_EQ(frage.titel, "Warnung");
  EXPECT_EQ(frage.text, "Möchten Sie die Änderungen in Kurvengenerator speichern?");
  EXPECT_EQ(frage.knoepfe, (std::vector<std::string>{"Ja", "Nein", "Abbrechen"}));
  u.satz.gKurvendateiname = "/tmp/kurven/test.skr";
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 1);
  EXPECT_EQ(u.dialoge.fragen.back().text, "Möchten Sie die Änderungen in test.skr speichern?");
  EXPECT_EQ(gespeichert, 0);
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 0);
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
  u.satz.gKurvenGeaendert = true;
  ergebnis = -600403;
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 1);
  EXPECT_EQ(gespeichert, 2);
  EXPECT_EQ(u.dialoge.LetzteMeldung().titel, "Fehler #600403");

  // "Ja", then the file dialog cancelled: nothing was saved, so the operation is cancelled
  // without an error popup and the changes stay.
  const size_t meldungen = u.dialoge.meldungen.size();
  ergebnis = 0;
  dialogAbgebrochen = true;
  u.dialoge.antworten = {1};
  EXPECT_EQ(AbbruchWeilKurvenNichtGespeichert(u.satz, u.fehler, speichern), 1);
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.dialoge.meldungen.size(), meldungen);
}
