#pragma once
// Subcommands that talk to a device or list the ports: ports, id, scan, start, stopp, speicher.

#include <vector>

#include "cli/befehl.h"

std::vector<Befehl> Geraetebefehle();
