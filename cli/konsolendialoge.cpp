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
  restzeit_.clear();
  signale_ = std::make_unique<Endesignale>();
}

void KonsolenDialoge::FortschrittSetzen(int prozent) {
  if (!fortschrittZeigen_) return;
  aus_ << '\r' << label_ << ' ' << prozent << " %";
  // Blanks cover the end of a longer line before.
  if (!restzeit_.empty()) aus_ << ", " << restzeit_ << "     ";
  aus_ << std::flush;
  gezeigt_ = true;
}

void KonsolenDialoge::FortschrittRestzeit(const std::string& text) {
  restzeit_ = text;
}

bool KonsolenDialoge::FortschrittAbgebrochen() {
  return signale_ && signale_->Empfangen();
}

void KonsolenDialoge::FortschrittSchliessen() {
  if (gezeigt_) aus_ << '\n';
  gezeigt_ = false;
  signale_.reset();
}
