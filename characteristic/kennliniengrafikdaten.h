#pragma once
// What the characteristic's two graphs are handed for one full redraw: for the visible X range
// at the graph's pixel width, the segments as lines, the points, the staircase the box outputs
// (the slot image's table, value by value) and the continuation after the last point to
// X = 4095; for the overview the whole characteristic. Drawn through the column reducer, so the
// cost follows the pixel columns, not the number of points. Also the axes in the channel units,
// the fields that show them, and the previews of the tools.

#include <string>
#include <vector>

#include "characteristic/kennlinienbearbeitung.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "curves/spaltenverdichter.h"

// The display modes: 1 "Linien", 2 "Stufen", 3 "Linien + Stufen".
inline constexpr int kKennlDarstellungStandard = 3;

struct Kennliniengrafikdaten {
  // GRAPH: X from xMin to xMax
  double xMin = 0.0;
  double xMax = kKennlRohMax;
  Linienzug linien;             // red, modes 1 and 3
  Linienzug ergaenzung;         // light red: from the last point to (4095, its y)
  Linienzug punkte;             // red point markers
  Linienzug stufen;             // blue, modes 2 and 3
  Linienzug ergaenzungsstufen;  // light blue, when the continuation has a length
  // GRAPHKLEIN: X 0..4095, every segment and the continuation as blue lines
  Linienzug uebersicht;
};

// Columns per graph: the pixel widths of GRAPH and GRAPHKLEIN (at least 1 each).
Kennliniengrafikdaten KennliniengrafikBerechnen(const Kennlinienzustand& zustand, int darstellung,
                                                int breite, int breiteKlein);

// The axes of GRAPH: raw values on both, shown as unit = versatz + verstaerkung * raw.
struct Kennlachse {
  double verstaerkung = 1.0;
  double versatz = 0.0;
  std::string einheit;
};
struct Kennlachsen {
  Kennlachse x;       // input 1
  Kennlachse y;       // output 1
  double yMin = 0.0;  // the stored Y-axis range, raw
  double yMax = kKennlRohMax;
};
Kennlachsen KennlAchsenBerechnen(const Kennlinienzustand& zustand, const Konfiguration& konfig);

// What the panel's fields show after a redraw or a change of the configuration.
struct Kennlfelder {
  double yZoomMin = 0.0;               // YZOOMMIN, unit of output 1
  double yZoomMax = 0.0;               // YZOOMMAX
  std::string xEinheit;                // unit of input 1
  std::string yEinheit;                // unit of output 1
  std::string begrenzungBeschriftung;  // "Analogausgang2 [" + unit of output 2 + "]"
  double begrenzungMin = 0.0;          // the unit values of raw 0 and 4095 of output 2, ordered
  double begrenzungMax = 0.0;
};
Kennlfelder KennlfelderBerechnen(const Kennlinienzustand& zustand, const Konfiguration& konfig);

// The previews: drawing (from the last point to ziel), moving point i (from its predecessor
// over ziel to its successor; the first point has no predecessor line, the last no successor
// line) and the mark of point i while the point dialog is open.
Linienzug KennlZeichnenVorschaulinie(const Kennlinie& kennlinie, const Kennlpunkt& ziel);
Linienzug KennlVerschiebenVorschaulinie(const Kennlinie& kennlinie, int i, const Kennlpunkt& ziel);
Linienzug KennlPunktmarke(const Kennlinie& kennlinie, int i);
