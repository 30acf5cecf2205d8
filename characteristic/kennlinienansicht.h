#pragma once
// The view window of the characteristic graph (zoom, scroll bar, Y zoom), the mark and the
// choice of the tool.

#include <string>

#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "editor/ansichtzoom.h"

enum class KennlZoomArt { PLUS, MINUS, MARKIERUNG, GESAMMTKURVE, ALLESMARKIEREN };

// "Zoom +", "Zoom -" (never beyond 0..4095), "Zoom Markierung" (a shown mark with end > start
// becomes the view; the mark is removed in any case), "Zoom Gesammtkurve" (0..4094) and
// "Alles Markieren" (mark 0..4095, shown).
void KennlZoom(Kennlinienzustand& zustand, KennlZoomArt art);

// The marking tool: a drag at x and the release at x (limited to 0..4095).
void KennlMarkierungZiehen(Kennlinienzustand& zustand, double x);
void KennlMarkierungAbschliessen(Kennlinienzustand& zustand, double x);
// Any tool but MARKIEREN removes the mark.
void KennlWerkzeugWaehlen(Kennlinienzustand& zustand, KennlWerkzeug werkzeug);

// The scroll bar over the X range 0..4095, and the view after scrolling ended at position.
Bildlaufstand KennlBildlauf(const Kennlinienzustand& zustand);
void KennlBildlaufEnde(Kennlinienzustand& zustand, int position);

// YZoomKennl_Callback: the unit values of output 1 as raw bounds (truncated, limited to
// 0..4095). Stored and true when min < max; false (nothing stored) otherwise, when the fields
// show the stored bounds again.
bool KennlYZoomSetzen(Kennlinienzustand& zustand, const Konfiguration& konfig, double min,
                      double max);

// An axis labelled in a channel's unit: unit = versatz + verstaerkung * raw.
struct Kennlachse {
  double verstaerkung = 1.0;  // (unit of raw 4095 - unit of raw 0) / 4095
  double versatz = 0.0;       // unit of raw 0
  std::string einheit;
};
// The axes of GRAPH (X in the unit of input 1, Y in that of output 1), the Y range and what
// YZOOMMIN and YZOOMMAX show.
struct Kennlachsen {
  Kennlachse x;
  Kennlachse y;
  double yMin = 0.0;  // raw
  double yMax = kKennlRohMax;
  double yZoomMin = 0.0;  // unit of output 1
  double yZoomMax = 0.0;
};
Kennlachsen KennlAchsenBerechnen(const Kennlinienzustand& zustand, const Konfiguration& konfig);

// The field of output 2's fixed value: its label and its range in the unit of output 2.
struct Begrenzungsfeld {
  std::string beschriftung;  // "Analogausgang2 [" + unit + "]"
  double min = 0.0;
  double max = 0.0;
};
Begrenzungsfeld KennlBegrenzungsfeld(const Konfiguration& konfig);
