#pragma once
// The section "direkt" of the settings file: the strip chart's trace toggles and the output
// limits of the direct input/output.

#include "base/einstellungen.h"
#include "base/ini.h"
#include "direct/direktsteuerung.h"

// "kurve1".."kurve4": non-zero shows the trace, 0 hides it, a missing or unusable value shows
// it. "grenze1".."grenze4": a finite value sets the limit, anything else keeps the preset (no
// limit below the output's upper end).
void ReadIniDirektpanel(Direktfelder& felder, const IniDatei& ini);
void WriteIniDirektpanel(const Direktfelder& felder, IniDatei& ini);

// The reader and writer above, to register for the section "direkt".
AbschnittFunktionen DirektAbschnitt(Direktfelder& felder);
