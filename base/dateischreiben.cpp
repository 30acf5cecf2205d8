#include "base/dateischreiben.h"

#include <algorithm>
#include <iterator>

int Schreibfehlercode(const Schreibergebnis& ergebnis, int nichtGeoeffnet,
                      std::initializer_list<int> nichtGeschrieben) {
  if (ergebnis.art == Schreibergebnis::Art::NichtGeoeffnet) return nichtGeoeffnet;
  if (ergebnis.art == Schreibergebnis::Art::NichtGeschrieben)
    return std::data(nichtGeschrieben)[std::min(ergebnis.teil, nichtGeschrieben.size() - 1)];
  return 0;
}
