#pragma once
// A characteristic with scripted dialogs for driving its operations in tests.

#include <string>
#include <vector>

#include "app/fehlerausgabe.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "tests/support/skriptdialoge.h"

// Input 1 and outputs 1 and 2 scaled so that one unit is one raw step: 0..4095 V shown as
// 0..4095 units; a grid of 10 units is 10 raw steps.
inline Konfiguration RohEinheiten() {
  Konfiguration k;
  k.vinmax = k.voutmax = 4095;
  for (int i = 0; i < kKanaele; ++i) {
    k.inmax[i] = k.inskalamax[i] = k.outmax[i] = k.outskalamax[i] = 4095;
  }
  return k;
}

inline std::vector<Kennlinienpunkt> Punkte(std::initializer_list<std::pair<int, int>> liste) {
  std::vector<Kennlinienpunkt> punkte;
  for (const auto& [y, laenge] : liste) punkte.push_back({y, laenge, 0});
  return punkte;
}
