#pragma once
// Drawing a point at the end of the current curve and deleting a point ("Punkt auflösen").
// Each returns whether the curve changed.

#include "curves/kurvenbearbeitung.h"

// Where a click at (t, y) would put the new point with time-base code: a whole number of
// units (at least one) after the last point, the value on the Y grid. For the preview.
Grafikpunkt ZeichnenVorschau(const Kurvenbearbeitung& b, double t, double y, int code);
// Appends that point; the segment from the old last point to it gets the time base.
bool PunktZeichnen(Kurvenbearbeitung& b, double t, double y, int code);
// Deletes the point nearest to (t, y); an inner point's segment joins the one before it.
bool PunktAufloesen(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot);
