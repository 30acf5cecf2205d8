#include "curves/punktbearbeitung.h"

#include <cmath>

#include "curves/kurvenundo.h"

Grafikpunkt ZeichnenVorschau(const Kurvenbearbeitung& b, double t, double y, int code) {
  const Kurve& kurve = b.satz.aktuelleKurve();
  const double start = Punktzeit(kurve, kurve.letzterPunkt());
  const double einheit = ZeitbasisDauer(code);
  double schritte = std::floor((t - start) / einheit + 0.5);
  if (!(schritte >= 1) || !std::isfinite(schritte)) schritte = 1;
  return {start + einheit * schritte,
          YRasterAnwenden(b.satz, b.konfig, b.satz.gAktuelleKurve, std::floor(y + 0.5))};
}

bool PunktZeichnen(Kurvenbearbeitung& b, double t, double y, int code) {
  const double einheit = ZeitbasisDauer(code);
  if (!Endlich(t, y) || einheit == 0) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  const int letzter = kurve.letzterPunkt();
  const double q = (std::floor(t + 0.5) - Punktzeit(kurve, letzter)) / einheit;
  if (q > kGeradenlaengeMax)
    return Ablehnen(b, "Gerade zu lang!\nWählen Sie eine größere Zeiteinheit.");
  const int n = q + 0.5 >= 1 ? static_cast<int>(q + 0.5) : 1;

  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  const int8_t zeitbasis = static_cast<int8_t>(code);
  const Kurvenpunkt neu{YRasterAnwenden(b.satz, b.konfig, b.satz.gAktuelleKurve, y), 1, zeitbasis};
  if (const int fehler = PunkteEinfuegen(kurve, letzter + 1, {&neu, 1}); fehler != 0) {
    b.fehler.NOV_Fehlerpopup(fehler);
    return false;
  }
  kurve.punkte[letzter].laenge = n;
  kurve.punkte[letzter].zeitbasis = zeitbasis;
  return true;
}

bool PunktAufloesen(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot) {
  if (!Endlich(t, y)) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  if (kurve.anzahlPunkte() == 1) return Ablehnen(b, "Letzter Punkt kann nicht gelöscht werden");
  const int q = NaechsterPunkt(kurve, t, y, b.satz.ansicht, plot);
  const int letzter = kurve.letzterPunkt();
  const bool innen = q != 0 && q != letzter;
  if (innen) {
    const Kurvenpunkt& vorher = kurve.punkte[q - 1];
    const Kurvenpunkt& punkt = kurve.punkte[q];
    if (punkt.zeitbasis != vorher.zeitbasis)
      return Ablehnen(b,
                      "Punkt kann nicht gelöscht werden, da die beiden angrenzenden \n"
                      "Geraden unterschiedliche Zeitbasen haben. \n"
                      "Wandeln Sie die Zeitbasis von einer der Geraden in die der anderen um.");
    if (vorher.laenge + punkt.laenge > kGeradenlaengeMax)
      return Ablehnen(b,
                      "Punkt kann nicht gelöscht werden, da die resultierende \n"
                      "Gerade zu lang wäre. \n"
                      "Wandeln Sie die Geraden in eine größere Zeitbasis um.");
  }

  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  if (innen) kurve.punkte[q - 1].laenge += kurve.punkte[q].laenge;
  kurve.punkte.erase(kurve.punkte.begin() + q);
  if (q == letzter) kurve.punkte.back().laenge = 1;
  return true;
}
