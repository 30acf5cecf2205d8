#pragma once
// The nearest-point search that both editors' tools use: distances measured in pixels of the
// graph's plot area, the Y distance over the full raw range whatever the Y zoom.

constexpr int kRohMax = 4095;  // raw values of the devices are 0..4095

// Pixel size of the main graph's plot area.
struct Plotgroesse {
  double breite = 0.0;
  double hoehe = 0.0;
};

// Feed the points in index order; the first point with the smallest distance wins, a later one
// replaces it only when strictly nearer.
class NaechsterPunktSuche {
 public:
  // (x, y): the cursor; sichtbreite: the visible X width of the graph.
  NaechsterPunktSuche(double x, double y, double sichtbreite, const Plotgroesse& plot)
      : x_(x), y_(y), sichtbreite_(sichtbreite), plot_(plot) {}

  void Punkt(int index, double x, double y);
  int Ergebnis() const { return naechster_; }

 private:
  double x_, y_, sichtbreite_;
  Plotgroesse plot_;
  int naechster_ = 0;
  double kleinste_ = 0.0;
  bool erster_ = true;
};
