#pragma once
// The question about unsaved changes that both editors ask before "Neu", loading and the end of
// the program.

#include <functional>
#include <string>

#include "base/fehlerausgabe.h"

// 0 = go on, 1 = cancel. Without changes nothing is asked. The question names the file part of
// dateiname, or ohneName without a file. "Ja" saves through speichern (0 on success); a failed
// save is shown and cancels, and a save that left the changes unsaved (its file dialog was
// cancelled) cancels silently. geaendert is read again after saving.
int UngespeicherteAenderungenFragen(const bool& geaendert, const std::string& dateiname,
                                    const std::string& ohneName, Fehlerausgabe& fehler,
                                    const std::function<int()>& speichern);
