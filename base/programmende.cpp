#include "base/programmende.h"

#include <cstdio>

int AenderungenSpeichernFragen(Dialoge& dialoge, const std::string& name,
                               const std::function<int()>& speichern,
                               const std::function<void(int)>& zeigeFehler) {
  char text[600];
  std::snprintf(text, sizeof text, "Möchten Sie die Änderungen in %s speichern?", name.c_str());
  const int antwort =
      dialoge.GenericMessagePopup({"Warnung", text, {"Ja", "Nein", "Abbrechen"}, 3, 3});
  if (antwort == 2) return 0;
  if (antwort != 1) return 1;
  const int fehler = speichern();
  if (fehler == 0) return 0;
  if (fehler < 0) zeigeFehler(fehler);
  return 1;
}

int Programmende::ProgrammendeFallsAllesGespeichert(const std::function<void()>& beenden) {
  for (Editor* editor : editoren_) {
    if (editor == nullptr) continue;
    if (const int abbruch = editor->AbbruchWeilNichtGespeichert(); abbruch != 0) return abbruch;
  }
  beenden();
  return 0;
}
