#include "device/comport.h"

bool ComPorts::Oeffnen(int nummer, const Leitungseinstellung& einstellung) {
  Schliessen(nummer);
  std::unique_ptr<ComPort> port = fabrik_.Oeffnen(nummer, einstellung);
  if (!port) return false;
  offen_[nummer] = {std::move(port), einstellung, 0.0};
  return true;
}

ComPort* ComPorts::Port(int nummer) {
  auto it = offen_.find(nummer);
  return it == offen_.end() ? nullptr : it->second.port.get();
}

const Leitungseinstellung* ComPorts::Einstellung(int nummer) const {
  auto it = offen_.find(nummer);
  return it == offen_.end() ? nullptr : &it->second.einstellung;
}

int ComPorts::Schliessen(int nummer) {
  auto it = offen_.find(nummer);
  if (it == offen_.end()) return -1;
  const int ergebnis = it->second.port->Schliessen();
  offen_.erase(it);
  return ergebnis < 0 ? ergebnis : 0;
}

int ComPorts::TimeoutSetzen(int nummer, double sekunden) {
  auto it = offen_.find(nummer);
  if (it == offen_.end()) return -1;
  const int ergebnis = it->second.port->TimeoutSetzen(sekunden);
  if (ergebnis >= 0) it->second.timeout = sekunden;
  return ergebnis;
}

bool ComPorts::Aufgelegt(int nummer) const {
  auto it = offen_.find(nummer);
  return it != offen_.end() && it->second.port->Aufgelegt();
}

double ComPorts::Timeout(int nummer) const {
  auto it = offen_.find(nummer);
  return it == offen_.end() ? 0.0 : it->second.timeout;
}
