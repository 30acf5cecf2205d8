#pragma once
// Building blocks of the editor panels: menu items from their table rows, command and choice
// items that respect direct help, buttons with their help text, and help texts on fields.

#include <QList>
#include <QString>
#include <functional>

#include "ui/menuepunkt.h"

class QAction;
class QGridLayout;
class QLabel;
class QVBoxLayout;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class Direkthilfe;
class Werkzeugleiste;
struct Rueckgaengigfreigabe;

// Marks an action as the row's: its constant (or the given name) as object name, its shortcut.
void Kennzeichnen(QAction* aktion, const Menuepunkt& punkt, const QString& name = QString());
// The item of a table row: the row's constant (or the given name) as object name, its shortcut.
QAction* Menueeintrag(QMenu* menue, const Menuepunkt& punkt, const QString& name = QString());
// A command item: in help mode it shows the row's help text instead.
QAction* Befehlseintrag(Direkthilfe& hilfe, QMenu* menue, const Menuepunkt& punkt,
                        std::function<void()> ausfuehren);
// A checkable item whose check mark the state decides: ausfuehren (or, in help mode, the help
// text), then danach, which shows the state, also in help mode.
QAction* Auswahleintrag(Direkthilfe& hilfe, QMenu* menue, const Menuepunkt& punkt,
                        const QString& name, std::function<void()> ausfuehren,
                        std::function<void()> danach);
// A help text on a field; a spin box's text line gets it too, since clicks go there.
void Feldhilfe(Direkthilfe& hilfe, QWidget* feld, const char* text);
// A push button that runs ausfuehren, or shows its help text in help mode.
QPushButton* Hilfeknopf(Direkthilfe& hilfe, QWidget* eltern, const char* name, const QString& text,
                        const char* hilfetext, std::function<void()> ausfuehren);
// Shows a choice item's state: its check mark and its toolbar button pressed or released.
void AuswahlZeigen(Werkzeugleiste& leiste, QAction* aktion, bool an);
// Enables the undo and redo items and dims their buttons as the editor's undo state says.
void RueckgaengigZeigen(Werkzeugleiste& leiste, QAction* rueckgaengig, QAction* wiederherstellen,
                        const Rueckgaengigfreigabe& freigabe);
// The read-only preview of the comment (KOMMENTARVORSCHAU) with its help text.
QLineEdit* Kommentarvorschau(Direkthilfe& hilfe, QWidget* eltern, const char* hilfetext);
// The row of the device's Start and Stopp buttons (START, STOPP).
QHBoxLayout* StartStoppZeile(QWidget* eltern, QPushButton*& start, QPushButton*& stopp);

// The editor's graph and overview: the scroll bar's name (SCROLLBAR), the graph's least size and
// focus on a click, so that the editing keys then act on it, the overview's least height, and
// the help texts of both.
void GraphenEinrichten(Direkthilfe& hilfe, QWidget* graph, QWidget* klein, QWidget* bildlauf,
                       int kleinHoehe, const char* graphHilfe, const char* kleinHilfe);

// The fixed-width column of fields beside the graph; spalte receives its layout.
QWidget* Feldspalte(QWidget* eltern, QVBoxLayout*& spalte);
// Row z of a field group: caption, field and a unit label, which einheiten receives.
void Einheitenzeile(QGridLayout* raster, int z, const char* text, QWidget* feld,
                    QList<QLabel*>& einheiten);

// The parts of an editor panel, in the places EditorAnordnen gives them.
struct Editorteile {
  QWidget* leiste;
  QWidget* graph;
  QWidget* koordinaten;
  QWidget* klein;
  QWidget* felder;
  QWidget* fehleranzeige;
  QWidget* verbindung;
  QWidget* zurueck;
};
// The editors' arrangement: the toolbar on top; the graph, its coordinates and the overview
// beside the fields; the error display, the connection and the back button below.
void EditorAnordnen(QWidget* inhalt, const Editorteile& teile);
