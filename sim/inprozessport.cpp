#include "sim/inprozessport.h"

#include <algorithm>
#include <string>

int InProzessPort::Schliessen() {
  return stoerungen_.schliessenFehler ? -1 : 0;
}

int InProzessPort::TimeoutSetzen(double sekunden) {
  if (stoerungen_.timeoutFehler) return -1;
  timeout_ = sekunden;
  return 0;
}

int InProzessPort::Schreiben(const uint8_t* daten, size_t anzahl) {
  if (stoerungen_.schreibFehler) return -1;
  const size_t kuerzer = static_cast<size_t>(std::max(0, stoerungen_.schreibKuerzer));
  const size_t gesendet = anzahl > kuerzer ? anzahl - kuerzer : 0;
  std::string antwort;
  for (size_t i = 0; i < gesendet; ++i) antwort += leitung_.Empfangen(daten[i]);
  for (size_t i = 0; i < antwort.size(); ++i) {
    if (static_cast<int>(i) == stoerungen_.paritaetsfehlerBei) {
      eingang_.push_back(0xFF);
      eingang_.push_back(0x00);
    }
    eingang_.push_back(static_cast<uint8_t>(antwort[i]));
  }
  if (stoerungen_.ausgangHaengt) ausstehend_ += static_cast<int>(gesendet);
  return static_cast<int>(gesendet);
}

int InProzessPort::ByteLesen() {
  if (eingang_.empty()) return -1;
  const int byte = eingang_.front();
  eingang_.pop_front();
  return byte;
}

int InProzessPort::AusgangsschlangeLaenge() {
  if (stoerungen_.ausgangFehler) return -1;
  return stoerungen_.ausgangHaengt ? ausstehend_ : 0;
}

int InProzessPort::EingangLeeren() {
  if (stoerungen_.eingangLeerenFehler) return -1;
  eingang_.clear();
  return 0;
}

int InProzessPort::AusgangLeeren() {
  if (stoerungen_.ausgangLeerenFehler) return -1;
  ausstehend_ = 0;
  return 0;
}

std::unique_ptr<ComPort> InProzessFabrik::Oeffnen(int, const Leitungseinstellung&) {
  if (stoerungen.oeffnenFehler) return nullptr;
  return std::make_unique<InProzessPort>(leitung_, stoerungen);
}
