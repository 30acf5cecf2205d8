#pragma once
// The curve set: the four curves with their per-curve settings, undo rings, the shared
// clipboard, the mark and the editor's tool. One object, owned by the application, holds what
// the curves panel keeps for the whole run; the operations of this folder change it.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "curves/kurvenmodell.h"
#include "editor/naechsterpunkt.h"
#include "editor/rueckgaengigring.h"

constexpr int kKurvenAnzahl = 4;

// Visible time range of the main graph in microseconds; its X axis runs to gAnsichtEnde + 1.
struct Ansicht {
  double gAnsichtStart = 0.0;
  double gAnsichtEnde = 10000.0;
};

// A marked time range in whole microseconds; neueMarkierung: the next drag starts a new mark.
struct Markierung {
  bool gMarkierungAktiv = false;
  double gMarkierungStart = 0.0;
  double gMarkierungEnde = 0.0;
  bool neueMarkierung = true;
};

// The tools of the "Bearbeiten" menu; exactly one is active.
enum class Werkzeug {
  MARKIEREN,
  ZEICHNEN,
  VERSCHIEBEN,
  PUNKTKOORDINAT,
  ZEITBASISZEIG,
  PUNKTLOESCHEN,
  GERADETEILEN,
  ZEITBASIS,
  LAENGEAENDERN
};

struct Kurvensatz {
  std::array<Kurve, kKurvenAnzahl> gKurven;
  int gAktuelleKurve = 0;
  std::array<int32_t, kKurvenAnzahl> gZyklen{};       // 0 = endless
  std::array<int32_t, kKurvenAnzahl> gRuhezustand{};  // raw
  std::array<int32_t, kKurvenAnzahl> gYZoomMin{};
  std::array<int32_t, kKurvenAnzahl> gYZoomMax{kKurvenwertMax, kKurvenwertMax, kKurvenwertMax,
                                               kKurvenwertMax};
  std::array<double, kKurvenAnzahl> gYRaster{};  // in the output's unit, 0 = no grid
  int gKurvenzahl = kKurvenAnzahl;
  bool gKurvenGeaendert = false;
  std::string gKurvendateiname;

  Ansicht ansicht;
  // Undo ring of each curve: ten snapshots of its points, written at sgRueckgaengigPos.
  std::array<Rueckgaengigring<Kurvenpunkt>, kKurvenAnzahl> rueckgaengig;
  Rueckgaengigfreigabe freigabe;
  std::vector<Kurvenpunkt> sgZwischenablage;  // its size is sgZwischenablageAnzahl
  Markierung markierung;
  Werkzeug werkzeug = Werkzeug::MARKIEREN;
  std::optional<int> verschobenerPunkt;  // picked at the first value change of a drag

  Kurve& aktuelleKurve() { return gKurven[gAktuelleKurve]; }
  const Kurve& aktuelleKurve() const { return gKurven[gAktuelleKurve]; }
};

// Puts the whole set into its initial state; -600402 when memory runs out (set unchanged).
int KurvenAnlegen(Kurvensatz& satz);
// "Neu": every curve becomes the initial curve with empty comment, cycles and rest value 0, and
// the file name is forgotten (the panel renews its title). Y settings, undo rings and the
// modified flag stay.
int KurvenLeeren(Kurvensatz& satz);
// Resizes the point array to n >= 1 points, keeping the first ones; -600403 on failure, when
// the curve keeps its points.
int PunktspeicherAnpassen(Kurve& kurve, int n);
// Inserts points before index a (a = count appends); -600403 on failure, curve unchanged.
int PunkteEinfuegen(Kurve& kurve, int a, std::span<const Kurvenpunkt> neue);
// Makes the curve's points a copy of a non-empty list; -600459 on failure (curve unchanged).
int KurveUebernehmen(Kurve& kurve, const std::vector<Kurvenpunkt>& quelle);
// Device memory the four curves need: 32 header bytes and one word per time unit.
int64_t Speicherbedarf(const Kurvensatz& satz);
