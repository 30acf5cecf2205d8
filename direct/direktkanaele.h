#pragma once
// The channel values of the direct input/output: the unit range of each input and output, the
// decimal places that resolve one raw step of it, the conversions between percent of full scale
// and user units, and numbers as text with a decimal point whatever the locale.

#include <string>

#include "base/festkomma.h"

#include "config/konfiguration.h"

// Raw steps of the devices' 12-bit converters.
constexpr double kRohSchritte = 4095.0;
// More decimal places than a double resolves would only show noise.
constexpr int kHoechsteNachkommastellen = 15;

// The decimal places that resolve one of `schritte` steps of the range lo..hi:
// max(0, ceil(-log10(|hi - lo| / schritte))), at most kHoechsteNachkommastellen; 0 for an empty
// or unusable range.
int Nachkommastellen(double lo, double hi, double schritte = kRohSchritte);

// The unit values of raw 0 and raw 4095 of a channel (lo may exceed hi for a falling scale),
// their precision and the unit text.
struct Einheitenbereich {
  double lo = 0.0;
  double hi = 0.0;
  int stellen = 0;
  std::string einheit;
  double Kleinster() const { return lo < hi ? lo : hi; }
  double Groesster() const { return lo < hi ? hi : lo; }
};

Einheitenbereich EingangsBereich(const Konfiguration& konfig, int k);
Einheitenbereich AusgangsBereich(const Konfiguration& konfig, int k);

// Percent of the full scale -> user unit of input or output k.
double EingangProzentInEinheit(const Konfiguration& konfig, int k, double prozent);
double AusgangProzentInEinheit(const Konfiguration& konfig, int k, double prozent);
