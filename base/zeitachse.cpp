#include "base/zeitachse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct Schritt {
  double wert;  // in the unit
  int unterteilung;
};

// Tolerance for tick indices and decimals that floating point misses by a hair.
constexpr double kUnschaerfe = 1e-9;
// More ticks than this many per requested tick mean a range the step cannot resolve.
constexpr int kTicksJeWunsch = 10;
constexpr int kHoechstStellen = 15;
constexpr int kHoechstTicks = 100;

// Of the candidates, the one nearest to roh.
template <std::size_t N>
Schritt Naechster(const Schritt (&kandidaten)[N], double faktor, double roh) {
  Schritt bester{kandidaten[0].wert * faktor, kandidaten[0].unterteilung};
  for (const Schritt& k : kandidaten)
    if (std::abs(k.wert * faktor - roh) < std::abs(bester.wert - roh))
      bester = {k.wert * faktor, k.unterteilung};
  return bester;
}

// 1, 2, 5 or 10 times the power of ten below roh, whichever is nearest to roh.
Schritt DezimalerSchritt(double roh) {
  static constexpr Schritt kMantissen[] = {{1, 4}, {2, 3}, {5, 4}, {10, 4}};
  return Naechster(kMantissen, std::pow(10.0, std::floor(std::log10(roh))), roh);
}

// Minute steps that divide an hour, where a decimal step would give 50 or 100 minutes.
Schritt MinutenSchritt(double roh) {
  static constexpr Schritt kMinuten[] = {{1, 3},  {2, 3},  {5, 4},  {10, 1},
                                         {15, 2}, {20, 3}, {30, 2}, {60, 3}};
  if (roh < 1 || roh > 60) return DezimalerSchritt(roh);
  return Naechster(kMinuten, 1, roh);
}

// Decimals that a step needs: none for 1 and more, one for 0.2, two for 0.05.
int Stellen(double schritt) {
  const int exponent = static_cast<int>(std::floor(std::log10(schritt) + kUnschaerfe));
  return std::clamp(-exponent, 0, kHoechstStellen);
}

struct Einheitenstufe {
  Zeiteinheit einheit;
  double ab;  // the smallest visible width, in this unit, that is shown in it
  Schritt (*schritt)(double roh);
};

// Largest first; the last one takes everything.
constexpr Einheitenstufe kStufen[] = {
    {{"h", 3600e6}, 5, DezimalerSchritt}, {{"min", 60e6}, 5, MinutenSchritt},
    {{"s", 1e6}, 1, DezimalerSchritt},    {{"ms", 1e3}, 1, DezimalerSchritt},
    {{"µs", 1}, 0, DezimalerSchritt},
};

const Einheitenstufe& Stufe(double breite) {
  for (const Einheitenstufe& s : kStufen)
    if (breite >= s.ab * s.einheit.mikrosekunden) return s;
  return kStufen[std::size(kStufen) - 1];
}

std::string Beschriftung(double wert, int stellen, char dezimalzeichen) {
  char text[400];  // the largest double in fixed notation, with the decimals
  // + 0.0 turns -0 into 0, so that no "-0" is shown.
  std::snprintf(text, sizeof text, "%.*f", stellen, wert + 0.0);
  std::string ergebnis(text);
  std::replace(ergebnis.begin(), ergebnis.end(), '.', dezimalzeichen);
  return ergebnis;
}

}  // namespace

Zeiteinheit ZeiteinheitWaehlen(double breite) {
  return Stufe(breite).einheit;
}

std::string ZeitachsenTitel(double breite) {
  return std::string("Zeit [") + ZeiteinheitWaehlen(breite).name + "]";
}

Zeitachse ZeitachseBerechnen(double von, double bis, int tickAnzahl, char dezimalzeichen) {
  Zeitachse achse;
  const double breite = bis - von;
  if (!std::isfinite(breite) || !(breite > 0)) return achse;
  const Einheitenstufe& stufe = Stufe(breite);
  achse.einheit = stufe.einheit;
  const double faktor = achse.einheit.mikrosekunden;
  const int wunsch = std::clamp(tickAnzahl, 1, kHoechstTicks);
  const Schritt schritt = stufe.schritt(breite / faktor / wunsch);
  achse.schritt = schritt.wert * faktor;
  achse.unterteilung = schritt.unterteilung;

  const double erster = std::ceil(von / achse.schritt - kUnschaerfe);
  const double letzter = std::floor(bis / achse.schritt + kUnschaerfe);
  // At huge times a tiny step no longer changes the value; such a range gets no ticks.
  if (!(letzter - erster < double(kTicksJeWunsch) * wunsch)) return achse;
  const int stellen = Stellen(schritt.wert);
  for (double k = erster; k <= letzter; ++k) {
    achse.ticks.push_back(k * achse.schritt);
    achse.beschriftungen.push_back(Beschriftung(k * schritt.wert, stellen, dezimalzeichen));
  }
  return achse;
}
