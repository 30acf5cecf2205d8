#pragma once
// How the editors' graphs put a polyline on the screen, in pixel coordinates (x never
// decreasing, a NaN y ending a piece; pixel (c, r) holds the points with floor(x) = c and
// floor(y) = r, as the painter has it). Steep and short pieces become one vertical run of pixels
// per column: the rows the polyline takes within the column. Long shallow pieces stay lines for
// the painter. A polyline reduced to the pixel columns thus costs at most one run per column
// instead of several long strokes over the same pixels.

#include <vector>

struct Spaltenlauf {
  int spalte = 0;
  int von = 0;  // rows von..bis, von <= bis
  int bis = 0;
  bool operator==(const Spaltenlauf&) const = default;
};

struct Pixelstrecke {
  double x0 = 0.0;
  double y0 = 0.0;
  double x1 = 0.0;
  double y1 = 0.0;
};

struct Spaltenzeichnung {
  std::vector<Spaltenlauf> laeufe;     // columns never decreasing
  std::vector<Pixelstrecke> strecken;  // at least 2 columns long, at most 1 row per column
};

// x and y of equal size. Runs are kept to the columns links..rechts and the rows oben..unten
// (the plot area), where the painter would clip them.
Spaltenzeichnung SpaltenZeichnen(const std::vector<double>& x, const std::vector<double>& y,
                                 int links, int rechts, int oben, int unten);
