// Thousands of random edits on random curves: every accepted or refused edit keeps the curve
// valid, and a refused edit leaves the curve exactly as it was.

#include <gtest/gtest.h>

#include <random>

#include "curves/geradenbearbeitung.h"
#include "curves/kurvenundo.h"
#include "curves/markierung.h"
#include "curves/punktbearbeitung.h"
#include "curves/punktverschiebung.h"
#include "curves/zwischenablage.h"
#include "tests/curves/kurventesthilfe.h"
#include "tests/support/zufall.h"

namespace {

int Code(Zufall& z) {
  return Ganz(z, 1, 9);
}
// A time shift of whole units of a random time base, often a valid one.
double Verschiebung(Zufall& z) {
  return Ganz(z, -12, 12) * ZeitbasisDauer(Code(z));
}

std::vector<Kurvenpunkt> ZufallsKurve(Zufall& z) {
  std::vector<Kurvenpunkt> punkte(Ganz(z, 1, 8));
  for (Kurvenpunkt& p : punkte) {
    const int laenge = Ganz(z, 0, 9) == 0 ? Ganz(z, 1, kGeradenlaengeMax) : Ganz(z, 1, 20);
    p = {Ganz(z, 0, kKurvenwertMax), laenge, static_cast<int8_t>(Code(z))};
  }
  punkte.back().laenge = 1;
  return punkte;
}

// Answers the dialogs with random changes of what they show.
class ZufallsDialoge : public Kurvendialoge {
 public:
  explicit ZufallsDialoge(Zufall& z) : z_(z) {}
  Punkteingabe Punktdialog(const std::string&, int, const Punkteingabe& anzeige) override {
    Punkteingabe e = anzeige;
    if (Ganz(z_, 0, 2) != 0) e.zeit = ZeitInStunden(StundenInZeit(anzeige.zeit) + Verschiebung(z_));
    if (Ganz(z_, 0, 1) != 0) e.wert = Reell(z_, -1, 11);
    return e;
  }
  Zeitfelder Geradendialog(const std::string&, int, const Zeitfelder&) override {
    return ZeitInStunden(Verschiebung(z_) * Ganz(z_, 0, 9000));
  }

 private:
  Zufall& z_;
};

bool Gueltig(const std::vector<Kurvenpunkt>& punkte) {
  if (punkte.empty() || punkte.back().laenge != 1) return false;
  for (const Kurvenpunkt& p : punkte)
    if (p.y < 0 || p.y > kKurvenwertMax || p.laenge < 1 || p.laenge > kGeradenlaengeMax ||
        p.zeitbasis < 1 || p.zeitbasis > 9)
      return false;
  return true;
}

class Zufallsbearbeitung {
 public:
  explicit Zufallsbearbeitung(unsigned saat) : z_(saat), dialoge_(z_) {
    for (Kurve& kurve : u_.satz.gKurven) kurve.punkte = ZufallsKurve(z_);
    u_.satz.gYRaster = {0, 0.5, 1.0, 0.25};
  }

  void Schritt() {
    Kurvensatz& satz = u_.satz;
    const Kurve& kurve = satz.aktuelleKurve();
    const double dauer = Kurvendauer(kurve);
    satz.ansicht = {0, dauer - 1};
    const double t = Ganz(z_, 0, 3) == 0 ? Punktzeit(kurve, Ganz(z_, 0, kurve.letzterPunkt()))
                                         : Reell(z_, -1000, dauer * 1.2 + 1000);
    const double y = Reell(z_, -200, kKurvenwertMax + 200);
    const auto vorher = kurve.punkte;
    const bool innen = GeradeZurZeit(kurve, t) != kurve.letzterPunkt();
    const double ende = Punktzeit(kurve, kurve.letzterPunkt());
    const size_t meldungen = u_.dialoge.meldungen.size();
    const int art = Ganz(z_, 0, 19);
    Ausfuehren(art, t, y);

    for (const Kurve& k : satz.gKurven) ASSERT_TRUE(Gueltig(k.punkte));
    ASSERT_LE(satz.sgZwischenablage.size(), 200u);
    if (u_.dialoge.meldungen.size() > meldungen) {
      ++abgelehnt;
      ASSERT_EQ(u_.dialoge.meldungen.back().titel, "Fehler");
      if (u_.dialoge.meldungen.back().text.rfind("Y-Wert", 0) != 0) {
        ASSERT_EQ(satz.aktuelleKurve().punkte, vorher) << "Art " << art;
      }
    } else if (satz.aktuelleKurve().punkte != vorher) {
      ++geaendert;
    }
    // Splitting a segment keeps the curve's duration; converting one keeps the last point's
    // time (the closing segment may take the new time base).
    if (art == 5) {
      ASSERT_EQ(Kurvendauer(satz.aktuelleKurve()), dauer);
    }
    if (art == 6 && innen) {
      const Kurve& neu = satz.aktuelleKurve();
      ASSERT_EQ(Punktzeit(neu, neu.letzterPunkt()), ende);
    }
  }

