// Any bytes as import text: the import never crashes, and the points it accepts keep the
// curve's rules.

#include <cstdint>
#include <sstream>
#include <string>

#include "curves/kurvenexport.h"
#include "fuzz/pruefen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
  std::vector<Kurvenpunkt> punkte;
  const Importfehler fehler = KurventextLesen(ein, punkte);
  if (fehler.code != 0) {
    Pruefen(fehler.code < 0 && punkte.empty());
    return 0;
  }
  Pruefen(!punkte.empty() && punkte.back().laenge == 1);
  for (const Kurvenpunkt& p : punkte) {
    Pruefen(p.y >= 0 && p.y <= kKurvenwertMax);
    Pruefen(p.laenge >= 1 && p.laenge <= kGeradenlaengeMax);
    Pruefen(ZeitbasisDauer(p.zeitbasis) > 0);
  }
  Kurve kurve;
  kurve.punkte = punkte;
  KurvenExportText(kurve);
  return 0;
}
