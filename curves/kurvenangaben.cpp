#include "curves/kurvenangaben.h"

#include <cmath>

#include "base/zeichensatz.h"

std::string KommentarKuerzen(const std::string& text) {
  return Utf8Kuerzen(text, kKommentarMax);
}

std::string KommentarVorschau(const std::string& kommentar) {
  return Utf8Kuerzen(kommentar, kKommentarVorschau);
}

bool KommentarSetzen(Kurvensatz& satz, int k, const std::string& text) {
  if (k < 0 || k >= kKurvenAnzahl) return false;
  std::string neu = KommentarKuerzen(text);
  if (neu == satz.gKurven[k].kommentar) return false;
  satz.gKurven[k].kommentar = std::move(neu);
  satz.gKurvenGeaendert = true;
  return true;
}

void ZyklenUndRuhezustandSetzen(Kurvensatz& satz, const Konfiguration& konfig, int k,
                                int32_t zyklen, double ruhezustand) {
  if (k < 0 || k >= kKurvenAnzahl) return;
  satz.gKurvenGeaendert = true;
  satz.gZyklen[k] = zyklen;
  const double roh = EinheitInRoh(konfig, k, ruhezustand);
  if (std::isnan(roh)) return;
  const double begrenzt = roh < 0 ? 0.0 : roh > kKurvenwertMax ? kKurvenwertMax : roh;
  satz.gRuhezustand[k] = static_cast<int32_t>(std::trunc(begrenzt));
}
