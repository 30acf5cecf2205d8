#include "base/einstellungen.h"

#include "base/dateischreiben.h"

std::string IniPfad() {
  // Joined as text: the name stays UTF-8 on every system ("/" serves on Windows too).
  return KonfigurationsOrdner() + "/" + kIniDateiname;
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
  OrdnerFuerDateiAnlegen(pfad_);
  if (Ini_WriteToFile(ini, pfad_) != 0) return -800203;
  return 0;
}
