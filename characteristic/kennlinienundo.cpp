#include "characteristic/kennlinienundo.h"

void KennlUndoSichern(Kennlinienzustand& zustand, Dialoge& dialoge) {
  zustand.gKennlGeaendert = true;
  if (!zustand.rueckgaengig.Sichern(zustand.gKennlinie.punkte)) {
    dialoge.MessagePopup("Fehler", "Speicherreservierung fehlgeschlagen");
    return;
  }
  Freigeben(zustand.freigabe, true, false);
}

void KennlRueckgaengig(Kennlinienzustand& zustand) {
  auto& ring = zustand.rueckgaengig;
  const Ringschritt schritt = ring.Rueckgaengig(zustand.gKennlinie.punkte);
  if (!schritt.ausgefuehrt) return;
  if (schritt.geaendert) zustand.gKennlGeaendert = true;
  Freigeben(zustand.freigabe, ring.sgAnzahlRueckgaengig >= 1, true);
}

void KennlWiederherstellen(Kennlinienzustand& zustand) {
  auto& ring = zustand.rueckgaengig;
  const Ringschritt schritt = ring.Wiederherstellen(zustand.gKennlinie.punkte);
  if (!schritt.ausgefuehrt) return;
  if (schritt.geaendert) zustand.gKennlGeaendert = true;
  Freigeben(zustand.freigabe, true, ring.sgAnzahlWiederherstellen >= 1);
}
