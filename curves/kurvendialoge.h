#pragma once
// The two modal dialogs of the editing tools. The panel shows them (and marks the point or
// highlights the segment while they are open); tests type their values.

#include <string>

#include "curves/zeitanzeige.h"

// Time of a point and its value in the output's unit.
struct Punkteingabe {
  Zeitfelder zeit;
  double wert = 0.0;
};

class Kurvendialoge {
 public:
  virtual ~Kurvendialoge() = default;
  // "Punkt %d" for point index punkt, showing anzeige; returns the fields when OK is pressed.
  virtual Punkteingabe Punktdialog(const std::string& titel, int punkt,
                                   const Punkteingabe& anzeige) = 0;
  // "Gerade %d" for segment index gerade, showing its duration; returns the entered duration.
  virtual Zeitfelder Geradendialog(const std::string& titel, int gerade,
                                   const Zeitfelder& dauer) = 0;
};
