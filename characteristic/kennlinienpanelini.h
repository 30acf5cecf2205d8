#pragma once
// The section "kennlinie" of the settings file: the characteristic panel's display mode.

#include "app/einstellungen.h"
#include "app/ini.h"

// "darstellung" 1..3 is taken, anything else (also a missing key) gives 3.
void ReadIniKennlinienpanel(int& darstellung, const IniDatei& ini);
void WriteIniKennlinienpanel(int darstellung, IniDatei& ini);

// The reader and writer above, to register for the section "kennlinie".
AbschnittFunktionen KennlinienAbschnitt(int& darstellung);
