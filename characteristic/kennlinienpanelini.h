#pragma once
// The section "kennlinie" of the settings file: the characteristic panel's display mode.

#include "base/einstellungen.h"
#include "base/ini.h"

// The display modes: 1 "Linien", 2 "Stufen", 3 "Linien + Stufen".
inline constexpr int kKennlDarstellungStandard = 3;

// "darstellung" 1..3 is taken, anything else (also a missing key) gives 3.
void ReadIniKennlinienpanel(int& darstellung, const IniDatei& ini);
void WriteIniKennlinienpanel(int darstellung, IniDatei& ini);

// The reader and writer above, to register for the section "kennlinie".
AbschnittFunktionen KennlinienAbschnitt(int& darstellung);
