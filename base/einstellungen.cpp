#include "base/einstellungen.h"

#include <filesystem>
#include <system_error>

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
