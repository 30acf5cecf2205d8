#pragma once
// The settings file of the program: where it lives, and reading and writing it through the
// section readers and writers that the panels register.

#include <array>
#include <functional>
#include <string>

#include "base/ini.h"

// The sections in the order in which their readers and writers are called.
enum class Einstellungsabschnitt { Konfig = 0, Com, Direkt, Kurven, Kennlinie };

struct AbschnittFunktionen {
  std::function<void(const IniDatei&)> lesen;
  std::function<void(IniDatei&)> schreiben;
};

constexpr const char* kIniDateiname = "tvm5RKurvengenerator.ini";

// The per-user folder of the program's settings and port links (the platform decides where:
// $XDG_CONFIG_HOME/tvm5r or ~/.config/tvm5r on Linux); the working directory when there is none.
std::string KonfigurationsOrdner();
std::string IniPfad();

class Einstellungen {
 public:
  explicit Einstellungen(std::string pfad = IniPfad()) : pfad_(std::move(pfad)) {}

  void Anmelden(Einstellungsabschnitt abschnitt, AbschnittFunktionen funktionen);

  // -801202 when the file cannot be read: then no section is read.
  int ReadIni();
  // -800203 when the file cannot be written: the old file stays.
  int WriteIni();

  const std::string& Pfad() const { return pfad_; }

 private:
  std::string pfad_;
  std::array<AbschnittFunktionen, 5> abschnitte_{};
};
