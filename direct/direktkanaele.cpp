#include "direct/direktkanaele.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

double ProzentInRoh(double prozent) {
  return kRohSchritte * prozent / 100.0;
}

}  // namespace

int Nachkommastellen(double lo, double hi, double schritte) {
  const double schritt = std::fabs(hi - lo) / schritte;
  if (!std::isfinite(schritt) || schritt <= 0.0) return 0;
  const double stellen = std::ceil(-std::log10(schritt));
  if (stellen <= 0.0) return 0;
  return stellen >= kHoechsteNachkommastellen ? kHoechsteNachkommastellen
                                              : static_cast<int>(stellen);
}

std::string Kanalwert(const Einheitenbereich& b, double wert) {
  return Festkomma(wert, b.stellen) + (b.einheit.empty() ? "" : " " + b.einheit);
}

Einheitenbereich EingangsBereich(const Konfiguration& konfig, int k) {
  Einheitenbereich b;
  b.lo = EingangVoltInEinheit(konfig, k, EingangRohInVolt(konfig, 0.0));
  b.hi = EingangVoltInEinheit(konfig, k, EingangRohInVolt(konfig, kRohSchritte));
  b.stellen = Nachkommastellen(b.lo, b.hi);
  b.einheit = konfig.ineinheit[k];
  return b;
}

Einheitenbereich AusgangsBereich(const Konfiguration& konfig, int k) {
  Einheitenbereich b;
  b.lo = AusgangVoltInEinheit(konfig, k, AusgangRohInVolt(konfig, 0.0));
  b.hi = AusgangVoltInEinheit(konfig, k, AusgangRohInVolt(konfig, kRohSchritte));
  b.stellen = Nachkommastellen(b.lo, b.hi);
  b.einheit = konfig.outeinheit[k];
  return b;
}

double EingangProzentInEinheit(const Konfiguration& konfig, int k, double prozent) {
  return EingangVoltInEinheit(konfig, k, EingangRohInVolt(konfig, ProzentInRoh(prozent)));
}

double AusgangProzentInEinheit(const Konfiguration& konfig, int k, double prozent) {
  return AusgangVoltInEinheit(konfig, k, AusgangRohInVolt(konfig, ProzentInRoh(prozent)));
}
