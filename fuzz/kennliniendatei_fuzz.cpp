// Any bytes as a characteristic file: reading never crashes or allocates beyond what the file
// holds, a file that was taken over is written back to the same points and comment, and its
// slot image is built or refused without looping.

#include <cstdint>
#include <string_view>
#include <vector>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienzustand.h"
#include "fuzz/pruefen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
  Kennliniendatei datei;
  if (KennliniendateiLesen(bytes, datei) != 0) return 0;

  Kennlinienzustand zustand;
  Pruefen(KennlAnlegen(zustand) == 0);
  Pruefen(KennliniendateiUebernehmen(zustand, datei.konfig, datei) == 0);
  Pruefen(zustand.gKennlinie.anzahlPunkte() >= 1);
  std::vector<uint8_t> abbild;
  const int code = KennlAbbildErstellen(zustand.gKennlinie, 0, 0, abbild);
  Pruefen(code == 0 || (code == -1023505 && !KennlinieGueltig(zustand.gKennlinie)));

  Kennliniendatei zurueck;
  Pruefen(KennliniendateiLesen(KennliniendateiBytes(zustand, datei.konfig), zurueck) == 0);
  Pruefen(!zurueck.abgeschnitten);
  if (!datei.abgeschnitten) Pruefen(zurueck.punkte == datei.punkte);
  Pruefen(zurueck.kommentar == datei.kommentar);
  return 0;
}
