#pragma once
// Everything the characteristic panel keeps for the whole run: the characteristic, its file
// name and modified flag, the undo ring, the view and mark, the tool, and the panel fields that
// the operations read (grids, the value of output 2, the rise time, the slot number). One
// object, owned by the application; the operations of this folder change it.

#include <cstdint>
#include <string>

#include "characteristic/kennlinienmodell.h"
#include "editor/rueckgaengigring.h"

// The tools of the "Bearbeiten" menu; exactly one is active.
enum class KennlWerkzeug {
  MARKIEREN,
  ZEICHNEN,
  VERSCHIEBEN,
  PUNKTKOORDINATEN,
  KOORDINATENANZEIGEN,
  PUNKTLOESCHEN,
  GERADETEILEN
};

struct Kennlinienzustand {
  Kennlinie gKennlinie;
  bool gKennlGeaendert = false;
  std::string gKennlDateiname;  // empty: none

  Rueckgaengigring<Kennlinienpunkt> rueckgaengig;
  Rueckgaengigfreigabe freigabe{false, false, false, false};  // both start dimmed

  int32_t gKennlYZoomMin = 0;  // raw range of the graph's Y axis
  int32_t gKennlYZoomMax = kKennlRohMax;
  double gKennlAnsichtStart = 0.0;  // the graph shows X from here to gKennlAnsichtEnde + 1
  double gKennlAnsichtEnde = kKennlRohMax - 1;
  double gKennlMarkStart = 0.0;
  double gKennlMarkEnde = -1.0;
  bool gKennlMarkiert = false;
  bool neueMarkierung = true;  // the next drag of the marking tool starts a new mark
  int verschobenerPunkt = 0;   // picked at the first drag after a release
  bool ersterZug = true;
  KennlWerkzeug werkzeug = KennlWerkzeug::MARKIEREN;

  // Panel fields the operations read and set.
  double gKennlXRaster = 0.0;       // XRASTER, unit of input 1, 0 = none
  double gKennlYRaster = 0.0;       // YRASTER, unit of output 1, 0 = none
  double gKennlBegrenzung = 0.0;    // BEGRENZUNG, unit of output 2
  double gKennlAnstiegszeit = 0.1;  // ANSTIEGSZEIT, milliseconds
  int gKennlKurvenNr = 1;           // KURVENNR, slot 1..7
};

// Panel start: the initial one-point characteristic with an empty comment, empty undo ring,
// Y range 0..4095 and view 0..4094. -600502 when memory runs out (state unchanged).
int KennlAnlegen(Kennlinienzustand& zustand);
// "Neu": one point {4095, 0}, empty comment, BEGRENZUNG = RohXInEinheit(0), ANSTIEGSZEIT 0.1
// and no file name. The modified flag and the undo ring stay. -600503 when memory runs out.
int KennlLeeren(Kennlinienzustand& zustand, const Konfiguration& konfig);
// Replaces the points by a non-empty list; -600503 when memory runs out (points unchanged).
int KennlPunkteUebernehmen(Kennlinie& kennlinie, const std::vector<Kennlinienpunkt>& punkte);
