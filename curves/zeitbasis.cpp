#include "curves/zeitbasis.h"

namespace {

struct Zeitbasis {
  const char* name;
  double dauer;
};

// Indexed by code - 1.
constexpr std::array<Zeitbasis, 9> kZeitbasen{{{"1ms", 1000},
                                               {"2ms", 2000},
                                               {"5ms", 5000},
                                               {"10ms", 10000},
                                               {"50ms", 50000},
                                               {"100ms", 100000},
                                               {"500ms", 500000},
                                               {"1s", 1000000},
                                               {"250us", 250}}};

bool Gueltig(int code) {
  return code >= 1 && code <= 9;
}

}  // namespace

double ZeitbasisDauer(int code) {
  return Gueltig(code) ? kZeitbasen[code - 1].dauer : 0.0;
}

std::string ZeitbasisName(int code) {
  return Gueltig(code) ? kZeitbasen[code - 1].name : " ";
}

int ZeitbasisAusName(const std::string& name) {
  for (int code = 1; code <= 9; ++code)
    if (name == kZeitbasen[code - 1].name) return code;
  return 0;
}
