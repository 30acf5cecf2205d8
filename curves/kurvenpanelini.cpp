#include "curves/kurvenpanelini.h"

#include <string>

namespace {

constexpr const char* kAbschnitt = "kurven";
constexpr int kDarstellungStandard = 3;

// "hintergrund1".."hintergrund4" for curve k = 0..3.
std::string Hintergrund(int k) {
  return "hintergrund" + std::to_string(k + 1);
}

}  // namespace

void ReadIniKurvenpanel(Kurvendarstellung& darstellung, const IniDatei& ini) {
  long wert = 0;
  const bool gefunden = Ini_GetInt(ini, kAbschnitt, "darstellung", wert) == 1;
  darstellung.gDarstellung =
      gefunden && wert >= 1 && wert <= 3 ? static_cast<int>(wert) : kDarstellungStandard;
  for (int k = 0; k < kKurvenAnzahl; ++k)
    if (Ini_GetInt(ini, kAbschnitt, Hintergrund(k), wert) == 1)
      darstellung.hintergrund[k] = wert != 0;
}

void WriteIniKurvenpanel(const Kurvendarstellung& darstellung, IniDatei& ini) {
  Ini_PutInt(ini, kAbschnitt, "darstellung", darstellung.gDarstellung);
  for (int k = 0; k < kKurvenAnzahl; ++k)
    Ini_PutInt(ini, kAbschnitt, Hintergrund(k), darstellung.hintergrund[k] ? 1 : 0);
}

AbschnittFunktionen KurvenAbschnitt(Kurvendarstellung& darstellung) {
  return {[&darstellung](const IniDatei& ini) { ReadIniKurvenpanel(darstellung, ini); },
          [&darstellung](IniDatei& ini) { WriteIniKurvenpanel(darstellung, ini); }};
}
