// Any bytes as characteristic import text: the import never crashes, and the points it accepts
// keep the characteristic's rules.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "characteristic/kennlinienexport.h"
#include "characteristic/kennlinienmodell.h"
#include "fuzz/pruefen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
  std::vector<Kennlinienpunkt> punkte;
  const Kennlimportfehler fehler = KennltextLesen(ein, punkte);
  if (fehler.code != 0) {
    Pruefen(fehler.code < 0 && punkte.empty());
    return 0;
  }
  Kennlinie kennlinie;
  kennlinie.punkte = punkte;
  Pruefen(!punkte.empty() && punkte.back().laenge == 0 && KennlinieGueltig(kennlinie));
  KennlExportText(kennlinie);
  return 0;
}
