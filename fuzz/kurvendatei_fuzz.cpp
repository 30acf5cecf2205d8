// Any bytes as a curve file: reading never crashes or allocates beyond what the file holds, and
// a file that was taken over is written back to the same curves.

#include <cstdint>
#include <string_view>

#include "curves/kurvenabbild.h"
#include "curves/kurvendateien.h"
#include "fuzz/pruefen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
  Kurvendatei datei;
  if (KurvendateiLesen(bytes, datei) != 0) return 0;

  Kurvensatz satz;
  Pruefen(KurvendateiUebernehmen(satz, datei, false) == 0);
  for (const Kurve& kurve : satz.gKurven) Pruefen(kurve.anzahlPunkte() >= 1);
  KurvenAbbildErstellen(satz);

  Kurvendatei zurueck;
  Pruefen(KurvendateiLesen(KurvendateiBytes(satz, datei.konfig), zurueck) == 0);
  Pruefen(!zurueck.abgeschnitten);
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    if (!datei.punkte[k].empty()) Pruefen(zurueck.punkte[k] == datei.punkte[k]);
    Pruefen(zurueck.kommentare[k] == datei.kommentare[k]);
  }
  Pruefen(zurueck.zyklen == datei.zyklen && zurueck.ruhezustand == datei.ruhezustand);

  Pruefen(KurvendateiUebernehmen(satz, datei, true) == 0);
  return 0;
}
