#include "sim/leitungstakt.h"

namespace {
constexpr int64_t kBitsProZeichen = 10;
}

Uhr::time_point Leitungstakt::Richtung::Naechstes(Uhr::time_point ab, int baud) {
  if (baud <= 0) return ab;
  if (zeichen == 0 || ab > frei) {  // the line was idle: a new busy stretch begins
    beginn = ab;
    zeichen = 0;
  }
  ++zeichen;
  const auto dauer = std::chrono::nanoseconds(zeichen * kBitsProZeichen * 1'000'000'000 / baud);
  frei = beginn + std::chrono::duration_cast<Uhr::duration>(dauer);
  return frei;
}
