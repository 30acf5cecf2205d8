#include "editor/geradenteilung.h"

#include <cmath>

Geradenteilung Teilungspunkt(double e, int32_t laenge, int32_t yAnfang, int32_t yEnde,
                             int32_t max) {
  if (!(e >= 1)) e = 1;
  if (e > laenge - 1) e = laenge - 1;
  const int32_t erste = static_cast<int32_t>(e);
  const int32_t q = laenge / erste;
  double wert = std::trunc(yAnfang + (static_cast<double>(yEnde) - yAnfang) / q);
  if (wert < 0) wert = 0;
  if (wert > max) wert = max;
  return {erste, static_cast<int32_t>(wert)};
}
