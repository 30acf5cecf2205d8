#include "app/einstellungen.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

std::string KonfigurationsOrdner() {
  namespace fs = std::filesystem;
  fs::path basis;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
    basis = xdg;
  else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
    basis = fs::path(home) / ".config";
  else
    return ".";
  return (basis / "tvm5r").string();
}

std::string IniPfad() {
  return (std::filesystem::path(KonfigurationsOrdner()) / kIniDateiname).string();
}

void Einstellungen::Anmelden(Einstellungsabschnitt abschnitt, AbschnittFunktionen funktionen) {
  abschnitte_[static_cast<size_t>(abschnitt)] = std::move(funktionen);
}

int Einstellungen::ReadIni() {
  IniDatei ini = Ini_New(true);
  if (Ini_ReadFromFile(ini, pfad_) != 0) return -801202;
  for (const auto& abschnitt : abschnitte_)
    if (abschnitt.lesen) abschnitt.lesen(ini);
  return 0;
}

int Einstellungen::WriteIni() {
  IniDatei ini = Ini_New(true);
  for (const auto& abschnitt : abschnitte_)
    if (abschnitt.schreiben) abschnitt.schreiben(ini);
  std::error_code fehler;
  std::filesystem::create_directories(std::filesystem::path(pfad_).parent_path(), fehler);
  if (Ini_WriteToFile(ini, pfad_) != 0) return -800203;
  return 0;
}
