#pragma once
// Moving a point: by dragging it on the grid of its neighbouring segments ("Punkt verschieben")
// or by typing its coordinates ("Punktkoordinaten zeigen/ändern"). Each returns whether the
// curve changed.

#include "curves/kurvenbearbeitung.h"

// Where point q (an index of the current curve) would go for the pointer at (t, y): on the time
// grid of the coarser of its two segments, between its neighbours (the first point stays at 0), the
// value on the Y grid.
Grafikpunkt VerschiebungRastern(const Kurvenbearbeitung& b, int q, double t, double y);

// Value change while dragging: picks the nearest point at the first change of a drag and
// returns it with its snapped position, for the preview.
struct Verschiebung {
  int punkt = 0;
  Grafikpunkt ziel;
};
Verschiebung VerschiebenZiehen(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot);
// Commit: moves the picked point (or, without a drag before, the nearest one) to the snapped
// position; the next drag picks anew.
bool PunktVerschieben(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot);

// Opens the point dialog for the point nearest to (t, y) and applies the entered time and value.
// A refused value keeps a time change already applied; a field left as shown changes nothing.
bool PunktkoordinatenAendern(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot);
