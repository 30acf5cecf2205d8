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

std::string SchreibhindernisText(const std::string& pfad, const Schreibhindernis& hindernis) {
  using Art = Schreibhindernis::Art;
  switch (hindernis.art) {
    case Art::KeineDatei:
      return "\"" + pfad +
             "\" ist keine Datei (ein Ordner, eine FIFO, ein Socket oder ein Blockgerät) und "
             "wird nicht überschrieben.";
    case Art::Ziel:
      return "Die Datei \"" + pfad + "\" darf nicht geschrieben werden.";
    case Art::Ordner:
      return "Der Ordner \"" + hindernis.ordner +
             "\" ist nicht beschreibbar: dort kann keine Datei angelegt werden, eine "
             "vorhandene bleibt unverändert.";
    case Art::Keins:
      break;
  }
  return "";
}