  int abgelehnt = 0;
  int geaendert = 0;

 private:
  void Ausfuehren(int art, double t, double y) {
    Kurvensatz& satz = u_.satz;
    Kurvenbearbeitung& b = bearbeitung_;
    switch (art) {
      case 0:
        PunktZeichnen(b, t, y, Code(z_));
        break;
      case 1:
        for (int i = Ganz(z_, 1, 3); i > 0; --i)
          VerschiebenZiehen(b, t + Verschiebung(z_), y, u_.plot);
        PunktVerschieben(b, t, y, u_.plot);
        break;
      case 2:
        PunktVerschieben(b, t, y, u_.plot);
        break;
      case 3:
        PunktkoordinatenAendern(b, t, y, u_.plot);
        break;
      case 4:
        PunktAufloesen(b, t, y, u_.plot);
        break;
      case 5:
        GeradeTeilen(b, t);
        break;
      case 6:
        ZeitbasisAendern(b, t, Code(z_));
        break;
      case 7:
        GeradenlaengeAendern(b, t);
        break;
      case 8:
        MarkierungZiehen(satz.markierung, t);
        break;
      case 9:
        MarkierungAbschliessen(satz.markierung, t);
        break;
      case 10:
        AllesMarkieren(satz);
        break;
      case 11:
        MarkierungKopieren(satz);
        break;
      case 12:
        Ausschneiden(satz, u_.fehler);
        break;
      case 13:
        Loeschen(satz, u_.dialoge);
        break;
      case 14:
        if (satz.aktuelleKurve().anzahlPunkte() + satz.sgZwischenablage.size() < 100)
          MarkierungEinfuegen(satz, u_.dialoge);
        break;
      case 15:
        KurveRueckgaengig(satz);
        break;
      case 16:
        KurveWiederherstellen(satz);
        break;
      case 17:
        KurveWaehlen(satz, Ganz(z_, 0, 3));
        break;
      case 18:
        WerkzeugWaehlen(satz, static_cast<Werkzeug>(Ganz(z_, 0, 8)));
        break;
      default:
        RueckgaengigSichern(satz, u_.dialoge);
        KurveUebernehmen(satz.aktuelleKurve(), ZufallsKurve(z_));
    }
  }

  Zufall z_;
  Kurvenumgebung u_;
  ZufallsDialoge dialoge_;
  Kurvenbearbeitung bearbeitung_{u_.satz, u_.konfig, u_.fehler, dialoge_};
};

}  // namespace

TEST(Zufallsbearbeitung, InvariantenUndUnveraenderteKurveNachAblehnung) {
  int abgelehnt = 0;
  int geaendert = 0;
  for (unsigned saat = 1; saat <= 20; ++saat) {
    Zufallsbearbeitung lauf(saat);
    for (int i = 0; i < 400; ++i) {
      lauf.Schritt();
      if (testing::Test::HasFatalFailure()) return;
    }
    abgelehnt += lauf.abgelehnt;
    geaendert += lauf.geaendert;
  }
  EXPECT_GT(abgelehnt, 500);
  EXPECT_GT(geaendert, 2000);
}
