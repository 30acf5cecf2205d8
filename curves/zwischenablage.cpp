#include "curves/zwischenablage.h"

#include <new>

#include "curves/kurvenundo.h"
#include "curves/markierung.h"

int MarkierungKopieren(Kurvensatz& satz) {
  const Kurve& kurve = satz.aktuelleKurve();
  const Punktbereich bereich = MarkiertePunkte(kurve, satz.markierung);
  if (bereich.leer()) return 0;
  try {
    satz.sgZwischenablage.assign(kurve.punkte.begin() + bereich.b,
                                 kurve.punkte.begin() + bereich.e);
  } catch (const std::bad_alloc&) {
    return -600460;
  }
  return 0;
}

bool MarkierungLoeschen(Kurvensatz& satz, Dialoge& dialoge, bool sichern) {
  Kurve& kurve = satz.aktuelleKurve();
  const Punktbereich bereich = MarkiertePunkte(kurve, satz.markierung);
  if (bereich.leer()) return false;
  if (sichern) RueckgaengigSichern(satz, dialoge);
  kurve.punkte.erase(kurve.punkte.begin() + bereich.b, kurve.punkte.begin() + bereich.e);
  return true;
}

void Ausschneiden(Kurvensatz& satz, Fehlerausgabe& fehler) {
  if (const int code = MarkierungKopieren(satz); code != 0) fehler.NOV_Fehlerpopup(code);
  MarkierungLoeschen(satz, fehler.dialoge(), true);
  satz.markierung.gMarkierungAktiv = false;
}

void Loeschen(Kurvensatz& satz, Dialoge& dialoge) {
  MarkierungLoeschen(satz, dialoge, true);
  satz.markierung.gMarkierungAktiv = false;
}

int MarkierungEinfuegen(Kurvensatz& satz, Dialoge& dialoge) {
  Markierung& markierung = satz.markierung;
  if (!markierung.gMarkierungAktiv) return 0;
  Kurve& kurve = satz.aktuelleKurve();
  int a = GeradeZurZeit(kurve, markierung.gMarkierungStart) + 1;
  RueckgaengigSichern(satz, dialoge);
  MarkierungLoeschen(satz, dialoge, false);

  std::vector<Kurvenpunkt>& ablage = satz.sgZwischenablage;
  const int n = static_cast<int>(ablage.size());
  if (a >= kurve.anzahlPunkte()) a = kurve.anzahlPunkte() - 1;
  if (PunkteEinfuegen(kurve, a, ablage) != 0) return -600461;
  // The inserted run starts at the value the curve already has there; the clipboard keeps it.
  if (n > 0) ablage[0].y = kurve.punkte[a].y = kurve.punkte[a + n].y;

  markierung.gMarkierungStart = markierung.gMarkierungEnde = Punktzeit(kurve, a + n) + 0.05;
  return 0;
}
