#include "device/austausch.h"

#include <chrono>
#include <thread>

#include "device/novhln1.h"

namespace {

// Waits until the request has left the output queue, at most as long as its zeichen need at the
// line rate plus the port's time-out. The port itself waits while characters are queued, so
// this loop does not spin.
bool AusgangAbwarten(ComPort& port, size_t zeichen, const Leitungseinstellung& leitung,
                     double timeout) {
  using Uhr = std::chrono::steady_clock;
  const double sekunden = leitung.Zeichendauer(static_cast<double>(zeichen)) + timeout;
  const auto frist = Uhr::now() + std::chrono::duration_cast<Uhr::duration>(
                                      std::chrono::duration<double>(sekunden));
  for (;;) {
    const int laenge = port.AusgangsschlangeLaenge();
    if (laenge == 0) return true;
    if (laenge < 0 || Uhr::now() >= frist) return false;
    std::this_thread::yield();
  }
}

// A byte the line garbled (parity or framing error) comes marked as 0xFF 0x00 byte.
constexpr int kVerfaelscht = 0x100;

// The next received byte with the line's marks taken off: 0..255, kVerfaelscht for a garbled
// byte, negative on time-out or failure.
int ZeichenLesen(ComPort& port) {
  const int byte = port.ByteLesen();
  if (byte != 0xFF) return byte;
  const int zweites = port.ByteLesen();
  if (zweites < 0 || zweites == 0xFF) return zweites;
  port.ByteLesen();  // the garbled byte itself
  return kVerfaelscht;
}

}  // namespace

bool EinzelAdresse(char adresse) {
  return (adresse >= '1' && adresse <= '9') || (adresse >= 'a' && adresse <= 'f');
}

bool SchreibAdresse(char adresse) {
  return EinzelAdresse(adresse) || adresse == '&';
}

int Austausch(ComPorts& ports, int port, const std::string& anfrage, const Austauschcodes& codes,
              bool quittung) {
  const int geleert = FlushInOut(ports, port);
  if (geleert < 0) return codes.flush != 0 ? codes.flush : geleert;
  ComPort& p = *ports.Port(port);
  const int geschrieben =
      p.Schreiben(reinterpret_cast<const uint8_t*>(anfrage.data()), anfrage.size());
  if (geschrieben < 0) return codes.schreiben;
  if (static_cast<size_t>(geschrieben) < anfrage.size()) return codes.kurz;
  if (!AusgangAbwarten(p, anfrage.size(), *ports.Einstellung(port), ports.Timeout(port)))
    return codes.schreiben;
  if (!quittung) return 0;

  const int byte = ZeichenLesen(p);
  if (byte == kACK) return 0;
  if (byte == kNAK) return codes.nak;
  if (byte == kCAN) return codes.can;
  if (byte == kVerfaelscht) return codes.anderesByte;
  // A byte with the high bit set cannot come over 7 data bits: it counts as no answer.
  if (byte < 0 || byte > 0x7F) return codes.keineAntwort;
  return codes.anderesByte;
}

bool AntwortLesen(ComPorts& ports, int port, size_t max, std::string& antwort) {
  ComPort& p = *ports.Port(port);
  antwort.clear();
  while (antwort.size() < max) {
    const int byte = ZeichenLesen(p);
    if (byte < 0 || byte == kVerfaelscht) return false;
    antwort.push_back(static_cast<char>(byte));
    if (byte == kCR) break;
  }
  return true;
}
