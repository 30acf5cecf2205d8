#pragma once
// Subcommands of the direct input/output for test benches: eingaenge, ausgang, protokoll. They
// use the channel configuration of the settings file, or the one of --konfig FILE.sko.

#include <vector>

#include "cli/befehl.h"

std::vector<Befehl> Direktbefehle();
