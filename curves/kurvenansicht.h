#pragma once
// The visible range of the main curve graph (zoom and scroll), its Y axis in the output's unit,
// the Y zoom fields and the memory gauge.

#include <cstdint>
#include <string>

#include "config/konfiguration.h"
#include "curves/kurvensatz.h"
#include "editor/ansichtzoom.h"

// W = gAnsichtEnde - gAnsichtStart + 1: the X axis runs from gAnsichtStart to gAnsichtEnde + 1.
double Ansichtsbreite(const Ansicht& ansicht);
// "Neu" and the start: 0 .. 10000 microseconds.
void AnsichtZuruecksetzen(Ansicht& ansicht);

// "Zoom +": two thirds of the width around the middle, at least one microsecond.
void ZoomPlus(Ansicht& ansicht);
// "Zoom -": one and a half times the width, a sixth more to the left, never before 0. A view
// whose end would pass 2^53 microseconds (285 years) stays as it is.
void ZoomMinus(Ansicht& ansicht);
// "Zoom Markierung": an active mark with end > start becomes the view start .. end - 1; an
// active mark becomes inactive in any case.
void ZoomMarkierung(Ansicht& ansicht, Markierung& markierung);
// "Zoom Gesammtkurve": 0 .. Kurvendauer - 1 of the current curve.
void AnsichtGesamtkurve(Kurvensatz& satz);

// The scroll bar of the main graph (BildlaufleisteAktualisieren): page = W / duration in percent
// (rounded), position = the view's start as a percentage of the scrollable range (0 when the view
// is as wide as the curve).
Bildlaufstand BildlaufBerechnen(const Ansicht& ansicht, double kurvendauer);
// End of a scroll action at position 0..100: moves the view, keeping its width.
void Bildlauf(Ansicht& ansicht, double kurvendauer, int position);

// YZoomKurven_Callback: the entered unit values of the current curve as raw bounds (truncated,
// limited to 0..4095). Stored and true when min < max; false (nothing stored) otherwise, when
// the fields show the stored bounds again.
bool YZoomSetzen(Kurvensatz& satz, const Konfiguration& konfig, double min, double max);

// The Y axis of the main graph for the current curve k: raw range gYZoomMin .. gYZoomMax shown
// as unit = versatz + verstaerkung * raw, named by the output's unit.
struct YAchse {
  double verstaerkung = 1.0;  // (RohInEinheit(k, 4095) - RohInEinheit(k, 0)) / 4095
  double versatz = 0.0;       // RohInEinheit(k, 0)
  std::string einheit;
  double min = 0.0;  // raw
  double max = kKurvenwertMax;
};
YAchse YAchseBerechnen(const Kurvensatz& satz, const Konfiguration& konfig);

// SPEICHERBEDARF: percent of 61440 bytes (plus 0.05); red only when the bytes exceed the
// device's 65536 bytes by the same rule.
struct Speicheranzeige {
  double prozent = 0.0;
  uint32_t farbe = 0xC0C0C0;  // 0xRRGGBB
};
Speicheranzeige SpeicherbedarfAnzeigen(int64_t bytes);

// What the panel's fields show after a redraw of the current curve k.
struct Kurvenfelder {
  double yZoomMin = 0.0;                // YZOOMMIN in the unit
  double yZoomMax = 0.0;                // YZOOMMAX in the unit
  std::string einheit;                  // the output's unit text
  std::string ruhezustandBeschriftung;  // label of RUHEZUSTAND: "Ruhezustand [%s]" with the unit
  double ruhezustand = 0.0;             // RUHEZUSTAND: RohInEinheit(k, gRuhezustand)
  int32_t zyklen = 0;                   // ZYKLEN
  Speicheranzeige speicher;             // SPEICHERBEDARF
};
Kurvenfelder KurvenfelderBerechnen(const Kurvensatz& satz, const Konfiguration& konfig);
