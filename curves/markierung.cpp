#include "curves/markierung.h"

#include <cmath>

void MarkierungZiehen(Markierung& markierung, double t) {
  const double ganz = std::floor(t + 0.5);
  if (markierung.neueMarkierung) {
    markierung.gMarkierungStart = ganz;
    markierung.neueMarkierung = false;
    markierung.gMarkierungAktiv = true;
  }
  markierung.gMarkierungEnde = ganz;
}

void MarkierungAbschliessen(Markierung& markierung, double t) {
  const double ganz = std::floor(t + 0.5);
  if (markierung.gMarkierungStart > t) {
    markierung.gMarkierungEnde = markierung.gMarkierungStart;
    markierung.gMarkierungStart = ganz;
  } else {
    markierung.gMarkierungEnde = ganz;
  }
  markierung.neueMarkierung = true;
}

void AllesMarkieren(Kurvensatz& satz) {
  satz.markierung.gMarkierungStart = 0.0;
  satz.markierung.gMarkierungEnde = Kurvendauer(satz.aktuelleKurve());
  satz.markierung.gMarkierungAktiv = true;
}

void WerkzeugWaehlen(Kurvensatz& satz, Werkzeug werkzeug) {
  satz.werkzeug = werkzeug;
  if (werkzeug != Werkzeug::MARKIEREN) satz.markierung.gMarkierungAktiv = false;
}

Punktbereich MarkiertePunkte(const Kurve& kurve, const Markierung& markierung) {
  if (!markierung.gMarkierungAktiv) return {};
  int b = GeradeZurZeit(kurve, markierung.gMarkierungStart);
  if (Punktzeit(kurve, b) != markierung.gMarkierungStart) ++b;
  return {b, GeradeZurZeit(kurve, markierung.gMarkierungEnde)};
}
