#pragma once
// The menus and the toolbar of the curves panel as tables: for each menu item its constant, its
// caption, its direct-help text, its shortcut and, where the toolbar has one, the tooltip and
// picture of its button. Also the help texts of the panel's controls.

#include <array>

#include "curves/kurvensatz.h"
#include "ui/editormenuepunkte.h"
#include "ui/menuepunkt.h"

// "Datei" without "Beenden", which every child panel has.
extern const std::array<Menuepunkt, 7> kDateiPunkte;
// "Bearbeiten": clipboard, select all, undo and redo.
extern const std::array<Menuepunkt, 7> kBearbeitenPunkte;
// "Bearbeiten": the zoom operations.
extern const std::array<Menuepunkt, 4> kZoomPunkte;
// "Bearbeiten": the tools in the order of Werkzeug.
extern const std::array<Menuepunkt, 9> kWerkzeugPunkte;
// "Bearbeiten", submenus "Kurve bearbeiten" and "Im Hintergrund zeigen": K1 .. K4.
extern const std::array<Menuepunkt, kKurvenAnzahl> kKurvenPunkte;
extern const std::array<Menuepunkt, kKurvenAnzahl> kHintergrundPunkte;
// "Ansicht" and "Hilfe" (kDarstellungPunkte, kDirekthilfePunkt, kPinsPunkt) are shared with the
// characteristic editor.

// The "Zeitbasis" ring of the toolbar.
constexpr int kZeitbasisringBreite = 60;

// The "PWC-2 Pinbelegung" popup.
extern const char* const kPinsTitel;
extern const char* const kPinsText;

// Help texts of the panel's controls.
namespace Kurvenhilfe {
extern const char* const kGraph;
extern const char* const kGraphKlein;
extern const char* const kKommentarvorschau;
extern const char* const kKoordinaten;
extern const char* const kYRaster;
extern const char* const kSpeicherbedarf;
extern const char* const kZyklen;
extern const char* const kRuhezustand;
extern const char* const kYZoom;
extern const char* const kKommentar;
extern const char* const kZeitbasisring;
extern const char* const kSchreiben;
extern const char* const kLesen;
}  // namespace Kurvenhilfe
