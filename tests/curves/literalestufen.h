#pragma once
// The golden reference of the graph drawing: the staircase built the literal way, one vertex
// pair per time unit from DigitalisierteWerte, and a renderer that gives every pixel column
// the lowest and highest value a polyline takes in it.

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "curves/grafikdaten.h"

// Segments von .. bis as the device's staircase: the first value from the segment's start, each
// further value from the end of the unit before it, a vertical line at the end to the end value.
inline Linienzug LiteraleStufen(const Kurve& kurve, int von, int bis) {
  Linienzug zug;
  double t0 = Punktzeit(kurve, von);
  for (int i = von; i <= bis; ++i) {
    const Kurvenpunkt& p = kurve.punkte[i];
    const double d = ZeitbasisDauer(p.zeitbasis);
    const int y1 = GeradenEndwert(kurve, i);
    const std::vector<int> werte = DigitalisierteWerte(p.y, y1, p.laenge, d);
    double t = t0;
    zug.Anhaengen(t, p.y);
    for (int wert : werte) {
      zug.Anhaengen(t, wert);
      t += d;
      zug.Anhaengen(t, wert);
    }
    zug.Anhaengen(t, y1);
    t0 = t;
  }
  return zug;
}

struct Spaltenumfang {
  double min = std::numeric_limits<double>::infinity();
  double max = -std::numeric_limits<double>::infinity();
  void Dazu(double y) {
    min = std::min(min, y);
    max = std::max(max, y);
  }
  bool operator==(const Spaltenumfang&) const = default;
};

// Every piece between two vertices adds the values it takes inside each column it crosses.
inline std::vector<Spaltenumfang> Rastern(const Linienzug& zug, const Spaltenraster& raster) {
  std::vector<Spaltenumfang> spalten(raster.Spalten());
  const auto dazu = [&](int c, double y) {
    if (c >= 0 && c < raster.Spalten()) spalten[c].Dazu(y);
  };
  for (std::size_t i = 0; i + 1 < zug.Groesse(); ++i) {
    const double ta = zug.t[i], ya = zug.y[i], tb = zug.t[i + 1], yb = zug.y[i + 1];
    if (std::isnan(ya) || std::isnan(yb)) continue;
    const int ca = raster.Spalte(ta), cb = raster.Spalte(tb);
    dazu(ca, ya);
    dazu(cb, yb);
    // At each column border the piece crosses, its value belongs to both columns.
    for (int c = ca + 1; c <= cb; ++c) {
      const double t = raster.Spaltenstart(c);
      const double y = ya == yb ? ya : ya + (yb - ya) * (t - ta) / (tb - ta);
      dazu(c - 1, y);
      dazu(c, y);
    }
  }
  return spalten;
}
