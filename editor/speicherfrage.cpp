#include "editor/speicherfrage.h"

#include <filesystem>

#include "base/programmende.h"

int UngespeicherteAenderungenFragen(const bool& geaendert, const std::string& dateiname,
                                    const std::string& ohneName, Fehlerausgabe& fehler,
                                    const std::function<int()>& speichern) {
  if (!geaendert) return 0;
  std::string name = std::filesystem::path(dateiname).filename().string();
  if (name.empty()) name = ohneName;
  const auto gespeichert = [&] {
    const int ergebnis = speichern();
    return ergebnis == 0 && geaendert ? 1 : ergebnis;
  };
  return AenderungenSpeichernFragen(fehler.dialoge(), name, gespeichert,
                                    [&fehler](int code) { fehler.NOV_Fehlerpopup(code); });
}
