#pragma once
// Subcommands for curve files and the device's curve memory: kurven info, export, import,
// abbild, senden, lesen.

#include <vector>

#include "cli/befehl.h"

std::vector<Befehl> Kurvenbefehle();
