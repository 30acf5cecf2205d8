#pragma once
// The desktop program's start options. Without any, the navigation is the specified one: the
// inherited panels of the signal box are loaded but not offered.

#include <string>
#include <vector>

struct Startoptionen {
  bool pwc2 = false;   // offer the configuration, characteristic and direct panels
  bool hilfe = false;  // list the options and end
  std::string fehler;  // a German message for an option that is not known; empty when all are
};

// The text that --hilfe prints.
extern const char* const kStarthilfe;

// argumente: the command line after the program name, without the toolkit's own options;
// pwc2Umgebung: the value of TVM5R_PWC2 (nullptr when not set); "1" sets pwc2.
Startoptionen StartoptionenLesen(const std::vector<std::string>& argumente,
                                 const char* pwc2Umgebung);
