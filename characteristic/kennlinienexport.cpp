#include "characteristic/kennlinienexport.h"

#include <cmath>
#include <new>

#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "characteristic/kennlinienundo.h"
#include "editor/textzeilen.h"

namespace {

constexpr const char* kExportKopf =
    "# Kennlinie exportiert aus TVM5R-Kurvengenerator\n"
    "# Spalte 1 = X-Wert in Prozent\n"
    "# Spalte 2 = Y-Wert in Prozent\n"
    "\n";

std::string Punktzeilen(const Kennlinie& kennlinie) {
  std::string text;
  double x = 0;
  for (const Kennlinienpunkt& punkt : kennlinie.punkte) {
    text += Festkomma(100 * (x / kKennlRohMax), 2) + '\t' +
            Festkomma(100 * (static_cast<double>(punkt.y) / kKennlRohMax), 2) + '\n';
    x += punkt.laenge;
  }
  return text;
}

// A line that holds no point: empty, only blanks, or "#" after blanks (a tab is no blank).
bool Ueberspringen(const std::string& zeile) {
  const std::size_t erstes = zeile.find_first_not_of(' ');
  return erstes == std::string::npos || zeile[erstes] == '#';
}

Kennlimportfehler Zeilenfehler(int code, int zeile, const std::string& text) {
  return {code, "Fehler in Zeile " + std::to_string(zeile) + ":\n" + text};
}

Kennlimportfehler Bereichsfehler(int code, int zeile, char achse, double wert,
                                 const std::string& text) {
  return Zeilenfehler(code, zeile,
                      std::string(1, achse) + "-Wert von " + Festkomma(wert, 3) +
                          "% ist nicht erlaubt '" + text + "'.");
}

// Checks one line's X and Y (in percent) against the points so far and adds its point.
Kennlimportfehler PunktAnnehmen(double x, double y, int nummer, const std::string& zeile,
                                std::vector<Kennlinienpunkt>& punkte, double& letztesX) {
  try {
    if (punkte.size() == punkte.capacity()) punkte.reserve(std::max<size_t>(64, 2 * punkte.size()));
  } catch (const std::bad_alloc&) {
    return {-600536, ""};
  }
  if (!(y >= 0 && y <= 100)) return Bereichsfehler(-312537, nummer, 'Y', y, zeile);
  const Kennlinienpunkt punkt{static_cast<int32_t>(kKennlRohMax * (y / 100)), 0, 0};
  if (!(x >= 0 && x <= 100)) return Bereichsfehler(-312538, nummer, 'X', x, zeile);
  if (punkte.empty()) {
    if (std::fabs(x) > 0.000001)
      return Zeilenfehler(-312539, nummer, "Kurve muß bei X=0 beginnen.");
  } else {
    const double d = x - letztesX;
    if (d <= 0.000001) return Zeilenfehler(-312540, nummer, "X-Achse nicht fortlaufend.");
    const auto laenge = static_cast<int32_t>(kKennlRohMax * d / 100);
    if (laenge < 1)
      return Zeilenfehler(-312541, nummer,
                          "X-Unterschied zwischen zwei Punkten muß größer Null sein.");
    punkte.back().laenge = laenge;
  }
  punkte.push_back(punkt);
  letztesX = x;
  return {};
}

}  // namespace

std::string KennlExportText(const Kennlinie& kennlinie) {
  return kExportKopf + Punktzeilen(kennlinie) + "\n";
}

int KennltextSchreiben(const std::string& pfad, const Kennlinie& kennlinie) {
  const std::string punkte = Punktzeilen(kennlinie);
  return Schreibfehlercode(DateiSicherSchreiben(pfad, {kExportKopf, punkte, "\n"}), -308529,
                           {-301530, -301531, -301532});
}

int KennlExportieren(const Kennlinienzustand& zustand, Dialoge& dialoge) {
  const auto pfad = dialoge.FileSelectPopup(
      DateiauswahlFuer("*.txt", "Kennlinie exportieren", Dateiknopf::Speichern, false));
  if (!pfad) return 0;
  return SpeicherhindernisZeigen(dialoge, *pfad, KennltextSchreiben(*pfad, zustand.gKennlinie));
}

Kennlimportfehler KennltextLesen(std::istream& ein, std::vector<Kennlinienpunkt>& punkte) {
  std::vector<Kennlinienpunkt> neu;
  Zeilenleser leser(ein, kKennlImportZeileMax);
  std::string zeile;
  double letztesX = 0;
  for (int nummer = 1; leser.Naechste(zeile); ++nummer) {
    if (Ueberspringen(zeile)) continue;
    double x = 0, y = 0;
    Feldleser f(zeile);
    if (!(f.Zahl(x) && f.Tab() && f.Zahl(y)))
      return Zeilenfehler(-312535, nummer, "Falsche oder zu wenig Werte.");
    if (Kennlimportfehler e = PunktAnnehmen(x, y, nummer, zeile, neu, letztesX); e.code != 0)
      return e;
  }
  if (ein.bad()) return {-304534, ""};
  if (neu.empty()) return {-312542, "Keine Kurvendaten gefunden."};
  neu.back().laenge = 0;
  punkte = std::move(neu);
  return {};
}

int KennltextImportieren(Kennlinienzustand& zustand, Dialoge& dialoge, const std::string& pfad) {
  Lesedatei datei(pfad);
  if (!datei.Offen()) return -308533;
  BegrenzteEingabe puffer(datei, kKennlImportTextMax);
  std::istream ein(&puffer);
  std::vector<Kennlinienpunkt> punkte;
  Kennlimportfehler fehler = KennltextLesen(ein, punkte);
  // A source cut at the bound is refused whatever its cut last line looked like.
  if (puffer.ZuLang()) fehler = {-320561, ""};
  if (fehler.code != 0) {
    if (!fehler.meldung.empty()) dialoge.MessagePopup("Importfehler", fehler.meldung);
    return fehler.code;
  }
  KennlUndoSichern(zustand, dialoge);
  return KennlPunkteUebernehmen(zustand.gKennlinie, punkte) == 0 ? 0 : -600543;
}

int KennlImportieren(Kennlinienzustand& zustand, Dialoge& dialoge) {
  const auto pfad = dialoge.FileSelectPopup(
      DateiauswahlFuer("*.txt", "Kennlinie importieren", Dateiknopf::Laden, false));
  if (!pfad) return 0;
  return KennltextImportieren(zustand, dialoge, *pfad);
}
