#pragma once
// Undo and redo of the current curve's points through its ring of ten snapshots, and the
// enabled state of "Rückgängig" and "Wiederherstellen" that the panel mirrors.

#include "base/dialoge.h"
#include "curves/kurvensatz.h"

// Before every accepted change of the current curve: marks the set modified and stores the
// curve's points. A failed snapshot is reported; the change still goes ahead.
void RueckgaengigSichern(Kurvensatz& satz, Dialoge& dialoge);
// "Rückgängig" and "Wiederherstellen"; nothing happens without a step available. A step that
// changes the curve marks the set modified.
void KurveRueckgaengig(Kurvensatz& satz);
void KurveWiederherstellen(Kurvensatz& satz);
// Makes curve k (0..3) the current curve: the toolbar buttons follow its counters, both menu
// items are enabled.
void KurveWaehlen(Kurvensatz& satz, int k);
