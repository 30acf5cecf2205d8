#pragma once
// The serial line as the driver needs it: one open port, and the table of open ports by number
// that the serial library keeps. Implementations: POSIX termios (real ports and pseudo-
// terminals) and an in-process line to the simulated device.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct Leitungseinstellung {
  int baud = 9600;
  int datenbits = 7;
  char paritaet = 'O';  // odd
  int stoppbits = 1;
  int schlangenGroesse = 512;  // input and output queue

  // Start bit, data bits, parity bit and stop bits: the bits one character takes on the line.
  int BitsProZeichen() const {
    const bool ohneParitaet = paritaet == 'N' || paritaet == 'n';
    return 1 + datenbits + (ohneParitaet ? 0 : 1) + stoppbits;
  }
  // Seconds that anzahl characters take on the line.
  double Zeichendauer(double anzahl) const { return anzahl * BitsProZeichen() / baud; }
};

class ComPort {
 public:
  virtual ~ComPort() = default;
  // Each returns 0 or a negative value on failure unless said otherwise.
  virtual int Schliessen() = 0;
  virtual int TimeoutSetzen(double sekunden) = 0;
  // Bytes written, negative on failure.
  virtual int Schreiben(const uint8_t* daten, size_t anzahl) = 0;
  // The next byte 0..255, negative on time-out or failure; waits at most the time-out. A line
  // that checks parity marks a byte it received garbled as 0xFF 0x00 byte and sends a received
  // 0xFF as 0xFF 0xFF.
  virtual int ByteLesen() = 0;
  // Bytes not yet sent, negative on failure.
  virtual int AusgangsschlangeLaenge() = 0;
  virtual int EingangLeeren() = 0;
  virtual int AusgangLeeren() = 0;
  // The line has hung up (adapter pulled, far end closed): every further call fails at once
  // until the port is closed and opened again.
  virtual bool Aufgelegt() const { return false; }
  // The descriptor an event loop can watch for hang-up, -1 where there is none.
  virtual int Beobachtung() const { return -1; }
};

class Portfabrik {
 public:
  virtual ~Portfabrik() = default;
  // The opened port, or nullptr when port number nummer cannot be opened with these settings.
  virtual std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) = 0;
  // What port number nummer opens now (a link, a device), so that a line that went away is
  // opened again only when the same one is back; empty where a number always opens the same.
  virtual std::string Kennung(int /*nummer*/) const { return ""; }
  // The last Oeffnen that failed met a port that another program holds.
  virtual bool ZuletztBelegt() const { return false; }
};

// The open ports by number, as the serial library of the platform keeps them.
class ComPorts {
 public:
  explicit ComPorts(Portfabrik& fabrik) : fabrik_(fabrik) {}

  // Opens (or reopens) port nummer; false when it cannot be opened.
  bool Oeffnen(int nummer, const Leitungseinstellung& einstellung);
  // The last Oeffnen that failed met a port that another program holds.
  bool ZuletztBelegt() const { return fabrik_.ZuletztBelegt(); }
  // nullptr when the port is not open.
  ComPort* Port(int nummer);
  const Leitungseinstellung* Einstellung(int nummer) const;
  // Sets the read time-out of an open port and remembers it; negative on failure.
  int TimeoutSetzen(int nummer, double sekunden);
  // The time-out last set on the port (0 before one was set or when the port is not open).
  double Timeout(int nummer) const;
  // Port nummer is open and its line has hung up.
  bool Aufgelegt(int nummer) const;
  std::string Kennung(int nummer) const { return fabrik_.Kennung(nummer); }
  // 0, or negative when the port was not open or closing failed; the port is gone either way.
  int Schliessen(int nummer);

 private:
  struct OffenerPort {
    std::unique_ptr<ComPort> port;
    Leitungseinstellung einstellung;
    double timeout = 0.0;
  };
  Portfabrik& fabrik_;
  std::map<int, OffenerPort> offen_;
};
