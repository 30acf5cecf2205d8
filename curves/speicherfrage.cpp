#include "curves/speicherfrage.h"

#include <filesystem>

#include "app/programmende.h"

int AbbruchWeilKurvenNichtGespeichert(const Kurvensatz& satz, Fehlerausgabe& fehler,
                                      const std::function<int()>& speichern) {
  if (!satz.gKurvenGeaendert) return 0;
  std::string name = std::filesystem::path(satz.gKurvendateiname).filename().string();
  if (name.empty()) name = "Kurvengenerator";
  const auto gespeichert = [&] {
    const int ergebnis = speichern();
    return ergebnis == 0 && satz.gKurvenGeaendert ? 1 : ergebnis;
  };
  return AenderungenSpeichernFragen(fehler.dialoge(), name, gespeichert,
                                    [&fehler](int code) { fehler.NOV_Fehlerpopup(code); });
}
