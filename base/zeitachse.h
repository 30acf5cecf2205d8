#pragma once
// Labels of a time axis whose values are microseconds: the unit that fits the visible width
// (µs, ms, s, min, h), round tick steps in that unit and the label texts, always in plain
// decimal notation (never with an exponent). The axis itself keeps microseconds.

#include <string>
#include <vector>

struct Zeiteinheit {
  const char* name;      // "µs", "ms", "s", "min", "h" (UTF-8)
  double mikrosekunden;  // one unit in microseconds
};

struct Zeitachse {
  Zeiteinheit einheit{"µs", 1.0};
  double schritt = 0.0;                     // tick step in microseconds
  int unterteilung = 0;                     // sub-ticks between two ticks
  std::vector<double> ticks;                // in microseconds, ascending
  std::vector<std::string> beschriftungen;  // one per tick, in the unit, without the unit
};

// The unit for a visible width in microseconds: s, ms and µs as soon as the width reaches one
// unit; minutes and hours only from five units on, so that views up to five minutes read in
// seconds and views up to five hours in minutes.
Zeiteinheit ZeiteinheitWaehlen(double breite);

// The axis title for a visible width: "Zeit [ms]".
std::string ZeitachsenTitel(double breite);

// Ticks and labels for the visible range von..bis (microseconds): about tickAnzahl steps of
// 1, 2 or 5 times a power of ten (minutes also 10, 15, 20, 30, 60), at multiples of the step.
// dezimalzeichen separates the decimals. An empty or non-finite range gives no ticks.
Zeitachse ZeitachseBerechnen(double von, double bis, int tickAnzahl, char dezimalzeichen = '.');
