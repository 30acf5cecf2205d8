#include "curves/kurvenexport.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "curves/kurvenundo.h"
#include "editor/textzeilen.h"

namespace {

constexpr const char* kExportKopf =
    "# Kurven exportiert aus TVM-5R_Kurvengenerator\n"
    "# Spalte 1 = Zeit in Sekunden\n"
    "# Spalte 2 = Y-Wert in Prozent\n"
    "# Spalte 3 = Zeitbasis\n"
    "# Spalte 4 = Kuvennummer\n"
    "\n";

std::string Punktzeile(double t, const Kurvenpunkt& punkt) {
  return Festkomma(t, 5) + '\t' + Festkomma(100.0 * punkt.y / 4095, 2) + '\t' +
         ZeitbasisName(punkt.zeitbasis) + "\t1\n";
}

std::string Punktzeilen(const Kurve& kurve) {
  std::string text;
  double t = 0;
  for (const Kurvenpunkt& punkt : kurve.punkte) {
    text += Punktzeile(t, punkt);
    t += Geradendauer(punkt) / 1000 / 1000;
  }
  return text;
}

// A line that holds no point: empty, only blanks, or a comment ("#" after blanks).
bool Ueberspringen(const std::string& zeile) {
  const size_t erstes = zeile.find_first_not_of(" \t");
  return erstes == std::string::npos || zeile[erstes] == '#';
}

// The four fields "%f\t%f\t%s\t%d" of a line, read from its start.
struct Importzeile {
  double zeit = 0;
  double y = 0;
  std::string zeitbasis;
  int kurve = 0;
};

std::optional<Importzeile> ZeileLesen(const std::string& zeile) {
  Importzeile z;
  Feldleser f(zeile);
  if (f.Zahl(z.zeit) && f.Tab() && f.Zahl(z.y) && f.Tab() && f.Wort(z.zeitbasis) && f.Tab() &&
      f.Zahl(z.kurve))
    return z;
  return std::nullopt;
}

Importfehler Zeilenfehler(int code, int zeile, const std::string& text) {
  return {code, "Fehler in Zeile " + std::to_string(zeile) + ":\n" + text};
}

// Checks one line against the points read so far and adds its point.
Importfehler PunktAnnehmen(const Importzeile& z, int nummer, const std::string& zeile,
                           std::vector<Kurvenpunkt>& punkte, double& letzteZeit) {
  if (z.kurve != 1)
    return Zeilenfehler(-312448, nummer,
                        "Kurvennummer " + std::to_string(z.kurve) + " ist nicht erlaubt.");
  try {
    if (punkte.size() == punkte.capacity()) punkte.reserve(std::max<size_t>(64, 2 * punkte.size()));
  } catch (const std::bad_alloc&) {
    return {-600450, ""};
  }
  const int code = ZeitbasisAusName(z.zeitbasis);
  if (code == 0)
    return Zeilenfehler(-312451, nummer, "Unbekannte Zeitbasis '" + z.zeitbasis + "'.");
  if (!(z.y >= 0 && z.y <= 100))
    return Zeilenfehler(-312452, nummer,
                        "Y-Wert von " + Festkomma(z.y, 3) + "% ist nicht erlaubt '" + zeile + "'.");
  if (punkte.empty()) {
    if (!(std::fabs(z.zeit) <= 0.00000001))
      return Zeilenfehler(-312453, nummer, "Kurve muß bei Zeit=0 beginnen.");
  } else {
    Kurvenpunkt& vorher = punkte.back();
    const double d = z.zeit - letzteZeit;
    if (!(d > 0.00000001)) return Zeilenfehler(-312454, nummer, "Zeitangaben nicht fortlaufend.");
    const double u = d * 1000 * 1000 / ZeitbasisDauer(vorher.zeitbasis);
    if (!(u < 65535.4))
      return Zeilenfehler(-312455, nummer,
                          "Kuvenabschnitt zu lang\n(muß kleiner sein als 65536 Zeiteinheiten).");
    if (!(std::fabs(u - std::floor(u + 0.00000005)) < 0.00000001))
      return Zeilenfehler(-312456, nummer,
                          "Zeitunterschied von " + Festkomma(d, 3) +
                              " Sekunden läßt sich nicht\ndurch die Zeitbasis " +
                              ZeitbasisName(vorher.zeitbasis) + " ausdrücken.");
    const auto laenge = static_cast<int32_t>(u + 0.5);
    if (laenge < 1)
      return Zeilenfehler(-312457, nummer,
                          "Zeitunterschied zwischen zwei Punkten muß größer Null sein.");
    vorher.laenge = laenge;
  }
  punkte.push_back({static_cast<int32_t>(4095 * (z.y / 100)), 1, static_cast<int8_t>(code)});
  letzteZeit = z.zeit;
  return {};
}

}  // namespace

