#pragma once
// The command-line tool without its process: options, the choice of the subcommand, error
// output and exit status, so that tests can run it on any port factory.

#include <ostream>
#include <string>
#include <vector>

#include "device/comport.h"

// Exit status: 0 done, 1 the device or a file failed, 2 the call does not fit.
int CliAusfuehren(const std::vector<std::string>& argumente, Portfabrik& fabrik, std::ostream& aus,
                  std::ostream& meldungen, bool fortschrittZeigen = false);
