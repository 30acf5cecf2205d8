#include "curves/kurvensatz.h"

#include <algorithm>
#include <new>

int KurvenAnlegen(Kurvensatz& satz) {
  try {
    satz = Kurvensatz{};
  } catch (const std::bad_alloc&) {
    return -600402;
  }
  return 0;
}

int KurvenLeeren(Kurvensatz& satz) {
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    Kurve& kurve = satz.gKurven[k];
    if (const int fehler = PunktspeicherAnpassen(kurve, 1); fehler != 0) return fehler;
    kurve.punkte[0] = Kurvenpunkt{};
    kurve.kommentar.clear();
    satz.gZyklen[k] = 0;
    satz.gRuhezustand[k] = 0;
  }
  satz.gKurvendateiname.clear();
  return 0;
}

int PunktspeicherAnpassen(Kurve& kurve, int n) {
  try {
    kurve.punkte.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    return -600403;
  }
  return 0;
}

int PunkteEinfuegen(Kurve& kurve, int a, std::span<const Kurvenpunkt> neue) {
  const int alt = kurve.anzahlPunkte();
  const int n = static_cast<int>(neue.size());
  if (const int fehler = PunktspeicherAnpassen(kurve, alt + n); fehler != 0) return fehler;
  auto stelle = kurve.punkte.begin() + a;
  std::move_backward(stelle, kurve.punkte.begin() + alt, kurve.punkte.end());
  std::copy(neue.begin(), neue.end(), stelle);
  return 0;
}

int KurveUebernehmen(Kurve& kurve, const std::vector<Kurvenpunkt>& quelle) {
  if (quelle.empty()) return 0;  // a curve never loses its last point
  try {
    std::vector<Kurvenpunkt> kopie(quelle);
    kurve.punkte.swap(kopie);
  } catch (const std::bad_alloc&) {
    return -600459;
  }
  return 0;
}

int64_t Speicherbedarf(const Kurvensatz& satz) {
  int64_t bytes = 32;
  for (const Kurve& kurve : satz.gKurven)
    for (const Kurvenpunkt& punkt : kurve.punkte) bytes += 2 * static_cast<int64_t>(punkt.laenge);
  return bytes;
}
