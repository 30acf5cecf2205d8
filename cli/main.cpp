// tvm5r: the command-line tool for test benches and scripts.

#include <unistd.h>

#include <iostream>

#include "cli/hauptprogramm.h"
#include "device/posixport.h"

int main(int argc, char** argv) {
  PosixPortfabrik fabrik;
  return CliAusfuehren(std::vector<std::string>(argv + 1, argv + argc), fabrik, std::cout,
                       std::cerr, isatty(STDERR_FILENO) == 1);
}
