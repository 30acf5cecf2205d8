#include "curves/punktverschiebung.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "curves/kurvenundo.h"

namespace {

constexpr const char* kZuLang = "Resultierende Gerade ist zu lang!";
constexpr const char* kUnvorhergesehen = "Unvorhergesehene Operation.";

// Point q's previous point p and the times of p and of the next point (both clamped to the
// curve), with the unit durations of the segments of p and q.
struct Nachbarn {
  int p, letzter;
  double tP, tN, uP, uQ;
};

Nachbarn NachbarnVon(const Kurve& kurve, int q) {
  Nachbarn nb;
  nb.letzter = kurve.letzterPunkt();
  nb.p = std::max(q - 1, 0);
  nb.tP = Punktzeit(kurve, nb.p);
  nb.tN = Punktzeit(kurve, std::min(q + 1, nb.letzter));
  nb.uP = ZeitbasisDauer(kurve.punkte[nb.p].zeitbasis);
  nb.uQ = ZeitbasisDauer(kurve.punkte[q].zeitbasis);
  return nb;
}

// The point's time from zeit to neueZeit, keeping the next point where it is.
bool ZeitAendern(Kurvenbearbeitung& b, int q, double zeit, double neueZeit) {
  if (q == 0) return Ablehnen(b, "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
  Kurve& kurve = b.satz.aktuelleKurve();
  const Nachbarn nb = NachbarnVon(kurve, q);
  const double d = neueZeit - zeit;
  if (!GanzeZahl(std::fabs(d) / nb.uP) || !GanzeZahl(std::fabs(d) / nb.uQ))
    return Ablehnen(b,
                    "Die angegebene Zeitkoordinate paßt nicht ins Zeitraster \n"
                    "(Der Punkt muß ins Zeitraster der vorherigen und der folgenden Gerade "
                    "passen).");
  if (nb.tP >= neueZeit)
    return Ablehnen(b,
                    "Die angegebene Zeitkoordinate ist zu klein \n"
                    "(Der Punkt kann nicht auf eine Zeit kleiner oder gleich der \n"
                    "des vorherigen Punktes verschoben werden).");
  if (q != nb.letzter && nb.tN <= neueZeit)
    return Ablehnen(b,
                    "Die angegebene Zeitkoordinate ist zu groß \n"
                    "(Der Punkt kann nicht auf eine Zeit größer oder gleich der \n"
                    "des nächsten Punktes verschoben werden).");
  const double neuP = kurve.punkte[nb.p].laenge + d / nb.uP;
  const double neuQ = kurve.punkte[q].laenge - d / nb.uQ;
  if (neuQ > kGeradenlaengeMax || neuP > kGeradenlaengeMax)
    return Ablehnen(b,
                    "Das verschieben des Punktes hätte eine zu lange Gerade zur Folge. \n"
                    "Wählen Sie für die angrenzenden Geraden eine größere Zeitbasis.");
  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  kurve.punkte[nb.p].laenge = static_cast<int32_t>(neuP);
  // The last point keeps its length, so moving it changes the curve's duration.
  if (q != nb.letzter) kurve.punkte[q].laenge = static_cast<int32_t>(neuQ);
  return true;
}

}  // namespace

Grafikpunkt VerschiebungRastern(const Kurvenbearbeitung& b, int q, double t, double y) {
  const Kurve& kurve = b.satz.aktuelleKurve();
  const Nachbarn nb = NachbarnVon(kurve, q);
  double f;
  if (nb.uQ > nb.uP) {
    // The moved point's own segment is coarser: its grid is anchored at the next point.
    const double g = nb.uQ;
    f = nb.tN - g * std::floor((nb.tN - t) / g + 0.5);
    if (f <= nb.tP) {
      f = nb.tN - g * std::floor((nb.tN - nb.tP) / g + 0.5);
      if (f <= nb.tP) f += g;
    }
    if (f >= nb.tN && q != nb.letzter) f = nb.tN - g;
  } else {
    const double g = nb.uP;
    f = nb.tP + g * std::floor((t - nb.tP) / g + 0.5);
    if (f <= nb.tP) f = nb.tP + g;
    if (f >= nb.tN && q != nb.letzter) {
      f = nb.tP + g * std::floor((nb.tN - nb.tP) / g + 0.5);
      if (f == nb.tN) f -= g;
    }
  }
  if (q == 0) f = 0;
  return {f, YRasterAnwenden(b.satz, b.konfig, b.satz.gAktuelleKurve, y)};
}

Verschiebung VerschiebenZiehen(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot) {
  const Kurve& kurve = b.satz.aktuelleKurve();
  std::optional<int>& gewaehlt = b.satz.verschobenerPunkt;
  if (!gewaehlt || *gewaehlt >= kurve.anzahlPunkte())
    gewaehlt = NaechsterPunkt(kurve, t, y, b.satz.ansicht, plot);
  return {*gewaehlt, VerschiebungRastern(b, *gewaehlt, t, y)};
}

bool PunktVerschieben(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot) {
  const std::optional<int> gewaehlt = std::exchange(b.satz.verschobenerPunkt, std::nullopt);
  if (!Endlich(t, y)) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  // Other edits since the drag may have removed the picked point.
  const int q = gewaehlt && *gewaehlt < kurve.anzahlPunkte()
                    ? *gewaehlt
                    : NaechsterPunkt(kurve, t, y, b.satz.ansicht, plot);
  const Grafikpunkt ziel = VerschiebungRastern(b, q, t, y);
  if (q == 0) {
    RueckgaengigSichern(b.satz, b.fehler.dialoge());
    kurve.punkte[0].y = ziel.y;
    return true;
  }

  const Nachbarn nb = NachbarnVon(kurve, q);
  const double m = (ziel.t - nb.tP) / nb.uP;
  if (m > kGeradenlaengeMax) return Ablehnen(b, kZuLang);
  if (!(m + 0.5 >= 1)) return Ablehnen(b, kUnvorhergesehen);
  const int32_t mP = static_cast<int32_t>(m + 0.5);
  int32_t mQ = kurve.punkte[q].laenge;
  if (q != nb.letzter) {
    const double v = (nb.tN - ziel.t) / nb.uQ;
    if (v > kGeradenlaengeMax) return Ablehnen(b, kZuLang);
    if (!(v + 0.5 >= 1)) return Ablehnen(b, kUnvorhergesehen);
    mQ = static_cast<int32_t>(v + 0.5);
    // The next point must not move.
    if (nb.uQ * mQ + nb.uP * mP != Geradendauer(kurve.punkte[nb.p]) + Geradendauer(kurve.punkte[q]))
      return Ablehnen(b, kUnvorhergesehen);
  }
  RueckgaengigSichern(b.satz, b.fehler.dialoge());
  kurve.punkte[nb.p].laenge = mP;
  kurve.punkte[q].laenge = mQ;
  kurve.punkte[q].y = ziel.y;
  return true;
}

bool PunktkoordinatenAendern(Kurvenbearbeitung& b, double t, double y, const Plotgroesse& plot) {
  if (!Endlich(t, y)) return false;
  Kurve& kurve = b.satz.aktuelleKurve();
  const int k = b.satz.gAktuelleKurve;
  const int q = NaechsterPunkt(kurve, t, y, b.satz.ansicht, plot);
  const double zeit = Punktzeit(kurve, q);
  const Punkteingabe anzeige{ZeitInStunden(zeit), RohInEinheit(b.konfig, k, kurve.punkte[q].y)};
  const Punkteingabe eingabe = b.eingabe.Punktdialog(Dialogtitel("Punkt", q), q, anzeige);

  // A field left as shown keeps its value exactly: converting it back could round it elsewhere.
  bool geaendert = false;
  if (const double neueZeit = StundenInZeit(eingabe.zeit);
      !(eingabe.zeit == anzeige.zeit) && neueZeit != zeit) {
    if (!ZeitAendern(b, q, zeit, neueZeit)) return false;
    geaendert = true;
  }
  if (eingabe.wert == anzeige.wert) return geaendert;
  const double roh = EinheitInRoh(b.konfig, k, eingabe.wert) + 0.5;  // truncated below
  if (std::isnan(roh) || std::trunc(roh) == kurve.punkte[q].y) return geaendert;
  if (roh <= -1) {
    Ablehnen(b, "Y-Wert zu klein.");
    return geaendert;
  }
  if (roh >= kKurvenwertMax + 1) {
    Ablehnen(b, "Y-Wert zu groß.");
    return geaendert;
  }
  if (!geaendert) RueckgaengigSichern(b.satz, b.fehler.dialoge());
  kurve.punkte[q].y = static_cast<int32_t>(roh);
  return true;
}
