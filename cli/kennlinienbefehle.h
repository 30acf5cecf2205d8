#pragma once
// Subcommands for characteristic files and the box's characteristic slots: kennlinie info,
// export, import, abbild, senden, lesen, waehlen.

#include <vector>

#include "cli/befehl.h"

std::vector<Befehl> Kennlinienbefehle();
