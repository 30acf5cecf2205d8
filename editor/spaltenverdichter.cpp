#include "editor/spaltenverdichter.h"

#include <algorithm>
#include <array>
#include <cmath>

Spaltenraster::Spaltenraster(double start, double ende, int spalten)
    : start_(start), ende_(ende), spalten_(std::max(1, spalten)) {
  breite_ = (ende - start) / spalten_;
  if (!(breite_ > 0) || !std::isfinite(breite_)) breite_ = 1.0;
}

int Spaltenraster::Spalte(double t) const {
  if (!(t >= start_)) return -1;
  const double x = std::floor((t - start_) / breite_);
  // The range's end still belongs to the last column: the axis shows it.
  if (!(x < spalten_)) return t <= ende_ ? spalten_ - 1 : spalten_;
  return static_cast<int>(x);
}

double Spaltenraster::Spaltenstart(int c) const {
  return start_ + c * breite_;
}

void Spaltenverdichter::Punkt(double t, double y) {
  if (fertig_) return;
  const int spalte = raster_.Spalte(t);
  if (spalte != spalte_) {
    Abschliessen();
    spalte_ = spalte;
  }
  const Ecke ecke{nummer_++, t, y};
  // Before the raster only the last vertex counts: each one starts the column afresh.
  if (spalte < 0 || leer_) {
    erste_ = tiefste_ = hoechste_ = ecke;
  } else {
    if (y < tiefste_.y) tiefste_ = ecke;
    if (y > hoechste_.y) hoechste_ = ecke;
  }
  letzte_ = ecke;
  leer_ = false;
  if (spalte >= raster_.Spalten()) {
    Abschliessen();
    fertig_ = true;
  }
}

void Spaltenverdichter::Abschliessen() {
  if (leer_) return;
  std::array<Ecke, 4> ecken{erste_, tiefste_, hoechste_, letzte_};
  std::sort(ecken.begin(), ecken.end(),
            [](const Ecke& a, const Ecke& b) { return a.nummer < b.nummer; });
  const Ecke* vorige = nullptr;
  for (const Ecke& e : ecken) {
    if (vorige && e.t == vorige->t && e.y == vorige->y) continue;
    zug_.Anhaengen(e.t, e.y);
    vorige = &e;
  }
  leer_ = true;
}
