#include "direct/direktpanelini.h"

#include <cmath>
#include <string>

namespace {

constexpr const char* kAbschnitt = "direkt";

std::string Schluessel(const char* name, int k) {
  return name + std::to_string(k + 1);
}

}  // namespace

void ReadIniDirektpanel(Direktfelder& felder, const IniDatei& ini) {
  for (int k = 0; k < kKanaele; ++k) {
    long kurve = 1;
    Ini_GetInt(ini, kAbschnitt, Schluessel("kurve", k), kurve);
    felder.plot[k] = kurve != 0;
    double grenze = 0.0;
    if (Ini_GetDouble(ini, kAbschnitt, Schluessel("grenze", k), grenze) == 1 &&
        std::isfinite(grenze)) {
      felder.grenze[k] = grenze;
      felder.grenzeGesetzt[k] = true;
    }
  }
}

void WriteIniDirektpanel(const Direktfelder& felder, IniDatei& ini) {
  for (int k = 0; k < kKanaele; ++k) {
    Ini_PutInt(ini, kAbschnitt, Schluessel("kurve", k), felder.plot[k] ? 1 : 0);
    if (felder.grenzeGesetzt[k] && std::isfinite(felder.grenze[k]))
      Ini_PutDouble(ini, kAbschnitt, Schluessel("grenze", k), felder.grenze[k]);
  }
}

AbschnittFunktionen DirektAbschnitt(Direktfelder& felder) {
  return {[&felder](const IniDatei& ini) { ReadIniDirektpanel(felder, ini); },
          [&felder](IniDatei& ini) { WriteIniDirektpanel(felder, ini); }};
}
