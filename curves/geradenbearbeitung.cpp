#include "curves/geradenbearbeitung.h"

#include <cmath>

#include "curves/kurvenundo.h"
#include "editor/geradenteilung.h"

bool GeradeTeilen(Kurvenbearbeitung& b, double t) {
  if (!std::isfinite(t)) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  const int g = GeradeZurZeit(kurve, t);
  if (g == kurve.letzterPunkt()) return false;
  const Kurvenpunkt alt = kurve.punkte[g];
  if (alt.laenge == 1)
    return Ablehnen(b,
                    "Gerade kann nicht geteilt werden, da sie eine Länge \n"
                    " von nur einer Zeiteinheit hat.");

  const Geradenteilung teilung =
      Teilungspunkt(std::trunc((t - Punktzeit(kurve, g)) / ZeitbasisDauer(alt.zeitbasis) + 0.5),
                    alt.laenge, alt.y, kurve.punkte[g + 1].y, kKurvenwertMax);

  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  const Kurvenpunkt neu{teilung.wert, alt.laenge - teilung.erste, alt.zeitbasis};
  if (const int fehler = PunkteEinfuegen(kurve, g + 1, {&neu, 1}); fehler != 0) {
    b.fehler.NOV_Fehlerpopup(fehler);
    return false;
  }
  kurve.punkte[g].laenge = teilung.erste;
  return true;
}

bool ZeitbasisAendern(Kurvenbearbeitung& b, double t, int code) {
  const double einheit = ZeitbasisDauer(code);
  if (!std::isfinite(t) || einheit == 0) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  const int g = GeradeZurZeit(kurve, t);
  Kurvenpunkt& punkt = kurve.punkte[g];
  if (punkt.zeitbasis == code) return false;
  const int8_t zeitbasis = static_cast<int8_t>(code);
  if (g == kurve.letzterPunkt()) {
    if (t > Kurvendauer(kurve)) return false;
    // Like every other change, this one can be undone and counts as unsaved.
    RueckgaengigSichern(b.satz, b.fehler.dialoge());
    punkt.zeitbasis = zeitbasis;
    return true;
  }

  const double n = Geradendauer(punkt) / einheit;
  if (!GanzeZahl(n) || n < 1)
    return Ablehnen(b,
                    "Die Länge der Gerade läßt sich nicht durch die \n"
                    "neue Zeitbasis teilen.");
  if (n > kGeradenlaengeMax)
    return Ablehnen(b,
                    "Zeitbasis kann nicht umgewandelt werden. \n"
                    "Die entstehende Gerade wäre zu lang.");
  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  punkt.zeitbasis = zeitbasis;
  punkt.laenge = static_cast<int32_t>(n + 0.5);
  if (g == kurve.letzterPunkt() - 1) kurve.punkte.back().zeitbasis = zeitbasis;
  return true;
}

bool GeradenlaengeAendern(Kurvenbearbeitung& b, double t) {
  if (!std::isfinite(t)) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  const int g = GeradeZurZeit(kurve, t);
  if (g == kurve.letzterPunkt()) return false;
  Kurvenpunkt& punkt = kurve.punkte[g];
  const Zeitfelder dauer =
      b.eingabe.Geradendialog(Dialogtitel("Gerade", g), g, ZeitInStunden(Geradendauer(punkt)));
  const double r = StundenInZeit(dauer) / ZeitbasisDauer(punkt.zeitbasis);
  if (r != std::floor(r))
    return Ablehnen(b, "Die Länge der Geraden muß durch ihre Zeitbasis teilbar sein.");
  if (r > kGeradenlaengeMax)
    return Ablehnen(b,
                    "Die neue Länge der Geraden ist zu groß. \n"
                    "Wählen Sie eine größere Zeitbasis.");
  if (r <= 0) return Ablehnen(b, "Die neue Länge der Geraden ist zu klein.");
  if (r == punkt.laenge) return false;
  // Like every other change, this one can be undone and counts as unsaved.
  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  punkt.laenge = static_cast<int32_t>(r + 0.5);
  return true;
}
