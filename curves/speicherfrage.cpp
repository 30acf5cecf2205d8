#include "curves/speicherfrage.h"

#include "editor/speicherfrage.h"

int AbbruchWeilKurvenNichtGespeichert(const Kurvensatz& satz, Fehlerausgabe& fehler,
                                      const std::function<int()>& speichern) {
  return UngespeicherteAenderungenFragen(satz.gKurvenGeaendert, satz.gKurvendateiname,
                                         "Kurvengenerator", fehler, speichern);
}
