#pragma once
// A trace of the serial line: wraps a port factory so that every byte the driver sends and every
// byte it receives is handed to a callback (the command-line tool's --trace).

#include <cstdint>
#include <functional>
#include <memory>

#include "device/comport.h"

enum class Richtung { Gesendet, Empfangen };

using Mitschnitt = std::function<void(Richtung richtung, uint8_t byte)>;

class MitschnittFabrik : public Portfabrik {
 public:
  // innen must outlive this factory and the ports it opens.
  MitschnittFabrik(Portfabrik& innen, Mitschnitt mitschnitt)
      : innen_(innen), mitschnitt_(std::move(mitschnitt)) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override;
  bool ZuletztBelegt() const override { return innen_.ZuletztBelegt(); }
  std::string Kennung(int nummer) const override { return innen_.Kennung(nummer); }

 private:
  Portfabrik& innen_;
  Mitschnitt mitschnitt_;
};
