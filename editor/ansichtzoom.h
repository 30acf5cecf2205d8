#pragma once
// Zoom and scroll-bar arithmetic of the editors' main graphs. A view runs from start to
// ende + 1 on the X axis; every zoom stores whole numbers.

#include <limits>

struct Sichtfenster {
  double start = 0.0;
  double ende = 0.0;
  bool operator==(const Sichtfenster&) const = default;
};

// W = ende - start + 1.
double Sichtbreite(const Sichtfenster& fenster);
// "Zoom +": two thirds of the width around the middle, at least 1.
Sichtfenster ZoomPlusBerechnen(const Sichtfenster& fenster);
// "Zoom -": one and a half times the width, a sixth more to the left, never before 0 and never
// past grenze.
Sichtfenster ZoomMinusBerechnen(const Sichtfenster& fenster,
                                double grenze = std::numeric_limits<double>::infinity());

// The scroll bar of a main graph: positions 0..100 and a page size 1..100.
struct Bildlaufstand {
  int seite = 100;
  int position = 0;
  bool operator==(const Bildlaufstand&) const = default;
};
// page = W / gesamt in percent (rounded), position = the view's start as a percentage of the
// scrollable range (0 when the view is as wide as gesamt).
Bildlaufstand BildlaufBerechnen(const Sichtfenster& fenster, double gesamt);
// End of a scroll action at position 0..100: moves the view, keeping its width.
Sichtfenster BildlaufVerschieben(const Sichtfenster& fenster, double gesamt, int position);
