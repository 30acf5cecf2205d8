#pragma once
// The menu rows the curve and characteristic editors have alike: undo and redo, the display
// modes of "Ansicht", and the items of "Hilfe". Constant tables, so that the editors' own tables
// can hold them.

#include <array>

#include "ui/menuepunkt.h"

// "Bearbeiten": undo and redo.
inline constexpr Menuepunkt kRueckgaengigPunkt{
    "RUECKGAENGIG",  "Rückgängig", "Macht den letzten Bearbeitungsschritt rückgängig.",
    Strg(Qt::Key_Z), "Rückgängig", ":/buttons/undo.png"};
inline constexpr Menuepunkt kWiederherstellenPunkt{
    "WIEDERHERST",
    "Wiederherstellen",
    "Stellt den letzten rückgängig gemachten\nBearbeitungsschritt wieder her.",
    Strg(Qt::Key_Y),
    "Wiederherstellen",
    ":/buttons/redo.png"};

// "Ansicht", submenu "Kurvendarstellung", with the display mode of each item.
struct Darstellungspunkt {
  Menuepunkt punkt;
  int darstellung;
};
inline constexpr const char* kDarstellungHilfe =
    "Darstellungsarten für die Kurven:\n- Linien: Nur die intern gespeicherten Geraden "
    "(schnellerer\n              Grafikaufbau)\n- Stufen: Die digitalisierten Geraden, wie sie "
    "tatächlich\n               von der PWC-2 ausgegeben werden.\n- Lin+St: Linien und Geraden "
    "gleichzeitig.";
inline constexpr std::array<Darstellungspunkt, 3> kDarstellungPunkte{{
    {{"LINST", "Linien + Stufen", kDarstellungHilfe, kKeineTaste,
      "Kurven als Linien + Stufen darstellen", ":/buttons/linst.png"},
     3},
    {{"LIN", "Linien", kDarstellungHilfe, kKeineTaste, "Kurven als Linien darstellen",
      ":/buttons/lin.png"},
     1},
    {{"ST", "Stufen", kDarstellungHilfe, kKeineTaste, "Kurven als Stufen darstellen",
      ":/buttons/st.png"},
     2},
}};

// "Hilfe".
inline constexpr Menuepunkt kDirekthilfePunkt{"WASISTDAS", "Direkthilfe", "",
                                              kKeineTaste, "Direkthilfe", ":/buttons/help.png"};
inline constexpr Menuepunkt kPinsPunkt{"PINS", "PWC-2 Pinbelegung", "", kKeineTaste, nullptr,
                                       nullptr};
