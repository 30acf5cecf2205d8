#include "cli/sitzung.h"

#include <cstdlib>

#include "base/fehlerkatalog.h"
#include "device/novhln1.h"

namespace {

constexpr int kBaud = 9600;
constexpr double kTimeoutSekunden = 0.5;

std::unique_ptr<MitschnittFabrik> MitschnittFuer(bool trace, Portfabrik& fabrik,
                                                 Spurausgabe& spur) {
  if (!trace) return nullptr;
  return std::make_unique<MitschnittFabrik>(
      fabrik, [&spur](Richtung richtung, uint8_t byte) { spur.Byte(richtung, byte); });
}

}  // namespace

Sitzung::Sitzung(const CliOptionen& optionen, Portfabrik& fabrik, std::ostream& aus,
                 std::ostream& meldungen)
    : optionen_(optionen),
      aus_(aus),
      meldungen_(meldungen),
      dialoge_(meldungen, optionen.fortschritt),
      spur_(meldungen),
      mitschnitt_(MitschnittFuer(optionen.trace, fabrik, spur_)),
      ports_(mitschnitt_ ? static_cast<Portfabrik&>(*mitschnitt_) : fabrik) {}

Sitzung::~Sitzung() {
  if (ports_.Port(optionen_.port)) NOVHLN1_Close(ports_, optionen_.port);
  spur_.Abschliessen();
}

int Sitzung::PortOeffnen() {
  if (const int code = NOVHLN1_Open(ports_, optionen_.port, kBaud); code != 0) return code;
  return NOVHLN1_Timeout(ports_, optionen_.port, kTimeoutSekunden);
}

std::string Fehlerzeile(int code) {
  return "Fehler #" + std::to_string(std::abs(code)) + ": " + Fehlertext(code, kSpracheDeutsch);
}
