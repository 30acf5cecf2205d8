#include "app/startoptionen.h"

#include <cstring>

const char* const kStarthilfe =
    "Aufruf: tvm5r-kurvengenerator [--pwc2] [--hilfe]\n"
    "  --pwc2   zeigt im Hauptfenster auch die Knöpfe \"Konfiguration\", \"Direkt\" und\n"
    "           \"Kennlinie\" und in den Fenstermenüs deren Einträge (auch TVM5R_PWC2=1)\n"
    "  --hilfe  zeigt diese Hilfe\n";

Startoptionen StartoptionenLesen(const std::vector<std::string>& argumente,
                                 const char* pwc2Umgebung) {
  Startoptionen optionen;
  optionen.pwc2 = pwc2Umgebung != nullptr && std::strcmp(pwc2Umgebung, "1") == 0;
  for (const std::string& argument : argumente) {
    if (argument == "--pwc2") {
      optionen.pwc2 = true;
    } else if (argument == "--hilfe" || argument == "-h" || argument == "--help") {
      optionen.hilfe = true;
    } else if (optionen.fehler.empty()) {
      optionen.fehler = "Unbekannte Option: " + argument;
    }
  }
  return optionen;
}
