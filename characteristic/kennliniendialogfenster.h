#pragma once
// The modal dialogs of the characteristic panel on Qt: "Punkt %d" (X in the unit of input 1,
// Y in the unit of output 1), which marks the point with a red dot while it is open, and
// "Kommentar - Kennlinie". Both open 20 pixels below the pointer and close with their OK
// button; closing them otherwise keeps the values they showed, so that nothing changes.

#include <string>

#include "characteristic/kennlinienbearbeitung.h"

class QWidget;
class KennlinienGraphen;

class KennlinienDialogfenster : public Kennliniendialoge {
 public:
  KennlinienDialogfenster(const Kennlinienzustand& zustand, KennlinienGraphen& grafik,
                          QWidget* eltern)
      : zustand_(zustand), grafik_(grafik), eltern_(eltern) {}

  Punktwerte Punktdialog(const std::string& titel, int punkt, const Punktwerte& anzeige) override;
  // The text box takes at most 999 characters; returns the text with its lines joined by "\n".
  std::string Kommentardialog(const std::string& text);

 private:
  const Kennlinienzustand& zustand_;
  KennlinienGraphen& grafik_;
  QWidget* eltern_;
};
