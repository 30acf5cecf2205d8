#pragma once
// The dialogs of the core on a terminal without asking: messages and questions are written out,
// a question takes its Enter button, a file selection is cancelled, and progress is shown only
// on an interactive terminal. While a transfer runs, Ctrl-C (or the end of the session) stops
// it after the frame on the line instead of ending the program in the middle of one.

#include <memory>
#include <ostream>

#include "base/dialoge.h"
#include "platform/endesignale.h"

class KonsolenDialoge : public Dialoge {
 public:
  explicit KonsolenDialoge(std::ostream& aus, bool fortschrittZeigen = false)
      : aus_(aus), fortschrittZeigen_(fortschrittZeigen) {}

  void MessagePopup(const std::string& titel, const std::string& text) override;
  int GenericMessagePopup(const Frage& frage) override;
  std::optional<std::string> FileSelectPopup(const Dateiauswahl& auswahl) override;
  void FortschrittOeffnen(const std::string& titel, const std::string& label) override;
  void FortschrittSetzen(int prozent) override;
  void FortschrittRestzeit(const std::string& text) override;
  bool FortschrittAbgebrochen() override;
  void FortschrittSchliessen() override;

 private:
  std::ostream& aus_;
  bool fortschrittZeigen_;
  std::string label_;
  std::string restzeit_;
  bool gezeigt_ = false;
  std::unique_ptr<Endesignale> signale_;
};
