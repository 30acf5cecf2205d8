#pragma once
// The machine's serial ports as the platform finds, names and opens them: on Linux the links of
// the port folder and the serial devices in /dev, on Windows the COM ports of the registry.

#include <memory>
#include <string>
#include <vector>

#include "device/comport.h"

// A port of the machine: its number ("COM n"), the device it opens and, where known, what it is.
struct Systemport {
  int nummer = 0;
  std::string pfad;
  std::string beschreibung;
};

class Systemports : public Portfabrik {
 public:
  // Every port the machine has now, ascending by number.
  virtual std::vector<Systemport> Ports() = 0;
};

// The ports of this machine.
std::unique_ptr<Systemports> Maschinenports();
