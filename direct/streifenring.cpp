#include "direct/streifenring.h"

void Streifenring::PunkteSetzen(int punkte) {
  punkte_ = ZoomXWert(punkte);
  while (static_cast<int>(schritte_.size()) > punkte_) schritte_.pop_front();
}

void Streifenring::Anhaengen(const Prozentschritt& schritt) {
  schritte_.push_back(schritt);
  if (static_cast<int>(schritte_.size()) > punkte_) schritte_.pop_front();
}

void Streifenring::Unterbrechen() {
  if (schritte_.empty() || std::isnan(schritte_.back()[0])) return;
  Anhaengen({NAN, NAN, NAN, NAN});
}

int ZoomXWert(int wert) {
  if (wert <= 0) return 10;
  return wert > kStreifenHoechstens ? kStreifenHoechstens : wert;
}

double ZoomYWert(double wert) {
  if (!(wert >= 10.0)) return 10.0;
  return wert > 100.0 ? 100.0 : wert;
}

double Abtastintervall(double sekunden) {
  if (!(sekunden >= kKuerzesteAbtastzeit)) return kKuerzesteAbtastzeit;
  return sekunden > kLaengsteAbtastzeit ? kLaengsteAbtastzeit : sekunden;
}
