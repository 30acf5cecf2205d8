#include "editor/speicherfrage.h"

#include <filesystem>

#include "app/programmende.h"

int UngespeicherteAenderungenFragen(bool geaendert, const std::string& dateiname,
                                    const std::string& ohneName, Fehlerausgabe& fehler,
                                    const std::function<int()>& speichern) {
  if (!geaendert) return 0;
  std::string name = std::filesystem::path(dateiname).filename().string();
  if (name.empty()) name = ohneName;
  return AenderungenSpeichernFragen(fehler.dialoge(), name, speichern,
                                    [&fehler](int code) { fehler.NOV_Fehlerpopup(code); });
}
