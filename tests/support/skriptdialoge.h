#pragma once
// Dialogs with scripted answers that record everything shown, for driving the core in tests.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/dialoge.h"

struct GezeigteMeldung {
  std::string titel;
  std::string text;
};

class SkriptDialoge : public Dialoge {
 public:
  // Answers, used in order. A question or file selection without a scripted answer counts in
  // unerwartet and is answered with 0 or nothing.
  std::deque<int> antworten;
  std::deque<std::optional<std::string>> dateien;

  std::vector<GezeigteMeldung> meldungen;
  std::vector<Frage> fragen;
  std::vector<Dateiauswahl> auswahlen;
  std::vector<std::string> fortschrittTitel;
  std::vector<int> prozente;
  std::vector<std::string> restzeiten;
  // "Abbrechen" is pressed after this many progress steps; -1: never.
  int abbrechenNach = -1;
  int offeneFortschritte = 0;
  int unerwartet = 0;

  void MessagePopup(const std::string& titel, const std::string& text) override;
  int GenericMessagePopup(const Frage& frage) override;
  std::optional<std::string> FileSelectPopup(const Dateiauswahl& auswahl) override;
  void FortschrittOeffnen(const std::string& titel, const std::string& label) override;
  void FortschrittSetzen(int prozent) override;
  void FortschrittRestzeit(const std::string& text) override { restzeiten.push_back(text); }
  bool FortschrittAbgebrochen() override {
    return abbrechenNach >= 0 && static_cast<int>(prozente.size()) >= abbrechenNach;
  }
  void FortschrittSchliessen() override;

  // The last message shown, empty when none was.
  GezeigteMeldung LetzteMeldung() const {
    return meldungen.empty() ? GezeigteMeldung{} : meldungen.back();
  }
};
