#pragma once
// The view window of the characteristic graph (zoom, scroll bar, Y zoom), the mark and the
// choice of the tool.

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
