#include "tests/support/skriptdialoge.h"

void SkriptDialoge::MessagePopup(const std::string& titel, const std::string& text) {
  meldungen.push_back({titel, text});
}

int SkriptDialoge::GenericMessagePopup(const Frage& frage) {
  fragen.push_back(frage);
  if (antworten.empty()) {
    ++unerwartet;
    return 0;
  }
  const int antwort = antworten.front();
  antworten.pop_front();
  return antwort;
}

std::optional<std::string> SkriptDialoge::FileSelectPopup(const Dateiauswahl& auswahl) {
  auswahlen.push_back(auswahl);
  if (dateien.empty()) {
    ++unerwartet;
    return std::nullopt;
  }
  auto datei = dateien.front();
  dateien.pop_front();
  return datei;
}

void SkriptDialoge::FortschrittOeffnen(const std::string& titel, const std::string&) {
  fortschrittTitel.push_back(titel);
  ++offeneFortschritte;
}

void SkriptDialoge::FortschrittSetzen(int prozent) {
  prozente.push_back(prozent);
}

void SkriptDialoge::FortschrittSchliessen() {
  --offeneFortschritte;
}
