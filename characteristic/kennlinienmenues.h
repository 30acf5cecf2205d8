#pragma once
// The menus and the toolbar of the characteristic panel as tables (constant, caption,
// direct-help text, shortcut, tooltip and picture of the toolbar button), and the help texts of
// the panel's controls.

#include <array>

#include "ui/editormenuepunkte.h"
#include "ui/menuepunkt.h"

// "Datei" without "Beenden", which every child panel has.
extern const std::array<Menuepunkt, 6> kKennlDateiPunkte;
// "Bearbeiten": "Alles Markieren", "Rückgängig", "Wiederherstellen".
extern const std::array<Menuepunkt, 3> kKennlBearbeitenPunkte;
// "Bearbeiten": the seven tools in the order of KennlWerkzeug.
extern const std::array<Menuepunkt, 7> kKennlWerkzeugPunkte;
// "Bearbeiten": "Zoom +", "Zoom -", "Zoom Markierung", "Zoom Gesammtkurve".
extern const std::array<Menuepunkt, 4> kKennlZoomPunkte;
// "Ansicht" and "Hilfe" are those of the curve editor: kDarstellungPunkte, kDirekthilfePunkt,
// kPinsPunkt.

// The "PWC-2 Pinbelegung" popup of the characteristic operation.
extern const char* const kKennlPinsTitel;
extern const char* const kKennlPinsText;

// Help texts of the panel's controls.
namespace Kennlhilfe {
extern const char* const kGraph;
extern const char* const kGraphKlein;
extern const char* const kKommentarvorschau;
extern const char* const kKommentar;
extern const char* const kKoordinaten;
extern const char* const kRaster;
extern const char* const kYZoom;
extern const char* const kBegrenzung;
extern const char* const kAnstiegszeit;
extern const char* const kKurvenNr;
extern const char* const kSchreiben;
extern const char* const kLesen;
extern const char* const kAusgang4;
}  // namespace Kennlhilfe
