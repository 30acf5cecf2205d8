#pragma once
// Where both editors split a segment in two: the first part's length and the raw value of the
// new point between them.

#include <cstdint>

struct Geradenteilung {
  int32_t erste;  // length of the first part, 1 .. laenge - 1
  int32_t wert;   // raw value of the new point, 0 .. max
};

// A segment of laenge >= 2 units from yAnfang to yEnde, split at e units from its start (already
// rounded). The new value lies on the segment as the device steps it: laenge / erste steps.
Geradenteilung Teilungspunkt(double e, int32_t laenge, int32_t yAnfang, int32_t yEnde, int32_t max);
