#pragma once
// Number fields and texts of the panels: a core text as a Qt text, a value shown without
// signalling a change, and a value taken only when the user changed it.

#include <QString>
#include <functional>
#include <string>

class QDoubleSpinBox;

inline QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Shows wert in the field without emitting valueChanged, so that showing is not taken as editing.
void WertZeigen(QDoubleSpinBox* feld, double wert);

// Runs uebernehmen when editing of the field ends and the user changed its value: an unchanged
// field keeps the exact value behind its rounded display.
void BeiAenderung(QDoubleSpinBox* feld, std::function<void()> uebernehmen);
