#pragma once
// The scan of the device addresses 1 to 8 on the open port: which address answers with the
// identification of a TVM-5R, which with another device, which not at all.

#include <array>
#include <functional>
#include <string>

#include "device/comport.h"

enum class Fund { Keines, Tvm5r, Anderes };

struct Adressfund {
  Fund fund = Fund::Keines;
  std::string kennung;  // the identification, empty when nothing answered
};

struct Suchergebnis {
  std::array<Adressfund, 8> adressen;  // index 0 is address "1"
  char auswahl = 0;                    // the highest address with a TVM-5R, 0 when there is none
  int fehler = 0;  // the identification's code at the address where the line hung up, else 0
};

// An identification of the curve generator begins with "NOV-TVM5AR".
bool IstTvm5r(const std::string& kennung);

// Reads the identification of addresses "1" to "8" in this order; vorAdresse (when set) is
// called with each address before it is asked. Errors of single addresses only mean that
// nothing answered there, unless the line hung up: then the scan ends with that error.
Suchergebnis AdressenAbsuchen(ComPorts& ports, int port,
                              const std::function<void(char adresse)>& vorAdresse = {});
