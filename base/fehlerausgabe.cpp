#include "base/fehlerausgabe.h"

#include <cstdio>
#include <cstdlib>

#include "base/fehlerkatalog.h"

namespace {

constexpr int kUnsichtbarerSchluessel = -6;

}  // namespace

const std::string& Fehlerausgabe::NOV_Fehlermeldung(int code) {
  sgMeldung = Fehlertext(code, sgSprache);
  return sgMeldung;
}

int Fehlerausgabe::NOV_Fehlerpopup(int code) {
  const int schluessel = Fehlerschluessel(code);
  if (schluessel == kUnsichtbarerSchluessel) return schluessel * 1000;
  char titel[64];
  std::snprintf(titel, sizeof titel, sgSprache == kSpracheEnglisch ? "Error #%d" : "Fehler #%d",
                std::abs(code));
  dialoge_.MessagePopup(titel, NOV_Fehlermeldung(code));
  return 0;
}

void Fehlerausgabe::NOV_Fehlerpopup2(int code, const std::string& titel) {
  if (Fehlerschluessel(code) == kUnsichtbarerSchluessel) return;
  char nummer[16];
  std::snprintf(nummer, sizeof nummer, " #%d", std::abs(code));
  // The title and the number together stay below 100 characters.
  std::string kopf = titel.substr(0, 99 - std::string(nummer).size()) + nummer;
  dialoge_.MessagePopup(kopf, NOV_Fehlermeldung(code));
}

void Fehlerausgabe::FehleranzeigeAnmelden(Geraetepanel panel, Fehleranzeige* anzeige) {
  anzeigen_[static_cast<size_t>(panel)] = anzeige;
}

void Fehlerausgabe::ComFehlerSetzen(int code) {
  if (pruefung_) code = pruefung_(code);
  for (Fehleranzeige* anzeige : anzeigen_) {
    if (anzeige == nullptr) continue;
    if (code != 0)
      anzeige->FehlerZeigen(true, NOV_Fehlermeldung(code), std::abs(code));
    else
      anzeige->FehlerZeigen(false, "", 0);
  }
}

void Fehlerausgabe::ComMeldungSetzen(const std::string& text) {
  for (Fehleranzeige* anzeige : anzeigen_)
    if (anzeige != nullptr) anzeige->FehlerZeigen(false, text, 0);
}
