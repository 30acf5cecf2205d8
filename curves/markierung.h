#pragma once
// The marking tool: a time range dragged on the graph, the points it marks, "Alles Markieren",
// and the tool choice that ends a mark.

#include "curves/kurvensatz.h"

// Value change of the cursor at time t: starts a new mark or moves its end.
void MarkierungZiehen(Markierung& markierung, double t);
// Commit at time t: fixes the range so that start <= end; the next drag starts a new mark.
void MarkierungAbschliessen(Markierung& markierung, double t);
// "Alles Markieren": 0 .. duration of the current curve.
void AllesMarkieren(Kurvensatz& satz);
// Any tool but MARKIEREN makes the mark inactive.
void WerkzeugWaehlen(Kurvensatz& satz, Werkzeug werkzeug);

// The marked points b .. e - 1: from the first point at or after the mark's start up to the
// start of the segment that contains its end. Empty (e <= b) when the mark is inactive.
struct Punktbereich {
  int b = 0;
  int e = 0;
  bool leer() const { return e <= b; }
};
Punktbereich MarkiertePunkte(const Kurve& kurve, const Markierung& markierung);
