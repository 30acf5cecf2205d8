#include "curves/kurvenbearbeitung.h"

#include <cmath>
#include <cstdio>

int NaechsterPunkt(const Kurve& kurve, double t, double y, const Ansicht& ansicht,
                   const Plotgroesse& plot) {
  NaechsterPunktSuche suche(t, y, ansicht.gAnsichtEnde - ansicht.gAnsichtStart + 1, plot);
  double zeit = 0.0;
  for (int i = 0; i < kurve.anzahlPunkte(); ++i) {
    suche.Punkt(i, zeit, kurve.punkte[i].y);
    zeit += Geradendauer(kurve.punkte[i]);
  }
  return suche.Ergebnis();
}

int YRasterAnwenden(const Kurvensatz& satz, const Konfiguration& konfig, int k, double y) {
  const double raster = satz.gYRaster[k];
  double wert = y;
  if (raster != 0) {
    const double roh0 = EinheitInRoh(konfig, k, 0.0);
    const double schritt = EinheitInRoh(konfig, k, raster) - roh0;
    const double gerastert = std::floor((y - roh0) / schritt + 0.5) * schritt + roh0;
    // A configuration without a usable scale leaves the value off the grid.
    if (std::isfinite(gerastert)) wert = gerastert;
  }
  if (!(wert <= kKurvenwertMax)) wert = kKurvenwertMax;
  if (!(wert >= 0)) wert = 0;
  return static_cast<int>(std::floor(wert + 0.5));
}

bool Endlich(double t, double y) {
  return std::isfinite(t) && std::isfinite(y);
}

bool GanzeZahl(double x) {
  return std::isfinite(x) && x == std::floor(x);
}

bool Ablehnen(Kurvenbearbeitung& b, const std::string& text) {
  b.fehler.dialoge().MessagePopup("Fehler", text);
  return false;
}

std::string Dialogtitel(const char* wort, int index) {
  char titel[32];
  std::snprintf(titel, sizeof titel, "%s %d", wort, index + 1);
  return titel;
}
