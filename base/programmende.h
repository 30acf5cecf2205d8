#pragma once
// The orderly end of the program: every editor may save its changes or cancel the end.

#include <array>
#include <functional>
#include <string>

#include "base/dialoge.h"

class Editor {
 public:
  virtual ~Editor() = default;
  // 0 lets the end go on, non-zero cancels it.
  virtual int AbbruchWeilNichtGespeichert() = 0;
};

// The editors in the order in which they are asked.
enum class Editorplatz { Kurven = 0, Kennlinie, Direkt };

// The question every editor asks about unsaved changes: "Ja" saves through speichern, "Nein"
// discards. speichern returns 0 when the changes are saved, a negative code when saving failed
// (shown with zeigeFehler) and a positive value when nothing was saved without an error (its
// file dialog cancelled); only 0 lets the operation that asked go on. Any other answer cancels.
// Returns 0 to go on, 1 to cancel.
int AenderungenSpeichernFragen(Dialoge& dialoge, const std::string& name,
                               const std::function<int()>& speichern,
                               const std::function<void(int)>& zeigeFehler);

class Programmende {
 public:
  void Anmelden(Editorplatz platz, Editor* editor) {
    editoren_[static_cast<size_t>(platz)] = editor;
  }
  // Asks each editor in turn; the first non-zero answer is returned and nothing is quit.
  // Otherwise beenden (QuitUserInterface) is called and 0 returned.
  int ProgrammendeFallsAllesGespeichert(const std::function<void()>& beenden);

 private:
  std::array<Editor*, 3> editoren_{};
};
