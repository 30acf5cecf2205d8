#include "base/dateischreiben.h"

#include <algorithm>
#include <iterator>

std::string Tempname(const std::string& praefix, unsigned long prozess, unsigned long nummer,
                     const std::string& endung) {
  return praefix + std::to_string(prozess) + "-" + std::to_string(nummer) + endung;
}

unsigned long ProzessImTempnamen(const std::string& name, const std::string& praefix,
                                 const std::string& endung) {
  if (name.size() <= praefix.size() + endung.size() || name.rfind(praefix, 0) != 0 ||
      name.compare(name.size() - endung.size(), endung.size(), endung) != 0)
    return 0;
  const std::string mitte =
      name.substr(praefix.size(), name.size() - praefix.size() - endung.size());
  const size_t strich = mitte.find('-');
  const auto ziffern = [](const std::string& t) {
    return !t.empty() && t.size() <= 9 && t.find_first_not_of("0123456789") == std::string::npos;
  };
  if (strich == std::string::npos || !ziffern(mitte.substr(0, strich)) ||
      !ziffern(mitte.substr(strich + 1)))
    return 0;
  return std::stoul(mitte.substr(0, strich));
}

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
    case Art::OrdnerFehlt:
      return "Den Ordner \"" + hindernis.ordner + "\" gibt es nicht.";
    case Art::Keins:
      break;
  }
  return "";
}

int SpeicherhindernisZeigen(Dialoge& dialoge, const std::string& pfad, int code) {
  if (code == 0) return 0;
  const std::string grund = SchreibhindernisText(pfad, SchreibhindernisSuchen(pfad));
  if (!grund.empty()) dialoge.MessagePopup("Fehler", grund);
  return code;
}
