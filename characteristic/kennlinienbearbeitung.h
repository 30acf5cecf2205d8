#pragma once
// The editing tools of the characteristic: drawing a point at the end, deleting a point,
// splitting a segment. Each returns whether the characteristic changed; a refusal shows a
// "Fehler" popup and changes nothing.

#include <optional>
#include <string>

#include "base/fehlerausgabe.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "editor/naechsterpunkt.h"

// The typed coordinates of the point dialog, in the units of input 1 and output 1.
struct Punktwerte {
  double x = 0.0;
  double y = 0.0;
};

// The point dialog of "Punktkoordinaten zeigen/ändern". The panel shows it (and marks the point
// while it is open); tests type its values.
class Kennliniendialoge {
 public:
  virtual ~Kennliniendialoge() = default;
  // Modal until confirmed: titel "Punkt %d" for point index punkt, showing anzeige; returns the
  // fields.
  virtual Punktwerte Punktdialog(const std::string& titel, int punkt,
                                 const Punktwerte& anzeige) = 0;
};

// What every tool works with. Error codes go to fehler.NOV_Fehlerpopup, refusals to
// fehler.dialoge().
struct Kennlinienbearbeitung {
  Kennlinienzustand& zustand;
  const Konfiguration& konfig;
  Fehlerausgabe& fehler;
  Kennliniendialoge& eingabe;
};

// A raw position on the graph as a tool snaps it.
struct Kennlpunkt {
  double x = 0.0;
  double y = 0.0;
  bool operator==(const Kennlpunkt&) const = default;
};

// Where "Punkt zeichnen" at (x, y) would put the new point; nothing when it would not draw
// (the last point at 4095 or beyond). For the preview.
std::optional<Kennlpunkt> KennlZeichnenVorschau(const Kennlinienbearbeitung& b, double x, double y);
// Appends that point.
bool KennlPunktZeichnen(Kennlinienbearbeitung& b, double x, double y);
// "Punkt auflösen": deletes the point nearest to (x, y); an inner point's two segments merge.
bool KennlPunktLoeschen(Kennlinienbearbeitung& b, double x, double y, const Plotgroesse& plot);
// "Gerade teilen": inserts a point into the segment under x (x not snapped).
bool KennlGeradeTeilen(Kennlinienbearbeitung& b, double x);

// Shows the refusal in a "Fehler" popup; returns false (nothing changed) for the caller.
bool KennlAblehnen(Kennlinienbearbeitung& b, const char* text);