std::string KurvenExportText(const Kurve& kurve) {
  return kExportKopf + Punktzeilen(kurve) + "\n";
}

int KurventextSchreiben(const std::string& pfad, const Kurve& kurve) {
  const std::string punkte = Punktzeilen(kurve);
  return Schreibfehlercode(DateiSicherSchreiben(pfad, {kExportKopf, punkte, "\n"}), -308441,
                           {-301442, -301443, -301444});
}

int KurvenExportieren(const Kurvensatz& satz, Dialoge& dialoge) {
  const auto pfad = dialoge.FileSelectPopup(
      DateiauswahlFuer("*.txt", "Kurven exportieren", Dateiknopf::Speichern, false));
  if (!pfad) return 0;
  return SpeicherhindernisZeigen(dialoge, *pfad, KurventextSchreiben(*pfad, satz.gKurven[0]));
}

Importfehler KurventextLesen(std::istream& ein, std::vector<Kurvenpunkt>& punkte) {
  std::vector<Kurvenpunkt> neu;
  Zeilenleser leser(ein, kImportZeileMax);
  std::string zeile;
  double letzteZeit = 0;
  for (int nummer = 1; leser.Naechste(zeile); ++nummer) {
    if (Ueberspringen(zeile)) continue;
    const std::optional<Importzeile> z = ZeileLesen(zeile);
    if (!z) return Zeilenfehler(-312447, nummer, "Falsche oder zu wenig Werte.");
    if (Importfehler f = PunktAnnehmen(*z, nummer, zeile, neu, letzteZeit); f.code != 0) return f;
  }
  if (ein.bad()) return {-304446, ""};
  if (neu.empty()) return {-312458, "Keine Kurvendaten gefunden."};
  neu.back().laenge = 1;
  punkte = std::move(neu);
  return {};
}

int KurventextImportieren(Kurvensatz& satz, Dialoge& dialoge, const std::string& pfad) {
  Lesedatei datei(pfad);
  if (!datei.Offen()) return -308445;
  BegrenzteEingabe puffer(datei, kImportTextMax);
  std::istream ein(&puffer);
  std::vector<Kurvenpunkt> punkte;
  Importfehler fehler = KurventextLesen(ein, punkte);
  // A source cut at the bound is refused whatever its cut last line looked like.
  if (puffer.ZuLang()) fehler = {-320485, ""};
  if (fehler.code != 0) {
    if (!fehler.meldung.empty()) dialoge.MessagePopup("Importfehler", fehler.meldung);
    return fehler.code;
  }
  const int aktuelle = satz.gAktuelleKurve;
  KurveWaehlen(satz, 0);
  RueckgaengigSichern(satz, dialoge);
  const int code = KurveUebernehmen(satz.gKurven[0], punkte);
  KurveWaehlen(satz, aktuelle);
  return code;
}

int KurvenImportieren(Kurvensatz& satz, Dialoge& dialoge) {
  const auto pfad = dialoge.FileSelectPopup(
      DateiauswahlFuer("*.txt", "Kurven importieren", Dateiknopf::Laden, false));
  if (!pfad) return 0;
  return KurventextImportieren(satz, dialoge, *pfad);
}
