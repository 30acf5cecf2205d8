#include "curves/kurvenansicht.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kAnsichtGrenze = 9007199254740992.0;  // 2^53

// trunc(x) limited to lo..hi, compared in double first; NaN gives lo.
int Begrenzt(double x, int lo, int hi) {
  if (!(x >= lo)) return lo;
  if (x >= hi) return hi;
  return static_cast<int>(x);
}

}  // namespace

double Ansichtsbreite(const Ansicht& ansicht) {
  return ansicht.gAnsichtEnde - ansicht.gAnsichtStart + 1;
}

void AnsichtZuruecksetzen(Ansicht& ansicht) {
  ansicht = Ansicht{};
}

void ZoomPlus(Ansicht& ansicht) {
  const double w = Ansichtsbreite(ansicht);
  const double m = std::max(1.0, w / 1.5);
  const double s = ansicht.gAnsichtStart + (w - m) / 2;
  ansicht.gAnsichtStart = std::floor(s);
  ansicht.gAnsichtEnde = std::floor(s + m) - 1;
}

void ZoomMinus(Ansicht& ansicht) {
  const double f = 1.5 * Ansichtsbreite(ansicht);
  const double w = std::max(0.0, ansicht.gAnsichtStart - f / 6);
  double v = f + w;
  if (std::floor(w + 1) >= std::floor(v)) v = v + 1;
  // Zooming out without end would leave the whole microseconds that views are made of (and
  // the graph's axis range); beyond 2^53 the view stays.
  if (!(std::floor(v) - 1 <= kAnsichtGrenze)) return;
  ansicht.gAnsichtStart = std::floor(w);
  ansicht.gAnsichtEnde = std::floor(v) - 1;
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
  const double w = Ansichtsbreite(ansicht);
  Bildlaufstand stand;
  stand.seite = Begrenzt(100 * w / kurvendauer + 0.5, 1, 100);
  const double bereich = std::trunc(kurvendauer - w);
  stand.position = bereich > 0 ? Begrenzt(100 * ansicht.gAnsichtStart / bereich, 0, 100) : 0;
  return stand;
}

void Bildlauf(Ansicht& ansicht, double kurvendauer, int position) {
  const double w = Ansichtsbreite(ansicht);
  const double start = std::floor(position * (kurvendauer - w) / 100 + 0.5);
  ansicht.gAnsichtStart = std::max(0.0, start);
  ansicht.gAnsichtEnde = ansicht.gAnsichtStart + w - 1;
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
