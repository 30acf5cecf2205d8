#pragma once
// Undo and redo of the characteristic's points through the ten-step ring, and the enabled state
// of "Rückgängig" and "Wiederherstellen" that the panel mirrors.

#include "base/dialoge.h"
#include "characteristic/kennlinienzustand.h"

// Before every change of the points: marks the characteristic modified and stores its points.
// A failed snapshot is reported ("Speicherreservierung fehlgeschlagen"); the change still goes
// ahead.
void KennlUndoSichern(Kennlinienzustand& zustand, Dialoge& dialoge);
// "Rückgängig" and "Wiederherstellen"; nothing happens without a step available. A step that
// changes the points marks the characteristic modified, so that the question about unsaved
// changes is asked.
void KennlRueckgaengig(Kennlinienzustand& zustand);
void KennlWiederherstellen(Kennlinienzustand& zustand);
