#include "config/konfiguration.h"

#include <cmath>

namespace {

constexpr double kRohMax = 4095.0;

// The straight line through (x1, y1) and (x2, y2): y = m * x + b. Every conversion is one of
// these, computed in the same order forwards and backwards.
struct Gerade {
  double m;
  double b;
};

Gerade GeradeDurch(double x1, double x2, double y1, double y2) {
  const double m = (y2 - y1) / (x2 - x1);
  return {m, y1 - x1 * m};
}

double Vorwaerts(const Gerade& g, double x) {
  return g.m * x + g.b;
}
double Rueckwaerts(const Gerade& g, double y) {
  return (y - g.b) / g.m;
}

Gerade Rohgerade(double vmax) {
  return GeradeDurch(0.0, kRohMax, 0.0, vmax);
}

Gerade Kanalgerade(const Konfiguration& konfig, const Kanalblock& b, int k) {
  return GeradeDurch((konfig.*b.min)[k], (konfig.*b.max)[k], (konfig.*b.skalamin)[k],
                     (konfig.*b.skalamax)[k]);
}

bool KanalGleich(const Konfiguration& a, const Konfiguration& b, const Kanalblock& f, int k) {
  return (a.*f.min)[k] == (b.*f.min)[k] && (a.*f.max)[k] == (b.*f.max)[k] &&
         (a.*f.skalamin)[k] == (b.*f.skalamin)[k] && (a.*f.skalamax)[k] == (b.*f.skalamax)[k] &&
         (a.*f.einheit)[k] == (b.*f.einheit)[k];
}

bool Endlich(double a, double b) {
  return std::isfinite(a) && std::isfinite(b);
}

// The difference of two values divides, so it must be finite and non-zero.
bool Teilbar(double a, double b) {
  const double d = b - a;
  return Endlich(a, b) && std::isfinite(d) && d != 0.0;
}

bool GeradeBrauchbar(const Gerade& g) {
  return std::isfinite(g.m) && g.m != 0.0 && std::isfinite(g.b);
}

}  // namespace

double AusgangRohInVolt(const Konfiguration& konfig, double roh) {
  return Vorwaerts(Rohgerade(konfig.voutmax), roh);
}

double AusgangVoltInRoh(const Konfiguration& konfig, double volt) {
  return Rueckwaerts(Rohgerade(konfig.voutmax), volt);
}

double AusgangVoltInEinheit(const Konfiguration& konfig, int k, double volt) {
  return Vorwaerts(Kanalgerade(konfig, kAusgaenge, k), volt);
}

double AusgangEinheitInVolt(const Konfiguration& konfig, int k, double wert) {
  return Rueckwaerts(Kanalgerade(konfig, kAusgaenge, k), wert);
}

double EingangRohInVolt(const Konfiguration& konfig, double roh) {
  return Vorwaerts(Rohgerade(konfig.vinmax), roh);
}

double EingangVoltInRoh(const Konfiguration& konfig, double volt) {
  return Rueckwaerts(Rohgerade(konfig.vinmax), volt);
}

double EingangVoltInEinheit(const Konfiguration& konfig, int k, double volt) {
  return Vorwaerts(Kanalgerade(konfig, kEingaenge, k), volt);
}

double EingangEinheitInVolt(const Konfiguration& konfig, int k, double wert) {
  return Rueckwaerts(Kanalgerade(konfig, kEingaenge, k), wert);
}

double RohInEinheit(const Konfiguration& konfig, int k, double roh) {
  return AusgangVoltInEinheit(konfig, k, AusgangRohInVolt(konfig, roh));
}

double EinheitInRoh(const Konfiguration& konfig, int k, double wert) {
  return AusgangVoltInRoh(konfig, AusgangEinheitInVolt(konfig, k, wert));
}

double RohXInEinheit(const Konfiguration& konfig, double roh) {
  return EingangVoltInEinheit(konfig, 0, EingangRohInVolt(konfig, roh));
}

double EinheitInRohX(const Konfiguration& konfig, double wert) {
  return EingangVoltInRoh(konfig, EingangEinheitInVolt(konfig, 0, wert));
}

int KonfigurationenVergleichen(const Konfiguration& a, const Konfiguration& b) {
  for (int k = 0; k < kKanaele; ++k)
    if (!KanalGleich(a, b, kAusgaenge, k) || !KanalGleich(a, b, kEingaenge, k)) return 0;
  if (a.voutmax != b.voutmax) return 0;
  if (a.vinmax != b.vinmax) return 0;
  return 1;
}

Kanalmangel KanalPruefen(double min, double max, double skalamin, double skalamax) {
  if (!Endlich(min, max) || !Endlich(skalamin, skalamax)) return Kanalmangel::Ungueltig;
  if (min == max) return Kanalmangel::GleicheSpannungen;
  if (skalamin == skalamax) return Kanalmangel::GleicheWerte;
  if (!Teilbar(min, max) || !Teilbar(skalamin, skalamax) ||
      !GeradeBrauchbar(GeradeDurch(min, max, skalamin, skalamax)))
    return Kanalmangel::Ungueltig;
  return Kanalmangel::Keiner;
}

Kanalmangel KanalPruefen(const Konfiguration& konfig, const Kanalblock& b, int k) {
  return KanalPruefen((konfig.*b.min)[k], (konfig.*b.max)[k], (konfig.*b.skalamin)[k],
                      (konfig.*b.skalamax)[k]);
}

bool VollausschlagGueltig(double vmax) {
  return Teilbar(0.0, vmax) && GeradeBrauchbar(Rohgerade(vmax));
}

bool KonfigurationGueltig(const Konfiguration& konfig) {
  if (!VollausschlagGueltig(konfig.voutmax) || !VollausschlagGueltig(konfig.vinmax)) return false;
  for (int k = 0; k < kKanaele; ++k)
    if (KanalPruefen(konfig, kAusgaenge, k) != Kanalmangel::Keiner ||
        KanalPruefen(konfig, kEingaenge, k) != Kanalmangel::Keiner)
      return false;
  return true;
}
