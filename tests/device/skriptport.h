#pragma once
// Test lines: a port whose device answers exactly what the test scripts, and a simulated line
// with one device behind the in-process port and a trace of both directions.

#include <deque>
#include <memory>
#include <string>

#include "device/comport.h"
#include "device/mitschnitt.h"
#include "device/novhln1.h"
#include "sim/inprozessport.h"
#include "sim/simleitung.h"

// Every write records the bytes and puts the scripted answer into the input queue.
class SkriptFabrik : public Portfabrik {
 public:
  std::string gesendet;
  std::string antwort;

  std::unique_ptr<ComPort> Oeffnen(int, const Leitungseinstellung&) override {
    return std::make_unique<Port>(*this);
  }

 private:
  struct Port : ComPort {
    explicit Port(SkriptFabrik& f) : fabrik(f) {}
    int Schliessen() override { return 0; }
    int TimeoutSetzen(double) override { return 0; }
    int Schreiben(const uint8_t* daten, size_t anzahl) override {
      fabrik.gesendet.append(reinterpret_cast<const char*>(daten), anzahl);
      eingang.insert(eingang.end(), fabrik.antwort.begin(), fabrik.antwort.end());
      return static_cast<int>(anzahl);
    }
    int ByteLesen() override {
      if (eingang.empty()) return -1;
      const int byte = static_cast<unsigned char>(eingang.front());
      eingang.pop_front();
      return byte;
    }
    int AusgangsschlangeLaenge() override { return 0; }
    int EingangLeeren() override {
      eingang.clear();
      return 0;
    }
    int AusgangLeeren() override { return 0; }
    SkriptFabrik& fabrik;
    std::deque<char> eingang;
  };
};

struct Skriptlinie {
  SkriptFabrik fabrik;
  ComPorts ports{fabrik};
  Skriptlinie() { NOVHLN1_Open(ports, 1, 9600); }
};

// A simulated line with device "1" on port 1; gesendet and empfangen trace the driver's bytes.
struct Simlinie {
  SimLeitung leitung;
  InProzessFabrik fabrik{leitung};
  std::string gesendet;
  std::string empfangen;
  MitschnittFabrik mitschnitt{fabrik, [this](Richtung richtung, uint8_t byte) {
                                (richtung == Richtung::Gesendet ? gesendet : empfangen) +=
                                    static_cast<char>(byte);
                              }};
  ComPorts ports{mitschnitt};
  Geraet& geraet = leitung.GeraetHinzufuegen('1');

  Simlinie() { NOVHLN1_Open(ports, 1, 9600); }
  void Leeren() {
    gesendet.clear();
    empfangen.clear();
  }
  // The fault applies to the next frame.
  void Stoeren(Stoerart art, int parameter = 0) {
    leitung.StoerungAufRahmen(leitung.Rahmenzahl() + 1, {art, parameter});
  }
};
