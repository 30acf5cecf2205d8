#include "curves/spaltenverdichter.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// Its vertices lie at a_j = t0 + j*d
// (j = 0..L): there the value changes from v(j-1) to v(j), and at j = L to the end value. The
// values are monotone in j, so the vertices of one column span exactly the range between the
// column's first and last vertex, and those two are all the reducer needs.
void StufenzugAnhaengen(Spaltenverdichter& v, const Spaltenraster& raster, double t0, int y0,
                        int y1, long long laenge, double d, const Stufenfunktion& wert) {
  if (laenge < 1 || !(d > 0)) {
    v.Punkt(t0, y0);
    v.Punkt(t0, y1);
    return;
  }
  const auto ecke = [&](long long j) { return t0 + static_cast<double>(j) * d; };
  const auto vorher = [&](long long j) { return j == 0 ? y0 : wert(j - 1); };
  const auto nachher = [&](long long j) { return j == laenge ? y1 : wert(j); };
  long long j = 0;
  while (j <= laenge && v.Offen()) {
    const int spalte = raster.Spalte(ecke(j));
    v.Punkt(ecke(j), vorher(j));
    if (!v.Offen()) return;
    // The last vertex in this column: estimated from the column's end, then corrected.
    const double spaltenende = raster.Spaltenstart(spalte + 1);
    const double schaetzung = std::ceil((spaltenende - t0) / d) - 1;
    long long bis = static_cast<long long>(
        std::clamp(schaetzung, static_cast<double>(j), static_cast<double>(laenge)));
    while (bis < laenge && raster.Spalte(ecke(bis + 1)) == spalte) ++bis;
    while (bis > j && raster.Spalte(ecke(bis)) != spalte) --bis;
    v.Punkt(ecke(bis), nachher(bis));
    j = bis + 1;
  }
}

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

Geradenbereich SichtbareGeraden(const std::vector<double>& zeiten, double start, double ende) {
  // Segment i ends at zeiten[i + 1].
  const auto enden = zeiten.begin() + 1;
  const auto erste = std::lower_bound(enden, zeiten.end(), start);
  if (erste == zeiten.end()) return {};
  const auto jenseits = std::upper_bound(erste, zeiten.end(), ende);
  const int letzte = static_cast<int>(zeiten.size()) - 2;
  Geradenbereich bereich;
  bereich.von = static_cast<int>(erste - enden);
  bereich.bis = jenseits == zeiten.end() ? letzte : static_cast<int>(jenseits - enden);
  return bereich;
}
