#pragma once
// Moving a point of the characteristic: by dragging it ("Punkt verschieben") or by typing its
// coordinates ("Punktkoordinaten zeigen/ändern"). A moved point stays strictly between its
// neighbours; the first point stays at X = 0, the last can move up to 4095.

#include "characteristic/kennlinienbearbeitung.h"

// Where point i would go for the cursor at (x, y): X on the X grid between the neighbours
// (the point's own X when the grid leaves no place), Y on the Y grid.
Kennlpunkt KennlZielposition(const Kennlinienbearbeitung& b, int i, double x, double y);

// Value change while dragging: picks the nearest point at the first drag after a release and
// returns it with its target position, for the preview.
struct Kennlverschiebung {
  int punkt = 0;
  Kennlpunkt ziel;
};
Kennlverschiebung KennlVerschiebenZiehen(Kennlinienbearbeitung& b, double x, double y,
                                         const Plotgroesse& plot);
// Release: moves the picked point (without a drag before, the nearest one) to its target
// position; the next drag picks anew. Always one undo step, as the box's program does.
bool KennlPunktVerschieben(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot);

// Opens the point dialog for the point nearest to (x, y) and applies the typed coordinates
// after their checks: 1 when the characteristic changed, 0 otherwise.
int KennlPunktkoordinaten(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot);
