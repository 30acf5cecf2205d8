#include "curves/kurvenansicht.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kAnsichtGrenze = 9007199254740992.0;  // 2^53

Sichtfenster Fenster(const Ansicht& ansicht) {
  return {ansicht.gAnsichtStart, ansicht.gAnsichtEnde};
}

void Setzen(Ansicht& ansicht, const Sichtfenster& fenster) {
  ansicht.gAnsichtStart = fenster.start;
  ansicht.gAnsichtEnde = fenster.ende;
}

}  // namespace

double Ansichtsbreite(const Ansicht& ansicht) {
  return Sichtbreite(Fenster(ansicht));
}

void AnsichtZuruecksetzen(Ansicht& ansicht) {
  ansicht = Ansicht{};
}

void ZoomPlus(Ansicht& ansicht) {
  Setzen(ansicht, ZoomPlusBerechnen(Fenster(ansicht)));
}

void ZoomMinus(Ansicht& ansicht) {
  const Sichtfenster neu = ZoomMinusBerechnen(Fenster(ansicht));
  // Zooming out without end would leave the whole microseconds that views are made of (and
  // the graph's axis range); beyond 2^53 the view stays.
  if (!(neu.ende <= kAnsichtGrenze)) return;
  Setzen(ansicht, neu);
}

void ZoomMarkierung(Ansicht& ansicht, Markierung& markierung) {
  if (!markierung.gMarkierungAktiv) return;
  if (markierung.gMarkierungEnde > markierung.gMarkierungStart) {
    ansicht.gAnsichtStart = markierung.gMarkierungStart;
    ansicht.gAnsichtEnde = markierung.gMarkierungEnde - 1;
  }
  markierung.gMarkierungAktiv = false;
}

void AnsichtGesamtkurve(Kurvensatz& satz) {
  satz.ansicht.gAnsichtStart = 0.0;
  satz.ansicht.gAnsichtEnde = Kurvendauer(satz.aktuelleKurve()) - 1;
}

Bildlaufstand BildlaufBerechnen(const Ansicht& ansicht, double kurvendauer) {
  return SichtBildlauf(Fenster(ansicht), kurvendauer);
}

void Bildlauf(Ansicht& ansicht, double kurvendauer, int position) {
  Setzen(ansicht, SichtVerschieben(Fenster(ansicht), kurvendauer, position));
}

bool YZoomSetzen(Kurvensatz& satz, const Konfiguration& konfig, double min, double max) {
  const int k = satz.gAktuelleKurve;
  double lo = std::trunc(EinheitInRoh(konfig, k, min));
  double hi = std::trunc(EinheitInRoh(konfig, k, max));
  if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
  lo = std::max(lo, 0.0);
  hi = std::min(hi, static_cast<double>(kKurvenwertMax));
  if (!(lo < hi)) return false;
  satz.gYZoomMin[k] = static_cast<int32_t>(lo);
  satz.gYZoomMax[k] = static_cast<int32_t>(hi);
  return true;
}

YAchse YAchseBerechnen(const Kurvensatz& satz, const Konfiguration& konfig) {
  const int k = satz.gAktuelleKurve;
  YAchse achse;
  achse.versatz = RohInEinheit(konfig, k, 0);
  achse.verstaerkung = (RohInEinheit(konfig, k, kKurvenwertMax) - achse.versatz) / kKurvenwertMax;
  achse.einheit = konfig.outeinheit[k];
  achse.min = satz.gYZoomMin[k];
  achse.max = satz.gYZoomMax[k];
  return achse;
}

Speicheranzeige SpeicherbedarfAnzeigen(int64_t bytes) {
  const double b = static_cast<double>(bytes);
  Speicheranzeige anzeige;
  anzeige.prozent = 100 * b / 61440 + 0.05;
  anzeige.farbe = 100 * b / 65536 + 0.05 > 100 ? 0xFF0000 : 0xC0C0C0;
  return anzeige;
}

Kurvenfelder KurvenfelderBerechnen(const Kurvensatz& satz, const Konfiguration& konfig) {
  const int k = satz.gAktuelleKurve;
  Kurvenfelder felder;
  felder.yZoomMin = RohInEinheit(konfig, k, satz.gYZoomMin[k]);
  felder.yZoomMax = RohInEinheit(konfig, k, satz.gYZoomMax[k]);
  felder.einheit = konfig.outeinheit[k];
  felder.ruhezustandBeschriftung = "Ruhezustand [" + felder.einheit + "]";
  felder.ruhezustand = RohInEinheit(konfig, k, satz.gRuhezustand[k]);
  felder.zyklen = satz.gZyklen[k];
  felder.speicher = SpeicherbedarfAnzeigen(Speicherbedarf(satz));
  return felder;
}
