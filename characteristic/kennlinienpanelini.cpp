#include "characteristic/kennlinienpanelini.h"

namespace {

constexpr const char* kAbschnitt = "kennlinie";

}  // namespace

void ReadIniKennlinienpanel(int& darstellung, const IniDatei& ini) {
  long wert = 0;
  const bool gefunden = Ini_GetInt(ini, kAbschnitt, "darstellung", wert) == 1;
  darstellung =
      gefunden && wert >= 1 && wert <= 3 ? static_cast<int>(wert) : kKennlDarstellungStandard;
}

void WriteIniKennlinienpanel(int darstellung, IniDatei& ini) {
  Ini_PutInt(ini, kAbschnitt, "darstellung", darstellung);
}

AbschnittFunktionen KennlinienAbschnitt(int& darstellung) {
  return {[&darstellung](const IniDatei& ini) { ReadIniKennlinienpanel(darstellung, ini); },
          [&darstellung](IniDatei& ini) { WriteIniKennlinienpanel(darstellung, ini); }};
}
