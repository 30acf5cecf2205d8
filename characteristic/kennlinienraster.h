#pragma once
// The drawing grids of the characteristic (X grid in the unit of input 1, Y grid in the unit of
// output 1; 0 = none) and the nearest point under the pointer.

#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "editor/naechsterpunkt.h"

enum class Rasterrichtung { NAECHSTES, AUFWAERTS, ABWAERTS };

// A raw X snapped to the X grid (R = EinheitInRohX(grid), the conversion of the grid value
// itself): nearest multiple of R, the next one above, or the next one below x - 1. Then limited
// to 0..4095 and rounded to a whole number.
double KennlXRaster(const Kennlinienzustand& zustand, const Konfiguration& konfig, double x,
                    Rasterrichtung richtung = Rasterrichtung::NAECHSTES);
// A raw Y snapped to the Y grid anchored at the unit value 0, limited and rounded.
double KennlYRaster(const Kennlinienzustand& zustand, const Konfiguration& konfig, double y);

// Index of the point nearest to (x, y) in pixels of the plot area; the lower index wins a tie.
int KennlNaechsterPunkt(const Kennlinienzustand& zustand, double x, double y,
                        const Plotgroesse& plot);
