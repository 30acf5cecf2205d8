#pragma once
// The device operations of the core on the command line: the session's port and address as the
// COM settings, the error indicator that keeps the last device error, and reading switches and
// options.

#include <string>
#include <vector>

#include "base/fehlerausgabe.h"
#include "cli/sitzung.h"
#include "device/geraetezugang.h"

// The COM settings of the command line: the session's port and address.
class CliZugang : public Geraetezugang {
 public:
  explicit CliZugang(Sitzung& s) : s_(s) {}
  ComPorts& Ports() override { return s_.ports(); }
  int OffenerComPort() const override { return s_.port(); }
  char Adresse() const override { return s_.adresse(); }

 private:
  Sitzung& s_;
};

// Keeps the last error the core puts on the error indicators.
class Fehlermerker : public Fehleranzeige {
 public:
  void FehlerZeigen(bool, const std::string&, int nummer) override { code = -nummer; }
  int code = 0;
};

// The device operations of the core with the session's (or other) dialogs and the indicator of
// one device panel.
struct Geraetesitzung {
  explicit Geraetesitzung(Sitzung& s, Geraetepanel panel = Geraetepanel::Kurven)
      : Geraetesitzung(s, s.dialoge(), panel) {}
  Geraetesitzung(Sitzung& s, Dialoge& dialoge, Geraetepanel panel) : zugang(s), fehler(dialoge) {
    fehler.FehleranzeigeAnmelden(panel, &merker);
  }
  CliZugang zugang;
  Fehlerausgabe fehler;
  Fehlermerker merker;
};

// Removes the switch from the arguments; true when it was there.
bool Schalter(std::vector<std::string>& a, const char* name);
// Removes the option and its value from the arguments; empty when it is not there. A missing
// value throws Aufruffehler with "<name>: <fehlt>".
std::string Option(std::vector<std::string>& a, const char* name,
                   const char* fehlt = "Dateiname fehlt");
