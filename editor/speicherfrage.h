#pragma once
// The question about unsaved changes that both editors ask before "Neu", loading and the end of
// the program.

#include <functional>
#include <string>

#include "app/fehlerausgabe.h"

// 0 = go on, 1 = cancel. Without changes nothing is asked. The question names the file part of
// dateiname, or ohneName without a file. "Ja" saves through speichern (0 on success); a failed
// save is shown and cancels.
int UngespeicherteAenderungenFragen(bool geaendert, const std::string& dateiname,
                                    const std::string& ohneName, Fehlerausgabe& fehler,
                                    const std::function<int()>& speichern);
