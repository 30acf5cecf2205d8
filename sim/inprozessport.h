#pragma once
// A port that talks to a simulated line in the same process, for tests: whatever is written
// reaches the line at once, the answers queue up, and a read with nothing queued fails at once
// (a silent device costs no waiting). Port-level faults can be switched on.

#include <cstdint>
#include <deque>
#include <memory>

#include "device/comport.h"
#include "sim/simleitung.h"

struct PortStoerungen {
  bool oeffnenFehler = false;
  bool schliessenFehler = false;
  bool timeoutFehler = false;
  bool schreibFehler = false;  // the write returns -1 and sends nothing
  int schreibKuerzer = 0;      // the write sends and reports this many bytes fewer
  bool ausgangHaengt = false;  // the output queue never drains
  bool ausgangFehler = false;  // the output queue length fails
  bool eingangLeerenFehler = false;
  bool ausgangLeerenFehler = false;
  // The byte at this index of every answer (0: the acknowledge) arrives with a parity error,
  // marked as a port that checks parity marks it: 0xFF 0x00 byte.
  int paritaetsfehlerBei = -1;
};

class InProzessPort : public ComPort {
 public:
  InProzessPort(SimLeitung& leitung, const PortStoerungen& stoerungen)
      : leitung_(leitung), stoerungen_(stoerungen) {}

  int Schliessen() override;
  int TimeoutSetzen(double sekunden) override;
  int Schreiben(const uint8_t* daten, size_t anzahl) override;
  int ByteLesen() override;
  int AusgangsschlangeLaenge() override;
  int EingangLeeren() override;
  int AusgangLeeren() override;

  double Timeout() const { return timeout_; }

 private:
  SimLeitung& leitung_;
  const PortStoerungen& stoerungen_;
  std::deque<uint8_t> eingang_;
  double timeout_ = 0.0;
  int ausstehend_ = 0;  // bytes held in the output queue while it hangs
};

class InProzessFabrik : public Portfabrik {
 public:
  explicit InProzessFabrik(SimLeitung& leitung) : leitung_(leitung) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override;

  PortStoerungen stoerungen;  // shared by every port this factory opens

 private:
  SimLeitung& leitung_;
};
