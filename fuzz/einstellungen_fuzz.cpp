// Any bytes as the settings file: parsing never crashes, the text written from what was parsed
// reads back to the same text, and the section readers always end with usable values (the
// configuration section is never refused as a whole).

#include <cstdint>
#include <string>

#include "base/ini.h"
#include "bench/stummedialoge.h"
#include "config/konfigini.h"
#include "curves/kurvenpanelini.h"
#include "fuzz/pruefen.h"

namespace {

// The longest line the reader takes whole.
constexpr size_t kLaengsteZeile = 255;

class Felder : public Konfigfelder {
 public:
  void FelderZeigen(const Konfiguration& k) override {
    konfig = k;
    ++gezeigt;
  }
  Konfiguration FelderLesen() const override { return konfig; }
  Konfiguration konfig;
  int gezeigt = 0;
};

// Written lines are "[name]" and "key = value" (quoted or not); a longer line would be cut on
// reading, so only texts whose lines all fit must read back unchanged.
bool ZeilenPassen(const IniDatei& ini) {
  for (const IniAbschnitt& a : ini.abschnitte) {
    if (a.name.size() + 2 > kLaengsteZeile) return false;
    for (const IniEintrag& e : a.eintraege)
      if (e.schluessel.size() + e.wert.size() + 5 > kLaengsteZeile) return false;
  }
  return true;
}

void AbschnitteLesen(const IniDatei& ini) {
  StummeDialoge dialoge;
  Konfigzustand zustand(dialoge);
  Felder felder;
  zustand.FelderAnmelden(&felder);
  ReadIniKonfigpanel(zustand, ini);
  Pruefen(felder.gezeigt == 1 && KonfigurationGueltig(zustand.gKonfig()));

  Kurvendarstellung darstellung;
  ReadIniKurvenpanel(darstellung, ini);
  Pruefen(darstellung.gDarstellung >= 1 && darstellung.gDarstellung <= 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini, std::string(reinterpret_cast<const char*>(daten), groesse));
  AbschnitteLesen(ini);

  const std::string text = Ini_Text(ini);
  if (!ZeilenPassen(ini)) return 0;
  IniDatei wieder = Ini_New(true);
  Ini_ParseText(wieder, text);
  Pruefen(Ini_Text(wieder) == text);
  return 0;
}
