#include "curves/kurvenpanelini.h"

#include <string>

namespace {

constexpr const char* kAbschnitt = "kurven";
constexpr int kDarstellungStandard = 3;

}  // namespace

void ReadIniKurvenpanel(Kurvendarstellung& darstellung, const IniDatei& ini) {
  long wert = 0;
  const bool gefunden = Ini_GetInt(ini, kAbschnitt, "darstellung", wert) == 1;
  darstellung.gDarstellung =
      gefunden && wert >= 1 && wert <= 3 ? static_cast<int>(wert) : kDarstellungStandard;
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    const std::string schluessel = "hintergrund" + std::to_string(k + 1);
    if (Ini_GetInt(ini, kAbschnitt, schluessel, wert) == 1) darstellung.hintergrund[k] = wert != 0;
  }
}

void WriteIniKurvenpanel(const Kurvendarstellung& darstellung, IniDatei& ini) {
  Ini_PutInt(ini, kAbschnitt, "darstellung", darstellung.gDarstellung);
}

AbschnittFunktionen KurvenAbschnitt(Kurvendarstellung& darstellung) {
  return {[&darstellung](const IniDatei& ini) { ReadIniKurvenpanel(darstellung, ini); },
          [&darstellung](IniDatei& ini) { WriteIniKurvenpanel(darstellung, ini); }};
}
