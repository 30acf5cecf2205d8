#pragma once
// The command line of tvm5r-sim.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sim/simleitung.h"

struct SimGeraetOption {
  char adresse = '1';
  std::string kennung = kTvm5rKennung;
};

struct SimOptionen {
  std::vector<SimGeraetOption> geraete;  // empty: one TVM-5R at address 1
  int com = -1;                          // port number of the link, -1: no link
  std::string speicher;                  // memory file of the first device, empty: none
  int baud = 0;                          // line-rate emulation, 0: off
  bool log = false;
  uint32_t seed = 1;
  std::vector<std::pair<long, Stoerung>> stoerungenAufRahmen;
  std::vector<std::pair<Stoerung, double>> stoerungenMitRate;
  std::vector<std::pair<int, double>> eingaenge;       // input 1..4, volts
  double eingangsbereich = 10.0;                       // full scale of the test signals
  bool eingang4StartStopp = false;                     // mode word bit 0 set at start
  std::vector<Geraet::Speicherfehler> speicherfehler;  // of every device
  bool hilfe = false;
};

// Reads the arguments (without the program name) into optionen; returns a German description
// of the first bad argument, empty when all are good.
std::string SimOptionenLesen(const std::vector<std::string>& argumente, SimOptionen& optionen);

// The usage text.
const char* SimHilfetext();

// A line with the devices, faults and test signals of the options.
void SimLeitungEinrichten(const SimOptionen& optionen, SimLeitung& leitung);
