#pragma once
// Marking a range with the mouse, as both editors do: the first drag after a release starts a
// new mark, later drags move its end, the release orders start and end.

// The fields of one editor's mark.
struct Markenfelder {
  double& start;
  double& ende;
  bool& aktiv;
  bool& neu;  // the next drag starts a new mark
};

// Value change of the cursor at x: starts a new mark or moves its end to floor(x + 0.5).
void MarkeZiehen(const Markenfelder& marke, double x);
// Commit at x: start <= end afterwards (the old start becomes the end when x lies before it);
// the next drag starts a new mark.
void MarkeAbschliessen(const Markenfelder& marke, double x);
