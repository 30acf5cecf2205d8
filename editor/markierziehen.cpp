#include "editor/markierziehen.h"

#include <cmath>

void MarkeZiehen(const Markenfelder& marke, double x) {
  const double ganz = std::floor(x + 0.5);
  if (marke.neu) {
    marke.start = ganz;
    marke.neu = false;
    marke.aktiv = true;
  }
  marke.ende = ganz;
}

void MarkeAbschliessen(const Markenfelder& marke, double x) {
  const double ganz = std::floor(x + 0.5);
  if (marke.start > x) {
    marke.ende = marke.start;
    marke.start = ganz;
  } else {
    marke.ende = ganz;
  }
  marke.neu = true;
}
