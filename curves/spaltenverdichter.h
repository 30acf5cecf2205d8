#pragma once
// Drawing a polyline into a graph of a fixed number of pixel columns: the columns over a range,
// the column reducer that keeps what each column shows, and the staircase of a segment through
// it. Both editors' graphs draw this way, so that the cost follows the pixel columns and not the
// number of points or steps. Independent of either editor's model.

#include <cstddef>
#include <functional>
#include <limits>
#include <vector>

// A polyline in plot coordinates: t in microseconds, y raw. Times never decrease; a NaN y ends
// a piece, so that the next point is not joined to it.
struct Linienzug {
  std::vector<double> t;
  std::vector<double> y;
  std::size_t Groesse() const { return t.size(); }
  bool Leer() const { return t.empty(); }
  void Anhaengen(double zeit, double wert) {
    t.push_back(zeit);
    y.push_back(wert);
  }
};

// Pixel columns over the time range start .. ende: column c covers
// [start + c * (ende - start) / spalten, start + (c + 1) * (ende - start) / spalten), the last
// column ende as well.
class Spaltenraster {
 public:
  Spaltenraster(double start, double ende, int spalten);
  // -1 before the range, Spalten() after its end.
  int Spalte(double t) const;
  int Spalten() const { return spalten_; }
  double Start() const { return start_; }
  double Ende() const { return ende_; }
  // Start time of column c (c = Spalten() gives the range's end).
  double Spaltenstart(int c) const;

 private:
  double start_;
  double ende_;
  int spalten_;
  double breite_;
};

// Reduces a stream of polyline vertices (times never decreasing) to the first, lowest, highest
// and last vertex of every column. Those four keep the column's vertical extent and the lines
// into the neighbouring columns, so the reduced polyline covers the same pixels. Of the vertices
// before the raster only the last one is kept, of those after it only the first. Both editors'
// graphs draw through it.
class Spaltenverdichter {
 public:
  Spaltenverdichter(Linienzug& zug, const Spaltenraster& raster) : zug_(zug), raster_(raster) {}
  ~Spaltenverdichter() { Abschliessen(); }
  Spaltenverdichter(const Spaltenverdichter&) = delete;
  Spaltenverdichter& operator=(const Spaltenverdichter&) = delete;

  // False once a vertex after the raster arrived: the caller may stop.
  bool Offen() const { return !fertig_; }
  void Punkt(double t, double y);

 private:
  struct Ecke {
    unsigned nummer = 0;
    double t = 0.0;
    double y = 0.0;
  };
  void Abschliessen();

  Linienzug& zug_;
  const Spaltenraster& raster_;
  int spalte_ = std::numeric_limits<int>::min();
  unsigned nummer_ = 0;
  bool leer_ = true;
  bool fertig_ = false;
  Ecke erste_, tiefste_, hoechste_, letzte_;
};

// Value k (0 <= k < laenge) of a segment's staircase; monotone in k.
using Stufenfunktion = std::function<int(long long k)>;
// The staircase of one segment from (t0, y0) into the reducer: value k holds from t0 + k*d to
// t0 + (k+1)*d, and a vertical line at the end t0 + laenge*d leads to y1. Only the vertices the
// columns keep are computed, so the cost follows the columns, not laenge.
void StufenzugAnhaengen(Spaltenverdichter& v, const Spaltenraster& raster, double t0, int y0,
                        int y1, long long laenge, double d, const Stufenfunktion& wert);

// Segments von .. bis (inclusive) that the main graph plots for the view start .. ende: from the
// first whose end is at or after start to the first whose end lies beyond ende (or the last).
// Empty when no segment reaches start.
struct Geradenbereich {
  int von = 0;
  int bis = -1;
  bool Leer() const { return bis < von; }
};
Geradenbereich SichtbareGeraden(const std::vector<double>& zeiten, double start, double ende);
