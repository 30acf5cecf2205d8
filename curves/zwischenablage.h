#pragma once
// The clipboard shared by the four curves: copy, cut, delete and paste of the marked points of
// the current curve.

#include "base/dialoge.h"
#include "base/fehlerausgabe.h"
#include "curves/kurvensatz.h"

// "Kopieren": the marked points into the clipboard; nothing marked keeps it. 0 or -600460.
int MarkierungKopieren(Kurvensatz& satz);
// Removes the marked points (after a snapshot when sichern is set); the segment before them
// keeps its length, so the curve gets shorter. Returns whether points were removed.
bool MarkierungLoeschen(Kurvensatz& satz, Dialoge& dialoge, bool sichern);
// "Ausschneiden": copy (an error is shown), delete with snapshot, the mark ends.
void Ausschneiden(Kurvensatz& satz, Fehlerausgabe& fehler);
// "Löschen": delete with snapshot, the mark ends.
void Loeschen(Kurvensatz& satz, Dialoge& dialoge);
// "Einfügen": replaces the marked points by the clipboard's run, inserted behind the segment
// that contains the mark's start; the mark collapses behind the run. 0 or -600461.
int MarkierungEinfuegen(Kurvensatz& satz, Dialoge& dialoge);
