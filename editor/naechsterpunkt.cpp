#include "editor/naechsterpunkt.h"

#include <cmath>

void NaechsterPunktSuche::Punkt(int index, double x, double y) {
  const double dx = std::fabs(std::trunc(x_ - x)) / sichtbreite_ * plot_.breite;
  const double dy = std::fabs(std::trunc(y_ - y)) / kRohMax * plot_.hoehe;
  const double abstand = std::sqrt(dx * dx + dy * dy);
  if (erster_ || abstand < kleinste_) {
    naechster_ = index;
    kleinste_ = abstand;
    erster_ = false;
  }
}
