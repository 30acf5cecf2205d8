#pragma once
// What the characteristic's two graphs are handed for one full redraw: for the visible X range
// at the graph's pixel width, the segments as lines, the points, the staircase the box outputs
// (the values of the slot image), the continuation after the last point up to X = 4095, and
// the overview of the whole range. Polylines pass the column reducer, so nothing grows beyond
// a few vertices per pixel column.

#include "characteristic/kennlinienzustand.h"
#include "editor/spaltenverdichter.h"

struct Kennliniengrafik {
  // GRAPH: X from gKennlAnsichtStart to gKennlAnsichtEnde + 1.
  double xMin = 0.0;
  double xMax = 0.0;
  Linienzug linien;             // red (255, 0, 0): segments reaching into the view
  Linienzug ergaenzung;         // light red (255, 150, 150): last point to (4095, its y)
  Linienzug punkte;             // red point markers where points stand apart, symbols only
  Linienzug stufen;             // blue (0, 0, 255)
  Linienzug ergaenzungsstufen;  // light blue (150, 150, 255), when the continuation has a length
  // GRAPHKLEIN: X 0..4095, the segments and the continuation as blue lines.
  Linienzug uebersicht;
};

// darstellung: 1 "Linien", 2 "Stufen", 3 "Linien + Stufen"; breite and breiteKlein: the pixel
// widths of GRAPH and GRAPHKLEIN.
Kennliniengrafik KennliniengrafikBerechnen(const Kennlinienzustand& zustand, int darstellung,
                                           int breite, int breiteKlein);

// The previews: drawing (the last point to the new point) and moving point i (from its
// predecessor over the target to its successor; none before the first, none after the last).
Linienzug KennlZeichnenVorschaulinie(const Kennlinie& kennlinie, double x, double y);
Linienzug KennlVerschiebenVorschaulinie(const Kennlinie& kennlinie, int i, double x, double y);
