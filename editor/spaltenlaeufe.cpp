#include "editor/spaltenlaeufe.h"

#include <algorithm>
#include <cmath>

namespace {

// Collects the rows per column; contributions arrive column by column.
class Laeufe {
 public:
  Laeufe(std::vector<Spaltenlauf>& laeufe, int oben, int unten)
      : laeufe_(laeufe), oben_(oben), unten_(unten) {}
  ~Laeufe() { Abgeben(); }

  void Dazu(int spalte, double ya, double yb) {
    const double lo = std::floor(std::min(ya, yb));
    const double hi = std::floor(std::max(ya, yb));
    if (hi < oben_ || lo > unten_) return;
    const int von = static_cast<int>(std::max<double>(lo, oben_));
    const int bis = static_cast<int>(std::min<double>(hi, unten_));
    if (offen_ && lauf_.spalte == spalte) {
      lauf_.von = std::min(lauf_.von, von);
      lauf_.bis = std::max(lauf_.bis, bis);
      return;
    }
    Abgeben();
    lauf_ = {spalte, von, bis};
    offen_ = true;
  }

 private:
  void Abgeben() {
    if (offen_) laeufe_.push_back(lauf_);
    offen_ = false;
  }

  std::vector<Spaltenlauf>& laeufe_;
  int oben_;
  int unten_;
  Spaltenlauf lauf_;
  bool offen_ = false;
};

bool Gueltig(double x, double y) {
  return std::isfinite(x) && std::isfinite(y);
}

}  // namespace

Spaltenzeichnung SpaltenZeichnen(const std::vector<double>& x, const std::vector<double>& y,
                                 int links, int rechts, int oben, int unten) {
  Spaltenzeichnung z;
  Laeufe laeufe(z.laeufe, oben, unten);
  for (std::size_t i = 0; i + 1 < x.size() && i + 1 < y.size(); ++i) {
    const double xa = x[i], ya = y[i], xb = x[i + 1], yb = y[i + 1];
    if (!Gueltig(xa, ya) || !Gueltig(xb, yb) || xb < links || xa >= rechts + 1.0) continue;
    const double dx = xb - xa, dy = yb - ya;
    if (dx >= 2 && std::abs(dy) <= dx) {
      z.strecken.push_back({xa, ya, xb, yb});
      continue;
    }
    // The piece of the segment within each column it crosses, its ends included.
    const int c0 = static_cast<int>(std::max<double>(std::floor(xa), links));
    const int c1 = static_cast<int>(std::min<double>(std::floor(xb), rechts));
    for (int c = c0; c <= c1; ++c) {
      if (dx <= 0) {
        laeufe.Dazu(c, ya, yb);
        continue;
      }
      const double u0 = std::max(xa, static_cast<double>(c));
      const double u1 = std::min(xb, c + 1.0);
      laeufe.Dazu(c, ya + dy * (u0 - xa) / dx, ya + dy * (u1 - xa) / dx);
    }
  }
  return z;
}
