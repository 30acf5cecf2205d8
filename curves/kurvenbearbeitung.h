#pragma once
// What every editing tool of the curves panel shares: the objects it works with, the nearest
// point under the pointer, the Y drawing grid and the refusal popup.

#include <string>

#include "base/fehlerausgabe.h"
#include "config/konfiguration.h"
#include "curves/kurvendialoge.h"
#include "curves/kurvensatz.h"

// The editing tools act on the current curve of satz. Refusals are "Fehler" popups through
// fehler.dialoge() and leave the curve unchanged; error codes go to fehler.NOV_Fehlerpopup.
struct Kurvenbearbeitung {
  Kurvensatz& satz;
  const Konfiguration& konfig;
  Fehlerausgabe& fehler;
  Kurvendialoge& eingabe;
};

// A position on the graph as the tools snap it: time in microseconds, raw value.
struct Grafikpunkt {
  double t = 0.0;
  int y = 0;
};

// Index of the curve's point nearest to (t, y) in pixels of the plot area (the Y distance over
// the full raw range); the lower index wins a tie.
int NaechsterPunkt(const Kurve& kurve, double t, double y, const Ansicht& ansicht,
                   const Plotgroesse& plot);
// Snaps a raw value to curve k's Y grid (gYRaster, in the output's unit) and limits it to the
// raw range.
int YRasterAnwenden(const Kurvensatz& satz, const Konfiguration& konfig, int k, double y);
// Pointer positions and entered numbers are used only when finite.
bool Endlich(double t, double y);
bool GanzeZahl(double x);
// Shows the refusal text in a "Fehler" popup; returns false (nothing changed) for the caller.
bool Ablehnen(Kurvenbearbeitung& b, const std::string& text);
// Number of the dialog title: "Punkt %d" or "Gerade %d" with index + 1.
std::string Dialogtitel(const char* wort, int index);
