#include "characteristic/kennlinienzustand.h"

#include <new>

int KennlAnlegen(Kennlinienzustand& zustand) {
  try {
    Kennlinienzustand neu;
    // The panel fields keep what the settings or the user put there.
    neu.gKennlXRaster = zustand.gKennlXRaster;
    neu.gKennlYRaster = zustand.gKennlYRaster;
    neu.gKennlBegrenzung = zustand.gKennlBegrenzung;
    neu.gKennlAnstiegszeit = zustand.gKennlAnstiegszeit;
    neu.gKennlKurvenNr = zustand.gKennlKurvenNr;
    zustand = std::move(neu);
  } catch (const std::bad_alloc&) {
    return -600502;
  }
  return 0;
}

int KennlLeeren(Kennlinienzustand& zustand, const Konfiguration& konfig) {
  if (KennlPunkteUebernehmen(zustand.gKennlinie, {Kennlinienpunkt{}}) != 0) return -600503;
  zustand.gKennlinie.kommentar.clear();
  zustand.gKennlBegrenzung = RohXInEinheit(konfig, 0);
  zustand.gKennlAnstiegszeit = 0.1;
  zustand.gKennlDateiname.clear();
  return 0;
}

int KennlPunkteUebernehmen(Kennlinie& kennlinie, const std::vector<Kennlinienpunkt>& punkte) {
  if (punkte.empty()) return 0;  // a characteristic never loses its last point
  try {
    std::vector<Kennlinienpunkt> kopie(punkte);
    kennlinie.punkte.swap(kopie);
  } catch (const std::bad_alloc&) {
    return -600503;
  }
  return 0;
}
