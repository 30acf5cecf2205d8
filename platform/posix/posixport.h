#pragma once
// Serial ports on POSIX termios: real ports, USB adapters and pseudo-terminals.

#include <memory>
#include <string>
#include <utility>

#include "device/comport.h"
#include "platform/posix/portsuche.h"

// Opens the device at pfad with the given line settings, for this program alone (no other
// program can open it while it is open); nullptr when that fails, and belegt tells whether
// another program holds the device. A pseudo-terminal has no parity or data bits; it is opened
// all the same.
std::unique_ptr<ComPort> PosixPortOeffnen(const std::string& pfad,
                                          const Leitungseinstellung& einstellung, bool& belegt);

// Opens ports by number as the port folder and the machine's devices name them.
class PosixPortfabrik : public Portfabrik {
 public:
  explicit PosixPortfabrik(PortWurzeln wurzeln = StandardWurzeln())
      : wurzeln_(std::move(wurzeln)) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override;
  bool ZuletztBelegt() const override { return belegt_; }
  // The link com<n> that names the port; empty for a port that its number alone names.
  std::string Kennung(int nummer) const override;

 private:
  PortWurzeln wurzeln_;
  bool belegt_ = false;
};

// Opens one device for whatever port number is asked: a simulator's pseudo-terminal in tests
// and benchmarks.
class PosixPfadfabrik : public Portfabrik {
 public:
  explicit PosixPfadfabrik(std::string pfad) : pfad_(std::move(pfad)) {}
  std::unique_ptr<ComPort> Oeffnen(int, const Leitungseinstellung& einstellung) override {
    return PosixPortOeffnen(pfad_, einstellung, belegt_);
  }
  bool ZuletztBelegt() const override { return belegt_; }

 private:
  std::string pfad_;
  bool belegt_ = false;
};
