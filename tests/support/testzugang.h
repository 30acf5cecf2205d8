#pragma once
// What the editor tests give a panel or a transfer in place of the COM settings and the error
// indicator.

#include <string>
#include <vector>

#include "base/fehlerausgabe.h"
#include "device/geraetezugang.h"

// The device access on the test's ports; the open port and the address as the test sets them.
struct Testzugang : Geraetezugang {
  explicit Testzugang(ComPorts& p) : ports(p) {}
  ComPorts& Ports() override { return ports; }
  int OffenerComPort() const override { return port; }
  char Adresse() const override { return adresse; }
  ComPorts& ports;
  int port = 1;
  char adresse = '1';
};

// Records what the error indicator shows: codes, and apart from them what was done.
struct Testanzeige : Fehleranzeige {
  std::vector<int> nummern;  // 0 for a cleared indicator
  std::vector<std::string> meldungen;
  void FehlerZeigen(bool lampe, const std::string& text, int nummer) override {
    if (!lampe && !text.empty())
      meldungen.push_back(text);
    else
      nummern.push_back(nummer);
  }
  int Letzte() const { return nummern.empty() ? -1 : nummern.back(); }
};
