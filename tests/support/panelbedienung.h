#pragma once
// How the panel tests work an editor panel: its controls and menu items by object name, typing
// into number fields, and modal dialogs.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/werkzeugleiste.h"

// Panel: a panel with MenueAktion(name) and Leiste(); the test sets panel.
template <typename Panel>
struct Panelbedienung {
  Panel* panel = nullptr;

  template <typename T>
  T* Teil(const char* name) {
    T* teil = panel->template findChild<T*>(name);
    if (teil == nullptr) qFatal("control %s missing", name);
    return teil;
  }
  QAction* Aktion(const char* name) {
    QAction* aktion = panel->MenueAktion(name);
    if (aktion == nullptr) qFatal("menu item %s missing", name);
    return aktion;
  }
  bool Gedrueckt(const char* name) { return panel->Leiste()->Gedrueckt(Aktion(name)); }
  bool Gedimmt(const char* name) { return panel->Leiste()->Gedimmt(Aktion(name)); }
  double Wert(const char* name) { return Teil<QDoubleSpinBox>(name)->value(); }
  // Types a value into a spin box and commits it with Enter.
  void Eingeben(const char* name, const QString& text) {
    QDoubleSpinBox* feld = Teil<QDoubleSpinBox>(name);
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
  }
};

// Runs bedienen on the modal dialog that the next step opens.
inline void ImDialog(std::function<void(QDialog&)> bedienen) {
  QTimer::singleShot(0, [bedienen = std::move(bedienen)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) qFatal("no modal dialog");
    bedienen(*dialog);
  });
}
