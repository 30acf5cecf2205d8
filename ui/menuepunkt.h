#pragma once
// One menu item of a panel as a table row: its constant, caption, direct-help text, shortcut
// and, where the toolbar has one, the tooltip and picture of its button.

#include <QKeySequence>

struct Menuepunkt {
  const char* name;       // the item's constant, e.g. "NEU"
  const char* text;       // caption
  const char* hilfe;      // direct-help text; empty: in help mode the item does nothing
  QKeyCombination taste;  // shortcut; Qt::Key_unknown for none
  const char* tooltip;    // toolbar button; nullptr when the toolbar has none
  const char* bild;       // its picture
};

inline constexpr QKeyCombination kKeineTaste(Qt::Key_unknown);

constexpr QKeyCombination Strg(Qt::Key taste) {
  return QKeyCombination(Qt::ControlModifier, taste);
}
