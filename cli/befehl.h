#pragma once
// A subcommand of the command-line tool. Each group of subcommands (device, curves, ...) offers
// its table; main lists the groups.

#include <string>
#include <vector>

#include "cli/sitzung.h"

struct Befehl {
  const char* name;
  const char* aufruf;  // the arguments after the name, for the usage text
  const char* zweck;
  // 0 or a negative error code of the catalogue; throws Aufruffehler for unfit arguments. A
  // command checks its arguments before it opens the port (Sitzung::PortOeffnen).
  int (*ausfuehren)(Sitzung& sitzung, const std::vector<std::string>& argumente);
};
