#include "curves/markierung.h"

#include "editor/markierziehen.h"

namespace {

Markenfelder Felder(Markierung& m) {
  return {m.gMarkierungStart, m.gMarkierungEnde, m.gMarkierungAktiv, m.neueMarkierung};
}

}  // namespace

void MarkierungZiehen(Markierung& markierung, double t) {
  MarkeZiehen(Felder(markierung), t);
}

void MarkierungAbschliessen(Markierung& markierung, double t) {
  MarkeAbschliessen(Felder(markierung), t);
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
