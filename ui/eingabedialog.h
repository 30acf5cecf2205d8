#pragma once
// The modal input dialogs of the editors: a dialog that closes with its OK button, opens 20
// pixels below the pointer inside the screen and takes typing in its first field, number fields
// with a decimal point whatever the language, and the comment dialog with its text box.

#include <QDialog>
#include <QRect>
#include <functional>
#include <string>

class QDoubleSpinBox;
class QLayout;
class QVBoxLayout;

// A number field with a decimal point whatever the language.
QDoubleSpinBox* Zahlfeld(const char* name, int nachkommastellen, double min, double max,
                         QWidget* eltern);

// A dialog that closes with OK; Escape or the window's close button first run zuruecksetzen,
// which puts the shown values back, and then close it the same way, so that nothing changes.
class Eingabedialog : public QDialog {
 public:
  Eingabedialog(const std::string& titel, QWidget* eltern);
  void Hinzufuegen(QWidget* teil);
  void Hinzufuegen(QLayout* teil);
  std::function<void()> zuruecksetzen;

  void reject() override;

 protected:
  // The first field takes the focus, so typing goes there and not to the OK button.
  void showEvent(QShowEvent* ereignis) override;

 private:
  void ErstesFeldMerken(QWidget* teil);

  QVBoxLayout* layout_;
  QWidget* erstesFeld_ = nullptr;
};

// Where a window of groesse (its frame included) opens for the pointer at zeiger: its top-left
// corner 20 pixels below the pointer, above it where the window would reach below the area, and
// then moved as little as needed to lie inside the area (the screen's available part).
QRect UnterDemZeiger(QPoint zeiger, QSize groesse, const QRect& bereich);

// Runs a dialog modally at 20 pixels below the pointer, inside the screen.
void UnterDemZeigerAusfuehren(QDialog& dialog);

// The comment dialog: a text box (KOMMENTARTEXT) showing text; kuerzen cuts what is typed to
// what the file keeps. A character that the files cannot store (Windows-1252) is taken out as
// it is typed, and the dialog says why. Returns the text with its lines joined by "\n".
std::string Kommentardialog(QWidget* eltern, const std::string& titel, const std::string& text,
                            const std::function<std::string(const std::string&)>& kuerzen);
