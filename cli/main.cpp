// tvm5r: the command-line tool for test benches and scripts.

#include <iostream>

#include "cli/hauptprogramm.h"
#include "platform/konsole.h"
#include "platform/systemports.h"

int main(int argc, char** argv) {
  KonsoleEinrichten();
  const auto ports = Maschinenports();
  return CliAusfuehren(std::vector<std::string>(argv + 1, argv + argc), *ports, std::cout,
                       std::cerr, FehlerausgabeIstTerminal());
}
