#include "curves/kurvenundo.h"

#include <algorithm>
#include <new>

namespace {

int Vorher(int pos) {
  return pos == 0 ? kRueckgaengigSchritte - 1 : pos - 1;
}
int Nachher(int pos) {
  return pos == kRueckgaengigSchritte - 1 ? 0 : pos + 1;
}

void Freigeben(Rueckgaengigfreigabe& freigabe, bool rueckgaengig, bool wiederherstellen) {
  freigabe.rueckgaengigMenue = freigabe.rueckgaengigKnopf = rueckgaengig;
  freigabe.wiederherstellenMenue = freigabe.wiederherstellenKnopf = wiederherstellen;
}

// Exchanges the current curve's points with a snapshot; swapping needs no memory.
void Tauschen(Kurvensatz& satz, std::vector<Kurvenpunkt>& schnappschuss) {
  Kurve& kurve = satz.aktuelleKurve();
  if (kurve.punkte != schnappschuss) satz.gKurvenGeaendert = true;
  kurve.punkte.swap(schnappschuss);
}

}  // namespace

void RueckgaengigSichern(Kurvensatz& satz, Dialoge& dialoge) {
  satz.gKurvenGeaendert = true;
  Rueckgaengigring& ring = satz.rueckgaengig[satz.gAktuelleKurve];
  try {
    ring.sgRueckgaengigPuffer[ring.sgRueckgaengigPos] = satz.aktuelleKurve().punkte;
  } catch (const std::bad_alloc&) {
    dialoge.MessagePopup("Fehler", "Speicherreservierung fehlgeschlagen");
    return;
  }
  ring.sgAnzahlRueckgaengig = std::min(ring.sgAnzahlRueckgaengig + 1, kRueckgaengigSchritte);
  ring.sgRueckgaengigPos = Nachher(ring.sgRueckgaengigPos);
  ring.sgAnzahlWiederherstellen = 0;
  Freigeben(satz.freigabe, true, false);
}

void KurveRueckgaengig(Kurvensatz& satz) {
  Rueckgaengigring& ring = satz.rueckgaengig[satz.gAktuelleKurve];
  if (ring.sgAnzahlRueckgaengig < 1) return;
  const int a = Vorher(ring.sgRueckgaengigPos);
  Tauschen(satz, ring.sgRueckgaengigPuffer[a]);
  ring.sgRueckgaengigPos = a;
  ring.sgAnzahlRueckgaengig -= 1;
  ring.sgAnzahlWiederherstellen =
      std::min(ring.sgAnzahlWiederherstellen + 1, kRueckgaengigSchritte);
  Freigeben(satz.freigabe, ring.sgAnzahlRueckgaengig >= 1, true);
}

void KurveWiederherstellen(Kurvensatz& satz) {
  Rueckgaengigring& ring = satz.rueckgaengig[satz.gAktuelleKurve];
  if (ring.sgAnzahlWiederherstellen < 1) return;
  const int a = ring.sgRueckgaengigPos;
  Tauschen(satz, ring.sgRueckgaengigPuffer[a]);
  ring.sgRueckgaengigPos = Nachher(a);
  ring.sgAnzahlWiederherstellen -= 1;
  ring.sgAnzahlRueckgaengig = std::min(ring.sgAnzahlRueckgaengig + 1, kRueckgaengigSchritte);
  Freigeben(satz.freigabe, true, ring.sgAnzahlWiederherstellen >= 1);
}

void KurveWaehlen(Kurvensatz& satz, int k) {
  if (k < 0 || k >= kKurvenAnzahl) return;
  satz.gAktuelleKurve = k;
  const Rueckgaengigring& ring = satz.rueckgaengig[k];
  satz.freigabe = {true, true, ring.sgAnzahlRueckgaengig >= 1, ring.sgAnzahlWiederherstellen >= 1};
}
