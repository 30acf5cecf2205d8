#include "cli/konsolendialoge.h"

void KonsolenDialoge::MessagePopup(const std::string& titel, const std::string& text) {
  aus_ << titel << ": " << text << '\n';
}

int KonsolenDialoge::GenericMessagePopup(const Frage& frage) {
  aus_ << frage.titel << ": " << frage.text << '\n';
  if (frage.enterKnopf >= 1 && frage.enterKnopf <= static_cast<int>(frage.knoepfe.size()))
    aus_ << "-> " << frage.knoepfe[frage.enterKnopf - 1] << '\n';
  return frage.enterKnopf;
}

std::optional<std::string> KonsolenDialoge::FileSelectPopup(const Dateiauswahl&) {
  return std::nullopt;
}

void KonsolenDialoge::FortschrittOeffnen(const std::string&, const std::string& label) {
  label_ = label;
}

void KonsolenDialoge::FortschrittSetzen(int prozent) {
  if (!fortschrittZeigen_) return;
  aus_ << '\r' << label_ << ' ' << prozent << " %" << std::flush;
  gezeigt_ = true;
}

void KonsolenDialoge::FortschrittSchliessen() {
  if (gezeigt_) aus_ << '\n';
  gezeigt_ = false;
}
