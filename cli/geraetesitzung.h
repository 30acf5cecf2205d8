#pragma once
// The device operations of the core on the command line: the session's port and address as the
// COM settings, and the last error the core puts on an error indicator.

#include <string>

#include "app/fehlerausgabe.h"
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
