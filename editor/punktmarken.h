#pragma once
// Point markers of the editors' graphs: a point gets its marker only where it stands at least
// kPunktmarkenAbstand pixel columns from both neighbouring points. Closer markers would merge
// into a band that hides the line (a read-back curve has a point per time unit) and would cost
// most of a redraw; zooming in brings them back.

#include <limits>

#include "editor/spaltenverdichter.h"

inline constexpr double kPunktmarkenAbstand = 5;  // pixel columns
inline constexpr double kKeinNachbar = std::numeric_limits<double>::infinity();

// Whether the point at t with neighbours at vorher and nachher (-kKeinNachbar and kKeinNachbar
// where there is none) gets its marker: it stands apart from both and, give or take the
// marker's size, within the raster.
bool PunktmarkeZeigen(const Spaltenraster& raster, double vorher, double t, double nachher);
