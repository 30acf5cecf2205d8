#include "curves/kurvenundo.h"

void RueckgaengigSichern(Kurvensatz& satz, Dialoge& dialoge) {
  satz.gKurvenGeaendert = true;
  if (!satz.rueckgaengig[satz.gAktuelleKurve].Sichern(satz.aktuelleKurve().punkte)) {
    dialoge.MessagePopup("Fehler", "Speicherreservierung fehlgeschlagen");
    return;
  }
  Freigeben(satz.freigabe, true, false);
}

void KurveRueckgaengig(Kurvensatz& satz) {
  auto& ring = satz.rueckgaengig[satz.gAktuelleKurve];
  const Ringschritt schritt = ring.Rueckgaengig(satz.aktuelleKurve().punkte);
  if (!schritt.ausgefuehrt) return;
  if (schritt.geaendert) satz.gKurvenGeaendert = true;
  Freigeben(satz.freigabe, ring.sgAnzahlRueckgaengig >= 1, true);
}

void KurveWiederherstellen(Kurvensatz& satz) {
  auto& ring = satz.rueckgaengig[satz.gAktuelleKurve];
  const Ringschritt schritt = ring.Wiederherstellen(satz.aktuelleKurve().punkte);
  if (!schritt.ausgefuehrt) return;
  if (schritt.geaendert) satz.gKurvenGeaendert = true;
  Freigeben(satz.freigabe, true, ring.sgAnzahlWiederherstellen >= 1);
}

void KurveWaehlen(Kurvensatz& satz, int k) {
  if (k < 0 || k >= kKurvenAnzahl) return;
  satz.gAktuelleKurve = k;
  const auto& ring = satz.rueckgaengig[k];
  satz.freigabe = {true, true, ring.sgAnzahlRueckgaengig >= 1, ring.sgAnzahlWiederherstellen >= 1};
}
