#pragma once
// A broken rule of a fuzz target ends the run as a finding, with the input saved by libFuzzer.

#include <cstdlib>

inline void Pruefen(bool bedingung) {
  if (!bedingung) std::abort();
}
