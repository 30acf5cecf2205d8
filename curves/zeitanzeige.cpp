#include "curves/zeitanzeige.h"

#include <cmath>

Zeitfelder ZeitInStunden(double t) {
  Zeitfelder felder;
  felder.stunden = std::trunc(t / 1000 / 1000 / 60 / 60);
  double rest = t - felder.stunden * 3600000000.0;
  felder.minuten = std::trunc(rest / 1000 / 1000 / 60);
  rest -= felder.minuten * 60000000.0;
  felder.sekunden = std::trunc(rest / 1000 / 1000);
  rest -= felder.sekunden * 1000000.0;
  felder.millisekunden = rest / 1000;
  return felder;
}

double StundenInZeit(const Zeitfelder& felder) {
  return 1000 * (1000 * (60 * (60 * felder.stunden + felder.minuten) + felder.sekunden) +
                 felder.millisekunden);
}
