#pragma once
// The section "kurven" of the settings file: the curves panel's display mode, and the
// background toggles, which the file may preset but the program never writes.

#include "base/einstellungen.h"
#include "base/ini.h"
#include "curves/grafikdaten.h"

// "darstellung" 1..3 is taken, anything else (also a missing key) gives 3. "hintergrund1" ..
// "hintergrund4": non-zero checks the toggle, 0 clears it, a missing or unusable value keeps the
// preset (curve 1 on, the others off).
void ReadIniKurvenpanel(Kurvendarstellung& darstellung, const IniDatei& ini);
// Writes "darstellung" only.
void WriteIniKurvenpanel(const Kurvendarstellung& darstellung, IniDatei& ini);

// The reader and writer above, to register for the section "kurven".
AbschnittFunktionen KurvenAbschnitt(Kurvendarstellung& darstellung);
