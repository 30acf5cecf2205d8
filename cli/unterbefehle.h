#pragma once
// The subcommands of a command group ("kurven info", "kennlinie lesen", ...): the first argument
// chooses one, which gets the arguments after it.

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "cli/befehl.h"

struct Unterbefehl {
  const char* name;
  std::function<int(Sitzung& sitzung, const std::vector<std::string>& argumente)> ausfuehren;
};

// Runs the subcommand that argumente[0] names. Throws Aufruffehler "<gruppe>: <erwartet>
// erwartet" without arguments, and "<gruppe>: unbekannter Unterbefehl ..." for an unknown name.
int UnterbefehlAusfuehren(Sitzung& sitzung, const std::vector<std::string>& argumente,
                          const std::string& gruppe, const std::string& erwartet,
                          std::initializer_list<Unterbefehl> unterbefehle);
