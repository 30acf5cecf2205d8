#pragma once
// The question about unsaved curve changes before "Neu", loading and the end of the program.

#include <functional>

#include "base/fehlerausgabe.h"
#include "curves/kurvensatz.h"

// 0 = go on, 1 = cancel. Without changes nothing is asked. "Ja" saves through speichern (the
// "Kurven speichern" command, 0 on success); a failed save is shown and cancels, and so does a
// save that did not happen (its file dialog cancelled: the set is still modified).
int AbbruchWeilKurvenNichtGespeichert(const Kurvensatz& satz, Fehlerausgabe& fehler,
                                      const std::function<int()>& speichern);
