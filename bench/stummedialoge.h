#pragma once
// Dialogs that show nothing, for benchmarks: questions take their first button.

#include "base/dialoge.h"

class StummeDialoge : public Dialoge {
 public:
  void MessagePopup(const std::string&, const std::string&) override {}
  int GenericMessagePopup(const Frage&) override { return 1; }
  std::optional<std::string> FileSelectPopup(const Dateiauswahl&) override { return {}; }
  void FortschrittOeffnen(const std::string&, const std::string&) override {}
  void FortschrittSetzen(int) override {}
  void FortschrittSchliessen() override {}
};
