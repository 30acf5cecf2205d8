#pragma once
// What the two curve graphs are handed for one full redraw: for the visible range at the
// graph's pixel width, a few polylines (lines, staircase, points, closing segment, background
// curves, time-base markers, overview). Nothing here grows with the number of time units: the
// staircase values come from the closed formula, and where more than one step or segment falls
// into a pixel column only the column's first, lowest, highest and last vertices are kept, so the
// picture equals the full drawing at that resolution.

#include <array>
#include <cstddef>
#include <vector>

#include "curves/kurvensatz.h"
#include "editor/spaltenverdichter.h"

// The panel's display choice.
struct Kurvendarstellung {
  int gDarstellung = 3;  // 1 "Linien", 2 "Stufen", 3 "Linien + Stufen"
  std::array<bool, kKurvenAnzahl> hintergrund{true, false, false,
                                              false};  // "Kurve n im Hintergrund"
  bool zeitbasisMarken = false;                        // while ZEITBASISZEIG is the tool
};

// Point times T0 .. Tn of a curve (n = anzahlPunkte; Tn = Kurvendauer), added in point order.
std::vector<double> Punktzeiten(const Kurve& kurve);

// Segments von .. bis (inclusive) that the main graph plots for the view start .. ende: from the
// first whose end is at or after start to the first whose end lies beyond ende (or the last).
// Empty when no segment reaches start.
struct Geradenbereich {
  int von = 0;
  int bis = -1;
  bool Leer() const { return bis < von; }
};
Geradenbereich SichtbareGeraden(const std::vector<double>& zeiten, double start, double ende);

// The staircase the device outputs for segments von .. bis, reduced to the columns: value k
// of a segment holds from t0 + k*d to t0 + (k+1)*d, and a vertical line at the segment's end
// leads to its end value. Vertices outside the raster are left out except the one next to it.
void StufenAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster);
// The straight segments von .. bis (the closing one ending at the first point's value).
void LinienAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster);
// The markers of the points von .. bis (start points of those segments) that stand apart from
// their neighbours (PunktmarkeZeigen); the end of the curve counts as the last point's neighbour.
void PunkteAnhaengen(Linienzug& zug, const Kurve& kurve, const std::vector<double>& zeiten, int von,
                     int bis, const Spaltenraster& raster);

// The current curve's plottables in the main graph (colours of the curves panel).
struct Kurvenbild {
  Linienzug linien;         // 0xFF0000, segments before the closing one
  Linienzug schlusslinie;   // 255/150/150
  Linienzug punkte;         // 0xFF0000, symbols only, where points stand apart
  Linienzug stufen;         // 0x0000FF
  Linienzug schlussstufen;  // 150/150/255
};

// A time-base marker: a vertical line at t (none at time 0) and, where there is room, the label
// ZeitbasisName(zeitbasis) at (t, 0).
struct Zeitbasismarke {
  double t = 0.0;
  int zeitbasis = 0;
  bool beschriftet = true;
};

struct Grafikdaten {
  // GRAPH
  double xMin = 0.0;                                 // gAnsichtStart
  double xMax = 0.0;                                 // gAnsichtEnde + 1
  std::array<Linienzug, kKurvenAnzahl> hintergrund;  // 0x008080; empty when off or current
  Kurvenbild aktuell;
  Linienzug markenlinien;  // 0xFFFF00 vertical lines, NaN-separated
  std::vector<Zeitbasismarke> marken;
  // GRAPHKLEIN: X from 0 to the current curve's duration
  double kleinXMax = 0.0;
  Linienzug uebersicht;  // the curve's staircase colour
};

// Columns per graph: the pixel widths of GRAPH and GRAPHKLEIN (at least 1 each).
Grafikdaten GrafikdatenBerechnen(const Kurvensatz& satz, const Kurvendarstellung& darstellung,
                                 int breite, int breiteKlein);

// The time-base markers of a curve within the view, at most one per column (the last one in it,
// whose time base holds after the column); labels are left out where they would come closer than
// abstand columns to the previous label. The first point's label stands at time 0.
void ZeitbasisMarkenBerechnen(Grafikdaten& daten, const Kurve& kurve,
                              const std::vector<double>& zeiten, const Spaltenraster& raster,
                              int abstand);

// Polylines of the previews: drawing (from the last point to the new point) and moving (from
// point punkt's predecessor over the new position to its successor; the first point only has
// its successor, the last point's successor is the curve's end at the first point's value).
Linienzug ZeichnenVorschaulinie(const Kurve& kurve, double t, double y);
Linienzug VerschiebenVorschaulinie(const Kurve& kurve, int punkt, double t, double y);
// Segment i as one straight line, for the highlight of the length dialog.
Linienzug Geradenlinie(const Kurve& kurve, int segment);
