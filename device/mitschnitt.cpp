#include "device/mitschnitt.h"

namespace {

class MitschnittPort : public ComPort {
 public:
  MitschnittPort(std::unique_ptr<ComPort> innen, Mitschnitt mitschnitt)
      : innen_(std::move(innen)), mitschnitt_(std::move(mitschnitt)) {}

  int Schliessen() override { return innen_->Schliessen(); }
  int TimeoutSetzen(double sekunden) override { return innen_->TimeoutSetzen(sekunden); }
  int Schreiben(const uint8_t* daten, size_t anzahl) override {
    const int geschrieben = innen_->Schreiben(daten, anzahl);
    for (int i = 0; i < geschrieben; ++i) mitschnitt_(Richtung::Gesendet, daten[i]);
    return geschrieben;
  }
  int ByteLesen() override {
    const int byte = innen_->ByteLesen();
    if (byte >= 0) mitschnitt_(Richtung::Empfangen, static_cast<uint8_t>(byte));
    return byte;
  }
  int AusgangsschlangeLaenge() override { return innen_->AusgangsschlangeLaenge(); }
  int EingangLeeren() override { return innen_->EingangLeeren(); }
  int AusgangLeeren() override { return innen_->AusgangLeeren(); }
  bool Aufgelegt() const override { return innen_->Aufgelegt(); }
  int Beobachtung() const override { return innen_->Beobachtung(); }

 private:
  std::unique_ptr<ComPort> innen_;
  Mitschnitt mitschnitt_;
};

}  // namespace

std::unique_ptr<ComPort> MitschnittFabrik::Oeffnen(int nummer,
                                                   const Leitungseinstellung& einstellung) {
  std::unique_ptr<ComPort> port = innen_.Oeffnen(nummer, einstellung);
  if (!port || !mitschnitt_) return port;
  return std::make_unique<MitschnittPort>(std::move(port), mitschnitt_);
}
