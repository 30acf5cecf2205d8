#pragma once
// A factory of in-process ports to the simulated line that records which port numbers were
// opened, in order.

#include <memory>
#include <vector>

#include "sim/inprozessport.h"

class ZaehlFabrik : public Portfabrik {
 public:
  explicit ZaehlFabrik(SimLeitung& leitung) : fabrik(leitung) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override {
    geoeffnet.push_back(nummer);
    return fabrik.Oeffnen(nummer, einstellung);
  }

  InProzessFabrik fabrik;  // its stoerungen apply
  std::vector<int> geoeffnet;
};
