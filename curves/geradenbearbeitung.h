#pragma once
// Changes of one segment of the current curve at time t: splitting it, changing its time base,
// changing its length. Each returns whether the curve changed.

#include "curves/kurvenbearbeitung.h"

// "Gerade teilen": a new point at the whole unit nearest to t; the closing segment is left.
bool GeradeTeilen(Kurvenbearbeitung& b, double t);
// "Zeitbasis ändern": the segment keeps its duration in the new unit; the closing segment
// (up to the curve's end) just takes the code.
bool ZeitbasisAendern(Kurvenbearbeitung& b, double t, int code);
// "Geradenlänge ändern": asks for the segment's new duration in the segment dialog.
bool GeradenlaengeAendern(Kurvenbearbeitung& b, double t);
