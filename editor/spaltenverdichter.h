#pragma once
// The column reducer of the editors' graphs: polylines in plot coordinates, the pixel columns of
// a graph, and the reduction of a stream of vertices to what each column shows. Where more than
// one vertex falls into a pixel column only the column's first, lowest, highest and last
// vertices are kept, so the picture equals the full drawing at that resolution.

#include <cstddef>
#include <limits>
#include <vector>

// A polyline in plot coordinates: t (time in microseconds, or raw X) and y raw. t never
// decreases; a NaN y ends a piece, so that the next point is not joined to it.
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

// Pixel columns over the X range start .. ende: column c covers
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
  double Spaltenbreite() const { return breite_; }

 private:
  double start_;
  double ende_;
  int spalten_;
  double breite_;
};

// Reduces a stream of polyline vertices (times never decreasing) to the first, lowest, highest
// and last vertex of every column. Those four keep the column's vertical extent and the lines
// into the neighbouring columns, so the reduced polyline covers the same pixels. Of the vertices
// before the raster only the last one is kept, of those after it only the first.
class Spaltenverdichter {
 public:
  Spaltenverdichter(Linienzug& zug, const Spaltenraster& raster) : zug_(zug), raster_(raster) {}
  ~Spaltenverdichter() { Abschliessen(); }

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
