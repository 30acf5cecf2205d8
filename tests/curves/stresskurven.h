#pragma once
// The heavy curve sets of the graph tests and the benchmark: four curves of 3000 segments of
// 65535 units of "1s", and the 30704-point curve that reading a full device memory gives.

#include <cmath>

#include "curves/kurvensatz.h"

inline Kurvensatz LangeKurven() {
  Kurvensatz satz;
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    satz.gKurven[k].punkte.clear();
    for (int i = 0; i < 3000; ++i)
      satz.gKurven[k].punkte.push_back({(i * 1237 + k * 500) % 4096, 65535, 8});
  }
  return satz;
}

// One point per memory word, laenge 1; the time base changes every 500 points.
inline Kurvensatz GeleseneKurve() {
  Kurvensatz satz;
  auto& punkte = satz.gKurven[0].punkte;
  punkte.clear();
  for (int i = 0; i < 30704; ++i) {
    const int y = static_cast<int>(2047 + 1800 * std::sin(i / 700.0) + (i * 7919) % 200);
    punkte.push_back({y, 1, kZeitbasisListe[(i / 500) % 3]});
  }
  return satz;
}
