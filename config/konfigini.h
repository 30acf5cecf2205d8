#pragma once
// The section "konfig" of the settings file.

#include "base/einstellungen.h"
#include "base/ini.h"
#include "config/konfigzustand.h"

// Starts from the defaults; a missing or unusable value keeps its default, a missing unit text
// is empty, unit texts are cut to 7 characters. Shows the result in the panel fields.
void ReadIniKonfigpanel(Konfigzustand& zustand, const IniDatei& ini);
// Takes the panel fields into the record first, then writes the record.
void WriteIniKonfigpanel(Konfigzustand& zustand, IniDatei& ini);

// The reader and writer above, to register for the section "konfig".
AbschnittFunktionen KonfigAbschnitt(Konfigzustand& zustand);
